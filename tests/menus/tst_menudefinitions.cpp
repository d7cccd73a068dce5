// The menu definitions file is edited by hand and by the menu designer; every stored entry must
// read back with the same meaning (shown or skipped, limit, mask, icon) as when it was written.
#include "base/inifile.h"
#include "menus/menudefinitions.h"

#include <QTest>

class TestMenuDefinitions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryShown_data();
    void entryShown();
    void itemLimit_data();
    void itemLimit();
    void fieldsAndDefaults();
    void fileOrderNotKeyNames();
    void headerIsNeverAMenu();
    void sectionList();
};

void TestMenuDefinitions::entryShown_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("shown");

    QTest::newRow("folder") << R"(active:"1"; itemtype:"0"; name:"Docs"; path:"/tmp";)" << true;
    QTest::newRow("item") << R"(active:"1"; itemtype:"1"; name:"Vim"; path:"vim";)" << true;
    QTest::newRow("inactive") << R"(active:"0"; itemtype:"1"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("active is exactly 1") << R"(active:"yes"; itemtype:"1"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("active missing") << R"(itemtype:"1"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("itemtype 3") << R"(active:"1"; itemtype:"3"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("itemtype negative") << R"(active:"1"; itemtype:"-1"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("itemtype not a number") << R"(active:"1"; itemtype:"x"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("itemtype missing") << R"(active:"1"; name:"Vim"; path:"vim";)" << false;
    QTest::newRow("item without path") << R"(active:"1"; itemtype:"1"; name:"Vim";)" << false;
    QTest::newRow("folder without path") << R"(active:"1"; itemtype:"0"; name:"Docs";)" << false;
    QTest::newRow("separator without path") << R"(active:"1"; itemtype:"2";)" << true;
    QTest::newRow("inactive separator") << R"(active:"0"; itemtype:"2";)" << false;
    QTest::newRow("garbage") << "garbage" << false;
}

void TestMenuDefinitions::entryShown()
{
    QFETCH(QString, value);
    QFETCH(bool, shown);
    QCOMPARE(ParseMenuDefinitionEntry("item0000", value).IsShown(), shown);
}

void TestMenuDefinitions::itemLimit_data()
{
    QTest::addColumn<QString>("maxitems");
    QTest::addColumn<int>("limit"); // with maxnumber 125; 0 and below: no limit

    QTest::newRow("-1 is maxnumber") << "-1" << 125;
    QTest::newRow("missing is maxnumber") << "" << 125;
    QTest::newRow("text is maxnumber") << "many" << 125;
    QTest::newRow("0 is no limit") << "0" << 0;
    QTest::newRow("-5 is no limit") << "-5" << -5;
    QTest::newRow("a number") << "10" << 10;
    QTest::newRow("above maxnumber") << "500" << 500;
}

void TestMenuDefinitions::itemLimit()
{
    QFETCH(QString, maxitems);
    QFETCH(int, limit);
    QString value = QStringLiteral(R"(active:"1"; itemtype:"0"; path:"/tmp";)");
    if (!maxitems.isEmpty())
        value += QStringLiteral(R"( maxitems:"%1";)").arg(maxitems);
    QCOMPARE(ParseMenuDefinitionEntry("k", value).ItemLimit(125), limit);
}

void TestMenuDefinitions::fieldsAndDefaults()
{
    const MenuDefinitionEntry full = ParseMenuDefinitionEntry(
        "item0001", R"(active:"1"; itemtype:"0"; name:"&Letters"; path:"$MYDOC$\Letters"; mask:"*.odt *.doc"; )"
                    R"(maxitems:"10"; expanded:"1"; iconfile:"/icons/a.ico"; iconindex:"2";)");
    QCOMPARE(full.key, QStringLiteral("item0001"));
    QVERIFY(full.active);
    QCOMPARE(full.itemType, int(metFolder));
    QCOMPARE(full.name, QStringLiteral("&Letters"));
    QCOMPARE(full.path, QStringLiteral("$MYDOC$\\Letters"));
    QCOMPARE(full.mask, QStringLiteral("*.odt *.doc"));
    QCOMPARE(full.ItemLimit(125), 10);
    QVERIFY(full.expanded);
    QCOMPARE(full.iconFile, QStringLiteral("/icons/a.ico"));
    QCOMPARE(full.iconIndex, 2);

    const MenuDefinitionEntry bare = ParseMenuDefinitionEntry("x", R"(active:"1"; itemtype:"0"; path:"/tmp";)");
    QVERIFY(bare.name.isEmpty());
    QVERIFY(bare.mask.isEmpty());
    QVERIFY(!bare.expanded);
    QCOMPARE(bare.iconIndex, 0);
    QCOMPARE(bare.ItemLimit(77), 77);
    // expanded is exactly "1"
    QVERIFY(!ParseMenuDefinitionEntry("x", R"(active:"1"; itemtype:"0"; path:"/t"; expanded:"true";)").expanded);
}

void TestMenuDefinitions::fileOrderNotKeyNames()
{
    const auto file = IniFile::FromData("[menu]\n"
                                        "item0002=active:\"1\"; itemtype:\"1\"; name:\"B\"; path:\"b\";\n"
                                        "zzz=active:\"1\"; itemtype:\"1\"; name:\"A\"; path:\"a\";\n"
                                        "item0000=active:\"0\"; itemtype:\"1\"; name:\"C\"; path:\"c\";\n");
    const QList<MenuDefinitionEntry> entries = ReadMenuDefinitions(*file);
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].name, QStringLiteral("B"));
    QCOMPARE(entries[1].name, QStringLiteral("A"));
    QCOMPARE(entries[2].name, QStringLiteral("C")); // inactive, still in its place
    QVERIFY(!entries[2].IsShown());
}

void TestMenuDefinitions::headerIsNeverAMenu()
{
    const auto file = IniFile::FromData("[header]\nversion=01030000\n"
                                        "item0000=active:\"1\"; itemtype:\"1\"; name:\"H\"; path:\"h\";\n");
    QVERIFY(ReadMenuDefinitions(*file, "header").isEmpty());
    QVERIFY(ReadMenuDefinitions(*file, "HEADER").isEmpty());
    QVERIFY(!IsMenuSection("Header"));
    QVERIFY(IsMenuSection("Tools"));
}

void TestMenuDefinitions::sectionList()
{
    const auto file = IniFile::FromData("[header]\nversion=1\n[zeta]\na=1\n[menu]\nb=2\n[Alpha]\nc=3\n");
    QCOMPARE(MenuDefinitionSections(*file), (QStringList{"menu", "Alpha", "zeta"}));
}

QTEST_APPLESS_MAIN(TestMenuDefinitions)
#include "tst_menudefinitions.moc"
