// The geometry rules of the edge-docked bar: which edge a drag proposes, where a docked or
// auto-hidden bar goes, how sizing snaps and what sizes are allowed. Pure functions of rectangles,
// so they can be checked without a window.
#pragma once

#include "controls/tappbartypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

bool IsDockingEdge(TAppBarEdge edge);
// The flag that allows an edge (0 for abeUnknown).
TAppBarFlag AllowFlagOfEdge(TAppBarEdge edge);

// The edge, or abeFloat, that a drag proposes with the cursor at a point of the screen.
// workArea is the screen less the reserved strips, scrollBarExtent the width of a vertical and the
// height of a horizontal scroll bar (a bar dragged that close to the work area's border docks).
TAppBarEdge ProposedAppBarEdge(const QPoint &cursor, bool controlDown, TAppBarFlags flags,
                               TAppBarEdge current, const QRect &screen, const QRect &workArea,
                               const QSize &scrollBarExtent);

// The docked rectangle on an edge, cut from `available` (the screen, or the part of it the
// desktop leaves for this bar). Float and unknown give `available` back.
QRect AppBarDockRect(TAppBarEdge edge, const QRect &available, int horzDockSize, int vertDockSize);

// An auto-hidden bar keeps its size; shown it touches its edge, hidden only two border widths of
// it stay on the screen. Other edges give the rectangle back.
QRect AppBarAutoHideRect(TAppBarEdge edge, const QRect &rect, bool visible, const QRect &screen,
                         const QSize &border);

// Sizing snaps to steps counted from the minimum size; a step of 0 leaves the size alone.
int SnapAppBarSize(int size, int minimum, int step);
// Snaps the dimensions whose edges are being dragged and moves those edges to fit.
QRect SnapAppBarRect(const QRect &rect, Qt::Edges dragged, const QSize &minimum, int horzStep,
                     int vertStep);

struct TAppBarSizeLimits
{
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    int MinHorzDockSize = 0;
    int MinVertDockSize = 0;
    int MaxHorzDockSize = 0;
    int MaxVertDockSize = 0;
};

struct TAppBarMinMax
{
    QSize minimum;
    QSize maximum;
};

// The smallest and largest window while floating (any edge that is not a docking edge) or docked.
TAppBarMinMax AppBarMinMaxInfo(TAppBarEdge edge, const TAppBarSizeLimits &limits, const QSize &screen);
// Keeps a sized rectangle within the limits, moving the dragged edges (the minimum wins when the
// limits contradict each other).
QRect ClampAppBarRect(const QRect &rect, Qt::Edges dragged, const TAppBarMinMax &limits);

// The edge of a docked bar that faces the middle of the screen; the only one that sizes it.
Qt::Edges AppBarInnerEdge(TAppBarEdge edge);
// Of the borders under the cursor, those that may size the bar: docked, only the inner one;
// floating, those whose direction has a size step; none when the step of the direction is 0.
Qt::Edges AppBarSizingEdges(TAppBarEdge edge, Qt::Edges hit, int horzSizeInc, int vertSizeInc);

// Where a slide from `from` to `to` lasting slideTime ms stands after `elapsed` ms; exactly `to`
// from the end of the slide on.
QRect AppBarSlideRect(const QRect &from, const QRect &to, qint64 elapsed, int slideTime);

// A bar dragged off its edge becomes its float rectangle, hanging from the cursor, centred on it.
QRect AppBarFloatRectAtCursor(const QRect &floatRect, const QPoint &cursor);
// The float rectangle a docked bar takes when a drag ends floating: the window's rectangle, or,
// when that is as wide or as high as the work area, the previous float size at its corner.
QRect AppBarFloatRectAfterUndock(const QRect &windowRect, const QRect &previousFloat,
                                 const QRect &workArea);
