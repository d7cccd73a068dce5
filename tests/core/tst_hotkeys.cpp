// The hotkey file drives what the desktop is asked to grab and what a key press runs: records are
// read by position, registered in file order under their position, released before every reload,
// and a press runs the first matching record. The five commands act on the focused window, start
// files, or open the bar's menu; a fake desktop stands in for the window manager.
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "app/tmainmenu.h"
#include "core/hotkeycommands.h"
#include "core/hotkeytable.h"
#include "core/td.h"
#include "platform/fake/fakeglobalhotkeys.h"
#include "platform/fake/fakewindowsystem.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

struct HotkeyRecord
{
    QString shift;
    QString key;
    QString function;
    QString params;
    QString active;
};

// Writes a hotkey file as the default data file lays it out.
void WriteHotkeyFile(const QString &path, const QList<HotkeyRecord> &records)
{
    TMlb2 table;
    for (const char *field : {"id", "shift", "key", "function", "params", "active"})
        table.AddField(QString::fromLatin1(field));
    for (const HotkeyRecord &r : records) {
        table.AddRecord();
        table.SetFieldValue(2, r.shift);
        table.SetFieldValue(3, r.key);
        table.SetFieldValue(4, r.function);
        table.SetFieldValue(5, r.params);
        table.SetFieldValue(6, r.active);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(table.SaveToFile(path));
}

// The table on a desktop of the test's making, which writes down every request and refuses a
// combination that is already taken.
struct DesktopTable
{
    FakeGlobalHotkeys desktop;
    ScopedService<GlobalHotkeys> useDesktop{desktop};
    HotkeyTable table; // gone first: it gives its hotkeys back
};

// Another program's window that has the focus, with both boxes.
FakeWindowSystem OneFocusedWindow()
{
    FakeWindowSystem windows;
    windows.windows = {{.id = 0x400001, .title = QStringLiteral("Letter - Editor")}};
    windows.active = 0x400001;
    return windows;
}

// Captures every message box text, in order.
class MessageLog
{
public:
    MessageLog()
    {
        m_old = SetMessageResponder([this](const MessageRequest &request) {
            texts << request.text;
            icons << request.icon;
            return 0;
        });
    }
    ~MessageLog() { SetMessageResponder(m_old); }
    QStringList texts;
    QList<MessageIcon> icons;

private:
    MessageResponder m_old;
};

} // namespace

class TestHotkeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadingRegistersActiveRecordsByPosition_data();
    void loadingRegistersActiveRecordsByPosition();
    void reloadReleasesFirst();
    void releaseForgetsEverything();
    void aTableThatGoesGivesItsHotkeysBack();
    void dispatchRunsTheFirstMatch_data();
    void dispatchRunsTheFirstMatch();
    void pressOfADuplicateRunsTheFirstRecord();
    void windowCommands_data();
    void windowCommands();
    void executeFile_data();
    void executeFile();
    void openQuorix();
    void dataModuleRunsTheTablesCommands();
};

void TestHotkeys::loadingRegistersActiveRecordsByPosition_data()
{
    QTest::addColumn<QList<HotkeyRecord>>("records");
    QTest::addColumn<QStringList>("expectedCalls");
    QTest::addColumn<QList<bool>>("registered");

    QTest::newRow("inactive records keep their position")
        << QList<HotkeyRecord>{{"8", "120", "ExecuteFile", "/x", "0"},
                               {"2", "121", "OpenQuorix", "", "0"},
                               {"8", "122", "MinimizeActiveWindow", "", "1"}}
        << QStringList{"register 3 8 122"} << QList<bool>{false, false, true};
    QTest::newRow("all active, file order")
        << QList<HotkeyRecord>{{"8", "120", "a", "", "1"}, {"1", "65", "b", "", "1"}, {"2", "112", "c", "", "1"}}
        << QStringList{"register 1 8 120", "register 2 1 65", "register 3 2 112"} << QList<bool>{true, true, true};
    QTest::newRow("non-numeric fields do not stop the read")
        << QList<HotkeyRecord>{{"WIN", "120", "a", "", "1"}, {"8", "F9", "b", "", "1"}, {"8", "", "c", "", "1"},
                               {"8", "123", "d", "", "1"}}
        << QStringList{"register 4 8 123"} << QList<bool>{false, false, false, true};
    QTest::newRow("blanks around numbers are accepted")
        << QList<HotkeyRecord>{{" 8", "120 ", "a", "", "1"}} << QStringList{"register 1 8 120"} << QList<bool>{true};
    QTest::newRow("active means exactly 1")
        << QList<HotkeyRecord>{{"8", "120", "a", "", "yes"}, {"8", "121", "b", "", " 1"}, {"8", "122", "c", "", ""}}
        << QStringList{} << QList<bool>{false, false, false};
    QTest::newRow("a taken key still counts as registered")
        << QList<HotkeyRecord>{{"8", "120", "a", "", "1"}, {"8", "120", "b", "", "1"}}
        << QStringList{"register 1 8 120", "register 2 8 120"} << QList<bool>{true, true};
}

