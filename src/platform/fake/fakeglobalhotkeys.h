// Global hotkeys of the test's making: every request written down, combinations that "other
// programs" hold refused, and presses made by the test.
#pragma once

#include "platform/globalhotkeys.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <utility>

class FakeGlobalHotkeys : public GlobalHotkeys
{
public:
    bool available = true;
    // Combinations (modifiers, virtual key) that another program holds.
    QList<std::pair<int, int>> heldElsewhere;
    // "register <id> <modifiers> <key>" and "unregister <id>" for every request, in order.
    QStringList calls;

    bool IsAvailable() const override { return available; }
    bool Register(int id, int modifiers, int virtualKey) override;
    void Unregister(int id) override;
    void UnregisterAll() override;
    bool IsRegistered(int id) const override { return m_registered.contains(id); }

    // The user pressed the combination registered under id (nothing when none is).
    void Press(int id);

private:
    QMap<int, std::pair<int, int>> m_registered;
};
