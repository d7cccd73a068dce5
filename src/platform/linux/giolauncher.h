// The desktop's launcher: GIO's desktop entries and default applications, and GLib's process
// spawning (program and arguments, never a shell).
#pragma once

#include "platform/launcher.h"

class GioLauncher : public Launcher
{
public:
    bool LaunchDesktopEntry(const QString &desktopFile) override;
    bool RunProgram(const QString &program, const QStringList &arguments,
                    const QString &workingDirectory) override;
    bool OpenUri(const QString &uri) override;
    bool OpenInBrowser(const QString &url) override;
    bool OpenAsText(const QString &file) override;
};
