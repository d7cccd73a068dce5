#include "foundation/desktopfolders.h"

#include "foundation/datafiles.h"
#include "platform/shellnamespace.h"
#include "platform/xdgpaths.h"

#include <QDir>

namespace {

bool HoldsDesktopEntries(const QString &folder)
{
    return !QDir(folder).entryList({QStringLiteral("*.desktop")}, QDir::Files).isEmpty();
}

QString SystemApplicationsFolder()
{
    const QStringList dirs = XdgDataDirs();
    for (const QString &dir : dirs) {
        if (HoldsDesktopEntries(dir + QStringLiteral("applications")))
            return dir + QStringLiteral("applications/");
    }
    return {};
}

QString SharedDesktopFolder()
{
    const QStringList dirs = XdgDataDirs();
    for (const QString &dir : dirs) {
        if (QDir(dir + QStringLiteral("quorix/desktop")).exists())
            return dir + QStringLiteral("quorix/desktop/");
    }
    return {};
}

} // namespace

QString SpecialFolderPath(int csidl)
{
    switch (csidl) {
    case csidlDesktop: return XdgDesktopDir();
    case csidlPrograms: return XdgDataHome() + QStringLiteral("applications/");
    case csidlPersonal: return XdgDocumentsDir();
    case csidlFavorites: return DataFilePath(dfDataFolder) + QStringLiteral("Favorites/");
    // The recently used list (recently-used.xbel) lives directly in the data home.
    case csidlRecent: return XdgDataHome();
    case csidlCommonPrograms: return SystemApplicationsFolder();
    case csidlCommonDesktop: return SharedDesktopFolder();
    case csidlAppData: return XdgDataHome();
    default: return {};
    }
}

ShellItem SpecialFolderItem(int csidl)
{
    switch (csidl) {
    case csidlControls: return ParsePathToItem(QString::fromLatin1(kShellControlPanel));
    case csidlDrives: return ParsePathToItem(QString::fromLatin1(kShellMyComputer));
    case csidlNetwork: return ParsePathToItem(QString::fromLatin1(kShellNetwork));
    case csidlPrinters: return ParsePathToItem(QString::fromLatin1(kShellPrinters));
    case csidlBitBucket: return ParsePathToItem(QString::fromLatin1(kShellTrash));
    default: break;
    }
    const QString folder = SpecialFolderPath(csidl);
    return folder.isEmpty() ? ShellItem() : ParsePathToItem(folder);
}
