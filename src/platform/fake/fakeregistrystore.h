// A registry store in memory: values by key path and name (without regard to case), the program
// that starts at log-in, and a switch that makes every write fail (a full disk).
#pragma once

#include "platform/registrystore.h"

#include <QHash>

class FakeRegistryStore : public RegistryStore
{
public:
    // The program that starts at log-in; empty for none.
    QString autostartProgram;
    // False: every write fails and changes nothing.
    bool writable = true;

    // The number of values stored.
    qsizetype ValueCount() const { return m_values.size(); }

    QString ReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue) override;
    bool WriteString(const QString &keyPath, const QString &valueName, const QString &value) override;
    QString AutostartProgram() override { return autostartProgram; }
    bool SetAutostartProgram(const QString &programPath) override;
    bool RemoveAutostartProgram() override;
    QString AutostartEntryPath() override;

private:
    QHash<QString, QString> m_values;   // by "key path\value name" in lower case
};
