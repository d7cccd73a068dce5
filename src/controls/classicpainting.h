// The raised and sunken faces, frames and etched lines that the colour selector and its drop-down
// are drawn with. Rectangles include their left and top edges and exclude their right and bottom
// edges; every shape is drawn in whole pixels, never antialiased.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

// The rectangle from (left, top) up to, but not including, (right, bottom).
QRect EdgeRect(int left, int top, int right, int bottom);
// Fills an edge rectangle; an empty one paints nothing.
void FillEdgeRect(QPainter &painter, const QRect &rect, const QColor &color);
// A one-pixel outline just inside the rectangle.
void FrameEdgeRect(QPainter &painter, const QRect &rect, const QColor &color);

// A push button's face over the rectangle: a two-pixel raised edge (light and midlight at the top
// and left, shadow and dark at the bottom and right) around the button colour; pushed, the edge is
// sunken instead (dark and shadow at the top and left, light and midlight at the bottom and right).
void PaintButtonFace(QPainter &painter, const QRect &rect, const QPalette &palette, bool pushed);
// The sunken two-pixel frame of a colour cell: gray and black rings at the top and left, white and
// light gray at the bottom and right.
void PaintSunkenCellFrame(QPainter &painter, const QRect &rect);
// An etched line one pixel wide and two deep: dark, then light to its right (vertical) or below it
// (horizontal). from and to are x (horizontal) or y (vertical), to excluded.
void PaintEtchedVerticalLine(QPainter &painter, int x, int fromY, int toY, const QPalette &palette);
void PaintEtchedHorizontalLine(QPainter &painter, int y, int fromX, int toX, const QPalette &palette);
// A dotted focus frame one pixel inside the rectangle, every other pixel set.
void PaintFocusFrame(QPainter &painter, const QRect &rect, const QColor &color);
// A filled triangle pointing down, five pixels wide at y, three at y + 1, one at y + 2.
void PaintDownTriangle(QPainter &painter, int x, int y, const QColor &color);

// The fixed colours of a sunken cell frame.
inline const QColor kCellFrameOuterTopLeft(128, 128, 128);
inline const QColor kCellFrameOuterBottomRight(255, 255, 255);
inline const QColor kCellFrameInnerTopLeft(0, 0, 0);
inline const QColor kCellFrameInnerBottomRight(223, 223, 223);
