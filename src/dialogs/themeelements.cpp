#include "dialogs/themeelements.h"

#include <algorithm>
#include <array>

namespace {

using T = ThemeColors;

const std::array<ThemeElement, 9> kElements = {{
    {"Menu", "Menubar", &T::menuColor, nullptr, &T::menuFontColor, false},
    {"MenuSelect", "Menubar", &T::menuSelectColor, nullptr, &T::menuSelectFontColor, false},
    {"MenuPopup", "Menubar", &T::menuPopupColor, nullptr, &T::menuPopupFontColor, false},
    {"MenuPopupSelect", "Menubar", &T::menuPopupSelectColor, &T::menuPopupSelectEndColor,
     &T::menuPopupSelectFontColor, false},
    {"MenuBorder", "Menubar", &T::menuBorderColor, nullptr, nullptr, false},
    {"InfoBar", "Infobar", &T::infobarColor, nullptr, nullptr, false},
    {"InfoBarProgress", "Infobar", &T::infobarProgressColor, nullptr, &T::infobarProgressFontColor, true},
    {"InfobarProgressBorder", "Infobar", &T::infobarProgressBorderColor, nullptr, nullptr, false},
    {"InfoBarProgressFill", "Infobar", &T::infobarProgressColorStart, &T::infobarProgressColorEnd,
     &T::infobarProgressFontColor, true},
}};

} // namespace

const ThemeElement *FindThemeElement(const QString &name)
{
    for (const ThemeElement &element : kElements) {
        if (name == QLatin1String(element.name))
            return &element;
    }
    return nullptr;
}

QStringList ThemeElementsOfGroup(const QString &group)
{
    QStringList names;
    for (const ThemeElement &element : kElements) {
        if (group == QLatin1String(element.group))
            names.append(QLatin1String(element.name));
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

const QStringList &SystemColorListEntries()
{
    static const QStringList entries = {
        QString(),
        QStringLiteral("ActiveCaption"),
        QStringLiteral("InactiveCaption"),
        QStringLiteral("Menu"),
        QStringLiteral("Window"),
        QStringLiteral("MenuText"),
        QStringLiteral("WindowText"),
        QStringLiteral("CaptionText"),
        QStringLiteral("ActiveBorder"),
        QStringLiteral("InactiveBorder"),
        QStringLiteral("AppWorkSpace"),
        QStringLiteral("Highlight"),
        QStringLiteral("HighlightText"),
        QStringLiteral("BtnFace"),
        QStringLiteral("BtnText"),
        QStringLiteral("InactiveCaptionText"),
        QStringLiteral("GradientActiveCaption"),
        QStringLiteral("GradientInactiveCaption"),
    };
    return entries;
}

// The colour's own name ("clHighlight"), then only if the list offers it.
QString SystemColorListName(TColor color)
{
    for (const ColorName &name : ColorNames()) {
        if (name.value != color)
            continue;
        const QString entry = QLatin1String(name.name).mid(2);
        return SystemColorListEntries().contains(entry) ? entry : QString();
    }
    return QString();
}
