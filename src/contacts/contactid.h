// Where a contact is, so that a menu entry finds it again: the file and the card's position in it,
// and its UID when it has one (a card that moved within its file is still found by its UID).
#pragma once

#include <QString>

struct ContactId
{
    QString file;
    int position = -1;
    QString uid;

    bool IsValid() const { return !file.isEmpty() && position >= 0; }
    // One line of text for a menu entry to keep; FromString reads it back (invalid when damaged).
    QString ToString() const;
    static ContactId FromString(const QString &text);
    bool operator==(const ContactId &) const = default;
};
