// Marquee lines come from settings.ini, which users edit by hand: any line must expand in time
// without crashing or growing, and the expansion must hand the value function only pieces of the
// line.
#include "infobar/marqueeline.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype calls = 0;
    const auto echo = [&](QStringView object, QStringView parameter) {
        ++calls;
        if (object.size() > line.size() || parameter.size() > line.size())
            std::abort();
        if (object.isEmpty() || object.startsWith(QLatin1Char('x')))
            return QString();
        return QLatin1Char('<') + object.toString() + QLatin1Char('>');
    };
    const QString expanded = ExpandMarqueeLine(line, echo);
    // Every token starts with its own "[", and each value here is no longer than the "[", the
    // object and the "(" it replaces.
    if (calls > line.count(QLatin1Char('[')) || expanded.size() > line.size())
        std::abort();
    // A value function that always answers must keep every character outside the tokens.
    const QString plain = ExpandMarqueeLine(line, [](QStringView, QStringView) { return QStringLiteral("v"); });
    if (!line.contains(QLatin1Char('[')) && plain != line)
        std::abort();
    return 0;
}
