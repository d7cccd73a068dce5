#include "controls/selectorcolors.h"

#include <array>

namespace {

constexpr std::array<quint32, kDropDownColumns * kDropDownRows> kPalette = {
    PlainColorValue(255, 255, 255), PlainColorValue(0, 0, 0),
    PlainColorValue(192, 192, 192), PlainColorValue(128, 128, 128),
    PlainColorValue(255, 0, 0),     PlainColorValue(128, 0, 0),
    PlainColorValue(255, 255, 0),   PlainColorValue(128, 128, 0),
    PlainColorValue(0, 255, 0),     PlainColorValue(0, 128, 0),
    PlainColorValue(0, 255, 255),   PlainColorValue(0, 128, 128),
    PlainColorValue(0, 0, 255),     PlainColorValue(0, 0, 128),
    PlainColorValue(255, 0, 255),   PlainColorValue(128, 0, 128),
    PlainColorValue(192, 220, 192), PlainColorValue(166, 202, 240),
    PlainColorValue(255, 251, 240), PlainColorValue(160, 160, 164),
};

} // namespace

quint32 PlainColorValue(const QColor &color)
{
    return PlainColorValue(color.red(), color.green(), color.blue());
}

QColor PlainColorOnly(quint32 value)
{
    if (value & 0xFF000000u)
        return QColor();
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::span<const quint32> DropDownPalette()
{
    return kPalette;
}
