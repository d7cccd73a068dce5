#include "appearance/themecolors.h"

#include "base/inifile.h"

#include <QFont>
#include <array>

namespace {

constexpr std::array<ThemeColorKey, 16> kKeys = {{
    {"menu_color", "white", &ThemeColors::menuColor},
    {"menu_font_color", "black", &ThemeColors::menuFontColor},
    {"menu_select_color", "12615680", &ThemeColors::menuSelectColor},
    {"menu_select_font_color", "white", &ThemeColors::menuSelectFontColor},
    {"menu_popup_color", "white", &ThemeColors::menuPopupColor},
    {"menu_popup_font_color", "black", &ThemeColors::menuPopupFontColor},
    {"menu_popup_select_color", "12615680", &ThemeColors::menuPopupSelectColor},
    {"menu_popup_select_end_color", "16766852", &ThemeColors::menuPopupSelectEndColor},
    {"menu_popup_select_font_color", "white", &ThemeColors::menuPopupSelectFontColor},
    {"menu_border_color", "black", &ThemeColors::menuBorderColor},
    {"infobar_color", "16777215", &ThemeColors::infobarColor},
    {"infobar_progress_color", "16777215", &ThemeColors::infobarProgressColor},
    {"infobar_progress_border_color", "gray", &ThemeColors::infobarProgressBorderColor},
    {"infobar_progress_color_start", "16766852", &ThemeColors::infobarProgressColorStart},
    {"infobar_progress_color_end", "12615680", &ThemeColors::infobarProgressColorEnd},
    {"infobar_progress_font_color", "0", &ThemeColors::infobarProgressFontColor},
}};

} // namespace

std::span<const ThemeColorKey> ThemeColorKeys()
{
    return kKeys;
}

ThemeColors DefaultThemeColors()
{
    ThemeColors colors{};
    for (const ThemeColorKey &key : kKeys)
        colors.*key.member = ParseThemeColor(QLatin1String(key.defaultText)).value_or(0);
    colors.infobarProgressFontStyles = 0;
    return colors;
}

std::optional<ThemeColors> ReadThemeColors(const IniFile &ini, const QString &section, QString *error,
                                           QString *badKey)
{
    ThemeColors colors{};
    for (const ThemeColorKey &key : kKeys) {
        const QString text = ini.ReadString(section, QLatin1String(key.key), QLatin1String(key.defaultText));
        const std::optional<TColor> color = ParseThemeColor(text, error);
        if (!color) {
            if (badKey)
                *badKey = QLatin1String(key.key);
            return std::nullopt;
        }
        colors.*key.member = *color;
    }
    colors.infobarProgressFontStyles = ini.ReadInteger(section, kThemeFontStylesKey, 0) & fsAllStyles;
    return colors;
}

QString ThemeColorErrorText(const QString &error, const QString &file, const QString &section,
                            const QString &key)
{
    return error + QStringLiteral("\r\rFile: %1\rSection: [%2]\rKey: %3").arg(file, section, key);
}

void WriteThemeColors(IniFile &ini, const QString &section, const ThemeColors &colors)
{
    for (const ThemeColorKey &key : kKeys)
        ini.WriteString(section, QLatin1String(key.key), ColorToStoredText(colors.*key.member));
    ini.WriteInteger(section, kThemeFontStylesKey, colors.infobarProgressFontStyles & fsAllStyles);
}

QFont FontWithStyles(const QFont &base, int styles)
{
    QFont font = base;
    font.setBold(styles & fsBold);
    font.setItalic(styles & fsItalic);
    font.setUnderline(styles & fsUnderline);
    font.setStrikeOut(styles & fsStrikeOut);
    return font;
}
