// Writes a card as vCard 3.0, the version every address book reads: CRLF line ends, values
// escaped, lines folded at 75 bytes without splitting a character.
#pragma once

#include "contacts/vcard.h"

#include <QByteArray>

QByteArray FormatVCard(const VCard &card);
