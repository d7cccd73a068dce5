#include "controls/tappbarrules.h"

#include <algorithm>
#include <cstdlib>

bool IsDockingEdge(TAppBarEdge edge)
{
    return edge == abeLeft || edge == abeTop || edge == abeRight || edge == abeBottom;
}

TAppBarFlag AllowFlagOfEdge(TAppBarEdge edge)
{
    switch (edge) {
    case abeLeft:
        return abfAllowLeft;
    case abeTop:
        return abfAllowTop;
    case abeRight:
        return abfAllowRight;
    case abeBottom:
        return abfAllowBottom;
    case abeFloat:
        return abfAllowFloat;
    default:
        return TAppBarFlag(0);
    }
}

TAppBarEdge ProposedAppBarEdge(const QPoint &cursor, bool controlDown, TAppBarFlags flags,
                               TAppBarEdge current, const QRect &screen, const QRect &workArea,
                               const QSize &scrollBarExtent)
{
    const bool floatAllowed = flags.testFlag(abfAllowFloat);
    if (controlDown && floatAllowed)
        return abeFloat;
    const bool anyDockAllowed =
        flags & (abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom);
    if (floatAllowed) {
        const QRect inner = workArea.adjusted(scrollBarExtent.width(), scrollBarExtent.height(),
                                              -scrollBarExtent.width(), -scrollBarExtent.height());
        if (inner.contains(cursor) || !anyDockAllowed)
            return abeFloat;
    }
    // Which side of the screen's diagonals the cursor is on, scaled to the screen's proportions.
    const qint64 width = screen.width();
    const qint64 height = screen.height();
    const qint64 dx = qint64(cursor.x() - screen.x()) - width / 2;
    const qint64 dy = qint64(cursor.y() - screen.y()) - height / 2;
    TAppBarEdge edge;
    if (height * std::llabs(dx) < width * std::llabs(dy))
        edge = dy < 0 ? abeTop : abeBottom;
    else
        edge = dx < 0 ? abeLeft : abeRight;
    if (!flags.testFlag(AllowFlagOfEdge(edge)))
        edge = floatAllowed ? abeFloat : current;
    return edge;
}

QRect AppBarDockRect(TAppBarEdge edge, const QRect &available, int horzDockSize, int vertDockSize)
{
    const int left = available.x();
    const int top = available.y();
    const int right = available.x() + available.width();
    const int bottom = available.y() + available.height();
    switch (edge) {
    case abeLeft:
        return QRect(left, top, vertDockSize, available.height());
    case abeTop:
        return QRect(left, top, available.width(), horzDockSize);
    case abeRight:
        return QRect(right - vertDockSize, top, vertDockSize, available.height());
    case abeBottom:
        return QRect(left, bottom - horzDockSize, available.width(), horzDockSize);
    default:
        return available;
    }
}

QRect AppBarAutoHideRect(TAppBarEdge edge, const QRect &rect, bool visible, const QRect &screen,
                         const QSize &border)
{
    const int width = rect.width();
    const int height = rect.height();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    QPoint at;
    switch (edge) {
    case abeLeft:
        at = QPoint(visible ? screen.x() : screen.x() + 2 * border.width() - width, screen.y());
        break;
    case abeTop:
        at = QPoint(screen.x(), visible ? screen.y() : screen.y() + 2 * border.height() - height);
        break;
    case abeRight:
        at = QPoint(visible ? screenRight - width : screenRight - 2 * border.width(), screen.y());
        break;
    case abeBottom:
        at = QPoint(screen.x(), visible ? screenBottom - height : screenBottom - 2 * border.height());
        break;
    default:
        return rect;
    }
    return QRect(at, rect.size());
}

int SnapAppBarSize(int size, int minimum, int step)
{
    if (step == 0)
        return size;
    // Integer division truncates toward zero, as the sizes always did.
    return minimum + step * ((size + step / 2 - minimum) / step);
}

