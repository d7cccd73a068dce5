// Icons of generated menu entries chosen in the menu designer: an icon file (png, svg, xpm, ico
// and the other image formats Qt reads; a .desktop file gives its application's icon) and the
// index of an image within a file that holds several (an .ico with many pictures).
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// The picture at index of an image file; a null icon when the file is missing, unreadable or has
// no such image.
QIcon IconFromFile(const QString &file, int index);

// The icon of an entry's iconfile (a path that may start with a macro) when that file exists,
// cached in the given icon list under file and index; a null icon otherwise.
QIcon DefinitionIcon(const QString &iconFile, int index, QHash<QString, QIcon> &cache);
