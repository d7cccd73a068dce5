// The desktop's own tools that the info bar opens on a double click: a system monitor for the
// processor and memory meters, the power settings for the battery meter.
#pragma once

#include <QString>
#include <QStringList>

struct ToolCommand
{
    QString program;        // full path of the program found
    QStringList arguments;
    bool IsValid() const { return !program.isEmpty(); }
};

// The first system monitor found on PATH (desktop monitors first, then a terminal monitor in the
// desktop's terminal); invalid when there is none.
ToolCommand SystemMonitorCommand();
// The first power settings program found on PATH; invalid when there is none.
ToolCommand PowerSettingsCommand();

// Starts the tool (never through a shell). False when there is none or it could not be started.
bool StartSystemMonitor();
bool StartPowerSettings();
