// Path macros are in every stored menu, alias, hotkey and Run box entry: a wrong expansion starts
// the wrong program or opens nothing.
#include "foundation/datafiles.h"
#include "base/inifile.h"
#include "foundation/pathmacros.h"
#include "foundation/desktopfolders.h"
#include "testenv.h"

#include <QDir>
#include <QTest>

class TestPathMacros : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void expand_data();
    void expand();
    void environmentReferences_data();
    void environmentReferences();
    void projectItems_data();
    void projectItems();
    void virtualFolderCodes_data();
    void virtualFolderCodes();
    void resolveUserOrCommon_data();
    void resolveUserOrCommon();
    void displayNamesAndAliases();
    void specialFoldersFollowXdg();

private:
    QString Home() const { return m_home->path(); }
    std::unique_ptr<TestHome> m_home;
};

void TestPathMacros::init()
{
    m_home = std::make_unique<TestHome>();
    m_home->writeFile(".config/user-dirs.dirs",
                      "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    QDir().mkpath(Home() + "/Docs");
    QDir().mkpath(Home() + "/Schreibtisch");
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteString("alias", "$TOOLS$", Home() + "/tools");
    settings.WriteString("alias", "$Trail$", Home() + "/trail/");
}

void TestPathMacros::cleanup()
{
    m_home.reset();
}

void TestPathMacros::expand_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // "~" stands for the test home

    QTest::newRow("documents") << "$MYDOC$" << "~/Docs/";
    QTest::newRow("four components") << "$MYDOC$/Letters/2008/Old/x.doc" << "~/Docs/Letters/2008/Old/x.doc";
    QTest::newRow("windows separator after word") << "$MYDOC$\\Letters/x.doc" << "~/Docs/Letters/x.doc";
    QTest::newRow("notes stay symbolic") << "$NOTES$/Work" << "$NOTES$/Work";
    QTest::newRow("programs stay symbolic") << "$PROGRAMS$" << "$PROGRAMS$/";
    QTest::newRow("custom menu") << "$CUSMENUS$\\Tools" << "$CUSMENUS$/Tools";
    QTest::newRow("windows separators throughout") << "$MYDOC$\\Letters\\2008\\x.doc" << "~/Docs/Letters/2008/x.doc";
    QTest::newRow("windows separators in a custom menu") << "$CUSMENUS$\\Tools\\Net" << "$CUSMENUS$/Tools/Net";
    QTest::newRow("backslash in a plain path stays") << "/tmp/a\\b" << "/tmp/a\\b";
    QTest::newRow("alias") << "$TOOLS$/app" << "~/tools/app";
    QTest::newRow("alias any case") << "$tools$/app" << "~/tools/app";
    QTest::newRow("alias with trailing slash") << "$TRAIL$/x" << "~/trail/x";
    QTest::newRow("unknown word unchanged") << "$NOPE$/app" << "$NOPE$/app";
    QTest::newRow("macro words are case-sensitive") << "$mydoc$/x" << "$mydoc$/x";
    QTest::newRow("printers have no path") << "$PRINTERS$/x" << "$PRINTERS$/x";
    QTest::newRow("desktop") << "$MYDESKTOP$/a.txt" << "~/Schreibtisch/a.txt";
    QTest::newRow("my programs") << "$MYPROGRAMS$" << "~/.local/share/applications/";
    QTest::newRow("quick launch") << "$QUICKLAUNCH$/x" << "~/.local/share/Brenmoor/Quorix/Quick Launch/x";
    QTest::newRow("urls") << "$URLS$" << "~/.local/share/Brenmoor/Quorix/Favorites/";
    QTest::newRow("system") << "$SYSTEM$/ls" << "/usr/bin/ls";
    QTest::newRow("windows dir") << "$WIN$" << "/usr/";
    QTest::newRow("plain path") << "/etc/hosts" << "/etc/hosts";
    QTest::newRow("two characters") << "$$" << "$$";
    QTest::newRow("no common desktop") << "$COMMONDESKTOP$/x" << "$COMMONDESKTOP$/x";
}

void TestPathMacros::expand()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    expected.replace(QLatin1Char('~'), Home());
    QCOMPARE(ExpandPathMacro(path), expected);
}

void TestPathMacros::environmentReferences_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defined") << "%QUORIX_TEST_DIR%/bin" << "/opt/quorix/bin";
    QTest::newRow("undefined empties the path") << "%QUORIX_UNDEFINED_VAR%/bin" << "";
    QTest::newRow("one of two defined") << "%QUORIX_UNDEFINED_VAR%%QUORIX_TEST_DIR%" << "%QUORIX_UNDEFINED_VAR%/opt/quorix";
    QTest::newRow("lone percent") << "%" << "";
    QTest::newRow("not at start") << "/x/%QUORIX_TEST_DIR%" << "/x/%QUORIX_TEST_DIR%";
}

void TestPathMacros::environmentReferences()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    qputenv("QUORIX_TEST_DIR", "/opt/quorix");
    qunsetenv("QUORIX_UNDEFINED_VAR");
    QCOMPARE(ExpandPathMacro(path), expected);
}

