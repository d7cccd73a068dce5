#include "core/windowcontrol.h"

#include "platform/windowlist.h"

WindowControl::~WindowControl() = default;

quint32 WindowControl::ActiveWindow()
{
    return ::ActiveWindow();
}

bool WindowControl::CanMaximize(quint32 window)
{
    return ::CanMaximize(window);
}

bool WindowControl::CanMinimize(quint32 window)
{
    return ::CanMinimize(window);
}

bool WindowControl::MaximizeOrRestore(quint32 window)
{
    return ::MaximizeOrRestore(window);
}

bool WindowControl::Minimize(quint32 window)
{
    return ::Minimize(window);
}

bool WindowControl::Close(quint32 window)
{
    return CloseWindowPolitely(window);
}