void TestHotkeys::loadingRegistersActiveRecordsByPosition()
{
    QFETCH(QList<HotkeyRecord>, records);
    QFETCH(QStringList, expectedCalls);
    QFETCH(QList<bool>, registered);
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, records);
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    table.LoadHotkeys(path);
    QCOMPARE(fixture.desktop.calls, expectedCalls);
    QCOMPARE(table.Entries().size(), records.size());
    for (int i = 0; i < registered.size(); ++i) {
        const TQXHotKey &entry = table.Entries().at(i);
        QCOMPARE(entry.registered, registered.at(i));
        if (entry.registered)
            QCOMPARE(int(entry.atom), i + 1);
    }
}

void TestHotkeys::reloadReleasesFirst()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"8", "120", "a", "", "1"}, {"8", "121", "b", "", "0"}, {"2", "122", "c", "", "1"}});
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    table.LoadHotkeys(path);
    fixture.desktop.calls.clear();
    WriteHotkeyFile(path, {{"1", "65", "d", "", "1"}});
    table.LoadHotkeys(path);
    // Only registered entries are released, and before anything new is registered.
    QCOMPARE(fixture.desktop.calls, (QStringList{"unregister 1", "unregister 3", "register 1 1 65"}));
    QCOMPARE(table.Entries().size(), 1);
}

void TestHotkeys::releaseForgetsEverything()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"8", "120", "a", "", "1"}, {"x", "121", "b", "", "1"}});
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    table.LoadHotkeys(path);
    fixture.desktop.calls.clear();
    table.ReleaseHotkeys();
    QCOMPARE(fixture.desktop.calls, QStringList{"unregister 1"});
    QVERIFY(table.Entries().isEmpty());

    // A missing or damaged file leaves no hotkeys, without complaint.
    table.LoadHotkeys(home.path() + QStringLiteral("/missing.dat"));
    QVERIFY(table.Entries().isEmpty());
    home.writeFile(path, "MLX not a record file");
    table.LoadHotkeys(path);
    QVERIFY(table.Entries().isEmpty());
    home.writeFile(path, QByteArray("MLB\x02\x00\x01\x01\x00\x00\x00\x00\x00\xff\xff\xff\x7f", 16));
    table.LoadHotkeys(path);
    QVERIFY(table.Entries().isEmpty());
}

void TestHotkeys::aTableThatGoesGivesItsHotkeysBack()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"8", "120", "a", "", "1"}, {"2", "121", "b", "", "1"}});
    FakeGlobalHotkeys desktop;
    ScopedService<GlobalHotkeys> useDesktop(desktop);
    {
        HotkeyTable table;
        table.LoadHotkeys(path);
        QVERIFY(desktop.IsRegistered(1) && desktop.IsRegistered(2));
    }
    // The desktop's hotkeys belong to the process: a second table (the next bar) finds them free.
    QVERIFY(!desktop.IsRegistered(1) && !desktop.IsRegistered(2));
    HotkeyTable next;
    next.LoadHotkeys(path);
    QVERIFY(desktop.IsRegistered(1) && desktop.IsRegistered(2));
}

