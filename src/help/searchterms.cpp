#include "help/searchterms.h"

namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kBlank = QLatin1Char(' ');

// Case folding as the comparison "without regard to case" does it, one character at a time, with a
// quick path for the ASCII letters that make up most of a guide.
QString FoldCase(const QString &text)
{
    QString folded(text.size(), Qt::Uninitialized);
    const auto *in = reinterpret_cast<const char16_t *>(text.constData());
    auto *out = reinterpret_cast<char16_t *>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i];
        if (c < 0x80)
            out[i] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        else if (QChar::isSurrogate(c))
            out[i] = c;
        else
            out[i] = char16_t(QChar::toCaseFolded(char32_t(c)));
    }
    return folded;
}

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
    return PageMatchesFoldedTerms(FoldSearchTerms(terms), plainText, title);
}

QStringList FoldSearchTerms(const QStringList &terms)
{
    QStringList folded;
    for (const QString &term : terms)
        folded << FoldCase(term);
    return folded;
}

bool PageMatchesFoldedTerms(const QStringList &foldedTerms, const QString &plainText, const QString &title)
{
    if (foldedTerms.isEmpty())
        return false;
    // Folding the page once and comparing exactly is the comparison "without regard to case", at the
    // speed of a plain search.
    const QString text = FoldCase(plainText);
    const QString foldedTitle = FoldCase(title);
    for (const QString &term : foldedTerms) {
        if (!text.contains(term) && !foldedTitle.contains(term))
            return false;
    }
    return true;
}
