#include "platform/fake/fakesessionpower.h"

bool FakeSessionPower::StartDesktopShutDownDialog()
{
    calls << QStringLiteral("desktop-dialog");
    return hasDesktopDialog;
}

bool FakeSessionPower::RequestSessionAction(SessionAction action, QString *error)
{
    switch (action) {
    case SessionAction::PowerOff: calls << QStringLiteral("power-off"); break;
    case SessionAction::Reboot: calls << QStringLiteral("reboot"); break;
    case SessionAction::LogOut: calls << QStringLiteral("log-out"); break;
    }
    if (refusal.isEmpty())
        return true;
    if (error)
        *error = refusal;
    return false;
}
