#include "contacts/vcard.h"

namespace {

QString JoinNonEmpty(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept.append(part.trimmed());
    }
    return kept.join(separator);
}

} // namespace

QStringList VCardAddress::Lines() const
{
    QStringList lines;
    for (const QString &line : {poBox, extended, street, JoinNonEmpty({postalCode, locality}, QStringLiteral(" ")),
                                region, country}) {
        for (const QString &part : line.split(QLatin1Char('\n'))) {
            if (!part.trimmed().isEmpty())
                lines.append(part.trimmed());
        }
    }
    return lines;
}

QString VCard::DisplayName() const
{
    if (!formattedName.trimmed().isEmpty())
        return formattedName.trimmed();
    return JoinNonEmpty({honorificPrefixes, givenName, additionalNames, familyName, honorificSuffixes},
                        QStringLiteral(" "));
}

QString VCard::PrimaryEmail() const
{
    return emails.isEmpty() ? QString() : emails.first().value;
}

QString VCard::HomePage() const
{
    return urls.isEmpty() ? QString() : urls.first().value;
}
