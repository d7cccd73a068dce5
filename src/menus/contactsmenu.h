// The contacts menu ($CONTACTS$): the cards of the address book in the book's order, after the
// commands "Add Contact...", "Find Contact..." and, when the desktop has a contacts application,
// "Open Address Book...". A missing book shows one inert entry instead.
#pragma once

#include <QString>

class QAction;
class QObject;
class QWidget;

struct ContactsMenuOptions
{
    QString bookPath;       // the address book: a .vcf file or a folder of them
    int limit = 0;          // the most contacts built; 0 or below for all
    bool commands = false;  // the command entries come first (never on the bar itself)
    bool showIcons = true;
};

// Adds the contacts menu's entries to parent (a QMenu, or the bar for an expanded entry).
void FillContactsMenu(QWidget *parent, const ContactsMenuOptions &options);

// Click handlers: a contact's entry opens its details; tag 1 ("Add Contact...") opens the editor
// for a new card, tag 2 ("Find Contact...") the search. Both read the book named by the entry.
void OpenContactClick(QObject *sender);
void ContactExtrasClick(QObject *sender);

inline constexpr char kAddressBookNotFound[] = "Error: Address Book Not Found";
