#include "help/qdsreader.h"

#include "base/textencoding.h"

#include <QIODevice>

QdsReader::QdsReader(QIODevice &device) : m_device(device), m_size(device.size())
{
}

qint64 QdsReader::Position() const
{
    return m_device.pos();
}

bool QdsReader::Seek(qint64 position)
{
    if (!m_ok || position < 0 || position > m_size || !m_device.seek(position))
        m_ok = false;
    return m_ok;
}

QByteArray QdsReader::Bytes(qint64 count)
{
    // Checked against the file's size first: a count read from a damaged file allocates nothing.
    if (!m_ok || count < 0 || count > m_size - m_device.pos()) {
        m_ok = false;
        return {};
    }
    QByteArray bytes = m_device.read(count);
    if (bytes.size() != count)
        m_ok = false;
    return bytes;
}

quint8 QdsReader::U8()
{
    const QByteArray b = Bytes(1);
    return m_ok ? quint8(b[0]) : 0;
}

quint16 QdsReader::U16()
{
    const QByteArray b = Bytes(2);
    return m_ok ? quint16(quint8(b[0]) | quint8(b[1]) << 8) : 0;
}

quint32 QdsReader::U32()
{
    const QByteArray b = Bytes(4);
    if (!m_ok)
        return 0;
    return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16
           | quint32(quint8(b[3])) << 24;
}

QString QdsReader::ShortString()
{
    const quint8 length = U8();
    return DecodeText(Bytes(length));
}
