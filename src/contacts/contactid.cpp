#include "contacts/contactid.h"

#include <QStringList>

namespace {
// A separator no file name or UID of an address book holds.
constexpr QChar kSeparator = QChar(0x1F);
} // namespace

QString ContactId::ToString() const
{
    if (!IsValid())
        return {};
    return file + kSeparator + QString::number(position) + kSeparator + uid;
}

ContactId ContactId::FromString(const QString &text)
{
    const QStringList parts = text.split(kSeparator);
    if (parts.size() != 3)
        return {};
    bool ok = false;
    const int position = parts[1].toInt(&ok);
    if (!ok || position < 0 || parts[0].isEmpty())
        return {};
    return {parts[0], position, parts[2]};
}
