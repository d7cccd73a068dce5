// Requests that the lower layers make of the bar window, which stands above them all and connects
// to them once: an editor that changed a data file asks for a refresh, F1 and the Help buttons ask
// for a help page. Whoever asks never includes the bar.
#pragma once

#include <QObject>
#include <QString>

class BarRequests : public QObject
{
    Q_OBJECT

public:
    static BarRequests &Instance();

    // The data files changed: read them all again and rebuild the bar.
    static void RequestRefresh();
    // Open the help viewer at a topic, a page name such as "settings_alias.html".
    static void RequestHelp(const QString &topic);

Q_SIGNALS:
    void RefreshRequested();
    void HelpRequested(const QString &topic);

private:
    BarRequests() = default;
};
