// Theme colour texts come from hand-edited settings and imported theme files: no text may crash
// the parser, and whatever it accepts must survive being stored and read again.
#include "appearance/colorvalue.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<TColor> color = ParseThemeColor(text, &error);
    if (!color) {
        if (!error.endsWith(QStringLiteral("' is not a valid integer value")))
            std::abort();
        return 0;
    }
    if (ParseThemeColor(ColorToStoredText(*color)) != color)
        std::abort();
    return 0;
}
