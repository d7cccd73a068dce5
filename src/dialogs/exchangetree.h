// Filling the import and export tree from a menu, note or theme file: one group node per kind,
// its entries below it, sorted by caption without regard to case.
#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Each returns the group node it added, or null when the file gave it nothing to add.
// "Menus": every section but [header].
QTreeWidgetItem *FillMenus(QTreeWidget &tree, const QString &menuFile);
// "Notes": a node per category ("<Uncategorized>" for none), the notes of that category below it.
QTreeWidgetItem *FillNotes(QTreeWidget &tree, const QString &noteFile);
// "Themes": a node per theme whose version is accepted (the group is there when any theme is).
QTreeWidgetItem *FillThemes(QTreeWidget &tree, const QString &themeFile);

// Sorting by caption: without regard to case, the exact text deciding between equal ones.
bool CaptionLess(const QString &a, const QString &b);
