// An application-bar service that grants what it is asked and writes down every call but the
// frequent WindowPosChanged; the test decides how proposed rectangles are adjusted, which bar
// holds auto-hide on each edge, and when the desktop's notifications arrive.
#pragma once

#include "platform/appbarservice.h"

#include <QStringList>

#include <functional>

class FakeAppBarService : public AppBarService
{
public:
    QStringList log;   // "Register", "QueryPos 1", "SetPos 1 0,0 1280x22", "SetZOrder TopMost", ...
    // Adjusts QueryPos's rectangle on an edge; unset: the rectangle is granted as proposed.
    std::function<QRect(int, const QRect &)> adjust;
    WId holders[4] = {0, 0, 0, 0};   // the auto-hide bar of each edge
    bool refuseClaims = false;       // every auto-hide claim is refused

    bool Register(QWidget *bar) override;
    void Remove(QWidget *bar) override;
    QRect QueryPos(QWidget *bar, int edge, const QRect &rect) override;
    QRect SetPos(QWidget *bar, int edge, const QRect &rect) override;
    WId GetAutoHideBar(int edge) override;
    bool SetAutoHideBar(QWidget *bar, int edge, bool claim) override;
    void Activate(QWidget *bar) override;
    void WindowPosChanged(QWidget *) override {} // every move; too many to be worth recording
    void SetZOrder(QWidget *bar, ZOrder order) override;
    void SetTaskbarEntryVisible(QWidget *bar, bool visible) override;
    void SetWindowDocked(QWidget *bar, bool docked) override;

    // The desktop's notifications.
    void EmitPositionChanged() { Q_EMIT PositionChanged(); }
    void EmitFullScreen(bool open) { Q_EMIT FullScreenAppChanged(open); }
    void EmitWindowsArranged(bool beginning) { Q_EMIT WindowsArranged(beginning); }
};
