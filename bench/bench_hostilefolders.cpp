// What opening a menu costs when its folder or list was made to be large: a folder of 20,000
// desktop entries (limit 125) and a recently-used list of 50 MB, first opening and reopening.
#include "foundation/builtinimages.h"
#include "menus/menubuilder.h"
#include "menus/tbmenusubitem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>

namespace {

void MakeDesktopEntries(const QString &folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/entry%2.desktop").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Entry %1\nExec=true\n").arg(i).toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // trusted: shown by Name
    }
}

// About 50 MB of bookmarks on files that are mostly gone, the newest few still there.
void MakeRecentList(const QString &path, const QString &documents)
{
    QDir().mkpath(documents);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\"?>\n<xbel version=\"1.0\">\n");
    const QByteArray padding(300, 'p');
    for (int i = 0; i < 140000; ++i) {
        const QString name = QStringLiteral("%1/document%2.txt").arg(documents).arg(i);
        if (i >= 139900)
            QFile(name).open(QIODevice::WriteOnly);
        const QByteArray day = i >= 139900 ? "02" : "01";
        file.write("<bookmark href=\"" + QUrl::fromLocalFile(name).toEncoded() + "\" added=\"2024-01-01T00:00:00Z\" "
                   "modified=\"2024-01-" + day + "T00:00:" + QByteArray::number(i % 60).rightJustified(2, '0')
                   + "Z\"><info><metadata>" + padding + "</metadata></info></bookmark>\n");
    }
    file.write("</xbel>\n");
}

double Milliseconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void Measure(MenuBuilder &builder, const char *what, const QString &path)
{
    TBMenuSubItem menu(QStringLiteral("Menu"));
    menu.SetPath(path);
    QElapsedTimer first;
    first.start();
    builder.GetMenuPopup(&menu);
    const double firstOpen = Milliseconds(first);
    QElapsedTimer again;
    again.start();
    builder.GetMenuPopup(&menu);
    std::printf("%-32s %16.2f %16.2f %8lld\n", what, firstOpen, Milliseconds(again),
                static_cast<long long>(menu.actions().size()));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", root.path().toUtf8());
    QApplication app(argc, argv);
    SetUpIconTheme();
    MenuBuilder builder;
    builder.SetMaxNumber(125);

    std::printf("%-32s %16s %16s %8s\n", "menu", "first open (ms)", "reopen (ms)", "entries");
    MakeDesktopEntries(root.path() + QStringLiteral("/apps"), 20000);
    Measure(builder, "20,000 desktop entries", root.path() + QStringLiteral("/apps"));
    MakeRecentList(root.path() + QStringLiteral("/recently-used.xbel"), root.path() + QStringLiteral("/docs"));
    std::printf("(recently-used.xbel: %lld bytes)\n",
                static_cast<long long>(QFile(root.path() + QStringLiteral("/recently-used.xbel")).size()));
    Measure(builder, "recent files, 50 MB list", QStringLiteral("$RECENTFILES$"));
    return 0;
}
