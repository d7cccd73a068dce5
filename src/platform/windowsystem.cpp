#include "platform/windowsystem.h"

WindowSystem::~WindowSystem() = default;

QList<DesktopWindow> ListClosableWindows(quint32 excludeOwnWindow, bool withIcons)
{
    return Current<WindowSystem>().ListClosableWindows(excludeOwnWindow, withIcons);
}

QIcon WindowIcon(quint32 id)
{
    return Current<WindowSystem>().WindowIcon(id);
}

bool CloseWindowPolitely(quint32 id)
{
    return Current<WindowSystem>().CloseWindowPolitely(id);
}

quint32 ActiveWindow()
{
    return Current<WindowSystem>().ActiveWindow();
}

bool CanMaximize(quint32 id)
{
    return Current<WindowSystem>().CanMaximize(id);
}

bool CanMinimize(quint32 id)
{
    return Current<WindowSystem>().CanMinimize(id);
}

bool IsMaximized(quint32 id)
{
    return Current<WindowSystem>().IsMaximized(id);
}

bool MaximizeOrRestore(quint32 id)
{
    return Current<WindowSystem>().MaximizeOrRestore(id);
}

bool Minimize(quint32 id)
{
    return Current<WindowSystem>().Minimize(id);
}

bool ActivateWindow(quint32 id)
{
    return Current<WindowSystem>().ActivateWindow(id);
}
