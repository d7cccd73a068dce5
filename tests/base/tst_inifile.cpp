// settings.ini, menusettings.ini and themes.ini are edited by hand as well as by Quorix: the reader
// must follow the usual profile rules and a write must never damage the file.
#include "base/inifile.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray Bytes(const char *text, int size) { return QByteArray(text, size); }
} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWithProfileRules_data();
    void readsWithProfileRules();
    void listsSectionsAndKeysInFileOrder();
    void writesKeepOrderAndAppendNewKeys();
    void eraseAndDelete();
    void missingFileReadsAsDefaults();
    void failedWriteLeavesTheOldFile();
    void unwritablePlaceReportsFailure();
    void batchWritesSaveOnlyOnUpdate();
    void keepsUtf8Text();
    void valuesNeverSpillOntoANewLine();
    void readsHandMadeFiles_data();
    void readsHandMadeFiles();
    void writeReplacesEveryRepeatOfAKey();
    void damagedFileIsNeverWritten_data();
    void damagedFileIsNeverWritten();
};

void TestIniFile::readsWithProfileRules_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    QTest::newRow("names ignore case") << "MENU-Settings" << "HEIGHT" << "int" << "22" << "30";
    QTest::newRow("alternate spelling") << "menu-settings" << "ShowIcons" << "bool" << "1" << "0";
    QTest::newRow("missing key default") << "menu-settings" << "runwidth" << "int" << "100" << "100";
    QTest::newRow("missing section default") << "nothing" << "x" << "string" << "dflt" << "dflt";
    QTest::newRow("non-numeric integer") << "menu-settings" << "maxnumber" << "int" << "125" << "125";
    QTest::newRow("any non-zero is true") << "infobar" << "enabled" << "bool" << "0" << "1";
    QTest::newRow("negative is true") << "infobar" << "autosize" << "bool" << "0" << "1";
    QTest::newRow("zero is false") << "alphablend" << "menu_dropshadow" << "bool" << "1" << "0";
    QTest::newRow("text bool keeps default") << "alphablend" << "menu_noalphaonactivate" << "bool" << "1" << "1";
    QTest::newRow("blanks around value") << "general" << "position" << "string" << "" << "bottom";
    QTest::newRow("empty value is not missing") << "general" << "wabfilename" << "string" << "x" << "";
    QTest::newRow("negative colour") << "theme" << "menu_color" << "int" << "0" << "-16777201";
}

void TestIniFile::readsWithProfileRules()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, kind);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);
    TestHome home;
    const QString path = home.writeFile("settings.ini",
                                        "[menu-settings]\nheight=30\nshowicons=0\nmaxnumber=lots\n"
                                        "[infobar]\nenabled=7\nautosize=-1\n"
                                        "[alphablend]\nmenu_dropshadow=0\nmenu_noalphaonactivate=yes\n"
                                        "[general]\nposition =  bottom  \nwabfilename=\n"
                                        "[theme]\nmenu_color=-16777201\n");
    const IniFile ini(path);
    QString actual;
    if (kind == "int")
        actual = QString::number(ini.ReadInteger(section, key, defaultValue.toInt()));
    else if (kind == "bool")
        actual = ini.ReadBool(section, key, defaultValue == "1") ? "1" : "0";
    else
        actual = ini.ReadString(section, key, defaultValue);
    QCOMPARE(actual, expected);
}

void TestIniFile::listsSectionsAndKeysInFileOrder()
{
    TestHome home;
    const QString path = home.writeFile("menus.ini",
                                        "[menu]\nitem0002=b\nitem0000=a\nzeta=z\n[header]\nversion=1\n[Tools]\nx=1\n");
    const IniFile ini(path);
    QCOMPARE(ini.Sections(), (QStringList{"menu", "header", "Tools"}));
    QCOMPARE(ini.Keys("MENU"), (QStringList{"item0002", "item0000", "zeta"}));
    QCOMPARE(ini.SectionValues("menu").first().second, QStringLiteral("b"));
    QVERIFY(ini.SectionExists("tools"));
    QVERIFY(!ini.SectionExists("missing"));
    QVERIFY(ini.ValueExists("Header", "VERSION"));
}

