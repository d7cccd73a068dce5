// A launcher that starts nothing and writes down what it was asked to start.
#pragma once

#include "platform/launcher.h"

#include <QList>

struct LaunchRecord
{
    QString action;            // "desktop-entry", "run", "open", "browser" or "text"
    QString target;            // the desktop file, program, URI, URL or file opened as text
    QStringList arguments;     // "run" only
    QString workingDirectory;  // "run" only
};

class RecordingLauncher : public Launcher
{
public:
    bool LaunchDesktopEntry(const QString &desktopFile) override;
    bool RunProgram(const QString &program, const QStringList &arguments,
                    const QString &workingDirectory) override;
    bool OpenUri(const QString &uri) override;
    bool OpenInBrowser(const QString &url) override;
    bool OpenAsText(const QString &file) override;

    const QList<LaunchRecord> &Records() const { return m_records; }
    void Clear() { m_records.clear(); }
    // What every request answers (as if it failed or worked); true by default.
    void SetSucceeds(bool succeeds) { m_succeeds = succeeds; }

private:
    bool Record(LaunchRecord record);

    QList<LaunchRecord> m_records;
    bool m_succeeds = true;
};