QRect SnapAppBarRect(const QRect &rect, Qt::Edges dragged, const QSize &minimum, int horzStep,
                     int vertStep)
{
    QRect r = rect;
    if (dragged & (Qt::LeftEdge | Qt::RightEdge)) {
        const int width = SnapAppBarSize(rect.width(), minimum.width(), horzStep);
        if (dragged & Qt::LeftEdge)
            r.setLeft(rect.x() + rect.width() - width);
        else
            r.setWidth(width);
    }
    if (dragged & (Qt::TopEdge | Qt::BottomEdge)) {
        const int height = SnapAppBarSize(rect.height(), minimum.height(), vertStep);
        if (dragged & Qt::TopEdge)
            r.setTop(rect.y() + rect.height() - height);
        else
            r.setHeight(height);
    }
    return r;
}

TAppBarMinMax AppBarMinMaxInfo(TAppBarEdge edge, const TAppBarSizeLimits &limits, const QSize &screen)
{
    TAppBarMinMax info;
    if (!IsDockingEdge(edge)) {
        info.minimum = QSize(limits.MinWidth, limits.MinHeight);
        info.maximum = QSize(limits.MaxWidth, limits.MaxHeight);
        return info;
    }
    info.minimum = QSize(limits.MinVertDockSize, limits.MinHorzDockSize);
    info.maximum = screen;
    if (edge == abeLeft || edge == abeRight)
        info.maximum.setWidth(limits.MaxVertDockSize);
    else
        info.maximum.setHeight(limits.MaxHorzDockSize);
    return info;
}

QRect ClampAppBarRect(const QRect &rect, Qt::Edges dragged, const TAppBarMinMax &limits)
{
    const int width = std::max(limits.minimum.width(), std::min(rect.width(), limits.maximum.width()));
    const int height =
        std::max(limits.minimum.height(), std::min(rect.height(), limits.maximum.height()));
    QRect r = rect;
    if (dragged & Qt::LeftEdge)
        r.setLeft(rect.x() + rect.width() - width);
    else
        r.setWidth(width);
    if (dragged & Qt::TopEdge)
        r.setTop(rect.y() + rect.height() - height);
    else
        r.setHeight(height);
    return r;
}

Qt::Edges AppBarInnerEdge(TAppBarEdge edge)
{
    switch (edge) {
    case abeLeft:
        return Qt::RightEdge;
    case abeTop:
        return Qt::BottomEdge;
    case abeRight:
        return Qt::LeftEdge;
    case abeBottom:
        return Qt::TopEdge;
    default:
        return {};
    }
}

Qt::Edges AppBarSizingEdges(TAppBarEdge edge, Qt::Edges hit, int horzSizeInc, int vertSizeInc)
{
    Qt::Edges allowed = hit;
    if (IsDockingEdge(edge))
        allowed &= AppBarInnerEdge(edge);
    if (horzSizeInc == 0)
        allowed &= ~(Qt::LeftEdge | Qt::RightEdge);
    if (vertSizeInc == 0)
        allowed &= ~(Qt::TopEdge | Qt::BottomEdge);
    return allowed;
}

QRect AppBarSlideRect(const QRect &from, const QRect &to, qint64 elapsed, int slideTime)
{
    if (slideTime <= 0 || elapsed >= slideTime)
        return to;
    const qint64 t = std::max<qint64>(elapsed, 0);
    auto step = [&](int a, int b) { return int(a - t * (qint64(a) - b) / slideTime); };
    return QRect(step(from.x(), to.x()), step(from.y(), to.y()), step(from.width(), to.width()),
                 step(from.height(), to.height()));
}

QRect AppBarFloatRectAtCursor(const QRect &floatRect, const QPoint &cursor)
{
    return QRect(QPoint(cursor.x() - floatRect.width() / 2, cursor.y()), floatRect.size());
}

QRect AppBarFloatRectAfterUndock(const QRect &windowRect, const QRect &previousFloat,
                                 const QRect &workArea)
{
    if (windowRect.width() >= workArea.width() || windowRect.height() >= workArea.height())
        return QRect(windowRect.topLeft(), previousFloat.size());
    return windowRect;
}
