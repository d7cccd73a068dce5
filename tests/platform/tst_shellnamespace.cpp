// The name space behind the menus: what a folder lists and under which names, the order people
// expect, and the desktop files Quorix reads (recently used list, Internet shortcuts).
#include "platform/fake/fakeprintingsystem.h"
#include "platform/internetshortcut.h"
#include "platform/recentlyused.h"
#include "platform/scopedservice.h"
#include "platform/shellnamespace.h"
#include "foundation/desktopfolders.h"
#include "testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QStringList Names(const QList<ShellItem> &items)
{
    QStringList names;
    for (const ShellItem &item : items)
        names << item.displayName + (item.isFolder ? QStringLiteral("/") : QString());
    return names;
}

ShellItem Named(const QString &name, bool folder = false, int order = 0)
{
    ShellItem item;
    item.kind = folder ? ShellItemKind::Folder : ShellItemKind::File;
    item.displayName = name;
    item.location = QStringLiteral("/x/") + name;
    item.isFolder = folder;
    item.order = order;
    return item;
}

} // namespace

class TestShellNamespace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void desktopEntries_data();
    void desktopEntries();
    void listingLeavesHiddenEntriesOut();
    void unreadableFolder();
    void order_data();
    void order();
    void sortKeepsFoldersFirst();
    void parsePath_data();
    void parsePath();
    void trashAndPrinters();
    void trashShowsOriginalNames_data();
    void trashShowsOriginalNames();
    void recentlyUsed_data();
    void recentlyUsed();
    void internetShortcutRead_data();
    void internetShortcutRead();
    void internetShortcutWrite();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestShellNamespace::initTestCase()
{
    // GIO reads the desktop's name once.
    qputenv("XDG_CURRENT_DESKTOP", "TestDesk");
}

void TestShellNamespace::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestShellNamespace::cleanup()
{
    m_home.reset();
}

void TestShellNamespace::desktopEntries_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shownAs"); // empty: not listed

    const QByteArray head = "[Desktop Entry]\nType=Application\nExec=true\n";
    QTest::newRow("application") << head + "Name=Editor\nIcon=accessories-text-editor\n" << "Editor";
    QTest::newRow("no display") << head + "Name=Helper\nNoDisplay=true\n" << "";
    QTest::newRow("hidden") << head + "Name=Gone\nHidden=true\n" << "";
    QTest::newRow("only for another desktop") << head + "Name=Other\nOnlyShowIn=GNOME;\n" << "";
    QTest::newRow("only for this desktop") << head + "Name=Ours\nOnlyShowIn=TestDesk;\n" << "Ours";
    QTest::newRow("not for this desktop") << head + "Name=NotOurs\nNotShowIn=TestDesk;\n" << "";
    QTest::newRow("program missing")
        << QByteArray("[Desktop Entry]\nType=Application\nName=Ghost\nExec=no-such-program-x\n") << "";
    QTest::newRow("try-exec missing") << head + "Name=Try\nTryExec=no-such-program-x\n" << "";
    QTest::newRow("link") << QByteArray("[Desktop Entry]\nType=Link\nName=Web Site\nURL=https://example.org/\n")
                          << "Web Site";
    QTest::newRow("hidden link") << QByteArray("[Desktop Entry]\nType=Link\nName=W\nURL=https://e/\nNoDisplay=true\n")
                                 << "";
    QTest::newRow("broken file") << QByteArray("not a desktop file at all") << "";
}

void TestShellNamespace::desktopEntries()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shownAs);
    m_home->writeFile("apps/entry.desktop", content);
    const FolderListing listing = ListFolder(ParsePathToItem(m_home->path() + "/apps"));
    QVERIFY(listing.ok);
    if (shownAs.isEmpty()) {
        QVERIFY(listing.items.isEmpty());
        QCOMPARE(listing.suppressedNames, QStringList{"entry.desktop"});
        return;
    }
    QCOMPARE(Names(listing.items), QStringList{shownAs});
    QCOMPARE(listing.items[0].FileName(), QStringLiteral("entry.desktop"));
}

