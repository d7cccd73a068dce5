#include "foundation/barrequests.h"

BarRequests &BarRequests::Instance()
{
    static BarRequests requests;
    return requests;
}

void BarRequests::RequestRefresh()
{
    Q_EMIT Instance().RefreshRequested();
}

void BarRequests::RequestHelp(const QString &topic)
{
    Q_EMIT Instance().HelpRequested(topic);
}
