// Turns SIGTERM, SIGINT and SIGHUP (log-out, shut-down, Ctrl+C, the terminal going away) into a Qt
// signal on the main thread, so Quorix closes the same clean way as from its own "Close" menu.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the signals from now on; a signal caught before the object below exists waits for
    // it. Call it first thing in main, so that no early signal kills the program uncleanly.
    static void InstallHandlers();

    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // True once a termination signal has been caught (it may still wait in the pipe).
    static bool Requested();

Q_SIGNALS:
    void TerminationRequested();

private:
    void Drain();
    QSocketNotifier *m_notifier = nullptr;
};
