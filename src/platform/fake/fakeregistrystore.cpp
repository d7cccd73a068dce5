#include "platform/fake/fakeregistrystore.h"

#include <algorithm>

namespace {
QString ValueKey(const QString &keyPath, const QString &valueName)
{
    return (keyPath + QLatin1Char('\\') + valueName).toLower();
}
} // namespace

QString FakeRegistryStore::ReadString(const QString &keyPath, const QString &valueName,
                                      const QString &defaultValue)
{
    return m_values.value(ValueKey(keyPath, valueName), defaultValue);
}

bool FakeRegistryStore::WriteString(const QString &keyPath, const QString &valueName, const QString &value)
{
    if (!writable)
        return false;
    m_values.insert(ValueKey(keyPath, valueName), value);
    return true;
}

bool FakeRegistryStore::SetAutostartProgram(const QString &programPath)
{
    const bool control = std::any_of(programPath.cbegin(), programPath.cend(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!writable || programPath.isEmpty() || control)
        return false;
    autostartProgram = programPath;
    return true;
}

bool FakeRegistryStore::RemoveAutostartProgram()
{
    if (!writable)
        return false;
    autostartProgram.clear();
    return true;
}

QString FakeRegistryStore::AutostartEntryPath()
{
    return QStringLiteral("/fake/autostart/quorix.desktop");
}
