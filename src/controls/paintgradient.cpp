#include "controls/paintgradient.h"

#include <QPainter>

namespace {

int InterpolateChannel(int from, int to, int index, int last)
{
    if (last <= 0)
        return from;
    return from + (to - from) * index / last;
}

} // namespace

QColor GradientLineColor(const QColor &start, const QColor &end, int index, int count)
{
    const int last = count - 1;
    return QColor(InterpolateChannel(start.red(), end.red(), index, last),
                  InterpolateChannel(start.green(), end.green(), index, last),
                  InterpolateChannel(start.blue(), end.blue(), index, last));
}

void PaintGradient(QPainter &painter, const QRect &rect, const QColor &start, const QColor &end,
                   Qt::Orientation orientation)
{
    if (rect.isEmpty())
        return;
    if (orientation == Qt::Horizontal) {
        const int count = rect.width();
        for (int i = 0; i < count; ++i)
            painter.fillRect(QRect(rect.left() + i, rect.top(), 1, rect.height()),
                             GradientLineColor(start, end, i, count));
    } else {
        const int count = rect.height();
        for (int i = 0; i < count; ++i)
            painter.fillRect(QRect(rect.left(), rect.top() + i, rect.width(), 1),
                             GradientLineColor(start, end, i, count));
    }
}
