#include "contacts/vcardwriter.h"

#include <QStringList>

namespace {

constexpr qsizetype kFoldWidth = 75;

QString Escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out.append(QLatin1Char('\\')).append(c);
        else if (c == QLatin1Char('\n'))
            out.append(QLatin1String("\\n"));
        else if (c != QLatin1Char('\r'))
            out.append(c);
    }
    return out;
}

// URIs are not text: their commas and semicolons stay as they are.
QString UriValue(QString uri)
{
    uri.remove(QLatin1Char('\r'));
    uri.remove(QLatin1Char('\n'));
    return uri;
}

bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A long line goes on in lines that start with a blank; never inside a UTF-8 sequence.
QByteArray Folded(const QByteArray &line)
{
    QByteArray out;
    qsizetype start = 0;
    qsizetype width = kFoldWidth;
    while (line.size() - start > width) {
        qsizetype end = start + width;
        while (end > start + 1 && IsUtf8Continuation(line[end]))
            --end;
        out.append(line.mid(start, end - start)).append("\r\n ");
        start = end;
        width = kFoldWidth - 1;
    }
    out.append(line.mid(start)).append("\r\n");
    return out;
}

// Only plain type names go out: a type read from a damaged card could hold a colon or a quote.
bool IsPlainTypeName(const QString &type)
{
    if (type.isEmpty())
        return false;
    for (const QChar c : type) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

QString TypeParameter(const QStringList &types, int preference)
{
    QStringList all;
    for (const QString &type : types) {
        if (IsPlainTypeName(type) && type.compare(QLatin1String("quoted-printable"), Qt::CaseInsensitive) != 0)
            all.append(type);
    }
    if (preference == 1)
        all.append(QStringLiteral("pref"));
    return all.isEmpty() ? QString() : QStringLiteral(";TYPE=") + all.join(QLatin1Char(','));
}

} // namespace

QByteArray FormatVCard(const VCard &card)
{
    QStringList lines{QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0")};
    if (!card.uid.isEmpty())
        lines.append(QStringLiteral("UID:") + Escaped(card.uid));
    lines.append(QStringLiteral("FN:") + Escaped(card.DisplayName()));
    lines.append(QStringLiteral("N:") + QStringList{Escaped(card.familyName), Escaped(card.givenName),
                                                    Escaped(card.additionalNames), Escaped(card.honorificPrefixes),
                                                    Escaped(card.honorificSuffixes)}.join(QLatin1Char(';')));
    if (!card.organization.isEmpty())
        lines.append(QStringLiteral("ORG:") + Escaped(card.organization));
    for (const VCardValue &email : card.emails)
        lines.append(QStringLiteral("EMAIL") + TypeParameter(email.types, email.preference) + QLatin1Char(':') + Escaped(email.value));
    for (const VCardValue &url : card.urls)
        lines.append(QStringLiteral("URL") + TypeParameter(url.types, url.preference) + QLatin1Char(':') + UriValue(url.value));
    for (const VCardValue &tel : card.telephones)
        lines.append(QStringLiteral("TEL") + TypeParameter(tel.types, tel.preference) + QLatin1Char(':') + Escaped(tel.value));
    for (const VCardAddress &a : card.addresses) {
        lines.append(QStringLiteral("ADR") + TypeParameter(a.types, a.preference) + QLatin1Char(':')
                     + QStringList{Escaped(a.poBox), Escaped(a.extended), Escaped(a.street), Escaped(a.locality),
                                   Escaped(a.region), Escaped(a.postalCode), Escaped(a.country)}
                           .join(QLatin1Char(';')));
    }
    lines.append(QStringLiteral("END:VCARD"));
    QByteArray out;
    for (const QString &line : lines)
        out.append(Folded(line.toUtf8()));
    return out;
}
