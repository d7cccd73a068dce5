#include "platform/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the descriptor however the read ends.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

RegularFileRead Refused(const QString &reason)
{
    RegularFileRead result;
    result.error = reason;
    return result;
}

} // namespace

bool IsSmallRegularFile(const QString &path, qint64 maxSize)
{
    struct stat info = {};
    const QByteArray local = QFile::encodeName(path);
    return !local.isEmpty() && ::stat(local.constData(), &info) == 0 && S_ISREG(info.st_mode)
           && info.st_size <= maxSize;
}

RegularFileRead ReadRegularFile(const QString &path, qint64 maxSize)
{
    return ReadRegularFileBytes(QFile::encodeName(path), maxSize);
}

RegularFileRead ReadRegularFileBytes(const QByteArray &path, qint64 maxSize)
{
    if (path.isEmpty())
        return Refused(QStringLiteral("no file name"));
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused just below.
    FileDescriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return Refused(SystemReason(errno));
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0)
        return Refused(SystemReason(errno));
    if (!S_ISREG(info.st_mode))
        return Refused(S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder") : QStringLiteral("it is not a regular file"));
    if (info.st_size > maxSize)
        return Refused(QStringLiteral("it is too large"));
    RegularFileRead result;
    // The file may grow while it is read: never more than the cap plus one byte to notice.
    result.data.resize(qsizetype(qMin<qint64>(info.st_size, maxSize) + 1));
    qsizetype done = 0;
    while (done < result.data.size()) {
        const ssize_t got = ::read(fd.get(), result.data.data() + done, size_t(result.data.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Refused(SystemReason(errno));
        if (got == 0)
            break;
        done += got;
    }
    if (done > maxSize)
        return Refused(QStringLiteral("it is too large"));
    result.data.truncate(done);
    result.ok = true;
    return result;
}
