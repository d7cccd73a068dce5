#include "platform/sessionpower.h"

SessionPower::~SessionPower() = default;

bool StartDesktopShutDownDialog()
{
    return Current<SessionPower>().StartDesktopShutDownDialog();
}

bool RequestSessionAction(SessionAction action, QString *error)
{
    return Current<SessionPower>().RequestSessionAction(action, error);
}
