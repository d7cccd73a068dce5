// What the user sees when a menu of the bar opens: which folder fills it, how many entries, in
// which order, under which names, and that it shows what the folder holds at the moment it opens.
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "menus/menubuilder.h"
#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "platform/fake/fakeapplicationsmenu.h"
#include "platform/fake/fakeprintingsystem.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "platform/shellnamespace.h"
#include "menuprobe.h"
#include "testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QUrl>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

#include <unistd.h>

namespace {

TBMenuSubItem *Submenu(const QWidget *menu, const QString &caption)
{
    for (const QAction *action : menu->actions()) {
        if (action->text() == caption)
            return qobject_cast<TBMenuSubItem *>(action->menu());
    }
    return nullptr;
}

TBMenuItem *Item(const QWidget *menu, const QString &caption)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == caption)
            return qobject_cast<TBMenuItem *>(action);
    }
    return nullptr;
}

// Opens a submenu the way the toolkit does before showing it.
TBMenuSubItem *Open(TBMenuSubItem *menu)
{
    if (menu)
        Q_EMIT menu->aboutToShow();
    return menu;
}

QByteArray Entry(const QString &fields)
{
    return fields.toUtf8();
}

QByteArray DesktopFile(const QString &name, const QString &extra = {})
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\n%2").arg(name, extra).toUtf8();
}

} // namespace

class TestMenuBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void fillerChoice_data();
    void fillerChoice();
    void limitsCountFoldersAndFiles_data();
    void limitsCountFoldersAndFiles();
    void hiddenEntriesDoNotShortenABigFolder_data();
    void hiddenEntriesDoNotShortenABigFolder();
    void linksAreFollowedOtherFilesLeftOut();
    void maskIsInheritedBySubfolders();
    void expandedEntriesUseTheirMaskAndLimit();
    void mergedFolderShowsUserCopyOnce();
    void mergedSubfolderMergesAgain();
    void userHiddenEntryHidesSystemCopy();
    void programsFollowTheApplicationsMenu_data();
    void programsFollowTheApplicationsMenu();
    void recentFiles_data();
    void recentFiles();
    void ampersands();
    void unreadableFolderSaysSo();
    void fileCreatedBetweenOpeningsAppears();
    void customMenuContainingItselfIsBuiltOnce();
    void generateKeepsTheBarsOwnEntries();
    void iconsFollowTheRules();

private:
    QString Root() const { return m_home->path(); }
    void WriteDefinitions(const QByteArray &text);
    QMenuBar *Generate();

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MenuBuilder> m_builder;
    std::unique_ptr<QMenuBar> m_bar;
    std::unique_ptr<FakeSystemSource> m_machine;
    std::unique_ptr<ScopedService<SystemSource>> m_useMachine;
    FakePrintingSystem m_printers{{{"laser", "Office Laser"}, {"ink", ""}}};
    std::unique_ptr<ScopedService<PrintingSystem>> m_usePrinters;
};

void TestMenuBuilder::initTestCase()
{
    // The private home moves XDG_DATA_DIRS away from the system's icon themes.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    SetUpIconTheme();
}

