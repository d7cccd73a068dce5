// Masks decide which files a folder menu shows; stored masks from old menu files must keep
// matching exactly as before (case-sensitive, first occurrence only).
#include "menus/menumasks.h"

#include <QTest>

class TestMenuMasks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesMask_data();
    void matchesMask();
    void matchesMaskList_data();
    void matchesMaskList();
};

void TestMenuMasks::matchesMask_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");

    QTest::newRow("exact") << "readme" << "readme" << true;
    QTest::newRow("no star, differs") << "readme.txt" << "readme" << false;
    QTest::newRow("extension") << "a.txt" << "*.txt" << true;
    QTest::newRow("extension missing") << "a.doc" << "*.txt" << false;
    QTest::newRow("extension twice: first occurrence only") << "a.txt.txt" << "*.txt" << false;
    QTest::newRow("literal in the middle is enough") << "a.txt.bak" << "*.txt*" << true;
    QTest::newRow("case matters") << "SETUP.EXE" << "*.exe" << false;
    QTest::newRow("case matters in prefix") << "Readme.txt" << "readme*" << false;
    QTest::newRow("prefix") << "report-2020.odt" << "report*" << true;
    QTest::newRow("prefix and suffix") << "report-2020.odt" << "report*.odt" << true;
    QTest::newRow("prefix too long") << "rep" << "report*" << false;
    QTest::newRow("star alone") << "anything" << "*" << true;
    QTest::newRow("star matches empty name") << "" << "*" << true;
    QTest::newRow("two stars in a row") << "abc" << "a**c" << true;
    QTest::newRow("no backtracking over an early literal") << "xaxb" << "*x*b" << true;
    QTest::newRow("no backtracking: suffix after first hit") << "a.d.d" << "*.d" << false;
    QTest::newRow("star dot star needs a dot") << "noext" << "*.*" << false;
    QTest::newRow("star dot star with dot") << "a.b" << "*.*" << true;
    QTest::newRow("empty pattern, empty name") << "" << "" << true;
    QTest::newRow("empty pattern, a name") << "a" << "" << false;
    QTest::newRow("non-ASCII") << "Übersicht.pdf" << "Ü*.pdf" << true;
}

void TestMenuMasks::matchesMask()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(MatchesMask(name, pattern), matches);
}

void TestMenuMasks::matchesMaskList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("matches");

    QTest::newRow("empty mask shows everything") << "noext" << "" << true;
    QTest::newRow("star dot star shows everything") << "noext" << "*.*" << true;
    QTest::newRow("one of two") << "b.doc" << "*.txt *.doc" << true;
    QTest::newRow("none of two") << "b.pdf" << "*.txt *.doc" << false;
    QTest::newRow("empty pieces never match") << "b.pdf" << "  *.txt  " << false;
    QTest::newRow("empty pieces around a match") << "b.txt" << "  *.txt  " << true;
    QTest::newRow("blank only") << "x" << " " << false;
    QTest::newRow("star dot star inside a list is a pattern") << "noext" << "*.txt *.*" << false;
    QTest::newRow("case-sensitive list") << "A.TXT" << "*.txt *.doc" << false;
}

void TestMenuMasks::matchesMaskList()
{
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QFETCH(bool, matches);
    QCOMPARE(MatchesMaskList(name, mask), matches);
}

QTEST_APPLESS_MAIN(TestMenuMasks)
#include "tst_menumasks.moc"
