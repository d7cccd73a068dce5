// The screen elements of the theme page: which group shows each, and which theme slots its four
// editors ("Color 1:", "Color2:", "Font Color:", the style buttons) edit.
#pragma once

#include "appearance/themecolors.h"

#include <QString>
#include <QStringList>

// The editors' slot of one colour: none when the editor is off for the element.
using ThemeColorSlot = TColor ThemeColors::*;

struct ThemeElement
{
    const char *name;
    const char *group;          // "Menubar" or "Infobar"
    ThemeColorSlot color1;      // "Color 1:"
    ThemeColorSlot color2;      // "Color2:"
    ThemeColorSlot fontColor;   // "Font Color:"
    bool fontStyles;            // the style buttons edit infobar_progress_font_styles
};

inline const QString kMenubarGroup = QStringLiteral("Menubar");
inline const QString kInfobarGroup = QStringLiteral("Infobar");

// The element of that name (exact spelling), or none.
const ThemeElement *FindThemeElement(const QString &name);
// The elements of a group, sorted alphabetically without regard to case, as the list shows them.
QStringList ThemeElementsOfGroup(const QString &group);

// The desktop colours the system colour lists offer, by name without "cl", after an empty entry.
const QStringList &SystemColorListEntries();
// The list entry naming a colour ("Highlight" for the highlight colour); empty for a colour the
// list does not name, plain colours among them.
QString SystemColorListName(TColor color);