void TestMenuBuilder::init()
{
    m_home = std::make_unique<TestHome>();
    m_home->writeFile(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n");
    for (const char *file : {"Docs/b.txt", "Docs/a.txt", "Docs/Sub/inner.txt", "Docs/.hidden.txt", "Docs/c.odt"})
        m_home->writeFile(file, "x");
    m_home->writeFile(".local/share/Trash/files/old.txt", "x");
    m_home->writeFile(".local/share/Brenmoor/Quorix/Favorites/Site.url",
                      "[InternetShortcut]\nURL=https://a.example/\n");
    m_home->writeFile(".local/share/Brenmoor/Quorix/Favorites/notes.txt", "x");
    m_home->writeFile(".local/share/applications/mine.desktop", DesktopFile("My Tool"));
    m_home->writeFile("usr/share/applications/system.desktop", DesktopFile("System Tool"));
    m_machine = std::make_unique<FakeSystemSource>();
    m_machine->drives = {{'C', "/", "/dev/sda1", "", DriveType::Fixed},
                       {'D', Root() + "/data/", "/dev/sdb1", "Data", DriveType::Fixed},
                       {'E', {}, "/dev/sr0", "", DriveType::CdRom}};
    m_useMachine = std::make_unique<ScopedService<SystemSource>>(*m_machine);
    m_usePrinters = std::make_unique<ScopedService<PrintingSystem>>(m_printers);
    m_builder = std::make_unique<MenuBuilder>();
    m_builder->SetMaxNumber(125);
    m_builder->SetDefinitionsFile(Root() + "/menusettings.ini");
}

void TestMenuBuilder::cleanup()
{
    m_bar.reset();
    m_builder.reset();
    m_usePrinters.reset();
    m_useMachine.reset();
    m_machine.reset();
    m_home.reset();
}

void TestMenuBuilder::WriteDefinitions(const QByteArray &text)
{
    m_home->writeFile("menusettings.ini", text);
}

QMenuBar *TestMenuBuilder::Generate()
{
    if (!m_bar) {
        m_bar = std::make_unique<QMenuBar>();
        m_bar->addAction("icon");
        m_bar->addMenu("&Main");
    }
    m_builder->GenerateMenu(m_bar.get(), 2);
    return m_bar.get();
}

void TestMenuBuilder::fillerChoice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("folder path") << "~/Docs" << QStringList{"Sub>", "a.txt", "b.txt", "c.odt"};
    QTest::newRow("macro") << "$MYDOC$" << QStringList{"Sub>", "a.txt", "b.txt", "c.odt"};
    QTest::newRow("macro with subfolder, Windows separator") << "$MYDOC$\\Sub" << QStringList{"inner.txt"};
    QTest::newRow("environment reference") << "%HOME%/Docs/Sub" << QStringList{"inner.txt"};
    QTest::newRow("custom menu") << "$CUSMENUS$\\Tools" << QStringList{"&Editor", "-"};
    QTest::newRow("custom menu name in any case") << "$CUSMENUS$/tools" << QStringList{"&Editor", "-"};
    QTest::newRow("header is no custom menu") << "$CUSMENUS$/header" << QStringList{};
    QTest::newRow("custom menu without a name") << "$CUSMENUS$" << QStringList{};
    QTest::newRow("printers") << "$PRINTERS$" << QStringList{"ink", "Office Laser"};
    QTest::newRow("trash") << "$RECYCLE$" << QStringList{"old.txt"};
    QTest::newRow("my computer") << "$MYCOMPUTER$" << QStringList{"File System>", "Home>", "Data (D:)>"};
    QTest::newRow("network without remote drives") << "$NETWORK$" << QStringList{};
    QTest::newRow("programs: the applications menu") << "$PROGRAMS$" << QStringList{"Other>"};
    QTest::newRow("programs: a category") << "$PROGRAMS$\\Other" << QStringList{"My Tool", "System Tool"};
    QTest::newRow("favorites show internet shortcuts only, after the URL commands")
        << "$URLS$" << QStringList{"Add URL...", "Manage URL's...", "-", "Site.url"};
    QTest::newRow("notes over an empty store") << "$NOTES$" << QStringList{"Add Note...", "-"};
    QTest::newRow("contacts without a book") << "$CONTACTS$" << QStringList{"Error: Address Book Not Found"};
    QTest::newRow("missing folder") << "~/nothing" << QStringList{};
    QTest::newRow("unknown alias") << "$NOALIAS$/x" << QStringList{};
    QTest::newRow("undefined environment reference") << "%NO_SUCH_VARIABLE_HERE%/x" << QStringList{};
}

void TestMenuBuilder::fillerChoice()
{
    QFETCH(QString, path);
    QFETCH(QStringList, captions);
    QDir().mkpath(Root() + "/data");
    path.replace("~", Root());
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"F\"; path:\"%1\";\n"
                                          "[Tools]\nitem0000=active:\"1\"; itemtype:\"1\"; name:\"&Editor\"; "
                                          "path:\"vim\";\n"
                                          "item0001=active:\"1\"; itemtype:\"2\";\n"
                                          "[header]\nitem0000=active:\"1\"; itemtype:\"1\"; name:\"H\"; path:\"h\";\n")
                               .arg(path)));
    QMenuBar *bar = Generate();
    QCOMPARE(Captions(bar).mid(2), QStringList{"F>"});
    QCOMPARE(Captions(Open(Submenu(bar, "F"))), captions);
}

