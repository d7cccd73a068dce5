// Files anyone can put where the menus look: a FIFO or a huge file named like a desktop entry, an
// icon or a bookmark list must not freeze the bar, and a file must not pass for what it is not
// when it is chosen. Also the one-bar-per-display lock's key.
#include "platform/fake/recordinglauncher.h"
#include "platform/internetshortcut.h"
#include "platform/launcher.h"
#include "platform/launchtrust.h"
#include "platform/linux/desktopentry.h"
#include "platform/recentlyused.h"
#include "platform/regularfile.h"
#include "platform/scopedservice.h"
#include "platform/shellnamespace.h"
#include "platform/singleinstance.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

// A FIFO nobody writes to: opening it for reading the usual way waits forever.
QString MakeFifo(const TestHome &home, const QString &relativePath)
{
    const QString path = home.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        return {};
    return path;
}

void MakeExecutable(const QString &path, bool executable)
{
    QFile::setPermissions(path, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner);
}

const QByteArray kApplication = "[Desktop Entry]\nType=Application\nName=Holiday photo.jpg\nExec=true\n";

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void displayLockKey_data();
    void displayLockKey();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void fifoAndHugeFilesAreNoDesktopEntries();
    void fifoIconIsNotOpened();
    void fifoBookmarksAndShortcuts();
    void unreadListingReadsOnDemand();
    void namesThatClaimADocument_data();
    void namesThatClaimADocument();
    void desktopEntriesLaunchOnlyWhenTrusted_data();
    void desktopEntriesLaunchOnlyWhenTrusted();
    void programsRunOnlyWhenNotPosingAsDocuments_data();
    void programsRunOnlyWhenNotPosingAsDocuments();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestHostileFiles::initTestCase()
{
    // GIO loads the system's MIME database once, before the private home hides it.
    QVERIFY(NameClaimsDocument(QStringLiteral("warm-up.jpg")));
}

void TestHostileFiles::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestHostileFiles::cleanup()
{
    m_home.reset();
}

void TestHostileFiles::displayLockKey_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << ":0" << "local-0";
    QTest::newRow("with screen") << ":0.0" << "local-0";
    QTest::newRow("unix") << "unix:0" << "local-0";
    QTest::newRow("localhost") << "localhost:0.1" << "local-0";
    QTest::newRow("leading zero") << ":00" << "local-0";
    QTest::newRow("socket path") << "/tmp/.X11-unix/X3" << "local-3";
    QTest::newRow("host/unix") << "box/unix:1" << "local-1";
    QTest::newRow("other display") << ":1" << "local-1";
    QTest::newRow("remote") << "Build-Server:10.0" << "build-server-10";
    QTest::newRow("remote path characters") << "a/b:c:2" << "b_c-2";
    QTest::newRow("empty") << "" << "none";
    QTest::newRow("garbage") << "no display" << "none";
    QTest::newRow("no number") << ":x" << "none";
}

void TestHostileFiles::displayLockKey()
{
    QFETCH(QString, display);
    QFETCH(QString, key);
    QCOMPARE(DisplayLockKey(display), key);
}

void TestHostileFiles::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("ok");
    QTest::newRow("small file") << "file" << true;
    QTest::newRow("at the cap") << "cap" << true;
    QTest::newRow("over the cap") << "large" << false;
    QTest::newRow("fifo") << "fifo" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("device") << "device" << false;
}

void TestHostileFiles::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, ok);
    const qint64 cap = 1024;
    QString path;
    if (kind == "file")
        path = m_home->writeFile("f", "hello");
    else if (kind == "cap")
        path = m_home->writeFile("f", QByteArray(cap, 'x'));
    else if (kind == "large")
        path = m_home->writeFile("f", QByteArray(cap + 1, 'x'));
    else if (kind == "fifo")
        path = MakeFifo(*m_home, "pipe");
    else if (kind == "folder")
        path = m_home->path();
    else if (kind == "missing")
        path = m_home->path() + "/none";
    else
        path = QStringLiteral("/dev/zero");
    QVERIFY(!path.isEmpty());
    const RegularFileRead read = ReadRegularFile(path, cap);
    QCOMPARE(read.ok, ok);
    QCOMPARE(IsSmallRegularFile(path, cap), ok);
    if (ok)
        QCOMPARE(read.data, readWholeFile(path));
    else
        QVERIFY(!read.error.isEmpty());
}

void TestHostileFiles::fifoAndHugeFilesAreNoDesktopEntries()
{
    const QString fifo = MakeFifo(*m_home, "apps/pipe.desktop");
    QCOMPARE(ReadDesktopEntry(fifo).kind, DesktopEntryInfo::Invalid);
    QByteArray huge = kApplication + "Comment=" + QByteArray(kMaxDesktopEntrySize, 'x') + "\n";
    QCOMPARE(ReadDesktopEntry(m_home->writeFile("apps/huge.desktop", huge)).kind, DesktopEntryInfo::Invalid);
    QCOMPARE(ReadDesktopEntry(m_home->writeFile("apps/fine.desktop", kApplication)).kind,
             DesktopEntryInfo::Application);
    // The folder lists the good entry; the pipe and the giant are not entries at all.
    const FolderListing listing = ListFolder(ParsePathToItem(m_home->path() + "/apps"));
    QVERIFY(listing.ok);
    QCOMPARE(listing.items.size(), 1);
    QCOMPARE(listing.items[0].displayName, QStringLiteral("Holiday photo.jpg"));
}