void TestIniFile::writesKeepOrderAndAppendNewKeys()
{
    TestHome home;
    const QString path = home.writeFile("s.ini", "[a]\none=1\ntwo=2\n[b]\nx=1\n");
    {
        IniFile ini(path);
        QVERIFY(ini.WriteString("A", "ONE", "uno"));
        QVERIFY(ini.WriteInteger("a", "three", 3));
        QVERIFY(ini.WriteBool("c", "flag", true));
    }
    const IniFile reread(path);
    QCOMPARE(reread.Keys("a"), (QStringList{"one", "two", "three"}));
    QCOMPARE(reread.ReadString("a", "one"), QStringLiteral("uno"));
    QCOMPARE(reread.Sections(), (QStringList{"a", "b", "c"}));
    QCOMPARE(reread.ReadString("c", "flag"), QStringLiteral("1"));
}

void TestIniFile::eraseAndDelete()
{
    TestHome home;
    const QString path = home.writeFile("s.ini", "[menu]\nitem0000=a\nitem0001=b\n[Tools]\nx=1\n");
    IniFile ini(path);
    QVERIFY(ini.EraseSection("MENU"));
    QVERIFY(ini.DeleteKey("tools", "X"));
    const IniFile reread(path);
    QVERIFY(!reread.SectionExists("menu"));
    QVERIFY(!reread.ValueExists("Tools", "x"));
}

void TestIniFile::missingFileReadsAsDefaults()
{
    TestHome home;
    const IniFile ini(home.path() + "/none.ini");
    QVERIFY(ini.IsReadable());
    QCOMPARE(ini.ReadInteger("menu-settings", "height", 22), 22);
    QVERIFY(ini.Sections().isEmpty());
}

void TestIniFile::failedWriteLeavesTheOldFile()
{
    if (geteuid() == 0)
        QSKIP("root may write into read-only folders");
    TestHome home;
    const QString path = home.writeFile("ro/s.ini", "[a]\nkey=old\n");
    QFile::setPermissions(home.path() + "/ro", QFile::ReadOwner | QFile::ExeOwner);
    IniFile ini(path);
    QVERIFY(!ini.WriteString("a", "key", "new"));
    QFile::setPermissions(home.path() + "/ro", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(readWholeFile(path), QByteArray("[a]\nkey=old\n"));
}

void TestIniFile::unwritablePlaceReportsFailure()
{
    TestHome home;
    home.writeFile("blocker", "a file where a folder should be");
    IniFile ini(home.path() + "/blocker/s.ini");
    QVERIFY(!ini.WriteString("a", "key", "value"));
}

void TestIniFile::batchWritesSaveOnlyOnUpdate()
{
    TestHome home;
    const QString path = home.writeFile("s.ini", "[a]\nkey=old\n");
    IniFile ini(path);
    ini.SetAutoSave(false);
    ini.WriteString("a", "key", "new");
    QCOMPARE(IniFile(path).ReadString("a", "key"), QStringLiteral("old"));
    QVERIFY(ini.UpdateFile());
    QCOMPARE(IniFile(path).ReadString("a", "key"), QStringLiteral("new"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"s.ini"});
}

void TestIniFile::keepsUtf8Text()
{
    TestHome home;
    const QString path = home.path() + "/u.ini";
    IniFile(path).WriteString("marquee", "line0", QStringLiteral("Grüße — %time%"));
    QCOMPARE(IniFile(path).ReadString("Marquee", "LINE0"), QStringLiteral("Grüße — %time%"));
    const QString bom = home.writeFile("bom.ini", "\xEF\xBB\xBF[a]\nk=v\n");
    QCOMPARE(IniFile(bom).ReadString("a", "k"), QStringLiteral("v"));
}

void TestIniFile::valuesNeverSpillOntoANewLine()
{
    TestHome home;
    const QString path = home.path() + "/n.ini";
    IniFile(path).WriteString("a", "k", "first\nsecond=evil\r\nthird");
    const IniFile reread(path);
    QCOMPARE(reread.Keys("a"), QStringList{"k"});
}


// Files made by hand, by older copies or on Windows: what the profile rules give for each.
void TestIniFile::readsHandMadeFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a repeated key reads as its first value")
        << QByteArray("[s]\nk=first\nk=second\n") << "k" << "first";
    QTest::newRow("one pair of quotes is dropped") << QByteArray("[s]\nk=\"C:\\My Files\"\n") << "k" << "C:\\My Files";
    QTest::newRow("inner quotes stay") << QByteArray("[s]\nk=name:\"x\"; path:\"y\";\n") << "k" << "name:\"x\"; path:\"y\";";
    QTest::newRow("a lone quote stays") << QByteArray("[s]\nk=\"\n") << "k" << "\"";
    QTest::newRow("a NUL byte does not end the file")
        << Bytes("[s]\nbroken=a\0b\nk=after\n", 23) << "k" << "after";
    QTest::newRow("Windows-1252 text") << QByteArray("[s]\nk=Caf\xe9 \x80 5\n") << "k" << QString::fromUtf8("Café € 5");
    QTest::newRow("UTF-8 text stays UTF-8") << QByteArray("[s]\nk=Caf\xc3\xa9\n") << "k" << QString::fromUtf8("Café");
}

