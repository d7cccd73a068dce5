// Reads vCards (2.1, 3.0 and 4.0) as address books really write them: CRLF or LF line ends,
// folded lines, escaped characters, QUOTED-PRINTABLE values with soft line breaks and CHARSET
// parameters (2.1), grouped property names ("item1.EMAIL"), several EMAIL, URL, TEL and ADR with
// their TYPE and PREF. A damaged card (one that never ends, or one interrupted by the next card's
// BEGIN) is skipped; the cards around it are read.
#pragma once

#include "contacts/vcard.h"

#include <QByteArray>
#include <QList>

#include <functional>

// Hands every complete card to take, in file order, until take returns false.
void ReadVCards(const QByteArray &data, const std::function<bool(VCard &&card)> &take);
// Every complete card of data, in file order.
QList<VCard> ReadVCards(const QByteArray &data);
