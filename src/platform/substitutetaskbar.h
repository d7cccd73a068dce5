// The stand-in for a missing taskbar. Programs that show notification-area icons look for a window
// of class "Shell_TrayWnd" and re-add their icons when they hear "TaskbarCreated"; when Quorix
// runs without such a window, it provides one.
#pragma once

#include "platform/currentservice.h"

#include <QString>

class SubstituteTaskbar
{
public:
    virtual ~SubstituteTaskbar();
    // The top-level windows of the X server (X11SubstituteTaskbar).
    static SubstituteTaskbar &Platform();

    // Whether any top-level window has the class "Shell_TrayWnd".
    virtual bool TaskbarWindowExists() = 0;
    // Makes an unmapped window of class "Shell_TrayWnd", kept for the life of the process, and
    // sends "TaskbarCreated" to every top-level window. When such a window exists already
    // (another program's or one made before), nothing is made or sent and the result is true. On
    // failure, returns false and sets *errorText (when given) to the system's reason.
    virtual bool CreateSubstituteTaskbar(QString *errorText) = 0;
};

// The same requests of Current<SubstituteTaskbar>().
bool TaskbarWindowExists();
bool CreateSubstituteTaskbar(QString *errorText);
