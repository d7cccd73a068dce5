#include "appearance/colorconversion.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor Opaque(const QColor &color)
{
    return QColor(color.rgb());
}

// A lighter shade of the same hue for any palette, dark ones included.
QColor HalfwayToWhite(const QColor &color)
{
    return QColor((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
}

struct DesktopRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    bool towardsWhite;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

// Index order; see the table in the header.
constexpr DesktopRole kDesktopRoles[] = {
    {A, QPalette::Midlight, false},        // 0 clScrollBar
    {A, QPalette::Dark, false},            // 1 clBackground
    {A, QPalette::Highlight, false},       // 2 clActiveCaption
    {A, QPalette::Mid, false},             // 3 clInactiveCaption
    {A, QPalette::Window, false},          // 4 clMenu
    {A, QPalette::Base, false},            // 5 clWindow
    {A, QPalette::Shadow, false},          // 6 clWindowFrame
    {A, QPalette::WindowText, false},      // 7 clMenuText
    {A, QPalette::Text, false},            // 8 clWindowText
    {A, QPalette::HighlightedText, false}, // 9 clCaptionText
    {A, QPalette::Button, false},          // 10 clActiveBorder
    {A, QPalette::Button, false},          // 11 clInactiveBorder
    {A, QPalette::Mid, false},             // 12 clAppWorkSpace
    {A, QPalette::Highlight, false},       // 13 clHighlight
    {A, QPalette::HighlightedText, false}, // 14 clHighlightText
    {A, QPalette::Button, false},          // 15 clBtnFace
    {A, QPalette::Dark, false},            // 16 clBtnShadow
    {D, QPalette::Text, false},            // 17 clGrayText
    {A, QPalette::ButtonText, false},      // 18 clBtnText
    {D, QPalette::WindowText, false},      // 19 clInactiveCaptionText
    {A, QPalette::Light, false},           // 20 clBtnHighlight
    {A, QPalette::Shadow, false},          // 21 cl3DDkShadow
    {A, QPalette::Midlight, false},        // 22 cl3DLight
    {A, QPalette::ToolTipText, false},     // 23 clInfoText
    {A, QPalette::ToolTipBase, false},     // 24 clInfoBk
    {A, QPalette::Button, false},          // 25 (unnamed)
    {A, QPalette::Link, false},            // 26 clHotLight
    {A, QPalette::Highlight, true},        // 27 clGradientActiveCaption
    {A, QPalette::Mid, true},              // 28 clGradientInactiveCaption
    {A, QPalette::Highlight, false},       // 29 clMenuHighlight
    {A, QPalette::Window, false},          // 30 clMenuBar
};

} // namespace

QColor DesktopColor(int index, const QPalette &palette)
{
    if (index < 0 || index >= int(std::size(kDesktopRoles)))
        return QColor(Qt::black);
    const DesktopRole &entry = kDesktopRoles[index];
    const QColor color = Opaque(palette.color(entry.group, entry.role));
    return entry.towardsWhite ? HalfwayToWhite(color) : color;
}

QColor ColorToQColor(TColor color, const QPalette &palette, const QColor &defaultColor)
{
    if (color == clNone)
        return QColor();
    if (color == clDefault)
        return defaultColor;
    if (IsSystemColor(color))
        return DesktopColor(int(color & 0xFF), palette);
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

QColor ColorToQColor(TColor color, const QColor &defaultColor)
{
    return ColorToQColor(color, QGuiApplication::palette(), defaultColor);
}

TColor ColorFromQColor(const QColor &color)
{
    if (!color.isValid())
        return clNone;
    return RgbColor(color.red(), color.green(), color.blue());
}