void TestMenuBuilder::limitsCountFoldersAndFiles_data()
{
    QTest::addColumn<QString>("maxitems");
    QTest::addColumn<int>("maxNumber");
    QTest::addColumn<int>("shown");

    QTest::newRow("maxnumber") << "-1" << 125 << 125;
    QTest::newRow("smaller maxnumber") << "-1" << 7 << 7;
    QTest::newRow("own limit") << "10" << 125 << 10;
    QTest::newRow("0: everything") << "0" << 125 << 203;
    QTest::newRow("other negative: everything") << "-3" << 125 << 203;
    QTest::newRow("not a number: maxnumber") << "lots" << 50 << 50;
}

void TestMenuBuilder::limitsCountFoldersAndFiles()
{
    QFETCH(QString, maxitems);
    QFETCH(int, maxNumber);
    QFETCH(int, shown);
    for (int i = 0; i < 200; ++i)
        m_home->writeFile(QStringLiteral("big/file%1.txt").arg(i), "x");
    for (const char *folder : {"big/zz", "big/yy", "big/xx"})
        QDir().mkpath(Root() + "/" + folder);
    m_builder->SetMaxNumber(maxNumber);
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Big\"; "
                                          "path:\"%1/big\"; "
                                          "maxitems:\"%2\";\n")
                               .arg(Root(), maxitems)));
    const QStringList captions = Captions(Open(Submenu(Generate(), "Big")));
    QCOMPARE(captions.size(), shown);
    // Folders first (and counted), then files in numeric order.
    QCOMPARE(captions.mid(0, 5), (QStringList{"xx>", "yy>", "zz>", "file0.txt", "file1.txt"}));
    if (shown < 203)
        QCOMPARE(captions.last(), QStringLiteral("file%1.txt").arg(shown - 4));
}

void TestMenuBuilder::hiddenEntriesDoNotShortenABigFolder_data()
{
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("shown");

    QTest::newRow("the first twenty in name order hidden") << 20 << 10 << 5 << 5;
    QTest::newRow("nothing hidden") << 0 << 30 << 5 << 5;
    QTest::newRow("fewer visible than the limit") << 40 << 3 << 5 << 3;
}

// A folder of more desktop entries than the menu shows: the menu is filled with the first visible
// ones in file-name order, however many hidden entries come before them.
void TestMenuBuilder::hiddenEntriesDoNotShortenABigFolder()
{
    QFETCH(int, hidden);
    QFETCH(int, visible);
    QFETCH(int, limit);
    QFETCH(int, shown);
    for (int i = 0; i < hidden; ++i)
        m_home->writeFile(QStringLiteral("apps/a%1.desktop").arg(i, 2, 10, QLatin1Char('0')),
                          DesktopFile(QStringLiteral("Hidden %1").arg(i), QStringLiteral("NoDisplay=true\n")));
    for (int i = 0; i < visible; ++i)
        m_home->writeFile(QStringLiteral("apps/b%1.desktop").arg(i, 2, 10, QLatin1Char('0')),
                          DesktopFile(QStringLiteral("Visible %1").arg(i, 2, 10, QLatin1Char('0'))));
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Apps\"; "
                                          "path:\"%1/apps\"; maxitems:\"%2\";\n")
                               .arg(Root())
                               .arg(limit)));
    QStringList expected;
    for (int i = 0; i < shown; ++i)
        expected << QStringLiteral("b%1.desktop").arg(i, 2, 10, QLatin1Char('0')); // untrusted: named by file
    QCOMPARE(Captions(Open(Submenu(Generate(), "Apps"))), expected);
}

// Links to files and folders are listed as what they point to; broken links, FIFOs and sockets
// are not listed at all.
void TestMenuBuilder::linksAreFollowedOtherFilesLeftOut()
{
    m_home->writeFile("l/target/inside.txt", "x");
    m_home->writeFile("l/plain.txt", "x");
    const QString folder = Root() + "/l";
    QVERIFY(QFile::link(folder + "/target", folder + "/folder link"));
    QVERIFY(QFile::link(folder + "/plain.txt", folder + "/file link.txt"));
    QVERIFY(QFile::link(folder + "/gone.txt", folder + "/broken link.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder + "/pipe").constData(), 0600), 0);
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"L\"; "
                                          "path:\"%1/l\";\n")
                               .arg(Root())));
    QCOMPARE(Captions(Open(Submenu(Generate(), "L"))),
             (QStringList{"folder link>", "target>", "file link.txt", "plain.txt"}));
}

