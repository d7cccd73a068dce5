#include "infobar/samplererrorreport.h"

#include "foundation/appinfo.h"
#include "foundation/messages.h"
#include "foundation/tracelog.h"

namespace {
bool g_showing = false;
}

void ReportSamplerError(const QString &message, QWidget *parent)
{
    TraceLine(QStringLiteral("processor sampler: ") + message);
    if (g_showing)
        return;
    g_showing = true;
    ShowMessageBox(kAppTitle, message, MessageIcon::Error, parent);
    g_showing = false;
}
