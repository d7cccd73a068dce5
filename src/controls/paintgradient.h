// A linear two-colour gradient drawn one solid colour per pixel column or row, shared by the
// gradient rectangle and the highlighted item of the themed popup menus.
#pragma once

#include <QColor>
#include <QRect>
#include <Qt>

class QPainter;

// Fills rect with a gradient from start (left or top) to end (right or bottom): Qt::Horizontal
// gives one colour per column, Qt::Vertical one per row. Channels are interpolated with integer
// arithmetic, so the first line is exactly start and the last exactly end. Alpha is ignored.
void PaintGradient(QPainter &painter, const QRect &rect, const QColor &start, const QColor &end,
                   Qt::Orientation orientation);

// The colour of line index (0 .. count-1) of such a gradient.
QColor GradientLineColor(const QColor &start, const QColor &end, int index, int count);
