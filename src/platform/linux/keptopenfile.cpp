#include "platform/linux/keptopenfile.h"

#include "platform/linux/kernelfile.h"

#include <fcntl.h>
#include <unistd.h>

KeptOpenFile::~KeptOpenFile()
{
    Close();
}

bool KeptOpenFile::Open()
{
    if (m_fd < 0)
        m_fd = ::open(m_path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    return m_fd >= 0;
}

void KeptOpenFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QByteArray KeptOpenFile::Read(const QByteArray &stopPrefix, qsizetype limit)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!Open())
            return {};
        const QByteArray text = ReadKernelFileFrom(m_fd, stopPrefix, limit);
        if (!text.isNull())
            return text;
        Close();
    }
    return {};
}
