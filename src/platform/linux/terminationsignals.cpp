#include "platform/terminationsignals.h"

#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_fds[2] = {-1, -1};
std::atomic<bool> g_requested{false};

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe work here: one byte into the pipe, read back on the main thread.
void OnSignal(int)
{
    g_requested.store(true);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_fds[0], &byte, 1);
}
} // namespace

void TerminationSignals::InstallHandlers()
{
    if (g_fds[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_fds) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
}

bool TerminationSignals::Requested()
{
    return g_requested.load();
}

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    InstallHandlers();
    if (g_fds[1] < 0)
        return;
    // A byte already in the pipe (a signal during start-up) makes the notifier fire at once.
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
}

TerminationSignals::~TerminationSignals()
{
    for (int number : kSignals)
        signal(number, SIG_DFL);
    for (int &fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::Drain()
{
    char buffer[64];
    while (::read(g_fds[1], buffer, sizeof buffer) > 0) {
    }
    Q_EMIT TerminationRequested();
}
