#include "help/pagehtml.h"

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

QString DropTags(const QString &html)
{
    QString text;
    text.reserve(html.size());
    int depth = 0;
    for (const QChar c : html) {
        if (c == QLatin1Char('<')) {
            ++depth;
        } else if (c == QLatin1Char('>') && depth > 0) {
            --depth;
        } else if (depth == 0) {
            text.append(c);
        }
    }
    return text;
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
    QString text = DropTags(html);
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
