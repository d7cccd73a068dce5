// How long the Programs menu and one of its categories take to open with 100, 500 and 2,000
// applications, read from a menu file (libgnome-menu) and grouped by main category without one.
// The tree is read afresh on every opening, so what the menu shows is always current.
#include "benchtiming.h"
#include "foundation/builtinimages.h"
#include "menus/menubuilder.h"
#include "menus/tbmenusubitem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char *const kCategories[] = {"Office", "Game", "Development", "Graphics", "Network", "AudioVideo", "Utility"};

void WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void MakeApplications(const QString &folder, int count)
{
    QDir(folder).removeRecursively();
    for (int i = 0; i < count; ++i) {
        WriteFile(QStringLiteral("%1/app%2.desktop").arg(folder).arg(i),
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Application %1\nExec=true\nIcon=x\n"
                                 "Categories=%2;\n")
                      .arg(i)
                      .arg(QLatin1String(kCategories[i % std::size(kCategories)]))
                      .toUtf8());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    // A private desktop, set before GLib reads the folders.
    qputenv("XDG_DATA_HOME", (root.path() + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_DATA_DIRS", (root.path() + QStringLiteral("/system")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", (root.path() + QStringLiteral("/etc")).toUtf8());
    qunsetenv("XDG_MENU_PREFIX");
    QApplication app(argc, argv);
    SetUpIconTheme();
    MenuBuilder builder;
    builder.SetMaxNumber(125);
    const QString menuFile = root.path() + QStringLiteral("/config/menus/applications.menu");
    const QByteArray menu = "<Menu><Name>Applications</Name><DefaultAppDirs/>"
                            "<Menu><Name>Office</Name><Include><Category>Office</Category></Include></Menu>"
                            "<Menu><Name>Games</Name><Include><Category>Game</Category></Include></Menu>"
                            "<Menu><Name>Other</Name><Include><Not><Category>Office</Category></Not></Include></Menu>"
                            "</Menu>\n";

    std::printf("%-6s %-12s %12s %14s %8s\n", "apps", "tree", "Programs (ms)", "Office (ms)", "entries");
    for (int count : {100, 500, 2000}) {
        MakeApplications(root.path() + QStringLiteral("/system/applications"), count);
        // The menu file's reader follows its folders through file monitors, as the bar's event
        // loop runs: let it hear of the new files.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        for (const bool withMenuFile : {true, false}) {
            if (withMenuFile)
                WriteFile(menuFile, menu);
            else
                QFile::remove(menuFile);
            TBMenuSubItem programs(QStringLiteral("Programs"));
            programs.SetPath(QStringLiteral("$PROGRAMS$"));
            const double top = BestOf(3, [&] { builder.GetMenuPopup(&programs); });
            TBMenuSubItem office(QStringLiteral("Office"));
            office.SetPath(QStringLiteral("$PROGRAMS$/Office"));
            const double inOffice = BestOf(3, [&] { builder.GetMenuPopup(&office); });
            std::printf("%-6d %-12s %12.2f %14.2f %8lld\n", count, withMenuFile ? "menu file" : "categories", top,
                        inOffice, static_cast<long long>(office.actions().size()));
        }
    }
    return 0;
}