void TestMenuBuilder::maskIsInheritedBySubfolders()
{
    for (const char *file : {"m/setup.exe", "m/SETUP2.EXE", "m/readme.txt", "m/sub/tool.exe", "m/sub/tool.txt"})
        m_home->writeFile(file, "x");
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"M\"; path:\"%1/m\"; "
                                          "mask:\"*.exe\";\n")
                               .arg(Root())));
    TBMenuSubItem *menu = Open(Submenu(Generate(), "M"));
    QCOMPARE(Captions(menu), (QStringList{"sub>", "setup.exe"})); // the mask is case-sensitive
    QCOMPARE(Captions(Open(Submenu(menu, "sub"))), QStringList{"tool.exe"});
}

void TestMenuBuilder::expandedEntriesUseTheirMaskAndLimit()
{
    for (const char *file : {"e/1.txt", "e/2.txt", "e/3.txt", "e/4.odt"})
        m_home->writeFile(file, "x");
    WriteDefinitions(Entry(QStringLiteral(
                               "[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; path:\"%1/e\"; mask:\"*.txt\"; "
                               "maxitems:\"2\"; expanded:\"1\";\n"
                               "item0001=active:\"1\"; itemtype:\"0\"; name:\"C\"; path:\"$CUSMENUS$/Inner\"; "
                               "mask:\"*.odt\"; maxitems:\"5\";\n"
                               "[Inner]\nitem0000=active:\"1\"; itemtype:\"0\"; path:\"%1/e\"; mask:\"*.txt\"; "
                               "maxitems:\"1\"; expanded:\"1\";\n")
                               .arg(Root())));
    QMenuBar *bar = Generate();
    // On the bar itself the entry's own mask and limit apply.
    QCOMPARE(Captions(bar).mid(2), (QStringList{"1.txt", "2.txt", "C>"}));
    // Inside a custom menu those of the folder entry that shows it.
    QCOMPARE(Captions(Open(Submenu(bar, "C"))), QStringList{"4.odt"});
}

void TestMenuBuilder::mergedFolderShowsUserCopyOnce()
{
    m_home->writeFile(".local/share/applications/editor.desktop", DesktopFile("Editor (mine)", "Categories=Office;\n"));
    m_home->writeFile("usr/share/applications/editor.desktop", DesktopFile("Editor (system)", "Categories=Office;\n"));
    m_home->writeFile("usr/share/applications/hidden.desktop", DesktopFile("Hidden", "NoDisplay=true\n"));
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"P\"; path:\"$PROGRAMS$\";\n");
    TBMenuSubItem *menu = Open(Submenu(Generate(), "P"));
    QCOMPARE(Captions(menu), (QStringList{"Office>", "Other>"}));
    TBMenuSubItem *office = Open(Submenu(menu, "Office"));
    QCOMPARE(Captions(office), QStringList{"Editor (mine)"});
    TBMenuItem *editor = Item(office, "Editor (mine)");
    QCOMPARE(editor->Path(), m_home->dataHome() + "/applications/editor.desktop");

    RecordingLauncher launcher;

    ScopedService<Launcher> useLauncher(launcher);
    editor->trigger();
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records()[0].action, QStringLiteral("desktop-entry"));
    QCOMPARE(launcher.Records()[0].target, m_home->dataHome() + "/applications/editor.desktop");
}

