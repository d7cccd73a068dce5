// The names of the icons an icon theme offers (the freedesktop icon theme layout: a theme folder
// under one of the icon search paths, its index.theme naming the themes it inherits), for the menu
// designer's icon chooser.
#pragma once

#include <QString>
#include <QStringList>

// The icon names of the theme, of every theme it inherits and of "hicolor", sorted and without
// repeats; the current theme (or the fallback theme) when none is given.
QStringList IconThemeNames(const QString &theme = {});

// The themes a theme inherits as its index.theme lists them ("Inherits=a,b"); none for a theme
// without one.
QStringList InheritedIconThemes(const QString &indexThemeText);
