#include "platform/linux/xsettings.h"

#include <QtEndian>

namespace {

enum SettingType : quint8 { kInteger = 0, kString = 1, kColor = 2 };

// Reads the property front to back; every read checks that the bytes are there.
class Reader
{
public:
    Reader(const QByteArray &data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}

    bool Skip(qsizetype count)
    {
        if (count < 0 || count > m_data.size() - m_at)
            return false;
        m_at += count;
        return true;
    }
    std::optional<quint8> Card8()
    {
        if (m_at >= m_data.size())
            return std::nullopt;
        return quint8(m_data[m_at++]);
    }
    std::optional<quint16> Card16()
    {
        if (m_data.size() - m_at < 2)
            return std::nullopt;
        const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData() + m_at);
        m_at += 2;
        return m_bigEndian ? qFromBigEndian<quint16>(bytes) : qFromLittleEndian<quint16>(bytes);
    }
    std::optional<quint32> Card32()
    {
        if (m_data.size() - m_at < 4)
            return std::nullopt;
        const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData() + m_at);
        m_at += 4;
        return m_bigEndian ? qFromBigEndian<quint32>(bytes) : qFromLittleEndian<quint32>(bytes);
    }
    // count bytes, then the padding to the next multiple of 4.
    std::optional<QByteArray> PaddedBytes(quint32 count)
    {
        if (qint64(count) > m_data.size() - m_at)
            return std::nullopt;
        const QByteArray bytes = m_data.mid(m_at, qsizetype(count));
        m_at += qsizetype(count);
        if (!Skip((4 - count % 4) % 4))
            return std::nullopt;
        return bytes;
    }

private:
    const QByteArray &m_data;
    bool m_bigEndian;
    qsizetype m_at = 0;
};

} // namespace

std::optional<QString> XSettingsString(const QByteArray &data, const QByteArray &name)
{
    if (data.isEmpty())
        return std::nullopt;
    Reader reader(data, data[0] != 0); // byte order: 0 least significant byte first
    std::optional<quint32> count;
    if (!reader.Skip(4) || !reader.Card32() /* serial */ || !(count = reader.Card32()))
        return std::nullopt;
    for (quint32 i = 0; i < *count; ++i) {
        const std::optional<quint8> type = reader.Card8();
        std::optional<quint16> nameLength;
        if (!type || !reader.Skip(1) || !(nameLength = reader.Card16()))
            return std::nullopt;
        const std::optional<QByteArray> settingName = reader.PaddedBytes(*nameLength);
        if (!settingName || !reader.Card32() /* last change serial */)
            return std::nullopt;
        switch (*type) {
        case kInteger:
            if (!reader.Card32())
                return std::nullopt;
            break;
        case kString: {
            const std::optional<quint32> length = reader.Card32();
            const std::optional<QByteArray> value = length ? reader.PaddedBytes(*length) : std::nullopt;
            if (!value)
                return std::nullopt;
            if (*settingName == name)
                return QString::fromUtf8(*value);
            break;
        }
        case kColor:
            if (!reader.Skip(8))
                return std::nullopt;
            break;
        default:
            return std::nullopt; // an unknown type has an unknown size: nothing after it can be read
        }
    }
    return std::nullopt;
}
