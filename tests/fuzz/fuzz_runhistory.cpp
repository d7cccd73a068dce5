// The run history is a text file the user may edit or damage: any content must read as a valid
// history (no empty entries, no two equal in any case) that writes and reads back unchanged, and
// adding a text keeps those rules within the limit.
#include "menus/runhistory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList entries = ParseRunHistory(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isEmpty() || entries.at(i).contains(QLatin1Char('\n')) || entries.at(i).contains(QLatin1Char('\r')))
            std::abort();
        for (qsizetype j = 0; j < i; ++j) {
            if (entries.at(i).compare(entries.at(j), Qt::CaseInsensitive) == 0)
                std::abort();
        }
    }
    if (ParseRunHistory(FormatRunHistory(entries)) != entries)
        std::abort();
    if (!entries.isEmpty()) {
        const int limit = int(size % 7);
        const QStringList added = AddToRunHistory(entries, entries.last().toUpper(), limit);
        if (added.size() > limit || (limit > 0 && added.first() != entries.last().toUpper()))
            std::abort();
    }
    return 0;
}