void TestMenuBuilder::mergedSubfolderMergesAgain()
{
    m_home->writeFile(".local/share/applications/a.desktop", DesktopFile("A", "Categories=Game;\n"));
    m_home->writeFile("usr/share/applications/b.desktop", DesktopFile("B", "Categories=Game;BoardGame;\n"));
    m_home->writeFile("usr/share/applications/a.desktop", DesktopFile("A (system)", "Categories=Game;\n"));
    m_home->writeFile("usr/share/applications/mimeinfo.cache", "[MIME Cache]\ntext/plain=b.desktop;\n");
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"P\"; path:\"$PROGRAMS$\";\n");
    TBMenuSubItem *menu = Open(Submenu(Generate(), "P"));
    QCOMPARE(Captions(menu).first(), QStringLiteral("Games>"));
    TBMenuSubItem *games = Submenu(menu, "Games");
    QCOMPARE(games->Path(), QStringLiteral("$PROGRAMS$/Games"));
    QCOMPARE(Captions(Open(games)), (QStringList{"A", "B"}));
    QCOMPARE(Item(games, "B")->Path(), m_home->path() + "/usr/share/applications/b.desktop");
}

void TestMenuBuilder::userHiddenEntryHidesSystemCopy()
{
    m_home->writeFile(".local/share/applications/system.desktop", DesktopFile("System Tool", "Hidden=true\n"));
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"P\"; path:\"$PROGRAMS$\";\n");
    TBMenuSubItem *menu = Open(Submenu(Generate(), "P"));
    QCOMPARE(Captions(Open(Submenu(menu, "Other"))), QStringList{"My Tool"});
}

void TestMenuBuilder::programsFollowTheApplicationsMenu_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("maxNumber");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("asked");

    QTest::newRow("top") << "$PROGRAMS$" << 125 << QStringList{"Games>", "Office>", "Calculator"} << QStringList{""};
    QTest::newRow("a category") << "$PROGRAMS$\\Office" << 125 << QStringList{"Letters>", "Sheet", "Writer"}
                                << QStringList{"Office/"};
    QTest::newRow("a folder in a category") << "$PROGRAMS$/Office/Letters" << 125 << QStringList{"Mail Merge"}
                                            << QStringList{"Office/Letters/"};
    QTest::newRow("maxnumber applies in each folder") << "$PROGRAMS$/Office" << 2 << QStringList{"Letters>", "Sheet"}
                                                      << QStringList{"Office/"};
    QTest::newRow("no such category") << "$PROGRAMS$/Nothing" << 125 << QStringList{} << QStringList{"Nothing/"};
}

void TestMenuBuilder::programsFollowTheApplicationsMenu()
{
    QFETCH(QString, path);
    QFETCH(int, maxNumber);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, asked);
    // The applications' entries are real files in an applications folder: only such entries run.
    const auto app = [this](const QString &file, const QString &name) {
        return m_home->writeFile(".local/share/applications/" + file, DesktopFile(name));
    };
    FakeApplicationsMenu applications;
    applications.AddApplication("Office", app("writer.desktop", "Writer"), "Writer");
    applications.AddApplication("Office", app("sheet.desktop", "Sheet"), "Sheet");
    applications.AddApplication("Office/Letters", app("merge.desktop", "Mail Merge"), "Mail Merge");
    applications.AddApplication("Games", app("chess.desktop", "Chess"), "Chess");
    applications.AddApplication("", app("calc.desktop", "Calculator"), "Calculator");
    ScopedService<ApplicationsMenu> useApplications(applications);
    m_builder->SetMaxNumber(maxNumber);
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"P\"; path:\"%1\";\n")
                               .arg(path)));
    TBMenuSubItem *menu = Open(Submenu(Generate(), "P"));
    QCOMPARE(Captions(menu), captions);
    QCOMPARE(applications.requests, asked);
    if (captions.isEmpty())
        return;
    // Folders open as Programs paths again; applications start their own desktop entry.
    if (TBMenuSubItem *folder = qobject_cast<TBMenuSubItem *>(menu->actions().first()->menu()))
        QVERIFY(folder->Path().startsWith("$PROGRAMS$/"));
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    menu->actions().last()->trigger();
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records()[0].action, QStringLiteral("desktop-entry"));
    QVERIFY(launcher.Records()[0].target.startsWith(m_home->dataHome() + "/applications/"));
}

void TestMenuBuilder::recentFiles_data()
{
    QTest::addColumn<QString>("maxitems");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("captions");

    // Used (newest first): n15 ... n1; n13 and n9 are gone; "b-old" is the oldest of all.
    QTest::newRow("the 5 newest, by name")
        << "5" << "" << QStringList{"n10.txt", "n11.odt", "n12.txt", "n14.odt", "n15.txt"};
    QTest::newRow("mask on the file's own name") << "3" << "*.odt"
                                                 << QStringList{"n8.odt", "n11.odt", "n14.odt"};
    QTest::newRow("no limit") << "0" << "*.pdf" << QStringList{"b-old.pdf", "n1.pdf"};
}

