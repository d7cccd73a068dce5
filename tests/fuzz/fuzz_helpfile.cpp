// Help files from anywhere: opening one reads the header, the page table and the contents tree,
// and every page it lists is read, inflated and turned into HTML and search text. Nothing may
// crash, read outside the file, hang or allocate beyond the inflation limit; a refused file
// knows no page.
#include "help/qdsfile.h"
#include "help/searchterms.h"

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <cstdlib>

namespace {
int CountNodes(const std::vector<HelpContentsNode> &nodes)
{
    int count = 0;
    for (const HelpContentsNode &node : nodes)
        count += 1 + CountNodes(node.children);
    return count;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QdsFile file;
    if (!file.OpenData(bytes)) {
        if (!file.Pages().isEmpty() || !file.Contents().empty())
            std::abort();
        return 0;
    }
    // Every node costs at least five bytes of the file.
    if (qsizetype(CountNodes(file.Contents())) * 5 > bytes.size())
        std::abort();
    const std::unique_ptr<QIODevice> source = file.OpenForReading();
    const QStringList terms = SplitSearchTerms(file.Header().title);
    for (int k = 0; k < file.Pages().size() && k < 64; ++k) {
        QString html;
        QString text;
        const bool read = file.ReadPage(k, html, source.get());
        if (read != file.ReadPageText(k, text, source.get()))
            std::abort();
        PageMatchesTerms(terms, text, file.Pages()[k].title);
    }
    return 0;
}
