// The desktop's application-bar service: the protocol by which an edge-docked bar reserves a strip
// of the screen, claims auto-hide on an edge and hears about work-area and full-screen changes.
//
// Edges are numbered as the bar numbers them: 0 left, 1 top, 2 right, 3 bottom; calls that concern
// no edge pass NoEdge (5). Rectangles are in Qt's logical screen coordinates.
#pragma once

#include "platform/currentservice.h"

#include <QObject>
#include <QRect>
#include <QWidget>

class AppBarService : public QObject
{
    Q_OBJECT

public:
    static constexpr int NoEdge = 5;

    enum ZOrder {
        ZOrderNormal,  // neither above nor below other windows
        ZOrderTopMost, // kept above ordinary windows
        ZOrderBottom,  // kept below ordinary windows (while a full-screen program runs)
    };

    explicit AppBarService(QObject *parent = nullptr);
    ~AppBarService() override;

    // The service of the platform Quorix runs on (EWMH), one for every bar of the process; it
    // degrades to doing nothing where the desktop offers no such service. Made on first use and
    // owned by the application object.
    static AppBarService &Platform();

    // Makes the bar known to the service, so that it receives the notifications below.
    virtual bool Register(QWidget *bar) = 0;
    // Forgets the bar: its reserved strip and any auto-hide claim are given back.
    virtual void Remove(QWidget *bar) = 0;
    // Adjusts a proposed rectangle on an edge so that it does not overlap the bars already there.
    virtual QRect QueryPos(QWidget *bar, int edge, const QRect &rect) = 0;
    // Reserves the rectangle on the edge (an empty rectangle reserves nothing) and returns the
    // rectangle the service granted.
    virtual QRect SetPos(QWidget *bar, int edge, const QRect &rect) = 0;
    // The window that holds auto-hide on the edge, 0 when none does.
    virtual WId GetAutoHideBar(int edge) = 0;
    // Claims (true) or releases (false) auto-hide on an edge; false when another bar holds it.
    virtual bool SetAutoHideBar(QWidget *bar, int edge, bool claim) = 0;
    // The bar was activated or deactivated.
    virtual void Activate(QWidget *bar) = 0;
    // The bar's window moved or changed size.
    virtual void WindowPosChanged(QWidget *bar) = 0;
    // Stacking without moving, sizing or activating the bar.
    virtual void SetZOrder(QWidget *bar, ZOrder order) = 0;
    // Whether the desktop's task bar and pager list the bar's window.
    virtual void SetTaskbarEntryVisible(QWidget *bar, bool visible) = 0;
    // The kind of window the desktop manages: a docked bar (no frame, not movable by the window
    // manager, on every desktop) or an ordinary floating window. Takes effect when the window is
    // next shown, so the bar calls it while its window is hidden.
    virtual void SetWindowDocked(QWidget *bar, bool docked) = 0;

Q_SIGNALS:
    // The work area or the other bars changed: docked bars should take their place again.
    void PositionChanged();
    // A full-screen program became active (true) or stopped being so (false).
    void FullScreenAppChanged(bool open);
    // The desktop starts (true) or ends (false) arranging windows (tiling, cascading).
    void WindowsArranged(bool beginning);
};
