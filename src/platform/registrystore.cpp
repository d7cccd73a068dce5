#include "platform/registrystore.h"

RegistryStore::~RegistryStore() = default;

QString RegistryReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue)
{
    return Current<RegistryStore>().ReadString(keyPath, valueName, defaultValue);
}

bool RegistryWriteString(const QString &keyPath, const QString &valueName, const QString &value)
{
    return Current<RegistryStore>().WriteString(keyPath, valueName, value);
}

QString AutostartProgram()
{
    return Current<RegistryStore>().AutostartProgram();
}

bool SetAutostartProgram(const QString &programPath)
{
    return Current<RegistryStore>().SetAutostartProgram(programPath);
}

bool RemoveAutostartProgram()
{
    return Current<RegistryStore>().RemoveAutostartProgram();
}

QString AutostartEntryPath()
{
    return Current<RegistryStore>().AutostartEntryPath();
}
