#include "contacts/vcardreader.h"

#include "base/textencoding.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <optional>

namespace {

struct Property
{
    QByteArray name;          // in capitals, without its group
    QList<QByteArray> types;  // TYPE values and 2.1's bare parameters, in small letters
    QByteArray charset;
    QByteArray encoding;      // in capitals: "QUOTED-PRINTABLE", "BASE64", "B" or empty
    int preference = 100;
    QByteArrayView rawValue;
};

bool IsFoldingSpace(char c)
{
    return c == ' ' || c == '\t';
}

// Hands the physical lines of data to take, without their line ends (CRLF, LF or a lone CR),
// until take returns false.
template <typename Take>
void ForEachPhysicalLine(const QByteArray &data, Take take)
{
    const char *begin = data.constData();
    const qsizetype size = data.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = begin[i];
        if (c != '\n' && c != '\r')
            continue;
        if (!take(QByteArrayView(begin + start, i - start)))
            return;
        if (c == '\r' && i + 1 < size && begin[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        take(QByteArrayView(begin + start, size - start));
}

// The part of a line before its value: everything up to the first colon outside double quotes.
qsizetype ValueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

std::optional<Property> ParseProperty(const QByteArray &line);

bool IsQuotedPrintable(const QByteArray &line)
{
    const std::optional<Property> property = ParseProperty(line);
    return property && property->encoding == "QUOTED-PRINTABLE";
}

// Unfolds physical lines into logical ones and hands each to take, until take returns false: a
// line that starts with a blank or a tab continues the one before it; so does any line after a
// QUOTED-PRINTABLE line that ends in "=" (2.1's soft line break). Lines are unfolded only as far
// as they are read, so a reader that stops early never touches the rest of a large book.
template <typename Take>
void ForEachLogicalLine(const QByteArray &data, Take take)
{
    QByteArray logical;
    bool haveLine = false;
    bool softBreak = false;
    bool stopped = false;
    ForEachPhysicalLine(data, [&](QByteArrayView line) {
        if (haveLine && softBreak) {
            logical.chop(1); // the "=" of the soft break
            logical.append(line);
        } else if (haveLine && !line.isEmpty() && IsFoldingSpace(line.front())) {
            logical.append(line.sliced(1));
        } else {
            if (haveLine && !take(logical)) {
                stopped = true;
                return false;
            }
            logical = line.toByteArray();
            haveLine = true;
        }
        softBreak = logical.endsWith('=') && IsQuotedPrintable(logical);
        return true;
    });
    if (haveLine && !stopped)
        take(logical);
}

// Splits at a separator that stands outside double quotes.
QList<QByteArrayView> SplitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

QByteArray Unquoted(QByteArrayView text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.sliced(1, text.size() - 2);
    return text.toByteArray();
}

void AddTypes(Property &property, QByteArrayView list)
{
    for (QByteArrayView type : SplitOutsideQuotes(Unquoted(list), ',')) {
        const QByteArray lower = Unquoted(type).toLower();
        if (lower == "pref")
            property.preference = qMin(property.preference, 1);
        else if (!lower.isEmpty())
            property.types.append(lower);
    }
}

std::optional<Property> ParseProperty(const QByteArray &line)
{
    const qsizetype colon = ValueColon(line);
    if (colon <= 0)
        return std::nullopt;
    Property property;
    property.rawValue = QByteArrayView(line).sliced(colon + 1);
    const QList<QByteArrayView> parts = SplitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    QByteArrayView name = parts.first().trimmed();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.sliced(dot + 1); // "item1.EMAIL": the group says nothing we show
    property.name = name.toByteArray().toUpper();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArrayView parameter = parts[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0) {
            // 2.1 names types and encodings bare: "TEL;HOME;VOICE", "NOTE;QUOTED-PRINTABLE".
            const QByteArray bare = parameter.toByteArray().toUpper();
            if (bare == "QUOTED-PRINTABLE" || bare == "BASE64")
                property.encoding = bare;
            else
                AddTypes(property, parameter);
            continue;
        }
        const QByteArray key = parameter.first(equals).trimmed().toByteArray().toUpper();
        const QByteArrayView value = parameter.sliced(equals + 1);
        if (key == "TYPE") {
            AddTypes(property, value);
        } else if (key == "CHARSET") {
            property.charset = Unquoted(value);
        } else if (key == "ENCODING") {
            property.encoding = Unquoted(value).toUpper();
        } else if (key == "PREF") {
            bool ok = false;
            const int preference = Unquoted(value).toInt(&ok);
            if (ok && preference > 0)
                property.preference = qMin(property.preference, preference);
        }
    }
    return property;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "=XX" becomes the byte XX; a lone "=" that starts no pair stays as it is.
QByteArray DecodeQuotedPrintable(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            bytes.append(char(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
            i += 2;
        } else {
            bytes.append(text[i]);
        }
    }
    return bytes;
}

// The text of a value in its character set: the one CHARSET names when Qt knows it, else UTF-8
// when the bytes are UTF-8, else Windows-1252, so that no character is lost.
QString DecodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    if (!charset.isEmpty()) {
        const QByteArray upper = charset.toUpper();
        if (upper != "UTF-8" && upper != "UTF8" && upper != "WINDOWS-1252" && upper != "CP1252") {
            QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
            if (decoder.isValid()) {
                const QString text = decoder.decode(bytes);
                if (!decoder.hasError())
                    return text;
            }
        }
    }
    return DecodeText(bytes);
}

QString ValueText(const Property &property, QByteArrayView raw)
{
    if (property.encoding == "QUOTED-PRINTABLE")
        return DecodeCharset(DecodeQuotedPrintable(raw), property.charset);
    return DecodeCharset(raw.toByteArray(), property.charset);
}

// vCard's escapes: "\n" (or "\N") is a line break, "\," "\;" "\:" and "\\" the character itself.
QString Unescaped(const QString &text)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out.append(c);
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('n') || next == QLatin1Char('N'))
            out.append(QLatin1Char('\n'));
        else
            out.append(next);
    }
    return out;
}

