// The menu designer's side of "Data/menusettings.ini": which sections it lists, how one row (a
// key-value string) reads and writes, and what the menu item editor refuses. Each operation opens
// the file afresh, so a section the designer did not touch stays as the file has it now, even when
// someone changed the file while the designer was open.
#pragma once

#include "base/namedvalues.h"

#include <QList>
#include <QString>
#include <QStringList>

class IniFile;

// The menu list: the file's sections sorted, "header" left out, "menu" first.
QStringList DesignerMenuList(const IniFile &file);

// The rows of a section in file order, each decoded into its property list. An empty name reads
// the main menu, "menu".
QList<NamedValueList> ReadMenuRows(const QString &fileName, const QString &menu);
QList<NamedValueList> ReadMenuRows(const IniFile &file, const QString &menu);

// Erases the section and writes the rows under "item0000", "item0001", ... in their order, onto the
// file as it is now; nothing else in the file changes. False when the file could not be read (it is
// never written over then) or not be saved; the reason goes to the user once.
bool WriteMenuRows(const QString &fileName, const QString &menu, const QList<NamedValueList> &rows);

// Removes a custom menu's section from the file as it is now; true when the file holds none after.
bool EraseMenu(const QString &fileName, const QString &menu);

// Whether the file has a section of that name, compared without regard to case.
bool MenuExists(const QString &fileName, const QString &menu);

// The designer's writer of one row: every pair with a name and a value, in its order, written as
// it stands (a double quote and a semicolon in a value are kept).
QString FormatDesignerValues(const NamedValueList &values);

// A separator row: active "1", itemtype "2" and nothing else.
NamedValueList SeparatorRow();

// The Type column of a row: "Folder", "Item" or "Separator" (also for a missing or non-numeric
// itemtype); another number, which the bar does not build, shows as "Unknown".
QString RowTypeText(const NamedValueList &row);
// Whether the row shows as a separator line (caption "Separator").
bool IsSeparatorRow(const NamedValueList &row);

// The first fault of a menu item editor's input, as its error box says it; empty when there is
// none. otherCaptions: the captions of the menu's other lines, separators as "Separator".
QString MenuItemFault(const QString &name, const QString &path, const QString &mask, const QString &iconFile,
                      const QStringList &otherCaptions);
// Whether a text holds one of the letters a row's field may not hold: [ ] , ; =
bool HasInvalidMenuLetters(const QString &text);
