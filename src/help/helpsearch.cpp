#include "help/helpsearch.h"

#include "help/qdsfile.h"
#include "help/searchterms.h"

#include <QIODevice>

QList<int> SearchHelpFile(const QdsFile &file, const QStringList &terms)
{
    QList<int> found;
    if (terms.isEmpty() || file.Pages().isEmpty())
        return found;
    // One open file for the whole search; each page is read, examined and let go.
    const std::unique_ptr<QIODevice> source = file.OpenForReading();
    if (!source)
        return found;
    const QStringList folded = FoldSearchTerms(terms);
    for (int k = 0; k < file.Pages().size(); ++k) {
        const TTOCRec &page = file.Pages()[k];
        if (page.size == 0)
            continue;
        QString text;
        if (!file.ReadPageText(k, text, source.get()))
            break;
        if (PageMatchesFoldedTerms(folded, text, page.title))
            found.append(k);
    }
    return found;
}
