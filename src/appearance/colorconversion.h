// Turning colour values into the colours Qt paints with, and back.
#pragma once

#include "appearance/colorvalue.h"

#include <QColor>

class QPalette;

// The painting colour of a value. A plain colour is its red, green and blue. A desktop colour is
// looked up in the palette (DesktopColor). clNone gives an invalid QColor (nothing is drawn);
// clDefault gives defaultColor, itself invalid unless the caller passes one.
QColor ColorToQColor(TColor color, const QPalette &palette, const QColor &defaultColor = QColor());
// The same against the application's palette, the running desktop's colours.
QColor ColorToQColor(TColor color, const QColor &defaultColor = QColor());

// The desktop colour of an index (the low byte of a desktop colour value). Every index maps onto a
// palette colour; indices beyond the known ones give black.
//
//  index  name                       palette colour
//   0     clScrollBar                Midlight
//   1     clBackground               Dark
//   2     clActiveCaption            Highlight
//   3     clInactiveCaption          Mid
//   4     clMenu                     Window
//   5     clWindow                   Base
//   6     clWindowFrame              Shadow
//   7     clMenuText                 WindowText
//   8     clWindowText               Text
//   9     clCaptionText              HighlightedText
//  10     clActiveBorder             Button
//  11     clInactiveBorder           Button
//  12     clAppWorkSpace             Mid
//  13     clHighlight                Highlight
//  14     clHighlightText            HighlightedText
//  15     clBtnFace                  Button
//  16     clBtnShadow                Dark
//  17     clGrayText                 Text of the disabled group
//  18     clBtnText                  ButtonText
//  19     clInactiveCaptionText      WindowText of the disabled group
//  20     clBtnHighlight             Light
//  21     cl3DDkShadow               Shadow
//  22     cl3DLight                  Midlight
//  23     clInfoText                 ToolTipText
//  24     clInfoBk                   ToolTipBase
//  25     (unnamed)                  Button
//  26     clHotLight                 Link
//  27     clGradientActiveCaption    Highlight halfway to white
//  28     clGradientInactiveCaption  Mid halfway to white
//  29     clMenuHighlight            Highlight
//  30     clMenuBar                  Window
//
// Colours are taken from the active group (unless noted) and are always opaque.
QColor DesktopColor(int index, const QPalette &palette);

// The plain colour value of a QColor (alpha dropped); an invalid QColor gives clNone.
TColor ColorFromQColor(const QColor &color);
