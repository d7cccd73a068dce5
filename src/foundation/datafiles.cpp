#include "foundation/datafiles.h"

#include "foundation/fileproblemreports.h"
#include "foundation/programfolder.h"
#include "foundation/tracelog.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char *const kRequiredDefaults[] = {"hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini"};

QString DefaultDataFolder()
{
    return ProgramFolder() + QStringLiteral("Default/Data/");
}

bool DefaultsPresent()
{
    const QDir defaults(DefaultDataFolder());
    if (!defaults.exists())
        return false;
    for (const char *name : kRequiredDefaults) {
        if (!QFileInfo::exists(defaults.filePath(QString::fromLatin1(name))))
            return false;
    }
    return true;
}

void CopyMissingDefaults()
{
    const QDir defaults(DefaultDataFolder());
    const QString target = DataFilePath(dfDataFolder) + QStringLiteral("Data/");
    const auto entries = defaults.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    bool reported = false;
    for (const QFileInfo &entry : entries) {
        const QString destination = target + entry.fileName();
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
            continue;
        // A failed copy is not fatal, but the user learns that the file is missing and why: once,
        // for the first one (a read-only folder fails them all for the same reason).
        QFile source(entry.filePath());
        if (!source.copy(destination) && !reported) {
            FileProblemReports::ReportNotSaved(destination, source.errorString());
            reported = true;
        }
    }
}
} // namespace

QString DataFilePath(int kind)
{
    const QString folder = XdgDataHome() + QStringLiteral("Brenmoor/Quorix/");
    switch (kind) {
    case dfSettings: return folder + QStringLiteral("Data/settings.ini");
    case dfThemes: return folder + QStringLiteral("Data/themes.ini");
    case dfNotes: return folder + QStringLiteral("Data/note.dat");
    case dfHotkeys: return folder + QStringLiteral("Data/hotkeys.dat");
    case dfCustomMenus: return folder + QStringLiteral("Data/cusmenus.ini");
    case dfRunHistory: return folder + QStringLiteral("Data/runhisto.dat");
    case dfMenuSettings: return folder + QStringLiteral("Data/menusettings.ini");
    case dfProjects: return folder + QStringLiteral("Projects/");
    case dfHelpSettings: return folder + QStringLiteral("Data/helpset.ini");
    default: return folder;
    }
}

bool CheckDataFiles()
{
    ResetTraceFile();
    TraceLine(QStringLiteral("CheckDataFiles: begin"));
    if (!DefaultsPresent()) {
        TraceLine(QStringLiteral("CheckDataFiles: failed"));
        return false;
    }
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
    QDir().mkpath(DataFilePath(dfProjects));
    // The web shortcuts ($URLS$) and Quick Launch folders: their menus list them, and the URL
    // commands appear only in a folder that exists.
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Favorites"));
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Quick Launch"));
    CopyMissingDefaults();
    TraceLine(QStringLiteral("CheckDataFiles: end"));
    return true;
}
