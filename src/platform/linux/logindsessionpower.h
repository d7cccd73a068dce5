// Session power on Linux: the running desktop's own log-out dialog (XDG_CURRENT_DESKTOP names the
// desktop), else logind's PowerOff, Reboot and TerminateSession on the system bus.
#pragma once

#include "platform/sessionpower.h"

class LogindSessionPower : public SessionPower
{
public:
    bool StartDesktopShutDownDialog() override;
    bool RequestSessionAction(SessionAction action, QString *error) override;
};
