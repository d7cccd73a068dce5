#include "platform/singleinstance.h"

#include "platform/xdgpaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QSysInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
bool IsLocalHost(const QString &host)
{
    static const QStringList local{QString(), QStringLiteral("unix"), QStringLiteral("localhost"),
                                   QStringLiteral("127.0.0.1"), QStringLiteral("::1")};
    return local.contains(host) || host == QSysInfo::machineHostName().toLower();
}

// Keeps only what may stand in a file name.
QString FileNameSafe(QString text)
{
    for (QChar &c : text) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return text;
}
} // namespace

QString DisplayLockKey(const QString &display)
{
    // [host]:number[.screen]; "host/unix:0" is the same as "unix:0", a socket path
    // "/tmp/.X11-unix/X0" names display 0.
    QString text = display.trimmed();
    static const QRegularExpression socketPath(QStringLiteral("^/tmp/\\.X11-unix/X(\\d+)$"));
    if (const QRegularExpressionMatch m = socketPath.match(text); m.hasMatch())
        text = QLatin1Char(':') + m.captured(1);
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return QStringLiteral("none");
    QString host = text.left(colon).toLower();
    if (host.endsWith(QLatin1Char(':')))
        host.chop(1); // DECnet's "host::0"
    if (const qsizetype slash = host.indexOf(QLatin1Char('/')); slash >= 0)
        host = host.mid(slash + 1);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QString number = text.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    bool ok = false;
    const uint displayNumber = number.toUInt(&ok);
    if (!ok)
        return QStringLiteral("none");
    const QString server = IsLocalHost(host) ? QStringLiteral("local") : FileNameSafe(host);
    return server + QLatin1Char('-') + QString::number(displayNumber);
}


SingleInstanceLock::SingleInstanceLock(const QString &name)
    : m_path(XdgRuntimeDir() + name + QLatin1Char('-') + DisplayLockKey(qEnvironmentVariable("DISPLAY")) + QStringLiteral(".lock"))
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