void TestHotkeys::dispatchRunsTheFirstMatch_data()
{
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected"); // "function params", or empty when nothing runs

    QTest::newRow("first of two with the same keys") << 8 << 120 << QStringLiteral("first /a");
    QTest::newRow("same key, other modifier") << 2 << 120 << QStringLiteral("ctrl /c");
    QTest::newRow("inactive record never runs") << 1 << 120 << QString();
    QTest::newRow("unregistered record never runs") << 8 << 999 << QString();
    QTest::newRow("unknown combination") << 8 << 65 << QString();
}

void TestHotkeys::dispatchRunsTheFirstMatch()
{
    QFETCH(int, shift);
    QFETCH(int, key);
    QFETCH(QString, expected);
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"1", "120", "inactive", "/i", "0"},
                           {"8", "120", "first", "/a", "1"},
                           {"8", "120", "second", "/b", "1"},
                           {"2", "120", "ctrl", "/c", "1"},
                           {"8", "999x", "broken", "", "1"}});
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    table.LoadHotkeys(path);
    QSignalSpy spy(&table, &HotkeyTable::CommandRequested);
    QCOMPARE(table.Dispatch(shift, key), !expected.isEmpty());
    if (expected.isEmpty()) {
        QCOMPARE(spy.size(), 0);
        return;
    }
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString() + QLatin1Char(' ') + spy.at(0).at(1).toString(), expected);
}

void TestHotkeys::pressOfADuplicateRunsTheFirstRecord()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"8", "120", "first", "", "1"}, {"8", "120", "second", "", "1"}});
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    table.LoadHotkeys(path);
    QSignalSpy spy(&table, &HotkeyTable::CommandRequested);
    // Whichever identifier the desktop reports, records are matched by their keys.
    table.HotkeyPressed(2);
    table.HotkeyPressed(1);
    table.HotkeyPressed(7); // no such identifier
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("first"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("first"));
}

void TestHotkeys::windowCommands_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<quint32>("active");
    QTest::addColumn<bool>("canMaximize");
    QTest::addColumn<bool>("canMinimize");
    QTest::addColumn<QStringList>("expected");

    const quint32 w = 0x400001;
    QTest::newRow("close") << "CloseActiveWindow" << w << true << true << QStringList{"close 0x400001"};
    QTest::newRow("close, any case") << "cLOSEaCTIVEwINDOW" << w << true << true << QStringList{"close 0x400001"};
    QTest::newRow("close without a focused window") << "CloseActiveWindow" << 0u << true << true << QStringList{};
    QTest::newRow("maximize") << "MaximizeActiveWindow" << w << true << true
                              << QStringList{"maximize-or-restore 0x400001"};
    QTest::newRow("maximize without a maximize box") << "MaximizeActiveWindow" << w << false << true << QStringList{};
    QTest::newRow("minimize") << "minimizeactivewindow" << w << true << true << QStringList{"minimize 0x400001"};
    QTest::newRow("minimize without a minimize box") << "MinimizeActiveWindow" << w << true << false << QStringList{};
    QTest::newRow("unknown command") << "ShutDownEverything" << w << true << true << QStringList{};
    QTest::newRow("empty command") << "" << w << true << true << QStringList{};
}

void TestHotkeys::windowCommands()
{
    QFETCH(QString, function);
    QFETCH(quint32, active);
    QFETCH(bool, canMaximize);
    QFETCH(bool, canMinimize);
    QFETCH(QStringList, expected);
    FakeWindowSystem windows;
    if (active != 0)
        windows.windows = {{.id = active,
                            .title = QStringLiteral("Letter - Editor"),
                            .canMaximize = canMaximize,
                            .canMinimize = canMinimize}};
    windows.active = active;
    ScopedService<WindowSystem> useWindows(windows);
    HotkeyCommands commands;
    bool opened = false;
    commands.SetOpenMainMenu([&opened] { opened = true; });
    MessageLog messages;
    commands.ExecuteHotkeyCommand(function, QStringLiteral("/ignored"));
    QCOMPARE(windows.calls, expected);
    QVERIFY(!opened);
    QVERIFY(messages.texts.isEmpty());
}

