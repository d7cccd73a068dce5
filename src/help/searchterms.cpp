#include "help/searchterms.h"

namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kBlank = QLatin1Char(' ');

void KeepTerm(QStringList &terms, const QString &term)
{
    const QString trimmed = term.trimmed();
    if (!trimmed.isEmpty())
        terms << trimmed;
}
} // namespace

QStringList SplitSearchTerms(const QString &query)
{
    QStringList terms;
    QString rest = query.trimmed();
    while (!rest.isEmpty() && (rest.contains(kBlank) || rest.startsWith(kQuote))) {
        const qsizetype closing = rest.startsWith(kQuote) ? rest.indexOf(kQuote, 1) : -1;
        if (closing > 0) {
            KeepTerm(terms, rest.mid(1, closing - 1));
            rest = rest.mid(closing + 1);
            continue;
        }
        if (rest.startsWith(kQuote))
            rest.remove(0, 1);   // an opening mark that nothing closes
        const qsizetype blank = rest.indexOf(kBlank);
        KeepTerm(terms, blank < 0 ? rest : rest.left(blank));
        rest = blank < 0 ? QString() : rest.mid(blank + 1);
    }
    KeepTerm(terms, rest);
    return terms;
}

bool PageMatchesTerms(const QStringList &terms, const QString &plainText, const QString &title)
{
    if (terms.isEmpty())
        return false;
    for (const QString &term : terms) {
        if (!plainText.contains(term, Qt::CaseInsensitive) && !title.contains(term, Qt::CaseInsensitive))
            return false;
    }
    return true;
}
