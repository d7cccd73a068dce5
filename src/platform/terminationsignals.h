// Turns SIGTERM and SIGINT (log-out, shut-down, Ctrl+C) into a Qt signal on the main thread, so
// Quorix closes the same clean way as from its own "Close" menu.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void TerminationRequested();

private:
    void Drain();
    QSocketNotifier *m_notifier = nullptr;
};
