// The list of hotkeys as the settings dialog shows and edits it ("ListView4"), and its round trip
// with the hotkey file "Data/hotkeys.dat".
//
// A row: the key's name as caption (column 0), then the modifier name ("WIN", "CTRL" or "ALT"), the
// command, the parameter and the key's virtual-key code in decimal (a hidden column); the row's
// check box is the active flag.
#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

enum HotkeyListColumn { hlcKey = 0, hlcShift = 1, hlcFunction = 2, hlcParams = 3, hlcCode = 4 };

// "WIN" for 8, "ALT" for 1, "CTRL" for 2, empty for any other value.
QString HotkeyModifierName(int shift);
// 8, 1 or 2 for "WIN", "ALT" and "CTRL"; 0 otherwise.
int HotkeyModifierFlag(const QString &name);

// Gives the list its columns ("Key", "Shift", "Function", "Parameters" and the hidden code).
void SetupHotkeyList(QTreeWidget *list);

struct HotkeyRow
{
    int virtualKey = 0;
    QString modifier;   // "WIN", "CTRL" or "ALT"
    QString function;
    QString params;
};

// Writes the row's modifier, command, parameter and code, and sets its caption to the key's name.
void SetHotkeyRow(QTreeWidgetItem *item, const HotkeyRow &row);
// Appends a ticked row.
QTreeWidgetItem *AddHotkeyRow(QTreeWidget *list, const HotkeyRow &row);
HotkeyRow ReadHotkeyRow(const QTreeWidgetItem *item);

// Fills the list from the hotkey file, one row per record in file order (fields by position).
// False, with an empty list, when the file cannot be read.
bool FillHotkeyList(QTreeWidget *list, const QString &path);
// Writes the rows into the hotkey file in list order, keeping the file's field list. False when
// the file cannot be written (the old file then stays as it was).
bool SaveHotkeyList(const QTreeWidget *list, const QString &path);
