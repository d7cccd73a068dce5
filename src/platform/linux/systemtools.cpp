#include "platform/systemtools.h"

#include "platform/launcher.h"

#include <QStandardPaths>

namespace {

struct Candidate
{
    const char *program;
    QStringList arguments;
};

ToolCommand FirstOnPath(const QList<Candidate> &candidates)
{
    for (const Candidate &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(candidate.program));
        if (!path.isEmpty())
            return {path, candidate.arguments};
    }
    return {};
}

bool Start(const ToolCommand &command)
{
    return command.IsValid()
        && Current<Launcher>().RunProgram(command.program, command.arguments, QString());
}

} // namespace

ToolCommand SystemMonitorCommand()
{
    static const QList<Candidate> monitors = {
        {"gnome-system-monitor", {}},
        {"mate-system-monitor", {}},
        {"xfce4-taskmanager", {}},
        {"lxtask", {}},
        {"qps", {}},
        {"plasma-systemmonitor", {}},
        {"ksysguard", {}},
    };
    ToolCommand command = FirstOnPath(monitors);
    if (command.IsValid())
        return command;
    // A terminal monitor needs a terminal; Debian names the desktop's own x-terminal-emulator.
    const ToolCommand terminal = FirstOnPath({{"x-terminal-emulator", {}}, {"xterm", {}}});
    if (!terminal.IsValid())
        return {};
    for (const char *monitor : {"htop", "top"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(monitor));
        if (!path.isEmpty())
            return {terminal.program, {QStringLiteral("-e"), path}};
    }
    return {};
}

ToolCommand PowerSettingsCommand()
{
    static const QList<Candidate> settings = {
        {"gnome-control-center", {QStringLiteral("power")}},
        {"xfce4-power-manager-settings", {}},
        {"mate-power-preferences", {}},
        {"lxqt-config-powermanagement", {}},
        {"cinnamon-settings", {QStringLiteral("power")}},
        {"kcmshell5", {QStringLiteral("powerdevilprofilesconfig")}},
    };
    return FirstOnPath(settings);
}

bool StartSystemMonitor()
{
    return Start(SystemMonitorCommand());
}

bool StartPowerSettings()
{
    return Start(PowerSettingsCommand());
}
