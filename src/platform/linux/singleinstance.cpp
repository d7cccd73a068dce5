#include "platform/singleinstance.h"

#include "platform/xdgpaths.h"

#include <QDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString DisplayTag()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QStringLiteral("none");
    // ":0.0" and "localhost:10" become file-name friendly.
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return display;
}
} // namespace

SingleInstanceLock::SingleInstanceLock(const QString &name)
    : m_path(XdgRuntimeDir() + name + QLatin1Char('-') + DisplayTag() + QStringLiteral(".lock"))
{
}

SingleInstanceLock::~SingleInstanceLock()
{
    Release();
}

bool SingleInstanceLock::TryAcquire()
{
    if (m_fd >= 0)
        return true;
    // flock() locks die with the process, so a crashed bar never blocks the next start.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock file: better one bar too many than none
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void SingleInstanceLock::Release()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}
