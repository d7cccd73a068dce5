// What the hotkey commands do to other programs' windows, behind one small interface so that tests
// can stand in for the desktop. The default implementation is the desktop's (platform/windowlist.h).
#pragma once

#include <QtGlobal>

class WindowControl
{
public:
    virtual ~WindowControl();
    // The window that has the focus; 0 when none.
    virtual quint32 ActiveWindow();
    // Whether the window has a maximize / minimize box.
    virtual bool CanMaximize(quint32 window);
    virtual bool CanMinimize(quint32 window);
    // Restores a maximized window, maximizes any other.
    virtual bool MaximizeOrRestore(quint32 window);
    virtual bool Minimize(quint32 window);
    // Asks the window to close, as its close button does (the program may ask to save first).
    virtual bool Close(quint32 window);
};
