// Session power of the test's making: whether the desktop has a dialog of its own, whether the
// session manager refuses, and every request made.
#pragma once

#include "platform/sessionpower.h"

#include <QStringList>

class FakeSessionPower : public SessionPower
{
public:
    bool hasDesktopDialog = false;
    // A refusal's reason; empty: every request is carried out.
    QString refusal;
    // "desktop-dialog", "power-off", "reboot", "log-out", in order.
    QStringList calls;

    bool StartDesktopShutDownDialog() override;
    bool RequestSessionAction(SessionAction action, QString *error) override;
};
