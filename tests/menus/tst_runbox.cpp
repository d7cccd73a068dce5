// The Run box remembers what the user ran: newest first, one entry per text whatever its case, no
// more than "runcount", in a CR LF text file that survives hand edits and damage. A word in dollar
// signs alone opens its folder; everything else starts as typed.
#include "foundation/datafiles.h"
#include "foundation/pathmacros.h"
#include "menus/runbox.h"
#include "menus/runhistory.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QUrl>

class TestRunBox : public QObject
{
    Q_OBJECT

private:
    QString historyPath() const { return DataFilePath(dfRunHistory); }
    void makeDataFolder() const { QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data")); }

private Q_SLOTS:
    void historyRules_data();
    void historyRules();
    void historyFileFormat();
    void historyFileIsKeptWhenOnlyBlanksAreTyped();
    void readingHandEditedOrDamagedFiles_data();
    void readingHandEditedOrDamagedFiles();
    void formatAndParseRoundTrip();
    void missingHistoryReadsEmpty();
    void enterStartsAndEmptiesTheBox();
    void macroWordsAreExpanded_data();
    void macroWordsAreExpanded();
    void popupShowsTheHistoryAfresh();
};

void TestRunBox::historyRules_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("runCount");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("same text twice is one entry") << QStringList{"notepad", "notepad"} << 25 << QStringList{"notepad"};
    QTest::newRow("other case replaces the old form")
        << QStringList{"notepad", "calc", "NotePad"} << 25 << QStringList{"NotePad", "calc"};
    QTest::newRow("newest first") << QStringList{"a", "b", "c"} << 25 << QStringList{"c", "b", "a"};
    QTest::newRow("runcount 3 keeps the last three")
        << QStringList{"one", "two", "three", "four"} << 3 << QStringList{"four", "three", "two"};
    QTest::newRow("re-running moves to the top") << QStringList{"x", "y", "z", "X"} << 25 << QStringList{"X", "z", "y"};
    QTest::newRow("runcount 0 keeps nothing") << QStringList{"a", "b"} << 0 << QStringList{};
    QTest::newRow("negative runcount keeps nothing") << QStringList{"a"} << -5 << QStringList{};
    QTest::newRow("non-ASCII text, case folded") << QStringList{"Ärger", "ärger"} << 25 << QStringList{"ärger"};
}

void TestRunBox::historyRules()
{
    QFETCH(QStringList, typed);
    QFETCH(int, runCount);
    QFETCH(QStringList, expected);
    TestHome home;
    makeDataFolder();
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    RunBox box;
    box.SetRunCount(runCount);
    for (const QString &text : typed)
        box.RunAcceptText(text);
    QCOMPARE(LoadRunHistory(historyPath()), expected);
}

void TestRunBox::historyFileFormat()
{
    TestHome home;
    makeDataFolder();
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    RunBox box;
    box.RunAcceptText(QStringLiteral("first"));
    box.RunAcceptText(QStringLiteral("second thing"));
    box.RunAcceptText(QStringLiteral("Grüße"));
    QCOMPARE(readWholeFile(historyPath()), QByteArray("Gr\xc3\xbc\xc3\x9f" "e\r\nsecond thing\r\nfirst\r\n"));
}

void TestRunBox::historyFileIsKeptWhenOnlyBlanksAreTyped()
{
    TestHome home;
    makeDataFolder();
    home.writeFile(historyPath(), "keep\r\n");
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    RunBox box;
    box.RunAcceptText(QString());
    box.RunAcceptText(QStringLiteral("   "));
    QCOMPARE(readWholeFile(historyPath()), QByteArray("keep\r\n"));
    QVERIFY(launcher.Records().isEmpty());
}

void TestRunBox::readingHandEditedOrDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF only, no final break") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("blank lines skipped") << QByteArray("\r\n\r\na\r\n\r\nb\r\n\r\n") << QStringList{"a", "b"};
    QTest::newRow("later duplicates dropped") << QByteArray("Calc\r\nx\r\ncalc\r\n") << QStringList{"Calc", "x"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    // Bytes that are not UTF-8 come from Windows: read as Windows-1252, nothing is lost.
    QTest::newRow("invalid UTF-8 reads as Windows-1252")
        << QByteArray("ok\r\n\xff\xfe\r\n") << QStringList{"ok", QString::fromUtf8("\u00ff\u00fe")};
}

void TestRunBox::readingHandEditedOrDamagedFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expected);
    QCOMPARE(ParseRunHistory(data), expected);
}

void TestRunBox::formatAndParseRoundTrip()
{
    const QStringList entries{"gimp", "/home/me/My Letters/", "https://example.org/?a=1&b=2", "\"quoted\" text"};
    QCOMPARE(ParseRunHistory(FormatRunHistory(entries)), entries);
}

void TestRunBox::missingHistoryReadsEmpty()
{
    TestHome home;
    QVERIFY(LoadRunHistory(historyPath()).isEmpty());
    // A folder where the file should be cannot be read either.
    QDir().mkpath(historyPath());
    QVERIFY(LoadRunHistory(historyPath()).isEmpty());
}

void TestRunBox::enterStartsAndEmptiesTheBox()
{
    TestHome home;
    makeDataFolder();
    const QString folder = home.path() + QStringLiteral("/work");
    QDir().mkpath(folder);
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    RunBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.lineEdit()->setFocus();
    QTest::keyClicks(box.lineEdit(), folder);
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records().first().target, QUrl::fromLocalFile(folder).toString());
    QCOMPARE(box.currentText(), QString());
    QCOMPARE(box.count(), 0); // Enter does not add to the list; the history does
    QCOMPARE(LoadRunHistory(historyPath()), QStringList{folder});
}

void TestRunBox::macroWordsAreExpanded_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("startedFolder"); // relative to the test home or a URI; empty: not expanded

    QTest::newRow("built-in macro alone") << QStringLiteral("$MYDOC$") << QStringLiteral("Documents");
    QTest::newRow("user alias alone") << QStringLiteral("$TOOLS$") << QStringLiteral("tools");
    QTest::newRow("alias with a path after it stays as typed") << QStringLiteral("$TOOLS$/x") << QString();
    QTest::newRow("undefined alias passes unchanged") << QStringLiteral("$NOSUCH$") << QString();
    QTest::newRow("recent files: the desktop's view") << QStringLiteral("$RECENTFILES$") << QStringLiteral("recent:///");
}

void TestRunBox::macroWordsAreExpanded()
{
    QFETCH(QString, typed);
    QFETCH(QString, startedFolder);
    TestHome home;
    makeDataFolder();
    QDir().mkpath(home.path() + QStringLiteral("/Documents"));
    QDir().mkpath(home.path() + QStringLiteral("/tools"));
    home.writeFile(DataFilePath(dfSettings), "[alias]\n$TOOLS$=" + home.path().toUtf8() + "/tools\n");
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    RunBox box;
    box.RunAcceptText(typed);
    QCOMPARE(LoadRunHistory(historyPath()), QStringList{typed}); // stored as typed
    if (startedFolder.isEmpty()) {
        for (const LaunchRecord &record : launcher.Records())
            QVERIFY2(!record.target.contains(home.path()), qPrintable(record.target));
        return;
    }
    QCOMPARE(launcher.Records().size(), 1);
    if (startedFolder.endsWith(QLatin1String(":///"))) {
        QCOMPARE(launcher.Records().first().target, startedFolder); // a view of the desktop's
        return;
    }
    QCOMPARE(QDir::cleanPath(QUrl(launcher.Records().first().target).toLocalFile()),
             home.path() + QLatin1Char('/') + startedFolder);
}

void TestRunBox::popupShowsTheHistoryAfresh()
{
    TestHome home;
    makeDataFolder();
    home.writeFile(historyPath(), "e1\r\ne2\r\ne3\r\ne4\r\n");
    RunBox box;
    box.SetRunCount(3);
    box.setEditText(QStringLiteral("half typed"));
    box.RunPopup();
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.itemText(0), QStringLiteral("e1"));
    QCOMPARE(box.itemText(2), QStringLiteral("e3"));
    QCOMPARE(box.currentText(), QStringLiteral("half typed"));

    // The file changed in between (another run): the next opening shows it.
    home.writeFile(historyPath(), "new\r\n");
    box.RunPopup();
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.itemText(0), QStringLiteral("new"));

    QFile::remove(historyPath());
    box.RunPopup();
    QCOMPARE(box.count(), 0);
}

QTEST_MAIN(TestRunBox)
#include "tst_runbox.moc"
