// The applications menu behind Programs: categories as folders, read from the desktop's menu file
// where it has one and grouped by main category where it has none; only visible applications,
// the user's copy of an entry before the system's.
#include "platform/applicationsmenu.h"
#include "platform/linux/maincategorylisting.h"
#include "platform/linux/xdgapplicationsmenu.h"
#include "testenv.h"

#include <QDir>
#include <QTest>

namespace {

QByteArray App(const QString &name, const QString &categories, const QString &extra = {})
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\nIcon=icon-%1\nCategories=%2\n%3")
        .arg(name, categories, extra)
        .toUtf8();
}

QStringList Names(const FolderListing &listing)
{
    QStringList names;
    for (const ShellItem &item : listing.items)
        names << item.displayName + (item.isFolder ? QStringLiteral("/") : QString());
    names.sort(Qt::CaseInsensitive);
    return names;
}

const ShellItem *Find(const FolderListing &listing, const QString &name)
{
    for (const ShellItem &item : listing.items) {
        if (item.displayName == name)
            return &item;
    }
    return nullptr;
}

// A menu file in the form the desktops ship (the document type line left out: the reader needs
// none): the default folders, one submenu per category.
const QByteArray kMenuFile =
    "<Menu>\n"
    "  <Name>Applications</Name>\n"
    "  <DefaultAppDirs/>\n"
    "  <DefaultDirectoryDirs/>\n"
    "  <Menu>\n"
    "    <Name>Office</Name>\n"
    "    <Directory>Office.directory</Directory>\n"
    "    <Include><Category>Office</Category></Include>\n"
    "  </Menu>\n"
    "  <Menu>\n"
    "    <Name>Development</Name>\n"
    "    <Directory>Development.directory</Directory>\n"
    "    <Include><Category>Development</Category></Include>\n"
    "    <Menu>\n"
    "      <Name>Debuggers</Name>\n"
    "      <Include><Category>Debugger</Category></Include>\n"
    "    </Menu>\n"
    "  </Menu>\n"
    "  <Menu>\n"
    "    <Name>Empty</Name>\n"
    "    <Include><Category>NothingHasThis</Category></Include>\n"
    "  </Menu>\n"
    "</Menu>\n";

} // namespace

class TestApplicationsMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void mainCategory_data();
    void mainCategory();
    void withoutMenuFileGroupsByMainCategory();
    void menuFileTree();
    void menuFolderByShownName();
    void userCopyWins_data();
    void userCopyWins();
    void menuPrefixChoosesTheFile();
    void damagedMenuFileFallsBack();

private:
    void Write(const QString &relativePath, const QByteArray &content) { m_home->writeFile(relativePath, content); }
    void WriteStandardEntries();
    // One private home for the whole program: GLib reads the XDG folders once per process.
    std::unique_ptr<TestHome> m_home;
    XdgApplicationsMenu m_menu;
};

void TestApplicationsMenu::initTestCase()
{
    m_home = std::make_unique<TestHome>();
}

void TestApplicationsMenu::init()
{
    for (const char *folder : {".local/share/applications", "usr/share/applications", ".config/menus", "etc/xdg/menus",
                               "usr/share/desktop-directories"})
        QDir(m_home->path() + QLatin1Char('/') + QLatin1String(folder)).removeRecursively();
    qunsetenv("XDG_MENU_PREFIX");
}

void TestApplicationsMenu::cleanup()
{
    qunsetenv("XDG_MENU_PREFIX");
}

void TestApplicationsMenu::WriteStandardEntries()
{
    Write("usr/share/applications/writer.desktop", App("Writer", "Office;WordProcessor;"));
    Write("usr/share/applications/sheet.desktop", App("Sheet", "Office;Spreadsheet;"));
    Write("usr/share/applications/ide.desktop", App("IDE", "Development;IDE;"));
    Write("usr/share/applications/gdb.desktop", App("Debugger", "Development;Debugger;"));
    Write("usr/share/applications/viewer.desktop", App("Viewer", "Office;", "NoDisplay=true\n"));
    Write("usr/share/applications/gone.desktop", App("Gone", "Office;", "Hidden=true\n"));
    Write("usr/share/applications/mimeinfo.cache", "[MIME Cache]\ntext/plain=writer.desktop;\n");
    Write("usr/share/applications/readme.txt", "not an application");
    Write("usr/share/applications/kde/konsole.desktop", App("Konsole", "System;TerminalEmulator;"));
    Write("usr/share/desktop-directories/Office.directory",
          "[Desktop Entry]\nType=Directory\nName=Office Work\nIcon=applications-office\n");
}

