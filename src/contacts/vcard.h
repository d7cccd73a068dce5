// One card of an address book as Quorix shows it: the name, the e-mail addresses, home pages,
// telephone numbers and postal addresses, each with its kinds (home, work, ...) and, first in
// every list, the one the card marks as preferred.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct VCardValue
{
    QString value;
    QStringList types;   // in small letters: "home", "work", "cell", ...
    int preference = 100; // 1 is the most preferred; 100 for a value without a preference
    bool operator==(const VCardValue &) const = default;
};

struct VCardAddress
{
    QString poBox, extended, street, locality, region, postalCode, country;
    QStringList types;
    int preference = 100;
    // The lines a letter would carry, empty parts left out.
    QStringList Lines() const;
    bool operator==(const VCardAddress &) const = default;
};

struct VCard
{
    QString version;         // "2.1", "3.0", "4.0" as the card says
    QString uid;
    QString formattedName;   // FN
    // N: family; given; additional; prefixes; suffixes.
    QString familyName, givenName, additionalNames, honorificPrefixes, honorificSuffixes;
    QString organization;
    bool isGroup = false;    // a distribution list (KIND:group), which the menus do not show
    QList<VCardValue> emails;
    QList<VCardValue> urls;
    QList<VCardValue> telephones;
    QList<VCardAddress> addresses;

    // FN, else the parts of N in the order one says them; empty when the card has neither.
    QString DisplayName() const;
    // The preferred e-mail address and home page; empty when there is none.
    QString PrimaryEmail() const;
    QString HomePage() const;
};
