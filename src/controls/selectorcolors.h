// The colours of the colour selector and its drop-down. They hold colour values as Quorix stores
// them: a plain colour keeps red in the lowest byte (0x00BBGGRR); other values (desktop colours,
// "no colour") mean something only to their owner, which tells the controls how to paint them.
#pragma once

#include <QColor>
#include <QtGlobal>
#include <functional>
#include <span>

// Turns a colour value into the colour painted for it; an invalid QColor paints nothing.
using ColorResolver = std::function<QColor(quint32 value)>;

// The colour value of a plain colour (alpha dropped).
constexpr quint32 PlainColorValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}
quint32 PlainColorValue(const QColor &color);
// Plain colours paint as themselves; any other value gives an invalid QColor.
QColor PlainColorOnly(quint32 value);

// The drop-down's twenty colours, row by row, four to a row.
std::span<const quint32> DropDownPalette();
constexpr int kDropDownColumns = 4;
constexpr int kDropDownRows = 5;