void TestApplicationsMenu::mainCategory_data()
{
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QString>("folder");

    QTest::newRow("office") << QStringList{"Office", "WordProcessor"} << "Office";
    QTest::newRow("additional category first") << QStringList{"GTK", "Utility"} << "Accessories";
    QTest::newRow("first main category decides") << QStringList{"Settings", "System"} << "Settings";
    QTest::newRow("audio and video share a folder") << QStringList{"Audio", "Player"} << "Multimedia";
    QTest::newRow("network is internet") << QStringList{"Network", "WebBrowser"} << "Internet";
    QTest::newRow("game") << QStringList{"Game", "BoardGame"} << "Games";
    QTest::newRow("none") << QStringList{} << "Other";
    QTest::newRow("only additional categories") << QStringList{"Qt", "KDE"} << "Other";
    QTest::newRow("case matters") << QStringList{"office"} << "Other";
}

void TestApplicationsMenu::mainCategory()
{
    QFETCH(QStringList, categories);
    QFETCH(QString, folder);
    QCOMPARE(MainCategoryFolder(categories), folder);
}

void TestApplicationsMenu::withoutMenuFileGroupsByMainCategory()
{
    WriteStandardEntries();
    QVERIFY(ApplicationsMenuFile().isEmpty());
    const FolderListing top = m_menu.List(QString());
    QVERIFY(top.ok);
    QCOMPARE(Names(top), (QStringList{"Office/", "Programming/", "System Tools/"}));
    const ShellItem *office = Find(top, "Office");
    QVERIFY(office);
    QCOMPARE(office->kind, ShellItemKind::MenuFolder);
    QCOMPARE(office->location, QStringLiteral("Office"));
    QCOMPARE(office->iconName, QStringLiteral("applications-office"));

    // Hidden and NoDisplay entries, the cache and other files are never listed.
    const FolderListing inOffice = m_menu.List(QStringLiteral("/Office/"));
    QVERIFY(inOffice.ok);
    QCOMPARE(Names(inOffice), (QStringList{"Sheet", "Writer"}));
    const ShellItem *writer = Find(inOffice, "Writer");
    QCOMPARE(writer->kind, ShellItemKind::DesktopEntry);
    QCOMPARE(writer->parsingPath, m_home->path() + "/usr/share/applications/writer.desktop");
    QCOMPARE(writer->iconName, QStringLiteral("icon-Writer"));
    // Entries in subfolders of the applications folder are found too.
    QCOMPARE(Names(m_menu.List(QStringLiteral("System"))), QStringList{"Konsole"});
    // A folder may be named by what it shows, in any case; a name that is none gives nothing.
    QCOMPARE(Names(m_menu.List(QStringLiteral("programming"))), (QStringList{"Debugger", "IDE"}));
    QVERIFY(!m_menu.List(QStringLiteral("Office/Deeper")).ok);
    QVERIFY(!m_menu.List(QStringLiteral("Nonsense")).ok);
}

