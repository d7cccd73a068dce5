// Address books come from any program and any phone: no content may crash, hang or grow without
// bound, and every card read writes out as 3.0 and reads back with the same name and addresses.
#include "contacts/vcardreader.h"
#include "contacts/vcardwriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<VCard> cards = ReadVCards(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const VCard &card : cards) {
        const QList<VCard> back = ReadVCards(FormatVCard(card));
        if (back.size() != 1)
            std::abort();
        // The writer keeps FN; a card without one gets its name from N both times.
        if (back.first().DisplayName() != card.DisplayName().remove(QLatin1Char('\r')).trimmed())
            std::abort();
        if (back.first().emails.size() != card.emails.size())
            std::abort();
    }
    return 0;
}
