#include "help/windowparams.h"

#include <QRegularExpression>
#include <QString>

namespace {
void PutInt(QByteArray &bytes, qint32 value)
{
    const auto v = quint32(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((v >> shift) & 0xFF));
}

qint32 IntAt(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        const quint32 byte = at + i < bytes.size() ? quint8(bytes[at + i]) : 0;
        value |= byte << (8 * i);
    }
    return qint32(value);
}
} // namespace

QByteArray WindowParams::ToBytes() const
{
    QByteArray bytes(1, maximized ? 1 : 0);
    PutInt(bytes, left);
    PutInt(bytes, top);
    PutInt(bytes, width);
    PutInt(bytes, height);
    return bytes;
}

WindowParams WindowParams::FromBytes(const QByteArray &bytes)
{
    WindowParams params;
    params.maximized = !bytes.isEmpty() && bytes[0] == 1;
    params.left = IntAt(bytes, 1);
    params.top = IntAt(bytes, 5);
    params.width = IntAt(bytes, 9);
    params.height = IntAt(bytes, 13);
    return params;
}

QString WindowParams::ToStoredText() const
{
    return QString::fromLatin1(ToBytes().toHex().toUpper());
}

WindowParams WindowParams::FromStoredText(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    const QString digits = text.trimmed();
    if (!hex.match(digits).hasMatch())
        return {};
    return FromBytes(QByteArray::fromHex(digits.toLatin1()));
}