void TestApplicationsMenu::menuFileTree()
{
    WriteStandardEntries();
    Write(".config/menus/applications.menu", kMenuFile);
    QVERIFY(!ApplicationsMenuFile().isEmpty());
    const FolderListing top = m_menu.List(QString());
    QVERIFY(top.ok);
    // The .directory file names the folder; the empty one and the unlisted entries stay away.
    QCOMPARE(Names(top), (QStringList{"Development/", "Office Work/"}));
    const ShellItem *office = Find(top, "Office Work");
    QCOMPARE(office->location, QStringLiteral("Office"));
    QCOMPARE(office->iconName, QStringLiteral("applications-office"));
    QCOMPARE(Names(m_menu.List(QStringLiteral("Office"))), (QStringList{"Sheet", "Writer"}));
    // The menu file's rules as written: the debugger is in both of the folders that include it.
    QCOMPARE(Names(m_menu.List(QStringLiteral("Development"))), (QStringList{"Debugger", "Debuggers/", "IDE"}));
    const FolderListing debuggers = m_menu.List(QStringLiteral("Development/Debuggers"));
    QCOMPARE(Names(debuggers), QStringList{"Debugger"});
    QCOMPARE(debuggers.items[0].parsingPath, m_home->path() + "/usr/share/applications/gdb.desktop");
    QVERIFY(!m_menu.List(QStringLiteral("Office/Nothing")).ok);
}

void TestApplicationsMenu::menuFolderByShownName()
{
    WriteStandardEntries();
    Write(".config/menus/applications.menu", kMenuFile);
    const FolderListing byShownName = m_menu.List(QStringLiteral("office work"));
    QCOMPARE(Names(byShownName), (QStringList{"Sheet", "Writer"}));
    // Folders inside it carry the path as the menu names it.
    const FolderListing development = m_menu.List(QStringLiteral("development"));
    const ShellItem *debuggers = Find(development, "Debuggers");
    QVERIFY(debuggers);
    QCOMPARE(debuggers->location, QStringLiteral("Development/Debuggers"));
}

void TestApplicationsMenu::userCopyWins_data()
{
    QTest::addColumn<bool>("menuFile");
    QTest::newRow("grouped by category") << false;
    QTest::newRow("menu file") << true;
}

void TestApplicationsMenu::userCopyWins()
{
    QFETCH(bool, menuFile);
    WriteStandardEntries();
    if (menuFile)
        Write(".config/menus/applications.menu", kMenuFile);
    Write(".local/share/applications/writer.desktop", App("My Writer", "Office;"));
    Write(".local/share/applications/sheet.desktop", App("Sheet", "Office;", "NoDisplay=true\n"));
    const FolderListing inOffice = m_menu.List(QStringLiteral("Office"));
    QCOMPARE(Names(inOffice), QStringList{"My Writer"});
    QCOMPARE(inOffice.items[0].parsingPath, m_home->dataHome() + "/applications/writer.desktop");
}

void TestApplicationsMenu::menuPrefixChoosesTheFile()
{
    WriteStandardEntries();
    Write("etc/xdg/menus/applications.menu", kMenuFile);
    QByteArray officeOnly = kMenuFile;
    officeOnly.replace("<Name>Development</Name>", "<Name>Coding</Name>");
    Write("etc/xdg/menus/lxde-applications.menu", officeOnly);
    QVERIFY(ApplicationsMenuFile().endsWith("/etc/xdg/menus/applications.menu"));
    qputenv("XDG_MENU_PREFIX", "lxde-");
    QVERIFY(ApplicationsMenuFile().endsWith("/etc/xdg/menus/lxde-applications.menu"));
    QVERIFY(m_menu.List(QStringLiteral("Coding")).ok);
    // A prefix without a file of its own leaves the plain file; one with a "/" is no prefix.
    qputenv("XDG_MENU_PREFIX", "xfce-");
    QVERIFY(ApplicationsMenuFile().endsWith("/etc/xdg/menus/applications.menu"));
    qputenv("XDG_MENU_PREFIX", "../../etc/xdg/menus/lxde-");
    QVERIFY(ApplicationsMenuFile().endsWith("/etc/xdg/menus/applications.menu"));
}

void TestApplicationsMenu::damagedMenuFileFallsBack()
{
    WriteStandardEntries();
    Write(".config/menus/applications.menu", "<Menu><Name>Broken</Name><Menu>");
    QCOMPARE(Names(m_menu.List(QString())), (QStringList{"Office/", "Programming/", "System Tools/"}));
}

QTEST_GUILESS_MAIN(TestApplicationsMenu)
#include "tst_applicationsmenu.moc"