void TestShellNamespace::listingLeavesHiddenEntriesOut()
{
    for (const char *file : {"f/.hidden", "f/.config/x", "f/visible.txt", "f/sub/a"})
        m_home->writeFile(file, "x");
    const FolderListing listing = ListFolder(ParsePathToItem(m_home->path() + "/f"));
    QVERIFY(listing.ok);
    QList<ShellItem> items = listing.items;
    SortShellItems(items);
    QCOMPARE(Names(items), (QStringList{"sub/", "visible.txt"}));
    QCOMPARE(ListFolder(ParsePathToItem(m_home->path() + "/f"), ListFilter::FilesOnly).items.size(), 1);
}

void TestShellNamespace::unreadableFolder()
{
    QVERIFY(!ListFolder(ShellItem()).ok);
    ShellItem gone = Named("gone", true);
    gone.parsingPath = m_home->path() + "/gone";
    QVERIFY(!ListFolder(gone).ok);
}

void TestShellNamespace::order_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("numbers by value") << "file2" << "file10";
    QTest::newRow("case does not count") << "apple" << "Banana";
    QTest::newRow("case does not count, other way") << "Apple" << "banana";
    QTest::newRow("letters before later letters") << "Zebra 1" << "zebra 2";
    QTest::newRow("accents beside their letter") << "école" << "fichier";
    QTest::newRow("shorter first") << "a" << "a b";
}

void TestShellNamespace::order()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(CompareShellItems(Named(first), Named(second)) < 0);
    QVERIFY(CompareShellItems(Named(second), Named(first)) > 0);
    QList<ShellItem> items{Named(second), Named(first)};
    SortShellItems(items);
    QCOMPARE(Names(items), (QStringList{first, second}));
}

void TestShellNamespace::sortKeepsFoldersFirst()
{
    QList<ShellItem> items{Named("b.txt"), Named("Zfolder", true), Named("a.txt"), Named("afolder", true),
                           Named("same"), Named("Same")};
    SortShellItems(items);
    QCOMPARE(Names(items), (QStringList{"afolder/", "Zfolder/", "a.txt", "b.txt", "Same", "same"}));
    QList<ShellItem> byName = items;
    SortShellItemsByName(byName);
    QCOMPARE(Names(byName), (QStringList{"a.txt", "afolder/", "b.txt", "Same", "same", "Zfolder/"}));
    // Virtual folders keep their own order (drive letters) before names.
    QList<ShellItem> drives{Named("Zip", true, 3), Named("Alpha", true, 5), Named("Root", true, 0)};
    SortShellItems(drives);
    QCOMPARE(Names(drives), (QStringList{"Root/", "Zip/", "Alpha/"}));
}

void TestShellNamespace::parsePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("location"); // "~" for the test home

    QTest::newRow("folder gets its slash") << "~/dir" << int(ShellItemKind::Folder) << "~/dir/";
    QTest::newRow("file") << "~/dir/a.txt" << int(ShellItemKind::File) << "~/dir/a.txt";
    QTest::newRow("desktop entry") << "~/dir/app.desktop" << int(ShellItemKind::DesktopEntry) << "~/dir/app.desktop";
    QTest::newRow("missing") << "~/dir/none" << int(ShellItemKind::None) << "";
    QTest::newRow("relative") << "dir/a.txt" << int(ShellItemKind::None) << "";
    QTest::newRow("printers") << "shell:printers" << int(ShellItemKind::VirtualFolder) << "shell:printers";
    QTest::newRow("unknown virtual folder") << "shell:nothing" << int(ShellItemKind::None) << "";
}

void TestShellNamespace::parsePath()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    QFETCH(QString, location);
    m_home->writeFile("dir/a.txt", "x");
    m_home->writeFile("dir/app.desktop", "[Desktop Entry]\nType=Application\nName=App\nExec=true\n");
    const ShellItem item = ParsePathToItem(path.replace("~", m_home->path()));
    QCOMPARE(int(item.kind), kind);
    QCOMPARE(item.location, location.replace("~", m_home->path()));
}