void TestMenuBuilder::recentFiles()
{
    QFETCH(QString, maxitems);
    QFETCH(QString, mask);
    QFETCH(QStringList, captions);
    QString xml = "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\">\n";
    const QDateTime base(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    auto add = [&](const QString &name, int minutes, bool exists) {
        const QString path = Root() + "/recent/" + name;
        if (exists)
            m_home->writeFile(path, "x");
        xml += QStringLiteral("<bookmark href=\"%1\" added=\"%2\" modified=\"%2\" visited=\"%2\"/>\n")
                   .arg(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded),
                        base.addSecs(minutes * 60).toString(Qt::ISODate));
    };
    for (int i = 1; i <= 15; ++i) {
        const QString extension = i % 3 == 2 ? ".odt" : (i == 1 ? ".pdf" : ".txt");
        add(QStringLiteral("n%1%2").arg(i).arg(extension), i, i != 13 && i != 9);
    }
    add("b-old.pdf", -100, true);
    xml += "<bookmark href=\"https://not.a.file/\" modified=\"2030-01-01T00:00:00Z\"/>\n</xbel>\n";
    m_home->writeFile(".local/share/recently-used.xbel", xml.toUtf8());
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"R\"; "
                                          "path:\"$RECENTFILES$\"; maxitems:\"%1\"; mask:\"%2\";\n")
                               .arg(maxitems, mask)));
    TBMenuSubItem *menu = Open(Submenu(Generate(), "R"));
    QCOMPARE(Captions(menu), captions);

    RecordingLauncher launcher;

    ScopedService<Launcher> useLauncher(launcher);
    Item(menu, captions.first())->trigger();
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records()[0].target,
             QUrl::fromLocalFile(Root() + "/recent/" + captions.first()).toString(QUrl::FullyEncoded));
}

void TestMenuBuilder::unreadableFolderSaysSo()
{
    m_home->writeFile("locked/inner.txt", "x");
    m_home->writeFile("locked/Gone/x.txt", "x");
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"L\"; path:\"%1/locked\";\n")
                               .arg(Root())));
    TBMenuSubItem *menu = Open(Submenu(Generate(), "L"));
    TBMenuSubItem *gone = Submenu(menu, "Gone");
    QVERIFY(gone);
    // A folder that went away (or that the user may not read) says so instead of staying empty.
    QDir(Root() + "/locked/Gone").removeRecursively();
    QCOMPARE(Captions(Open(gone)), QStringList{kUnreadableFolderCaption});
    QVERIFY(!gone->actions().first()->isEnabled());
    if (::geteuid() == 0)
        return; // permissions do not stop the superuser
    QFile::setPermissions(Root() + "/locked", QFileDevice::Permissions());
    const auto unlock = qScopeGuard([this] { QFile::setPermissions(Root() + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });
    QCOMPARE(Captions(Open(menu)), QStringList{kUnreadableFolderCaption});
}

void TestMenuBuilder::ampersands()
{
    m_home->writeFile("amp/Tom & Jerry.txt", "x");
    QDir().mkpath(Root() + "/amp/R&D");
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"&Amp && Co\"; "
                                          "path:\"%1/amp\";\n")
                               .arg(Root())));
    QMenuBar *bar = Generate();
    QCOMPARE(Captions(bar).mid(2), QStringList{"&Amp && Co>"}); // a definition's "&" stays an accelerator
    TBMenuSubItem *menu = Open(Submenu(bar, "&Amp && Co"));
    QCOMPARE(Captions(menu), (QStringList{"R&&D>", "Tom && Jerry.txt"}));
}