void TestPathMacros::projectItems_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString valid = "[header]\nfiletype=Quorix Project File\n[folders]\nsrc=name:\"Sources\"; path:\"/work/src\";\n";
    QTest::newRow("item") << valid << "$PROJECTS$/Alpha/src/main.cpp" << "/work/src/main.cpp";
    QTest::newRow("item alone") << valid << "$PROJECTS$/Alpha/src" << "/work/src/";
    QTest::newRow("missing item") << valid << "$PROJECTS$/Alpha/doc/x" << "$PROJECTS$/Alpha/doc/x";
    QTest::newRow("project only") << valid << "$PROJECTS$/Alpha" << "$PROJECTS$/Alpha";
    QTest::newRow("wrong file type") << QString(valid).replace("Quorix Project File", "Other")
                                     << "$PROJECTS$/Alpha/src/x" << "$PROJECTS$/Alpha/src/x";
    QTest::newRow("missing project") << QString() << "$PROJECTS$/Beta/src/x" << "$PROJECTS$/Beta/src/x";
}

void TestPathMacros::projectItems()
{
    QFETCH(QString, project);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    if (!project.isEmpty())
        m_home->writeFile(DataFilePath(dfProjects) + "Alpha.qxp", project.toUtf8());
    QCOMPARE(ExpandPathMacro(path), expected);
}

void TestPathMacros::virtualFolderCodes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::newRow("control panel") << "$CONTROLPANEL$" << 3;
    QTest::newRow("my computer") << "$MYCOMPUTER$" << 17;
    QTest::newRow("network") << "$NETWORK$" << 18;
    QTest::newRow("printers with rest") << "$PRINTERS$/x" << 4;
    QTest::newRow("recycle") << "$RECYCLE$" << 10;
    QTest::newRow("small letters") << "$printers$" << 0;
    QTest::newRow("folder") << "$MYDOC$" << 0;
    QTest::newRow("short") << "$A$" << 0;
    QTest::newRow("not a macro") << "/tmp" << 0;
}

void TestPathMacros::virtualFolderCodes()
{
    QFETCH(QString, path);
    QFETCH(int, code);
    QCOMPARE(VirtualFolderCsidl(path), code);
}

void TestPathMacros::resolveUserOrCommon_data()
{
    QTest::addColumn<QStringList>("existing"); // files made below the test home
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString user = ".local/share/applications/Office/writer.desktop";
    const QString common = "usr/share/applications/Office/writer.desktop";
    QTest::newRow("user copy wins") << QStringList{user, common} << "$PROGRAMS$/Office/writer.desktop" << "~/" + user;
    QTest::newRow("common copy") << QStringList{common} << "$PROGRAMS$/Office/writer.desktop" << "~/" + common;
    QTest::newRow("neither") << QStringList{"usr/share/applications/other.desktop"}
                             << "$PROGRAMS$/Office/writer.desktop" << "";
    QTest::newRow("desktop file") << QStringList{"Schreibtisch/notes.txt"} << "$DESKTOP$/notes.txt"
                                  << "~/Schreibtisch/notes.txt";
    QTest::newRow("plain existing path") << QStringList{"plain.txt"} << "~/plain.txt" << "~/plain.txt";
}

void TestPathMacros::resolveUserOrCommon()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    for (const QString &file : existing)
        m_home->writeFile(file, "x");
    m_home->writeFile("usr/share/applications/any.desktop", "[Desktop Entry]\n");
    path.replace('~', Home());
    expected.replace('~', Home());
    QCOMPARE(ResolveUserOrCommonPath(path), expected);
}

void TestPathMacros::displayNamesAndAliases()
{
    const NameValueList names = MacroDisplayNames();
    QCOMPARE(names.size(), 19);
    QCOMPARE(names.first(), (std::pair<QString, QString>("$COMMONPROGRAMS$", "Common Programs")));
    QCOMPARE(names.last(), (std::pair<QString, QString>("$QUORIX$", "Quorix Directory")));
    for (const auto &[word, name] : names)
        QVERIFY2(word != "$PROJECTS$" && word != "$RECYCLE$" && word != "$SYSTEM$", qPrintable(word));

    const NameValueList aliases = LoadAliases();
    QCOMPARE(aliases.size(), 2);
    QCOMPARE(aliases[0].first, QStringLiteral("$TOOLS$"));
    QCOMPARE(aliases[1].first, QStringLiteral("$Trail$"));
}

void TestPathMacros::specialFoldersFollowXdg()
{
    QCOMPARE(SpecialFolderPath(csidlPersonal), Home() + "/Docs/");
    QCOMPARE(SpecialFolderPath(csidlAppData), Home() + "/.local/share/");
    QCOMPARE(SpecialFolderPath(csidlCommonPrograms), QString()); // no system entries in the test home
    m_home->writeFile("usr/share/applications/a.desktop", "[Desktop Entry]\n");
    QCOMPARE(SpecialFolderPath(csidlCommonPrograms), Home() + "/usr/share/applications/");
    QCOMPARE(SpecialFolderPath(csidlPrinters), QString());
}

QTEST_GUILESS_MAIN(TestPathMacros)
#include "tst_pathmacros.moc"
