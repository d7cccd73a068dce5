#include "appearance/menupaintercolors.h"

#include "appearance/themecolors.h"

#include <cstdlib>

namespace {

// Moves a colour the given percentage of the way towards another.
TColor Blend(TColor from, TColor to, int percent)
{
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return RgbColor(mix(ColorRed(from), ColorRed(to)), mix(ColorGreen(from), ColorGreen(to)),
                    mix(ColorBlue(from), ColorBlue(to)));
}

int Luminance(TColor color)
{
    return (ColorRed(color) * 299 + ColorGreen(color) * 587 + ColorBlue(color) * 114) / 1000;
}

// Darkens or lightens a text colour until it stands out from its background.
TColor WithContrast(TColor text, TColor background)
{
    constexpr int kMinimumDistance = 96;
    const TColor extreme = Luminance(background) >= 128 ? RgbColor(0, 0, 0) : RgbColor(255, 255, 255);
    for (int percent = 0; percent <= 100; percent += 10) {
        const TColor candidate = Blend(text, extreme, percent);
        if (std::abs(Luminance(candidate) - Luminance(background)) >= kMinimumDistance)
            return candidate;
    }
    return extreme;
}

constexpr TColor kWhite = RgbColor(255, 255, 255);
constexpr TColor kBlack = RgbColor(0, 0, 0);

} // namespace

TBarItemState BarItemState(bool enabled, bool hot, bool pushed, bool checked, bool open)
{
    if (!enabled)
        return hot ? bisDisabledHot : bisDisabled;
    if (open)
        return bisOpen;
    if (pushed)
        return bisPushed;
    if (checked)
        return hot ? bisCheckedHot : bisChecked;
    return hot ? bisHot : bisNormal;
}

TPopupItemState PopupItemState(bool enabled, bool hot)
{
    if (!enabled)
        return hot ? pisDisabledHot : pisDisabled;
    return hot ? pisHot : pisNormal;
}

MenuPainterColors MenuPainterColors::Derived()
{
    const TColor base = kBaseColor;
    const TColor bar = Blend(base, kWhite, 50);
    const TColor popup = Blend(base, kWhite, 85);
    const TColor border = Blend(base, kBlack, 50);
    const TColor hotFill = Blend(base, kWhite, 30);
    const TColor checkedFill = Blend(base, kWhite, 70);
    const TColor checkedHotFill = Blend(base, kBlack, 5);
    const TColor pushedFill = Blend(base, kBlack, 12);
    const TColor barText = WithContrast(kBlack, bar);
    const TColor barDisabledText = WithContrast(Blend(base, kBlack, 25), bar);
    const TColor popupText = WithContrast(kBlack, popup);
    const TColor popupDisabledText = WithContrast(Blend(base, kBlack, 25), popup);

    MenuPainterColors c;
    c.viewColors = {bar, bar, popup, bar};
    c.barItems[bisNormal] = {clNone, barText, clNone};
    c.barItems[bisDisabled] = {clNone, barDisabledText, clNone};
    c.barItems[bisChecked] = {checkedFill, WithContrast(kBlack, checkedFill), border};
    c.barItems[bisPushed] = {pushedFill, WithContrast(kBlack, pushedFill), border};
    c.barItems[bisHot] = {hotFill, WithContrast(kBlack, hotFill), border};
    c.barItems[bisDisabledHot] = {hotFill, WithContrast(barDisabledText, hotFill), border};
    c.barItems[bisCheckedHot] = {checkedHotFill, WithContrast(kBlack, checkedHotFill), border};
    c.barItems[bisOpen] = {popup, popupText, border};
    c.popupItems[pisNormal] = {clNone, popupText, clNone};
    c.popupItems[pisDisabled] = {clNone, popupDisabledText, clNone};
    c.popupItems[pisHot] = {hotFill, WithContrast(kBlack, hotFill), border};
    c.popupItems[pisDisabledHot] = {hotFill, WithContrast(popupDisabledText, hotFill), border};
    c.borderColor = border;
    c.highlightText = WithContrast(kBlack, hotFill);
    c.gradientEnd = hotFill;
    c.gradient = false;
    c.dropShadow = true;
    return c;
}

void MenuPainterColors::ApplyTheme(const ThemeColors &theme)
{
    viewColors[vkBar] = theme.menuColor;
    viewColors[vkFloatingBar] = theme.menuColor;
    viewColors[vkDockPanel] = theme.menuColor;
    viewColors[vkPopup] = theme.menuPopupColor;

    barItems[bisNormal].text = theme.menuFontColor;
    barItems[bisNormal].frame = theme.menuColor;
    for (const TBarItemState state : {bisPushed, bisHot, bisOpen})
        barItems[state] = {theme.menuSelectColor, theme.menuSelectFontColor, theme.menuSelectColor};

    popupItems[pisNormal].text = theme.menuPopupFontColor;
    popupItems[pisHot].fill = theme.menuPopupSelectColor;
    popupItems[pisHot].text = theme.menuPopupSelectFontColor;

    gradientEnd = theme.menuPopupSelectEndColor;
    gradient = theme.menuPopupSelectColor != theme.menuPopupSelectEndColor;
    highlightText = theme.menuSelectFontColor;
    borderColor = theme.menuBorderColor;
}

TColor MenuPainterColors::ViewColor(TViewKind kind) const
{
    switch (kind) {
    case vkBar:
    case vkFloatingBar:
    case vkPopup:
    case vkDockPanel:
        return viewColors[kind];
    case vkListPopup:
        return clWindow;
    case vkOther:
        break;
    }
    return clBtnFace;
}