void TestMenuBuilder::fileCreatedBetweenOpeningsAppears()
{
    WriteDefinitions(Entry(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"D\"; "
                                          "path:\"%1/Docs\";\n")
                               .arg(Root())));
    TBMenuSubItem *menu = Submenu(Generate(), "D");
    QCOMPARE(Captions(Open(menu)), (QStringList{"Sub>", "a.txt", "b.txt", "c.odt"}));
    QPointer<QMenu> oldSub = Submenu(menu, "Sub");
    m_home->writeFile("Docs/aa new.txt", "x");
    QFile::remove(Root() + "/Docs/b.txt");
    QCOMPARE(Captions(Open(menu)), (QStringList{"Sub>", "a.txt", "aa new.txt", "c.odt"}));
    QVERIFY(oldSub.isNull()); // the old entries are gone, not hidden
}

void TestMenuBuilder::customMenuContainingItselfIsBuiltOnce()
{
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; path:\"$CUSMENUS$/Loop\"; expanded:\"1\";\n"
                     "item0001=active:\"1\"; itemtype:\"0\"; name:\"L\"; path:\"$CUSMENUS$/Loop\";\n"
                     "[Loop]\nitem0000=active:\"1\"; itemtype:\"1\"; name:\"x\"; path:\"x\";\n"
                     "item0001=active:\"1\"; itemtype:\"0\"; path:\"$CUSMENUS$/loop\"; expanded:\"1\";\n"
                     "item0002=active:\"1\"; itemtype:\"0\"; path:\"$CUSMENUS$/menu\"; expanded:\"1\";\n");
    QMenuBar *bar = Generate();
    QCOMPARE(Captions(bar).mid(2), (QStringList{"x", "L>"}));
    QCOMPARE(Captions(Open(Submenu(bar, "L"))), (QStringList{"x", "L>"}));
}

void TestMenuBuilder::generateKeepsTheBarsOwnEntries()
{
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"A\"; path:\"/\";\n"
                     "item0001=active:\"0\"; itemtype:\"0\"; name:\"Off\"; path:\"/\";\n"
                     "item0002=active:\"1\"; itemtype:\"2\";\n"
                     "item0003=active:\"1\"; itemtype:\"1\"; name:\"B\"; path:\"vim\";\n");
    QCOMPARE(Captions(Generate()), (QStringList{"icon", "&Main>", "A>", "-", "B"}));
    WriteDefinitions("[menu]\nitem0000=active:\"1\"; itemtype:\"1\"; name:\"C\"; path:\"vim\";\n");
    QCOMPARE(Captions(Generate()), (QStringList{"icon", "&Main>", "C"}));
}

void TestMenuBuilder::iconsFollowTheRules()
{
    m_home->writeFile("icons/own.png", "");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(Root() + "/icons/own.png"));
    WriteDefinitions(Entry(QStringLiteral(
                               "[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Top\"; path:\"$CUSMENUS$/T\";\n"
                               "[T]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Folder\"; path:\"%1/Docs\";\n"
                               "item0001=active:\"1\"; itemtype:\"1\"; name:\"Own\"; path:\"%1/Docs/a.txt\"; "
                               "iconfile:\"%1/icons/own.png\";\n"
                               "item0002=active:\"1\"; itemtype:\"1\"; name:\"Macro\"; path:\"$MYDOC$\";\n"
                               "item0003=active:\"1\"; itemtype:\"1\"; name:\"Missing icon file\"; "
                               "path:\"%1/Docs/a.txt\"; iconfile:\"%1/icons/none.png\";\n")
                               .arg(Root())));
    QMenuBar *bar = Generate();
    TBMenuSubItem *top = Submenu(bar, "Top");
    QVERIFY(top->icon().isNull()); // no icons on the bar itself
    Open(top);
    QVERIFY(!Submenu(top, "Folder")->icon().isNull());
    const QImage own = Item(top, "Own")->icon().pixmap(16, 16).toImage();
    QCOMPARE(own.pixelColor(8, 8), QColor(Qt::red));
    QVERIFY(Item(top, "Macro")->icon().isNull());
    QVERIFY(Item(top, "Missing icon file")->icon().cacheKey() != Item(top, "Own")->icon().cacheKey());

    m_builder->SetShowIcons(false);
    Open(Submenu(Generate(), "Top"));
    for (QAction *action : Submenu(bar, "Top")->actions())
        QVERIFY2(action->icon().isNull(), qPrintable(action->text()));
}

QTEST_MAIN(TestMenuBuilder)
#include "tst_menubuilder.moc"
