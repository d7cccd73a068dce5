#include "infobar/samplererrorreport.h"

#include "app/appinfo.h"
#include "app/messages.h"
#include "app/tracelog.h"

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
