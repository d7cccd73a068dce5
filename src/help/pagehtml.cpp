#include "help/pagehtml.h"

#include "base/textencoding.h"

#include <QStringDecoder>

namespace {
const QString kResourceToken = QStringLiteral("&qdsres;");

// Substitutes in every tag that begins with the opening, from the first to the last.
void SubstituteInTags(QString &html, const QString &opening, const QString &resourceLocation)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype start = html.indexOf(opening, from, Qt::CaseInsensitive);
        if (start < 0)
            return;
        const qsizetype end = html.indexOf(QLatin1Char('>'), start + opening.size());
        // A tag that never closes ends the substitution for this opening.
        if (end < 0)
            return;
        const qsizetype token = html.indexOf(kResourceToken, start);
        qsizetype tagEnd = end;
        if (token >= 0 && token < end) {
            html.replace(token, kResourceToken.size(), resourceLocation);
            tagEnd += resourceLocation.size() - kResourceToken.size();
        }
        from = tagEnd + 1;
    }
}

// "<" and ">" are single bytes in UTF-8 and in Windows-1252 alike, so the same rule serves the
// decoded text and the stored bytes.
template <typename Text>
Text DropTags(const Text &html)
{
    Text text(html.size(), Qt::Uninitialized);
    auto *out = text.data();
    int depth = 0;
    for (const auto c : html) {
        if (c == '<') {
            ++depth;
        } else if (c == '>' && depth > 0) {
            --depth;
        } else if (depth == 0) {
            *out++ = c;
        }
    }
    text.truncate(out - text.data());
    return text;
}

QString ReplaceEntities(QString text)
{
    // Only an ampersand can begin an entity: most pages need no further pass.
    if (!text.contains(QLatin1Char('&')))
        return text;
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""), Qt::CaseInsensitive);
    return text;
}

// One pass for the usual UTF-8 page; Windows-1252 only for a page that is not.
QString DecodeOnce(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? DecodeText(bytes) : text;
}
} // namespace

QString SubstituteResourceLocation(const QString &html, const QString &resourceLocation)
{
    QString result = html;
    SubstituteInTags(result, QStringLiteral("<link "), resourceLocation);
    SubstituteInTags(result, QStringLiteral("<img "), resourceLocation);
    return result;
}

QString PlainPageText(const QString &html)
{
    return ReplaceEntities(DropTags(html));
}

QString PlainPageTextFromBytes(const QByteArray &html)
{
    return ReplaceEntities(DecodeOnce(DropTags(html)));
}
