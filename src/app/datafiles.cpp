#include "app/datafiles.h"

#include "app/tracelog.h"
#include "platform/xdgpaths.h"

#include <QCoreApplication>
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
    for (const QFileInfo &entry : entries) {
        const QString destination = target + entry.fileName();
        if (!QFileInfo::exists(destination))
            QFile::copy(entry.filePath(), destination); // a failed copy is not fatal
    }
}
} // namespace

QString ProgramFolder()
{
    // Tests run from their own folder and name the built program's folder instead.
    const QString forTests = qEnvironmentVariable("QUORIX_TEST_PROGRAM_DIR");
    const QString own = forTests.isEmpty() ? QCoreApplication::applicationDirPath() : forTests;
    if (QDir(own + QStringLiteral("/Default/Data")).exists())
        return WithTrailingSlash(QDir::cleanPath(own));
    // Installed: <prefix>/bin/quorix with its files in <prefix>/share/quorix/, whatever the prefix.
    const QString shared = QDir::cleanPath(own + QStringLiteral("/../share/quorix"));
    if (QDir(shared + QStringLiteral("/Default/Data")).exists())
        return WithTrailingSlash(shared);
#ifdef QUORIX_DATADIR
    if (QDir(QStringLiteral(QUORIX_DATADIR "/Default/Data")).exists())
        return WithTrailingSlash(QStringLiteral(QUORIX_DATADIR));
#endif
    return WithTrailingSlash(QDir::cleanPath(own));
}

QString ProgramFilePath()
{
    return QCoreApplication::applicationFilePath();
}

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
    CopyMissingDefaults();
    TraceLine(QStringLiteral("CheckDataFiles: end"));
    return true;
}
