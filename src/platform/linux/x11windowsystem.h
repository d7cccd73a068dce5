// Other programs' windows on X11: the EWMH client lists, names, icons and requests to the window
// manager (_NET_CLOSE_WINDOW, _NET_WM_STATE, _NET_ACTIVE_WINDOW), ICCCM where there is no window
// manager.
#pragma once

#include "platform/windowsystem.h"

class X11WindowSystem : public WindowSystem
{
public:
    QList<DesktopWindow> ListClosableWindows(quint32 excludeOwnWindow, bool withIcons) override;
    QIcon WindowIcon(quint32 id) override;
    bool CloseWindowPolitely(quint32 id) override;
    quint32 ActiveWindow() override;
    bool CanMaximize(quint32 id) override;
    bool CanMinimize(quint32 id) override;
    bool IsMaximized(quint32 id) override;
    bool MaximizeOrRestore(quint32 id) override;
    bool Minimize(quint32 id) override;
    bool ActivateWindow(quint32 id) override;
};
