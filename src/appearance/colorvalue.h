// Colour values as Quorix stores them, and the parser for the colour texts of a theme.
//
// A colour value is 32 bits. A plain colour keeps red in the lowest byte, then green, then blue
// (0x00BBGGRR). A top byte of 0xFF marks a desktop ("system") colour whose low byte is its index,
// resolved against the running desktop's palette when drawn (colorconversion.h). Two special values
// mean "no colour" and "the default colour". Files store colour values as signed decimal integers,
// so desktop colours appear there as negative numbers.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>

using TColor = quint32;

constexpr TColor clSystemColorFlag = 0xFF000000u;
constexpr TColor clNone = 0x1FFFFFFFu;
constexpr TColor clDefault = 0x20000000u;

// Desktop colours: the flag plus the index.
constexpr TColor clScrollBar = clSystemColorFlag | 0;
constexpr TColor clBackground = clSystemColorFlag | 1;
constexpr TColor clActiveCaption = clSystemColorFlag | 2;
constexpr TColor clInactiveCaption = clSystemColorFlag | 3;
constexpr TColor clMenu = clSystemColorFlag | 4;
constexpr TColor clWindow = clSystemColorFlag | 5;
constexpr TColor clWindowFrame = clSystemColorFlag | 6;
constexpr TColor clMenuText = clSystemColorFlag | 7;
constexpr TColor clWindowText = clSystemColorFlag | 8;
constexpr TColor clCaptionText = clSystemColorFlag | 9;
constexpr TColor clActiveBorder = clSystemColorFlag | 10;
constexpr TColor clInactiveBorder = clSystemColorFlag | 11;
constexpr TColor clAppWorkSpace = clSystemColorFlag | 12;
constexpr TColor clHighlight = clSystemColorFlag | 13;
constexpr TColor clHighlightText = clSystemColorFlag | 14;
constexpr TColor clBtnFace = clSystemColorFlag | 15;
constexpr TColor clBtnShadow = clSystemColorFlag | 16;
constexpr TColor clGrayText = clSystemColorFlag | 17;
constexpr TColor clBtnText = clSystemColorFlag | 18;
constexpr TColor clInactiveCaptionText = clSystemColorFlag | 19;
constexpr TColor clBtnHighlight = clSystemColorFlag | 20;
constexpr TColor cl3DDkShadow = clSystemColorFlag | 21;
constexpr TColor cl3DLight = clSystemColorFlag | 22;
constexpr TColor clInfoText = clSystemColorFlag | 23;
constexpr TColor clInfoBk = clSystemColorFlag | 24;
constexpr TColor clHotLight = clSystemColorFlag | 26;
constexpr TColor clGradientActiveCaption = clSystemColorFlag | 27;
constexpr TColor clGradientInactiveCaption = clSystemColorFlag | 28;
constexpr TColor clMenuHighlight = clSystemColorFlag | 29;
constexpr TColor clMenuBar = clSystemColorFlag | 30;

// A plain colour from its channels.
constexpr TColor RgbColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}
constexpr int ColorRed(TColor color) { return int(color & 0xFF); }
constexpr int ColorGreen(TColor color) { return int((color >> 8) & 0xFF); }
constexpr int ColorBlue(TColor color) { return int((color >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == clSystemColorFlag; }

// The value as files write it: a signed 32-bit decimal integer.
inline QString ColorToStoredText(TColor color) { return QString::number(qint32(color)); }

struct ColorName
{
    const char *name; // with its "cl" prefix
    TColor value;
};

// Every colour name a colour text may use: the plain colours, the two special values and the
// desktop colours. Names match without regard to case.
std::span<const ColorName> ColorNames();
// The value of a name ("clRed", "CLRED"), or nothing for an unknown name.
std::optional<TColor> ColorFromName(const QString &name);

// Reads a colour text of a theme:
//  - an integer (an optional minus sign and decimal digits, nothing else) is taken as the value;
//  - an empty text is black;
//  - otherwise blanks are removed; "$" followed by hexadecimal digits is that number;
//  - otherwise the text is a colour name written without its "cl" ("Red", "btnface").
// Anything else gives nothing, and *error (when given) receives the message shown to the user,
// "'cl<text>' is not a valid integer value".
std::optional<TColor> ParseThemeColor(const QString &text, QString *error = nullptr);
