#include "platform/fake/fakeregistrystore.h"

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
    if (!writable)
        return false;
    autostartProgram = programPath;
    return true;
}

QString FakeRegistryStore::AutostartEntryPath()
{
    return QStringLiteral("/fake/autostart/quorix.desktop");
}
