#include "platform/fake/fakeglobalhotkeys.h"

bool FakeGlobalHotkeys::Register(int id, int modifiers, int virtualKey)
{
    calls << QStringLiteral("register %1 %2 %3").arg(id).arg(modifiers).arg(virtualKey);
    m_registered.remove(id);
    const std::pair<int, int> combination{modifiers, virtualKey};
    if (!available || (modifiers & ~KnownModifiers) != 0 || virtualKey <= 0
        || heldElsewhere.contains(combination))
        return false;
    for (const std::pair<int, int> &held : std::as_const(m_registered)) {
        if (held == combination)
            return false;
    }
    m_registered.insert(id, combination);
    return true;
}

void FakeGlobalHotkeys::Unregister(int id)
{
    calls << QStringLiteral("unregister %1").arg(id);
    m_registered.remove(id);
}

void FakeGlobalHotkeys::UnregisterAll()
{
    const QList<int> ids = m_registered.keys();
    for (int id : ids)
        Unregister(id);
}

void FakeGlobalHotkeys::Press(int id)
{
    if (m_registered.contains(id))
        Q_EMIT HotkeyPressed(id);
}
