// The few per-user values Quorix keeps outside its data folder: window sizes of the bar, the note
// window and the help viewer, and whether Quorix starts when the user logs in.
#pragma once

#include "platform/currentservice.h"

#include <QString>

class RegistryStore
{
public:
    virtual ~RegistryStore();
    // The user's store on Linux: $XDG_CONFIG_HOME/Brenmoor/registry.ini, one section per key path
    // ("software\Brenmoor\Quorix"), and the XDG autostart entry
    // $XDG_CONFIG_HOME/autostart/quorix.desktop.
    static RegistryStore &Platform();

    // A string value under a key path; key paths and value names match without regard to case.
    virtual QString ReadString(const QString &keyPath, const QString &valueName,
                               const QString &defaultValue) = 0;
    // False when the value could not be stored.
    virtual bool WriteString(const QString &keyPath, const QString &valueName, const QString &value) = 0;

    // The program started when the user logs in, or empty when there is no (enabled) entry.
    virtual QString AutostartProgram() = 0;
    // Makes programPath (absolute) start when the user logs in; false when that could not be
    // stored (also for an empty path or one with line breaks or other control characters).
    virtual bool SetAutostartProgram(const QString &programPath) = 0;
    // Quorix no longer starts when the user logs in: its entry goes. True when there is no entry
    // afterwards (also when there was none); false when it could not be removed.
    virtual bool RemoveAutostartProgram() = 0;
    // Where the start-at-log-in entry is kept, as the user is told when it cannot be written.
    virtual QString AutostartEntryPath() = 0;
};

// The same requests of Current<RegistryStore>().
QString RegistryReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue = {});
bool RegistryWriteString(const QString &keyPath, const QString &valueName, const QString &value);
QString AutostartProgram();
bool SetAutostartProgram(const QString &programPath);
bool RemoveAutostartProgram();
QString AutostartEntryPath();
