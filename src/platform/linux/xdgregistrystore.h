// The registry store on Linux: values in $XDG_CONFIG_HOME/Brenmoor/registry.ini (a section per key
// path), start at log-in as the XDG autostart entry $XDG_CONFIG_HOME/autostart/quorix.desktop.
#pragma once

#include "platform/registrystore.h"

class XdgRegistryStore : public RegistryStore
{
public:
    static QString RegistryFilePath();

    QString ReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue) override;
    bool WriteString(const QString &keyPath, const QString &valueName, const QString &value) override;
    QString AutostartProgram() override;
    bool SetAutostartProgram(const QString &programPath) override;
    bool RemoveAutostartProgram() override;
    QString AutostartEntryPath() override;
};
