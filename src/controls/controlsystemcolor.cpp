#include "controls/controlsystemcolor.h"

#include <QPalette>

namespace {

// Halfway between a colour and white: a lighter shade that stays of the same hue for any palette,
// dark ones included (QColor::lighter() barely moves very dark colours).
QColor HalfwayToWhite(const QColor &color)
{
    return QColor((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
}

} // namespace

QColor SystemColorFor(TControlSystemColor color, const QPalette &palette)
{
    switch (color) {
    case TControlSystemColor::BtnFace:
        return QColor(palette.color(QPalette::Active, QPalette::Button).rgb());
    case TControlSystemColor::ActiveCaption:
        return QColor(palette.color(QPalette::Active, QPalette::Highlight).rgb());
    case TControlSystemColor::GradientActiveCaption:
        return HalfwayToWhite(palette.color(QPalette::Active, QPalette::Highlight));
    }
    return QColor(Qt::black);
}
