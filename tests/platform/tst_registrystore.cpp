// The user's registry store on Linux: values live in registry.ini, a section per key path, and
// "start when I log in" is the XDG autostart entry, which the desktop (GIO) must read back as the
// very program Quorix wrote, whatever characters its path holds.
#include "platform/linux/xdgregistrystore.h"
#include "base/inifile.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gio/gdesktopappinfo.h>

namespace {

// The program the desktop starts for an autostart entry, read as GLib reads it when it launches
// one: the Exec string with its escapes undone, "%%" as "%", then split into words. Empty when
// GIO refuses the entry (it also checks that the program exists) or when GLib finds an escape in
// the Exec string that the desktop entry format does not define (it would guess).
QString ProgramAsTheDesktopReadsIt(const QString &entryPath)
{
    const QByteArray file = entryPath.toLocal8Bit();
    GDesktopAppInfo *info = g_desktop_app_info_new_from_filename(file.constData());
    if (!info)
        return {};
    g_object_unref(info);
    GKeyFile *keys = g_key_file_new();
    QString program;
    if (g_key_file_load_from_file(keys, file.constData(), G_KEY_FILE_NONE, nullptr)) {
        GError *error = nullptr;
        char *exec = g_key_file_get_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC, &error);
        const QByteArray expanded = QByteArray(exec && !error ? exec : "").replace("%%", "%");
        g_free(exec);
        if (error)
            g_error_free(error);
        int argc = 0;
        char **argv = nullptr;
        if (g_shell_parse_argv(expanded.constData(), &argc, &argv, nullptr) && argc > 0)
            program = QString::fromLocal8Bit(argv[0]);
        g_strfreev(argv);
    }
    g_key_file_free(keys);
    return program;
}

QString MakeProgram(const TestHome &home, const QString &relativePath)
{
    const QString path = home.writeFile(relativePath, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestRegistryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesLiveInOneSectionPerKeyPath();
    void autostartEntryNamesTheProgram_data();
    void autostartEntryNamesTheProgram();
    void autostartEntryReadBack_data();
    void autostartEntryReadBack();
    void unsafeProgramPathsAreRefused_data();
    void unsafeProgramPathsAreRefused();
    void autostartEntryRemoved();
};

void TestRegistryStore::valuesLiveInOneSectionPerKeyPath()
{
    TestHome home;
    XdgRegistryStore store;
    QCOMPARE(XdgRegistryStore::RegistryFilePath(), home.configHome() + QStringLiteral("/Brenmoor/registry.ini"));
    QCOMPARE(store.ReadString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H"),
                              QStringLiteral("22")),
             QStringLiteral("22"));
    QVERIFY(store.WriteString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H"),
                              QStringLiteral("60")));
    QVERIFY(store.WriteString(QStringLiteral("software\\Brenmoor\\Quorix\\Notes"), QStringLiteral("W"),
                              QStringLiteral("300")));
    QCOMPARE(store.ReadString(QStringLiteral("SOFTWARE\\BRENMOOR\\QUORIX"), QStringLiteral("mainmenu-h"), {}),
             QStringLiteral("60"));
    const IniFile file(XdgRegistryStore::RegistryFilePath());
    QCOMPARE(file.Sections(), (QStringList{"software\\Brenmoor\\Quorix", "software\\Brenmoor\\Quorix\\Notes"}));
    QCOMPARE(file.ReadString(QStringLiteral("software\\Brenmoor\\Quorix\\Notes"), QStringLiteral("W")),
             QStringLiteral("300"));
}

void TestRegistryStore::autostartEntryNamesTheProgram_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("gioLoadsIt");
    QTest::newRow("plain") << "bin/quorix" << true;
    QTest::newRow("blank") << "my programs/quorix" << true;
    QTest::newRow("dollar") << "price$5/quorix" << true;
    QTest::newRow("double quote") << "say \"hi\"/quorix" << true;
    QTest::newRow("backslash") << "back\\slash/quorix" << true;
    QTest::newRow("backtick") << "tick`tock/quorix" << true;
    QTest::newRow("single quote and more") << "it's (mine); #1 & <b>/quorix" << true;
    QTest::newRow("not ASCII") << "Grüße/quorix" << true;
    // GIO looks for the program before it turns "%%" back into "%", so it never finds this one;
    // the entry is still the right one, and Quorix reads it back.
    QTest::newRow("percent") << "100% sure/quorix" << false;
}

