// The data folder holds everything the user made: filling it must never overwrite a file, and a
// start without the default copies must create nothing.
#include "foundation/datafiles.h"
#include "foundation/pathmacros.h"
#include "foundation/programfolder.h"
#include "foundation/tracelog.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dataFilePaths_data();
    void dataFilePaths();
    void firstStartCopiesEveryDefault();
    void userFilesSurviveAndDeletedOnesComeBack();
    void missingDefaultRefusesAndCreatesNothing_data();
    void missingDefaultRefusesAndCreatesNothing();
    void installedProgramFindsItsSharedFolder();
    void traceOnlyWithDebugFirst_data();
    void traceOnlyWithDebugFirst();
    void traceFileStartsEmptyEachRun();

private:
    void MakeDefaults(const QStringList &names);
    std::unique_ptr<TestHome> m_home;
    QString m_program;
    QByteArray m_savedProgramDir;
};

void TestDataFiles::init()
{
    m_home = std::make_unique<TestHome>();
    m_program = m_home->path() + "/program";
    m_savedProgramDir = qgetenv("QUORIX_TEST_PROGRAM_DIR");
    qputenv("QUORIX_TEST_PROGRAM_DIR", m_program.toUtf8());
    SetTraceEnabled(false);
}

void TestDataFiles::cleanup()
{
    qputenv("QUORIX_TEST_PROGRAM_DIR", m_savedProgramDir);
    SetTraceEnabled(false);
    m_home.reset();
}

void TestDataFiles::MakeDefaults(const QStringList &names)
{
    QDir().mkpath(m_program + "/Default/Data");
    for (const QString &name : names)
        m_home->writeFile(m_program + "/Default/Data/" + name, "default " + name.toUtf8());
}

void TestDataFiles::dataFilePaths_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("relative");
    QTest::newRow("folder") << 0 << "";
    QTest::newRow("settings") << 1 << "Data/settings.ini";
    QTest::newRow("themes") << 2 << "Data/themes.ini";
    QTest::newRow("notes") << 3 << "Data/note.dat";
    QTest::newRow("hotkeys") << 4 << "Data/hotkeys.dat";
    QTest::newRow("custom menus") << 5 << "Data/cusmenus.ini";
    QTest::newRow("run history") << 6 << "Data/runhisto.dat";
    QTest::newRow("menus") << 7 << "Data/menusettings.ini";
    QTest::newRow("projects") << 8 << "Projects/";
    QTest::newRow("help settings") << 9 << "Data/helpset.ini";
}

void TestDataFiles::dataFilePaths()
{
    QFETCH(int, kind);
    QFETCH(QString, relative);
    QCOMPARE(DataFilePath(kind), m_home->path() + "/.local/share/Brenmoor/Quorix/" + relative);
}

void TestDataFiles::firstStartCopiesEveryDefault()
{
    MakeDefaults({"hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini", "extra.txt"});
    QVERIFY(CheckDataFiles());
    const QDir data(DataFilePath(dfDataFolder) + "Data");
    QCOMPARE(data.entryList(QDir::Files, QDir::Name),
             (QStringList{"extra.txt", "hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini"}));
    QVERIFY(QDir(DataFilePath(dfProjects)).exists());
    QVERIFY(QDir(ExpandPathMacro("$URLS$")).exists());
    QVERIFY(QDir(ExpandPathMacro("$QUICKLAUNCH$")).exists());
    QCOMPARE(readWholeFile(DataFilePath(dfThemes)), QByteArray("default themes.ini"));
}

void TestDataFiles::userFilesSurviveAndDeletedOnesComeBack()
{
    MakeDefaults({"hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini"});
    QVERIFY(CheckDataFiles());
    m_home->writeFile(DataFilePath(dfSettings), "edited by the user");
    QFile::remove(DataFilePath(dfThemes));
    QVERIFY(CheckDataFiles());
    QCOMPARE(readWholeFile(DataFilePath(dfSettings)), QByteArray("edited by the user"));
    QCOMPARE(readWholeFile(DataFilePath(dfThemes)), QByteArray("default themes.ini"));
}

void TestDataFiles::missingDefaultRefusesAndCreatesNothing_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::newRow("no folder") << QStringList{};
    QTest::newRow("no hotkeys") << QStringList{"menusettings.ini", "settings.ini", "themes.ini"};
    QTest::newRow("no menus") << QStringList{"hotkeys.dat", "settings.ini", "themes.ini"};
    QTest::newRow("no settings") << QStringList{"hotkeys.dat", "menusettings.ini", "themes.ini"};
    QTest::newRow("no themes") << QStringList{"hotkeys.dat", "menusettings.ini", "settings.ini"};
}

void TestDataFiles::missingDefaultRefusesAndCreatesNothing()
{
    QFETCH(QStringList, present);
    if (!present.isEmpty())
        MakeDefaults(present);
    QVERIFY(!CheckDataFiles());
    QVERIFY(!QDir(DataFilePath(dfDataFolder)).exists());
}

void TestDataFiles::installedProgramFindsItsSharedFolder()
{
    // <prefix>/bin/quorix finds <prefix>/share/quorix/Default/Data/, whatever the prefix.
    const QString prefix = m_home->path() + "/opt/q";
    QDir().mkpath(prefix + "/bin");
    QDir().mkpath(prefix + "/share/quorix/Default/Data");
    qputenv("QUORIX_TEST_PROGRAM_DIR", (prefix + "/bin").toUtf8());
    QCOMPARE(ProgramFolder(), prefix + "/share/quorix/");
    // A portable copy with its files beside it uses those.
    QDir().mkpath(prefix + "/bin/Default/Data");
    QCOMPARE(ProgramFolder(), prefix + "/bin/");
}

void TestDataFiles::traceOnlyWithDebugFirst_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("traced");
    QTest::newRow("debug") << QStringList{"quorix", "/debug"} << true;
    QTest::newRow("other case") << QStringList{"quorix", "/DEBUG"} << false;
    QTest::newRow("second argument") << QStringList{"quorix", "-x", "/debug"} << false;
    QTest::newRow("none") << QStringList{"quorix"} << false;
}

void TestDataFiles::traceOnlyWithDebugFirst()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, traced);
    MakeDefaults({"hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini"});
    SetTraceFromArguments(arguments);
    QVERIFY(CheckDataFiles());
    QCOMPARE(QFile::exists(TraceFilePath()), traced);
}

void TestDataFiles::traceFileStartsEmptyEachRun()
{
    MakeDefaults({"hotkeys.dat", "menusettings.ini", "settings.ini", "themes.ini"});
    m_home->writeFile(m_program + "/debug.txt", "old run\n");
    SetTraceEnabled(true);
    QCOMPARE(TraceFilePath(), m_program + "/debug.txt");
    QVERIFY(CheckDataFiles());
    const QList<QByteArray> lines = readWholeFile(TraceFilePath()).split('\n');
    QCOMPARE(lines.size(), 3); // two lines and the final line break
    QVERIFY(lines[0].endsWith(":\tCheckDataFiles: begin"));
    QVERIFY(lines[1].endsWith(":\tCheckDataFiles: end"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
