#include "platform/linux/kernelfile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(const QString &path)
        : m_fd(::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC)) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// True when text holds a complete line that does not start with prefix.
bool PastLeadingLines(const QByteArray &text, const QByteArray &prefix)
{
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            return false;
        if (!QByteArrayView(text).sliced(start, end - start).startsWith(prefix))
            return true;
        start = end + 1;
    }
}

QByteArray Read(const QString &path, const QByteArray &stopPrefix, qsizetype limit)
{
    FileDescriptor file(path);
    if (file.fd() < 0)
        return {};
    return ReadKernelFileFrom(file.fd(), stopPrefix, limit);
}

} // namespace

QByteArray ReadKernelFileFrom(int fd, const QByteArray &stopPrefix, qsizetype limit)
{
    constexpr qsizetype kChunk = 16384;
    QByteArray text;
    text.reserve(kChunk);
    while (text.size() < limit) {
        const qsizetype before = text.size();
        const qsizetype want = std::min(kChunk, limit - before);
        text.resize(before + want);
        const ssize_t got = ::pread(fd, text.data() + before, size_t(want), off_t(before));
        if (got < 0) {
            if (errno == EINTR) {
                text.resize(before);
                continue;
            }
            return {};
        }
        text.resize(before + got);
        if (got == 0)
            break;
        if (!stopPrefix.isEmpty() && PastLeadingLines(text, stopPrefix))
            break;
    }
    if (text.isNull())
        text = QByteArray("");
    return text;
}

QByteArray ReadKernelFile(const QString &path, qsizetype limit)
{
    return Read(path, {}, limit);
}

QByteArray ReadKernelFileLeadingLines(const QString &path, const QByteArray &prefix, qsizetype limit)
{
    return Read(path, prefix, limit);
}
