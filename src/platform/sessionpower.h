// Shutting down, restarting and logging out: the desktop's own dialog where the running desktop
// has one, else logind on the system bus.
#pragma once

#include <QString>

// Starts the running desktop's own log-out / shut-down dialog; false when this desktop has none
// installed (the caller then offers its own).
bool StartDesktopShutDownDialog();

enum class SessionAction { PowerOff, Reboot, LogOut };

// Asks logind to power off or restart the machine (it may ask for authorisation) or to end the
// current session. False, with a readable reason, when logind refused or is not there.
bool RequestSessionAction(SessionAction action, QString *error = nullptr);