void TestHotkeys::executeFile_data()
{
    QTest::addColumn<QString>("params");        // "@" stands for the test home
    QTest::addColumn<QString>("startedFile");   // empty: the message instead
    QTest::addColumn<QString>("message");

    QTest::newRow("existing file") << "@/bin/tool.sh" << "@/bin/tool.sh" << QString();
    QTest::newRow("macro expanded before the check") << "$MYDOC$/letter.txt" << "@/Documents/letter.txt" << QString();
    QTest::newRow("alias expanded") << "$TOOLS$/tool.sh" << "@/bin/tool.sh" << QString();
    QTest::newRow("missing file")
        << "@/bin/none.sh" << QString() << "File not found.\r\rCannot find the file \"@/bin/none.sh\".";
    QTest::newRow("a folder is not a file")
        << "@/bin" << QString() << "File not found.\r\rCannot find the file \"@/bin\".";
    QTest::newRow("missing file behind a macro shows the expanded path")
        << "$MYDOC$/gone.txt" << QString() << "File not found.\r\rCannot find the file \"@/Documents/gone.txt\".";
    QTest::newRow("recent files: the desktop's recent files view") << "$RECENTFILES$" << "recent:///" << QString();
    QTest::newRow("empty parameter") << "" << QString() << "File not found.\r\rCannot find the file \"\".";
}

void TestHotkeys::executeFile()
{
    QFETCH(QString, params);
    QFETCH(QString, startedFile);
    QFETCH(QString, message);
    TestHome home;
    home.writeFile(QStringLiteral("bin/tool.sh"), "#!/bin/sh\n");
    home.writeFile(QStringLiteral("Documents/letter.txt"), "Dear ...");
    home.writeFile(DataFilePath(dfSettings), "[alias]\n$TOOLS$=" + home.path().toUtf8() + "/bin\n");
    params.replace(QLatin1Char('@'), home.path());
    startedFile.replace(QLatin1Char('@'), home.path());
    message.replace(QLatin1Char('@'), home.path());

    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    MessageLog messages;
    FakeWindowSystem windows = OneFocusedWindow();
    ScopedService<WindowSystem> useWindows(windows);
    HotkeyCommands commands;
    commands.ExecuteHotkeyCommand(QStringLiteral("EXECUTEFILE"), params);
    QVERIFY(windows.calls.isEmpty());
    if (startedFile.isEmpty()) {
        QVERIFY(launcher.Records().isEmpty());
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(messages.icons.first(), MessageIcon::Error);
        return;
    }
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(launcher.Records().size(), 1);
    const LaunchRecord &record = launcher.Records().first();
    if (!QUrl(record.target).isLocalFile() && record.action != QStringLiteral("run")) {
        QCOMPARE(record.target, startedFile); // a view of the desktop's, not a file
        return;
    }
    const QString started = record.action == QStringLiteral("run") ? record.target : QUrl(record.target).toLocalFile();
    QCOMPARE(QDir::cleanPath(started), startedFile);
}

void TestHotkeys::openQuorix()
{
    FakeWindowSystem windows = OneFocusedWindow();
    ScopedService<WindowSystem> useWindows(windows);
    HotkeyCommands commands;
    commands.ExecuteHotkeyCommand(QStringLiteral("OpenQuorix"), {}); // nothing set: nothing happens
    int opened = 0;
    commands.SetOpenMainMenu([&opened] { ++opened; });
    commands.ExecuteHotkeyCommand(QStringLiteral("OpenQuorix"), {});
    commands.ExecuteHotkeyCommand(QStringLiteral("openquorix"), QStringLiteral("ignored"));
    QCOMPARE(opened, 2);
    QVERIFY(windows.calls.isEmpty());
}

void TestHotkeys::dataModuleRunsTheTablesCommands()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    WriteHotkeyFile(path, {{"8", "121", "MinimizeActiveWindow", "", "1"}});
    FakeWindowSystem windows = OneFocusedWindow();
    ScopedService<WindowSystem> useWindows(windows);
    TD dataModule;
    DesktopTable fixture;
    HotkeyTable &table = fixture.table;
    connect(&table, &HotkeyTable::CommandRequested, &dataModule, &TD::ExecuteHotkeyCommand);
    table.LoadHotkeys(path);
    fixture.desktop.Press(1);
    QCOMPARE(windows.calls, QStringList{"minimize 0x400001"});
}

QTEST_MAIN(TestHotkeys)
#include "tst_hotkeys.moc"