void TestShellNamespace::trashShowsOriginalNames_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QByteArray>("info"); // empty: no record
    QTest::addColumn<QString>("shown");

    QTest::newRow("second file of that name") << "report.2.txt" << QByteArray("[Trash Info]\nPath=/home/u/report.txt\n")
                                              << "report.txt";
    QTest::newRow("percent-encoded") << "my notes.txt" << QByteArray("[Trash Info]\nPath=/home/u/My%20Notes.txt\n")
                                     << "My Notes.txt";
    QTest::newRow("not ASCII") << "x.txt" << QByteArray("[Trash Info]\nPath=/home/u/%C3%84rger.txt\n") << "Ärger.txt";
    QTest::newRow("relative to the volume") << "a.txt" << QByteArray("[Trash Info]\nPath=Docs/b.txt\n") << "b.txt";
    QTest::newRow("a folder") << "Old.1" << QByteArray("[Trash Info]\nPath=/home/u/Old%20Folder\n") << "Old Folder/";
    QTest::newRow("no record") << "lonely.txt" << QByteArray() << "lonely.txt";
    QTest::newRow("damaged record") << "bad.txt" << QByteArray("Path=/x/y.txt\n") << "bad.txt";
    QTest::newRow("record without a path") << "nop.txt" << QByteArray("[Trash Info]\nDeletionDate=2024-01-01\n")
                                           << "nop.txt";
    QTest::newRow("a path that names no file") << "dots.txt" << QByteArray("[Trash Info]\nPath=/home/..\n")
                                               << "dots.txt";
}

void TestShellNamespace::trashShowsOriginalNames()
{
    QFETCH(QString, onDisk);
    QFETCH(QByteArray, info);
    QFETCH(QString, shown);
    const QString trash = ".local/share/Trash/";
    if (shown.endsWith('/'))
        m_home->writeFile(trash + "files/" + onDisk + "/inside.txt", "x");
    else
        m_home->writeFile(trash + "files/" + onDisk, "x");
    if (!info.isEmpty())
        m_home->writeFile(trash + "info/" + onDisk + ".trashinfo", info);
    const QList<ShellItem> items = ListFolder(ParsePathToItem(QString::fromLatin1(kShellTrash))).items;
    QCOMPARE(Names(items), QStringList{shown});
    // It still opens the file in the trash.
    QCOMPARE(items[0].parsingPath, m_home->dataHome() + "/Trash/files/" + onDisk);
}

void TestShellNamespace::trashAndPrinters()
{
    m_home->writeFile(".local/share/Trash/files/letter.odt", "x");
    m_home->writeFile(".local/share/Trash/files/old folder/x", "x");
    m_home->writeFile(".local/share/Trash/info/letter.odt.trashinfo", "[Trash Info]\nPath=/home/u/letter.odt\n");
    QList<ShellItem> trash = ListFolder(ParsePathToItem(QString::fromLatin1(kShellTrash))).items;
    SortShellItems(trash);
    QCOMPARE(Names(trash), (QStringList{"old folder/", "letter.odt"}));
    QCOMPARE(int(trash[1].kind), int(ShellItemKind::TrashItem));

    FakePrintingSystem printingSystem({{"hp_lj", "LaserJet in the hall"}, {"pdf", ""}});
    ScopedService<PrintingSystem> usePrinters(printingSystem);
    const QList<ShellItem> printers = ListFolder(SpecialFolderItem(4)).items;
    QCOMPARE(Names(printers), (QStringList{"LaserJet in the hall", "pdf"}));
    QCOMPARE(printers[0].parsingPath, QStringLiteral("hp_lj"));
    QCOMPARE(printers[0].FileName(), QStringLiteral("hp_lj"));
}

