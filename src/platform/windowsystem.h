// Other programs' windows: the list behind the "Close" submenu, and the commands the hotkeys run on
// the active window. Window ids are the desktop's native ids (X window ids), 0 for none.
//
// The X11 implementation: without a window manager that follows the desktop standards, the list
// falls back to the mapped top-level windows, closing falls back to the window's own delete
// protocol, and maximize and activate do nothing. Without a display (offscreen) every call does
// nothing.
#pragma once

#include "platform/currentservice.h"

#include <QIcon>
#include <QList>
#include <QString>

struct DesktopWindow
{
    quint32 id = 0;
    QString title;
    QIcon icon; // null when the window has none, or icons were not asked for
};

class WindowSystem
{
public:
    virtual ~WindowSystem();
    // The desktop's own windows (X11).
    static WindowSystem &Platform();

    // The windows a user would close by name: normal top-level windows with a title, neither
    // docks nor desktops, splash screens, toolbars, menus or utility windows, not kept off the
    // taskbar, and not owned by (transient for) another window, in stacking order with the topmost
    // first. Minimized windows are listed. excludeOwnWindow (the bar) is left out. Titles are cut
    // at 255 characters. Icons cost a few requests per window; pass withIcons false and use
    // WindowIcon for lazy fetching.
    virtual QList<DesktopWindow> ListClosableWindows(quint32 excludeOwnWindow, bool withIcons) = 0;
    // The window's icon nearest 16 pixels; null when it has none.
    virtual QIcon WindowIcon(quint32 id) = 0;
    // Asks the window to close, the way its close button does, so that the program may ask to
    // save first; never kills it. False when nothing could be asked (no such window, or neither
    // the window manager nor the window takes close requests).
    virtual bool CloseWindowPolitely(quint32 id) = 0;
    // The window that has the focus (the window manager's active window); 0 when none.
    virtual quint32 ActiveWindow() = 0;
    // Whether the window offers maximizing / minimizing (its maximize or minimize box). A window
    // manager that says nothing about the window allows both. False for id 0.
    virtual bool CanMaximize(quint32 id) = 0;
    virtual bool CanMinimize(quint32 id) = 0;
    // True when the window is maximized both ways.
    virtual bool IsMaximized(quint32 id) = 0;
    // Restores a maximized window, and maximizes any other (also one maximized only one way).
    // Leaves a window that cannot be maximized alone. True when the request was made.
    virtual bool MaximizeOrRestore(quint32 id) = 0;
    // Minimizes the window unless it cannot be minimized. True when the request was made.
    virtual bool Minimize(quint32 id) = 0;
    // Brings the window to the front and gives it the focus, restoring it when minimized. True
    // when the request was made.
    virtual bool ActivateWindow(quint32 id) = 0;
};

// The same requests of Current<WindowSystem>(), for callers that make one or two of them.
QList<DesktopWindow> ListClosableWindows(quint32 excludeOwnWindow, bool withIcons = true);
QIcon WindowIcon(quint32 id);
bool CloseWindowPolitely(quint32 id);
quint32 ActiveWindow();
bool CanMaximize(quint32 id);
bool CanMinimize(quint32 id);
bool IsMaximized(quint32 id);
bool MaximizeOrRestore(quint32 id);
bool Minimize(quint32 id);
bool ActivateWindow(quint32 id);