void TestHostileFiles::fifoIconIsNotOpened()
{
    const QString fifo = MakeFifo(*m_home, "icons/pipe.png");
    m_home->writeFile("apps/entry.desktop", kApplication + "Icon=" + fifo.toUtf8() + "\n");
    const FolderListing listing = ListFolder(ParsePathToItem(m_home->path() + "/apps"));
    QCOMPARE(listing.items.size(), 1);
    QCOMPARE(listing.items[0].iconName, fifo);
    // The entry's own icon is refused unopened; the entry still gets the application icon.
    const QIcon icon = ShellItemIcon(listing.items[0]);
    Q_UNUSED(icon)
    QVERIFY(!IsSmallRegularFile(fifo, kMaxIconFileSize));
}

void TestHostileFiles::fifoBookmarksAndShortcuts()
{
    const QString recent = MakeFifo(*m_home, "recently-used.xbel");
    QVERIFY(ReadRecentlyUsedFile(recent).isEmpty());
    QVERIFY(ReadInternetShortcut(MakeFifo(*m_home, "site.url")).isEmpty());
    const QByteArray bigShortcut = "[InternetShortcut]\nURL=https://example.org/\n" + QByteArray(kMaxDesktopEntrySize, ';');
    QVERIFY(ReadInternetShortcut(m_home->writeFile("big.url", bigShortcut)).isEmpty());
    QCOMPARE(ReadInternetShortcut(m_home->writeFile("ok.url", "[InternetShortcut]\nURL=https://example.org/\n")),
             QStringLiteral("https://example.org/"));
    // A recently used desktop entry that is really a pipe is a plain file, read by nobody.
    const QString pipeEntry = MakeFifo(*m_home, "docs/trap.desktop");
    const ShellItem item = ParsePathToItem(pipeEntry);
    QCOMPARE(item.kind, ShellItemKind::File);
    QCOMPARE(item.displayName, QStringLiteral("trap.desktop"));
}

void TestHostileFiles::unreadListingReadsOnDemand()
{
    m_home->writeFile("apps/a.desktop", kApplication);
    m_home->writeFile("apps/b.desktop", "[Desktop Entry]\nType=Application\nName=Hidden\nExec=true\nNoDisplay=true\n");
    m_home->writeFile("apps/c.txt", "text");
    FolderListing listing = ListFolderUnread(ParsePathToItem(m_home->path() + "/apps"));
    QVERIFY(listing.ok);
    QCOMPARE(listing.items.size(), 3);
    SortShellItems(listing.items);
    QCOMPARE(listing.items[0].displayName, QStringLiteral("a.desktop"));
    QVERIFY(listing.items[0].entryUnread);
    QVERIFY(ReadListedEntry(listing.items[0]));
    QCOMPARE(listing.items[0].displayName, QStringLiteral("Holiday photo.jpg"));
    QCOMPARE(listing.items[0].kind, ShellItemKind::DesktopEntry);
    QVERIFY(!ReadListedEntry(listing.items[1]));
    QVERIFY(ReadListedEntry(listing.items[2])); // no entry: nothing to read
}

void TestHostileFiles::namesThatClaimADocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("claims");
    QTest::newRow("picture") << "holiday.jpg" << true;
    QTest::newRow("pdf") << "letter.pdf" << true;
    QTest::newRow("text") << "notes.txt" << false; // text can be a script
    QTest::newRow("shell script") << "tool.sh" << false;
    QTest::newRow("no extension") << "tool" << false;
    QTest::newRow("unknown extension") << "tool.qqqzz" << false;
}

void TestHostileFiles::namesThatClaimADocument()
{
    QFETCH(QString, name);
    QFETCH(bool, claims);
    QCOMPARE(NameClaimsDocument(name), claims);
}

void TestHostileFiles::desktopEntriesLaunchOnlyWhenTrusted_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("action");
    QTest::newRow("downloaded, not executable") << "Downloads/photo.jpg.desktop" << false << "text";
    QTest::newRow("downloaded, executable") << "Downloads/photo.jpg.desktop" << true << "desktop-entry";
    QTest::newRow("user's applications folder") << ".local/share/applications/tool.desktop" << false
                                                << "desktop-entry";
}

void TestHostileFiles::desktopEntriesLaunchOnlyWhenTrusted()
{
    QFETCH(QString, where);
    QFETCH(bool, executable);
    QFETCH(QString, action);
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    const QString path = m_home->writeFile(where, kApplication);
    MakeExecutable(path, executable);
    QCOMPARE(IsTrustedDesktopEntry(path), action != "text");
    // Chosen from a folder menu or started by path, the same rule holds.
    QVERIFY(LaunchShellItem(ParsePathToItem(path)));
    QVERIFY(StartFile(path));
    QCOMPARE(launcher.Records().size(), 2);
    for (const LaunchRecord &record : launcher.Records()) {
        QCOMPARE(record.action, action);
        QCOMPARE(record.target, path);
    }
}

void TestHostileFiles::programsRunOnlyWhenNotPosingAsDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("runs");
    QTest::newRow("script named as a picture") << "holiday.jpg" << QByteArray("#!/bin/sh\necho hi\n") << false;
    QTest::newRow("script") << "tool.sh" << QByteArray("#!/bin/sh\necho hi\n") << true;
    QTest::newRow("script without extension") << "tool" << QByteArray("#!/bin/sh\necho hi\n") << true;
    QTest::newRow("executable text") << "readme" << QByteArray("just words\n") << false;
}

void TestHostileFiles::programsRunOnlyWhenNotPosingAsDocuments()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, runs);
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    const QString path = m_home->writeFile("bin/" + name, content);
    MakeExecutable(path, true);
    QCOMPARE(IsProgramFile(path), runs);
    QVERIFY(StartFile(path));
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records()[0].action, runs ? QStringLiteral("run") : QStringLiteral("open"));
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
