// The few desktop colours the small controls start with, before a theme assigns its own.
#pragma once

#include <QColor>

class QPalette;

// Desktop colours named by the controls' defaults.
enum class TControlSystemColor {
    BtnFace,               // face of buttons and panels
    ActiveCaption,         // title bar of the active window: the selection colour here
    GradientActiveCaption, // far end of that title bar's gradient: a lighter selection colour
};

// Resolves a desktop colour from a palette, always opaque. Kept to the controls: the theme module
// maps the full set of desktop colours and assigns plain colours to the controls' properties.
QColor SystemColorFor(TControlSystemColor color, const QPalette &palette);