// The components of a structured value (N, ADR), split at semicolons that are not escaped.
QStringList Components(const QString &text, int count)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            current.append(text[i]);
            current.append(text[++i]);
        } else if (text[i] == QLatin1Char(';')) {
            parts.append(Unescaped(current));
            current.clear();
        } else {
            current.append(text[i]);
        }
    }
    parts.append(Unescaped(current));
    while (parts.size() < count)
        parts.append(QString());
    return parts;
}

QString TextValue(const Property &property)
{
    return Unescaped(ValueText(property, property.rawValue)).trimmed();
}

void AddValue(QList<VCardValue> &list, const Property &property, const QString &value)
{
    if (value.isEmpty())
        return;
    VCardValue entry{value, {}, property.preference};
    for (const QByteArray &type : property.types)
        entry.types.append(QString::fromLatin1(type));
    // The preferred value first; values of equal preference keep the card's order.
    qsizetype at = list.size();
    while (at > 0 && list[at - 1].preference > entry.preference)
        --at;
    list.insert(at, entry);
}

void AddAddress(VCard &card, const Property &property)
{
    const QStringList parts = Components(ValueText(property, property.rawValue), 7);
    VCardAddress address{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6], {}, property.preference};
    for (const QByteArray &type : property.types)
        address.types.append(QString::fromLatin1(type));
    if (address.Lines().isEmpty())
        return;
    qsizetype at = card.addresses.size();
    while (at > 0 && card.addresses[at - 1].preference > address.preference)
        --at;
    card.addresses.insert(at, address);
}

// A value of URL or EMAIL written by a 4.0 book as a URI ("mailto:ann@example.org").
QString WithoutMailto(const QString &value)
{
    return value.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ? value.mid(7) : value;
}

void ApplyProperty(VCard &card, const Property &property)
{
    const QByteArray &name = property.name;
    // Pictures and sounds say nothing the menus show, and are the largest values a card has.
    if (property.encoding == "BASE64" || property.encoding == "B")
        return;
    if (name == "FN") {
        card.formattedName = TextValue(property);
    } else if (name == "N") {
        const QStringList parts = Components(ValueText(property, property.rawValue), 5);
        card.familyName = parts[0].trimmed();
        card.givenName = parts[1].trimmed();
        card.additionalNames = parts[2].trimmed();
        card.honorificPrefixes = parts[3].trimmed();
        card.honorificSuffixes = parts[4].trimmed();
    } else if (name == "VERSION") {
        card.version = TextValue(property);
    } else if (name == "UID") {
        card.uid = TextValue(property);
    } else if (name == "KIND" || name == "X-ADDRESSBOOKSERVER-KIND") {
        card.isGroup = TextValue(property).compare(QLatin1String("group"), Qt::CaseInsensitive) == 0;
    } else if (name == "EMAIL") {
        AddValue(card.emails, property, WithoutMailto(TextValue(property)));
    } else if (name == "URL") {
        AddValue(card.urls, property, TextValue(property));
    } else if (name == "TEL") {
        QString number = TextValue(property);
        if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4);
        AddValue(card.telephones, property, number);
    } else if (name == "ADR") {
        AddAddress(card, property);
    } else if (name == "ORG") {
        card.organization = Components(ValueText(property, property.rawValue), 1).first().trimmed();
    }
}

bool IsMarker(const Property &property, const char *name)
{
    return property.name == name && property.rawValue.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
}

} // namespace

void ReadVCards(const QByteArray &data, const std::function<bool(VCard &&card)> &take)
{
    std::optional<VCard> card;
    ForEachLogicalLine(data, [&](const QByteArray &line) {
        const std::optional<Property> property = ParseProperty(line);
        if (!property)
            return true; // a line that is no property at all says nothing
        if (IsMarker(*property, "BEGIN")) {
            card.emplace(); // a card still open here never ended: it is dropped
            return true;
        }
        if (!card)
            return true;
        if (IsMarker(*property, "END")) {
            VCard complete = std::move(*card);
            card.reset();
            return take(std::move(complete));
        }
        ApplyProperty(*card, *property);
        return true;
    });
}

QList<VCard> ReadVCards(const QByteArray &data)
{
    QList<VCard> cards;
    ReadVCards(data, [&cards](VCard &&card) {
        cards.append(std::move(card));
        return true;
    });
    return cards;
}
