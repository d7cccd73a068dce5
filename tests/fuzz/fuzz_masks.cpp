// Masks come from hand-edited and imported menu files: any pattern must finish quickly, and the
// plain rules must hold whatever the text.
#include "menus/menumasks.h"

#include <QString>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    const QString name = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString mask = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));
    MatchesMaskList(name, mask);
    const bool matches = MatchesMask(name, mask);
    if (!mask.contains(QLatin1Char('*')) && matches != (name == mask))
        std::abort();
    if (!MatchesMask(name, QStringLiteral("*")) || !MatchesMaskList(name, QString()))
        std::abort();
    if (!name.contains(QLatin1Char('*')) && !MatchesMask(name, name))
        std::abort();
    return 0;
}
