// The few per-user values Quorix keeps outside its data folder: window sizes of the bar, the note
// window and the help viewer, and whether Quorix starts when the user logs in.
#pragma once

#include <QString>

// Values live in $XDG_CONFIG_HOME/Brenmoor/registry.ini, one section per key path
// (for example "software\Brenmoor\Quorix").
QString RegistryFilePath();
QString RegistryReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue = {});
bool RegistryWriteString(const QString &keyPath, const QString &valueName, const QString &value);

// Start at log-in: the XDG autostart entry $XDG_CONFIG_HOME/autostart/quorix.desktop.
QString AutostartEntryPath();
// The program the autostart entry starts, or empty when there is no (enabled) entry.
QString AutostartProgram();
// Writes the autostart entry for programPath; false when it could not be written.
bool SetAutostartProgram(const QString &programPath);
