// The colour model of the menu painter: a colour per kind of surface, colour triples (fill, text,
// frame) per item state for items on a bar and in popups, and a few single colours and flags.
// Entries are colour values; clNone means "not drawn" (an item fill then shows the surface).
#pragma once

#include "appearance/colorvalue.h"

#include <array>

struct ThemeColors;

// Kinds of surface a painter colours.
enum TViewKind {
    vkBar,         // the docked menu toolbar
    vkFloatingBar, // a toolbar in a floating window
    vkPopup,       // a popup menu
    vkDockPanel,   // the dock area around toolbars
    vkListPopup,   // a popup with a list background of its own
    vkOther,       // anything else
};

// States of an item on a bar, in table order.
enum TBarItemState {
    bisNormal,
    bisDisabled,
    bisChecked,
    bisPushed,
    bisHot,         // mouse or keyboard over it
    bisDisabledHot, // disabled and reached by keyboard
    bisCheckedHot,
    bisOpen,        // its popup is showing
    bisCount
};

// States of an item in a popup, in table order.
enum TPopupItemState {
    pisNormal,
    pisDisabled,
    pisHot,
    pisDisabledHot, // disabled and reached by keyboard
    pisCount
};

struct TItemColors
{
    TColor fill = clNone;
    TColor text = clNone;
    TColor frame = clNone;

    bool operator==(const TItemColors &) const = default;
};

// The state of a bar item: disabled items are "disabled hot" when reached, else "disabled";
// enabled ones "open" while their popup shows, then "pushed", then checked (hot or not), then hot
// or normal.
TBarItemState BarItemState(bool enabled, bool hot, bool pushed, bool checked, bool open);
TPopupItemState PopupItemState(bool enabled, bool hot);

struct MenuPainterColors
{
    // The colour every derived entry starts from: a light grey.
    static constexpr TColor kBaseColor = RgbColor(193, 193, 193);

    std::array<TColor, 4> viewColors{};                 // vkBar .. vkDockPanel
    std::array<TItemColors, bisCount> barItems{};
    std::array<TItemColors, pisCount> popupItems{};
    TColor borderColor = clNone;   // popup frames, separators, split lines, window edges
    TColor highlightText = clNone; // text of items that show their popup
    TColor gradientEnd = clNone;   // right end of the hot popup item's gradient
    bool gradient = false;         // hot popup item filled with a gradient
    bool dropShadow = true;        // popups cast a shadow

    bool operator==(const MenuPainterColors &) const = default;

    // The painter's own colours, derived from the base colour by blending it with white and black
    // and keeping text readable on the surfaces it is drawn on.
    static MenuPainterColors Derived();

    // Takes the colours a theme decides; every other entry keeps its value. The drop-shadow flag is
    // not part of a theme.
    void ApplyTheme(const ThemeColors &theme);

    // The colour of a surface; surfaces without an entry of their own use the desktop's button
    // face, a list popup the desktop's window colour.
    TColor ViewColor(TViewKind kind) const;
};
