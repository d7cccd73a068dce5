// The space a window manager keeps along the screen's edges for itself: icewm's task bar and
// fluxbox's tool bar are no client windows, so they have no strut to read; the work area the
// window manager announces is the only sign of them.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class WindowManagerReserve
{
public:
    // Learns from the announced work area (root pixels) and the largest strut any client (our
    // bars included) holds on each edge, and gives the window manager's own reserve on each edge.
    // Where the work area ends no further in than the clients' struts, they may explain it alone:
    // the reserve learnt before stands (no larger than the work area allows). An empty work area
    // teaches nothing.
    QMargins Update(const QRect &workArea, const QSize &root, const QMargins &clientStruts);
    QMargins Known() const { return m_known; }

    // Keeps the outer side of a rectangle proposed on an edge (0 left, 1 top, 2 right, 3 bottom)
    // clear of the reserve on that edge.
    static QRect Apply(int edge, const QRect &rect, const QMargins &reserve, const QSize &root);

private:
    QMargins m_known;
};
