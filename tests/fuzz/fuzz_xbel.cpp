// The recently used list is written by every application of the desktop and may be damaged: any
// content must read without crashing, hanging or growing without bound, and give only absolute
// local paths, each once.
#include "platform/recentlyused.h"

#include <QSet>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An odd first byte feeds the bytes as they are; an even one puts them inside a bookmark, so
    // the search reaches the bookmark's own fields quickly.
    QByteArray xml(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size > 0 && (data[0] & 1) == 0)
        xml = "<?xml version=\"1.0\"?><xbel version=\"1.0\"><bookmark href=\"file:///" + xml.mid(1) + "</xbel>";
    const QList<RecentEntry> entries = ReadRecentlyUsed(xml);
    QSet<QString> seen;
    for (const RecentEntry &entry : entries) {
        if (!entry.path.startsWith(QLatin1Char('/')) || seen.contains(entry.path))
            std::abort();
        seen.insert(entry.path);
    }
    return 0;
}
