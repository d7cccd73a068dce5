// Shutting down, restarting and logging out: the desktop's own dialog where the running desktop
// has one, else the session manager.
#pragma once

#include "platform/currentservice.h"

#include <QString>

enum class SessionAction { PowerOff, Reboot, LogOut };

class SessionPower
{
public:
    virtual ~SessionPower();
    // The desktop's dialog (GNOME, Xfce, MATE, Cinnamon, LXQt, LXDE) and logind on the system bus.
    static SessionPower &Platform();

    // Starts the running desktop's own log-out / shut-down dialog; false when this desktop has
    // none installed (the caller then offers its own).
    virtual bool StartDesktopShutDownDialog() = 0;
    // Asks the session manager to power off or restart the machine (it may ask for
    // authorisation) or to end the current session. False, with a readable reason, when it
    // refused or is not there.
    virtual bool RequestSessionAction(SessionAction action, QString *error) = 0;
};

// The same requests of Current<SessionPower>().
bool StartDesktopShutDownDialog();
bool RequestSessionAction(SessionAction action, QString *error = nullptr);