void TestRegistryStore::autostartEntryNamesTheProgram()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, gioLoadsIt);
    TestHome home;
    const QString program = MakeProgram(home, relativePath);
    XdgRegistryStore store;
    QVERIFY(store.AutostartProgram().isEmpty());
    QVERIFY(store.SetAutostartProgram(program));
    QCOMPARE(store.AutostartEntryPath(), home.configHome() + QStringLiteral("/autostart/quorix.desktop"));
    QCOMPARE(store.AutostartProgram(), program);
    if (gioLoadsIt)
        QCOMPARE(ProgramAsTheDesktopReadsIt(store.AutostartEntryPath()), program);
}

void TestRegistryStore::autostartEntryReadBack_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("program");

    const QByteArray head = "[Desktop Entry]\nType=Application\nName=Quorix\n";
    QTest::newRow("no entry") << QByteArray() << QString();
    QTest::newRow("arguments after the program") << head + "Exec=/usr/bin/quorix /debug\n" << "/usr/bin/quorix";
    QTest::newRow("quoted") << head + "Exec=\"/opt/my apps/quorix\" /debug\n" << "/opt/my apps/quorix";
    QTest::newRow("percent doubled") << head + "Exec=\"/opt/100%% sure/quorix\"\n" << "/opt/100% sure/quorix";
    // Written with the Exec quoting alone, before the string escapes were doubled.
    QTest::newRow("older entry with a dollar") << head + "Exec=\"/opt/a\\$b/quorix\"\n" << "/opt/a$b/quorix";
    QTest::newRow("turned off by the user") << head + "Exec=/usr/bin/quorix\nHidden=true\n" << QString();
    QTest::newRow("turned off, any case") << head + "Exec=/usr/bin/quorix\nHidden=True\n" << QString();
    QTest::newRow("no Exec") << head << QString();
}

void TestRegistryStore::autostartEntryReadBack()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, program);
    TestHome home;
    if (!entry.isEmpty())
        home.writeFile(QStringLiteral(".config/autostart/quorix.desktop"), entry);
    XdgRegistryStore store;
    QCOMPARE(store.AutostartProgram(), program);
}

void TestRegistryStore::unsafeProgramPathsAreRefused_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("empty") << QString();
    QTest::newRow("line break") << QStringLiteral("/opt/quorix\nHidden=true");
    QTest::newRow("carriage return") << QStringLiteral("/opt/quo\rrix");
    QTest::newRow("tab") << QStringLiteral("/opt/quo\trix");
}

void TestRegistryStore::unsafeProgramPathsAreRefused()
{
    QFETCH(QString, program);
    TestHome home;
    XdgRegistryStore store;
    QVERIFY(store.SetAutostartProgram(QStringLiteral("/usr/bin/quorix")));
    const QByteArray before = readWholeFile(store.AutostartEntryPath());
    // Refused, and the entry that was there stays as it was.
    QVERIFY(!store.SetAutostartProgram(program));
    QCOMPARE(readWholeFile(store.AutostartEntryPath()), before);
    QCOMPARE(store.AutostartProgram(), QStringLiteral("/usr/bin/quorix"));
}

void TestRegistryStore::autostartEntryRemoved()
{
    TestHome home;
    XdgRegistryStore store;
    // Nothing to remove is no failure.
    QVERIFY(store.RemoveAutostartProgram());
    QVERIFY(store.SetAutostartProgram(QStringLiteral("/usr/bin/quorix")));
    QVERIFY(store.RemoveAutostartProgram());
    QVERIFY(!QFile::exists(store.AutostartEntryPath()));
    QVERIFY(store.AutostartProgram().isEmpty());
}

QTEST_MAIN(TestRegistryStore)
#include "tst_registrystore.moc"
