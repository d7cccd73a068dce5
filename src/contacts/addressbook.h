// The address book: a vCard file of several cards, or a folder of .vcf files of one card or
// several each (the vdir layout of the desktop's address books, with its collections in
// subfolders). Its order is the order of its files by path, and within a file the cards' order.
// Cards are read when asked for and never kept; new cards are written atomically.
#pragma once

#include "contacts/contactid.h"
#include "contacts/vcard.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AddressBook
{
public:
    explicit AddressBook(const QString &path);

    QString Path() const { return m_path; }
    // The book's file or folder exists.
    bool Exists() const;
    // The .vcf files, in the book's order (the file itself for a one-file book).
    QStringList Files() const;

    // Hands every card to take with its id, in the book's order, until take returns false.
    // Distribution lists come too (isGroup); a damaged card is left out.
    void ForEachCard(const std::function<bool(const ContactId &id, VCard &&card)> &take) const;
    // The card an id names: its UID in its file when it has one, else its position there.
    std::optional<VCard> FindCard(const ContactId &id) const;

    // Adds a card: appended to a one-file book (the file made when missing), a file of its own in
    // a folder. The card gets a UID when it has none. False, with nothing changed, on failure.
    bool AppendCard(VCard card, QString *error = nullptr) const;

private:
    bool IsFolderBook() const;
    QString FolderForNewCards() const;

    QString m_path;
};
