// An icon theme's index.theme is anyone's file: whatever it holds must read without crashing or
// hanging, and every theme it names as a parent is a plain name without blanks around it.
#include "platform/iconthemenames.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &parent : InheritedIconThemes(text)) {
        if (parent.isEmpty() || parent != parent.trimmed() || parent.contains(QLatin1Char(',')))
            std::abort();
    }
    return 0;
}