void TestIniFile::readsHandMadeFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestHome home;
    const IniFile ini(home.writeFile("x.ini", content));
    QVERIFY(ini.IsReadable());
    QCOMPARE(ini.ReadString("s", key), expected);
    QCOMPARE(IniFile::FromData(content)->ReadString("s", key), expected);
}

void TestIniFile::writeReplacesEveryRepeatOfAKey()
{
    TestHome home;
    const QString path = home.writeFile("x.ini", "[s]\nk=first\nother=1\nk=second\n");
    IniFile ini(path);
    QVERIFY(ini.WriteString("s", "k", "new"));
    const IniFile again(path);
    QCOMPARE(again.ReadString("s", "k"), QStringLiteral("new"));
    QCOMPARE(again.Keys("s"), (QStringList{"k", "other"}));
    QCOMPARE(readWholeFile(path).count("k="), 1);
}

// A file that cannot be read whole must never be replaced by the little that was understood.
void TestIniFile::damagedFileIsNeverWritten_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a symbolic link loop") << "loop";
    QTest::newRow("no permission") << "mode000";
    QTest::newRow("binary garbage") << "garbage";
    QTest::newRow("a FIFO nobody writes to") << "fifo";
}

void TestIniFile::damagedFileIsNeverWritten()
{
    QFETCH(QString, damage);
    TestHome home;
    const QString path = home.path() + "/settings.ini";
    const QByteArray garbage = Bytes("\x7f" "ELF\x02\x01\x01\0\0\0 not settings at all\n\xff\xfe", 31);
    if (damage == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (damage == "loop") {
        QVERIFY(QFile::link(path, path));
    } else if (damage == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        home.writeFile("settings.ini", damage == "garbage" ? garbage : QByteArray("[s]\nk=v\n"));
        if (damage == "mode000") {
            QFile::setPermissions(path, {});
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("running with permissions that read any file");
        }
    }
    IniFile ini(path);
    QVERIFY(!ini.IsReadable());
    QVERIFY(!ini.ReadError().isEmpty());
    QVERIFY(!ini.WriteString("s", "k", "overwritten"));
    QVERIFY(!ini.UpdateFile());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (damage == "folder")
        QVERIFY(QFileInfo(path).isDir());
    else if (damage == "loop")
        QVERIFY(QFileInfo(path).isSymLink());
    else if (damage == "fifo")
        QVERIFY(!QFileInfo(path).isFile());
    else
        QCOMPARE(readWholeFile(path), damage == "garbage" ? garbage : QByteArray("[s]\nk=v\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
