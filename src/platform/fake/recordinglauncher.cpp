#include "platform/fake/recordinglauncher.h"

bool RecordingLauncher::Record(LaunchRecord record)
{
    m_records.append(std::move(record));
    return m_succeeds;
}

bool RecordingLauncher::LaunchDesktopEntry(const QString &desktopFile)
{
    return Record({QStringLiteral("desktop-entry"), desktopFile, {}, {}});
}

bool RecordingLauncher::RunProgram(const QString &program, const QStringList &arguments,
                                   const QString &workingDirectory)
{
    return Record({QStringLiteral("run"), program, arguments, workingDirectory});
}

bool RecordingLauncher::OpenUri(const QString &uri)
{
    return Record({QStringLiteral("open"), uri, {}, {}});
}

bool RecordingLauncher::OpenInBrowser(const QString &url)
{
    return Record({QStringLiteral("browser"), url, {}, {}});
}

bool RecordingLauncher::OpenAsText(const QString &file)
{
    return Record({QStringLiteral("text"), file, {}, {}});
}
