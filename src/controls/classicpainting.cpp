#include "controls/classicpainting.h"

#include <QPainter>
#include <QPalette>

namespace {

QColor Opaque(const QPalette &palette, QPalette::ColorRole role)
{
    return QColor(palette.color(QPalette::Active, role).rgb());
}

// Two-colour ring: topLeft along the top and left edges, bottomRight along the bottom and right
// edges, which own the corners they share with the others.
void PaintRing(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    FillEdgeRect(painter, EdgeRect(left, top, right - 1, top + 1), topLeft);
    FillEdgeRect(painter, EdgeRect(left, top, left + 1, bottom - 1), topLeft);
    FillEdgeRect(painter, EdgeRect(left, bottom - 1, right, bottom), bottomRight);
    FillEdgeRect(painter, EdgeRect(right - 1, top, right, bottom), bottomRight);
}

} // namespace

QRect EdgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

void FillEdgeRect(QPainter &painter, const QRect &rect, const QColor &color)
{
    if (rect.width() > 0 && rect.height() > 0)
        painter.fillRect(rect, color);
}

void FrameEdgeRect(QPainter &painter, const QRect &rect, const QColor &color)
{
    PaintRing(painter, rect, color, color);
}

void PaintButtonFace(QPainter &painter, const QRect &rect, const QPalette &palette, bool pushed)
{
    FillEdgeRect(painter, rect, Opaque(palette, QPalette::Button));
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    if (pushed) {
        PaintRing(painter, rect, Opaque(palette, QPalette::Dark), Opaque(palette, QPalette::Light));
        PaintRing(painter, inner, Opaque(palette, QPalette::Shadow), Opaque(palette, QPalette::Midlight));
    } else {
        PaintRing(painter, rect, Opaque(palette, QPalette::Light), Opaque(palette, QPalette::Shadow));
        PaintRing(painter, inner, Opaque(palette, QPalette::Midlight), Opaque(palette, QPalette::Dark));
    }
}

void PaintSunkenCellFrame(QPainter &painter, const QRect &rect)
{
    PaintRing(painter, rect, kCellFrameOuterTopLeft, kCellFrameOuterBottomRight);
    PaintRing(painter, rect.adjusted(1, 1, -1, -1), kCellFrameInnerTopLeft, kCellFrameInnerBottomRight);
}

void PaintEtchedVerticalLine(QPainter &painter, int x, int fromY, int toY, const QPalette &palette)
{
    FillEdgeRect(painter, EdgeRect(x, fromY, x + 1, toY), Opaque(palette, QPalette::Dark));
    FillEdgeRect(painter, EdgeRect(x + 1, fromY, x + 2, toY), Opaque(palette, QPalette::Light));
}

void PaintEtchedHorizontalLine(QPainter &painter, int y, int fromX, int toX, const QPalette &palette)
{
    FillEdgeRect(painter, EdgeRect(fromX, y, toX, y + 1), Opaque(palette, QPalette::Dark));
    FillEdgeRect(painter, EdgeRect(fromX, y + 1, toX, y + 2), Opaque(palette, QPalette::Light));
}

void PaintFocusFrame(QPainter &painter, const QRect &rect, const QColor &color)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    for (int x = left; x < right; ++x) {
        for (int y : {top, bottom - 1}) {
            if ((x + y) % 2 == 0)
                painter.fillRect(x, y, 1, 1, color);
        }
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        for (int x : {left, right - 1}) {
            if ((x + y) % 2 == 0)
                painter.fillRect(x, y, 1, 1, color);
        }
    }
}

void PaintDownTriangle(QPainter &painter, int x, int y, const QColor &color)
{
    painter.fillRect(x, y, 5, 1, color);
    painter.fillRect(x + 1, y + 1, 3, 1, color);
    painter.fillRect(x + 2, y + 2, 1, 1, color);
}
