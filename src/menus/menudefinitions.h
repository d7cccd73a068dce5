// The menu definitions of "Data/menusettings.ini": section [menu] holds the bar's own entries,
// every other section but [header] is a custom menu, shown where a folder entry has the path
// "$CUSMENUS$/<name>". Each key of a section is one entry, a key-value string with the fields
// active, itemtype, name, path, mask, maxitems, expanded, iconfile and iconindex.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class IniFile;

enum MenuEntryType { metFolder = 0, metItem = 1, metSeparator = 2, metInvalid = -1 };

struct MenuDefinitionEntry
{
    QString key;                 // the key it was read from ("item0003"); not interpreted
    bool active = false;         // active is exactly "1"
    int itemType = metInvalid;   // 0, 1 or 2; anything else (or no number) is invalid
    QString name;                // caption; "&" marks the accelerator
    QString path;
    QString mask;                // empty: every file
    QString maxItems;            // as stored; see ItemLimit
    bool expanded = false;       // expanded is exactly "1"
    QString iconFile;
    int iconIndex = 0;

    // Whether the entry is built: active, of a known type, and with a path unless a separator.
    bool IsShown() const;
    // The largest number of entries its folder menu builds: maxnumber for -1, a missing or a
    // non-numeric value; the number itself otherwise (0 or below: no limit).
    int ItemLimit(int maxNumber) const;
};

// The entries of one section in file order, shown or not. An empty section name reads [menu].
QList<MenuDefinitionEntry> ReadMenuDefinitions(const IniFile &file, const QString &section = {});
MenuDefinitionEntry ParseMenuDefinitionEntry(const QString &key, const QString &value);
// The section names that are menus, sorted, with [header] left out and [menu] first.
QStringList MenuDefinitionSections(const IniFile &file);
// Whether a section name names a menu at all ([header] never does).
bool IsMenuSection(const QString &section);
// The limit rule on its own, for stored maxitems texts.
int ItemLimitFromText(const QString &text, int maxNumber);
