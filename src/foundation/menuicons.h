// Icons of generated menu entries chosen in the menu designer: an icon file (png, svg, xpm, ico
// and the other image formats Qt reads; a .desktop file gives its application's icon) and the
// index of an image within a file that holds several (an .ico with many pictures), or the name of
// an icon of the desktop's icon theme ("utilities-terminal": an iconfile without any "/"), as a
// desktop entry's Icon= names one. Here, below the menus, so that the menu designer's preview
// shows what the menus will show.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// The picture at index of an image file; a null icon when the file is missing, unreadable or has
// no such image.
QIcon IconFromFile(const QString &file, int index);

// The icon of an entry's iconfile (a path that may start with a macro) when that file exists, or
// the theme's icon of that name when it has one, cached in the given icon list under file and
// index; a null icon otherwise.
QIcon DefinitionIcon(const QString &iconFile, int index, QHash<QString, QIcon> &cache);

// Whether an iconfile text names a theme icon rather than a file: no "/" and no macro in it.
bool IsThemeIconName(const QString &iconFile);

// The icon the bar shows for an entry with this path and icon choice: the icon file (or theme
// name) when it gives one, else the icon of what the path names; a path whose macro has no folder
// on disk stands for the program's own folder. A null icon when there is nothing to show.
QIcon EntryIcon(const QString &iconFile, int index, const QString &path);
