// The list of info bar objects as the settings dialog shows and edits it ("Progressbars:"): one
// TSettingsListItem per object with the columns "Object", "Prefix" and "Refresh Interval (sec)", a
// tick for the active flag, and the object's whole record behind the line.
#pragma once

#include <QString>
#include <QStringList>

class IniFile;
class QTreeWidget;
class TSettingsListItem;

// The caption of an object value: "CPU Usage" for "0", "RAM Usage" for "1", "Power Usage" for "2",
// "Harddisc Usage (" + value + ")" for anything else (a drive letter).
QString InfoBarObjectCaption(const QString &object);

// Gives the list its three columns.
void PrepareInfoBarObjectList(QTreeWidget *list);
// Appends one line for a stored object text (a key-value string).
TSettingsListItem *AddInfoBarObjectLine(QTreeWidget *list, const QString &text);
// Replaces the list's lines with the objects of settings.ini, in file order.
void LoadInfoBarObjects(QTreeWidget *list, const IniFile &settings);

// The objects' texts in list order, each with "active" set from its tick.
QStringList InfoBarObjectTexts(const QTreeWidget *list);
// Writes section "infobar-objects" anew: "progress0000", "progress0001", ... in list order.
void SaveInfoBarObjects(const QTreeWidget *list, IniFile &settings);
