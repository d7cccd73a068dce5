// The colours and font styles of a theme: how the bar, its menus, the marquee and the info bar
// look. A theme is stored as one INI section (section "theme" of the settings file for the current
// theme, one section per named theme in the themes file) holding colour texts and one integer.
#pragma once

#include "appearance/colorvalue.h"

#include <QString>
#include <optional>
#include <span>

class IniFile;
class QFont;

// Bits of the font style set.
constexpr int fsBold = 1;
constexpr int fsItalic = 2;
constexpr int fsUnderline = 4;
constexpr int fsStrikeOut = 8;
constexpr int fsAllStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;

struct ThemeColors
{
    TColor menuColor;                  // bar background, normal bar items, marquee background
    TColor menuFontColor;              // normal bar item text, marquee text
    TColor menuSelectColor;            // hot, pushed and open bar items; hovered marquee background
    TColor menuSelectFontColor;        // their text; hovered marquee text
    TColor menuPopupColor;             // popup background
    TColor menuPopupFontColor;         // popup item text
    TColor menuPopupSelectColor;       // hot popup item, start of its gradient
    TColor menuPopupSelectEndColor;    // end of that gradient (plain fill when equal to the start)
    TColor menuPopupSelectFontColor;   // hot popup item text
    TColor menuBorderColor;            // popup borders, separators
    TColor infobarColor;               // info bar background
    TColor infobarProgressColor;       // unfilled part of a progress bar
    TColor infobarProgressBorderColor; // progress bar border
    TColor infobarProgressColorStart;  // progress fill gradient, left
    TColor infobarProgressColorEnd;    // progress fill gradient, right
    TColor infobarProgressFontColor;   // progress text
    int infobarProgressFontStyles;     // progress text styles, fs* bits (low four bits only)

    bool operator==(const ThemeColors &) const = default;
};

struct ThemeColorKey
{
    const char *key;
    const char *defaultText; // the colour text used when the key is missing
    TColor ThemeColors::*member;
};

// The sixteen colour keys in the order a theme is written.
std::span<const ThemeColorKey> ThemeColorKeys();
// The seventeenth key, written after the colours.
inline const QString kThemeFontStylesKey = QStringLiteral("infobar_progress_font_styles");

// Every key at its default.
ThemeColors DefaultThemeColors();

// Reads a theme section; missing keys take their defaults. One unreadable colour text fails the
// whole read: nothing is returned and *error receives the message for the user, so the caller keeps
// the colours it had.
// *badKey (when given) receives the name of the key whose text could not be read.
std::optional<ThemeColors> ReadThemeColors(const IniFile &ini, const QString &section,
                                           QString *error = nullptr, QString *badKey = nullptr);
// The message for a colour that could not be read: the conversion error, then where it stands, so
// that the user can find the key to mend.
QString ThemeColorErrorText(const QString &error, const QString &file, const QString &section,
                            const QString &key);
// Writes the seventeen keys in their order, colours as signed 32-bit integers. An IniFile that
// saves automatically saves once per key: batch with SetAutoSave(false) and UpdateFile().
void WriteThemeColors(IniFile &ini, const QString &section, const ThemeColors &colors);

// base with the styles of a font style set; bits above the low four are ignored.
QFont FontWithStyles(const QFont &base, int styles);
