// Selecting the painter of the bar's menus by name and putting it on a menu bar and its menus.
#pragma once

#include <QString>
#include <QStringList>

class QStyle;
class QWidget;

// Names of the menu painters that can be selected.
QStringList MenuThemeNames();
// The painter of a name (matched without regard to case): made at its first selection and kept
// for the program's life, owned by the application object. Null for an unknown name.
QStyle *SelectMenuTheme(const QString &name);

// Sets style on root when it is a QMenuBar or QMenu, on every QMenuBar and QMenu below it and on
// every menu their actions open, and keeps doing so for menus that arrive later: submenus added to
// a styled menu or bar, and menus made children of root or of a styled menu. Qt hands a widget's
// style to neither its child popups nor its submenus, so this is needed for the whole tree. A null
// style returns them all to the application's style.
void ApplyMenuStyle(QWidget *root, QStyle *style);