void TestShellNamespace::recentlyUsed_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("entries"); // "path@seconds since 2024-01-01T00:00Z"

    const QByteArray head = "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\" "
                            "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\">\n";
    QTest::newRow("latest of the three times")
        << head + "<bookmark href=\"file:///a/b.txt\" added=\"2024-01-01T00:00:05Z\" "
                  "modified=\"2024-01-01T00:00:09.123456Z\" visited=\"2024-01-01T00:00:07Z\"><info/></bookmark>\n"
                  "</xbel>"
        << QStringList{"/a/b.txt@9.123"};
    QTest::newRow("escaped path") << head + "<bookmark href=\"file:///a/my%20letter%C3%A4.odt\" "
                                            "modified=\"2024-01-01T00:00:01Z\"/></xbel>"
                                  << QStringList{"/a/my letterä.odt@1"};
    QTest::newRow("only local files")
        << head + "<bookmark href=\"https://example.org/\" modified=\"2024-01-01T00:00:01Z\"/>"
                  "<bookmark href=\"trash:///x\" modified=\"2024-01-01T00:00:01Z\"/>"
                  "<bookmark href=\"relative/path\" modified=\"2024-01-01T00:00:01Z\"/>"
                  "<bookmark href=\"file:///ok\" modified=\"2024-01-01T00:00:02Z\"/></xbel>"
        << QStringList{"/ok@2"};
    QTest::newRow("a path twice keeps its latest use")
        << head + "<bookmark href=\"file:///x\" modified=\"2024-01-01T00:00:03Z\"/>"
                  "<bookmark href=\"file:///y\" modified=\"2024-01-01T00:00:01Z\"/>"
                  "<bookmark href=\"file:///x\" modified=\"2024-01-01T00:00:08Z\"/></xbel>"
        << QStringList{"/x@8", "/y@1"};
    QTest::newRow("damaged: what came before the damage")
        << head + "<bookmark href=\"file:///first\" modified=\"2024-01-01T00:00:01Z\"/>\n<bookmark href=\"file:///sec"
        << QStringList{"/first@1"};
    QTest::newRow("bad time") << head + "<bookmark href=\"file:///t\" modified=\"yesterday\"/></xbel>"
                              << QStringList{"/t@none"};
    QTest::newRow("not XML") << QByteArray("\x00\x01garbage", 9) << QStringList{};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void TestShellNamespace::recentlyUsed()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, entries);
    const qint64 base = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    QStringList actual;
    for (const RecentEntry &entry : ReadRecentlyUsed(xml)) {
        const QString time = entry.timeStamp == 0 ? QStringLiteral("none")
                                                  : QString::number((entry.timeStamp - base) / 1000.0);
        actual << entry.path + QLatin1Char('@') + time;
    }
    QCOMPARE(actual, entries);
}

void TestShellNamespace::internetShortcutRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("url");

    QTest::newRow("windows file") << QByteArray("[InternetShortcut]\r\nURL=https://example.org/a?b=c\r\n")
                                  << "https://example.org/a?b=c";
    QTest::newRow("any case, blanks") << QByteArray("[internetshortcut]\n  url = https://x.example/ \n")
                                      << "https://x.example/";
    QTest::newRow("other sections first") << QByteArray("[DEFAULT]\nBASEURL=https://wrong/\nURL=https://wrong2/\n"
                                                        "[InternetShortcut]\nIconIndex=0\nURL=https://right/\n")
                                          << "https://right/";
    QTest::newRow("first URL key wins") << QByteArray("[InternetShortcut]\nURL=https://one/\nURL=https://two/\n")
                                        << "https://one/";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[InternetShortcut]\nURL=https://bom/\n")
                                     << "https://bom/";
    QTest::newRow("latin-1 bytes") << QByteArray("[InternetShortcut]\nURL=https://caf\xE9.example/\n")
                                   << QStringLiteral("https://café.example/");
    QTest::newRow("old Mac line ends") << QByteArray("[InternetShortcut]\rURL=https://cr/\r") << "https://cr/";
    QTest::newRow("no section") << QByteArray("URL=https://nowhere/\n") << "";
    QTest::newRow("section never closed") << QByteArray("[InternetShortcut\nURL=https://open/\n")
                                          << "https://open/";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestShellNamespace::internetShortcutRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, url);
    QCOMPARE(ReadInternetShortcutData(content), url);
}

void TestShellNamespace::internetShortcutWrite()
{
    const QString file = m_home->path() + "/Site.url";
    QVERIFY(WriteInternetShortcut(file, "https://example.org/ä?x=1"));
    QCOMPARE(ReadInternetShortcut(file), QStringLiteral("https://example.org/ä?x=1"));
    QVERIFY(readWholeFile(file).startsWith("[InternetShortcut]\r\nURL="));
    // A line break would smuggle in keys of its own; the old file stays.
    QVERIFY(!WriteInternetShortcut(file, "https://a/\r\n[Other]\nx=1"));
    QVERIFY(!WriteInternetShortcut(file, "  "));
    QCOMPARE(ReadInternetShortcut(file), QStringLiteral("https://example.org/ä?x=1"));
    QVERIFY(ReadInternetShortcut(m_home->path() + "/missing.url").isEmpty());
}

QTEST_MAIN(TestShellNamespace)
#include "tst_shellnamespace.moc"
