// What the bar does with settings.ini: every key's default, the odd values users type by hand, and
// the dialogs' remembered positions.
#include "foundation/barsettings.h"
#include "foundation/formplacement.h"
#include "base/inifile.h"
#include "testenv.h"

#include <QHash>
#include <QRect>
#include <QTest>

class TestBarSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsForAnEmptyFile();
    void readsValues_data();
    void readsValues();
    void zeroKeepsItsMeaning();
    void hugeNumbersAreBounded_data();
    void hugeNumbersAreBounded();
    void boundedValuesAreNotWrittenBack();
    void marqueeLinesStopAtTheFirstGap_data();
    void marqueeLinesStopAtTheFirstGap();
    void blendValue_data();
    void blendValue();
    void roundHalfEven_data();
    void roundHalfEven();
    void formPosition_data();
    void formPosition();
};

void TestBarSettings::defaultsForAnEmptyFile()
{
    const auto ini = IniFile::FromData({});
    const BarSettings s = BarSettings::Read(*ini);
    QCOMPARE(s.dockAtBottom, false);
    QCOMPARE(s.alwaysOnTop, false);
    QCOMPARE(s.height, 22);
    QCOMPARE(s.maxNumber, 125);
    QCOMPARE(s.runCount, 25);
    QCOMPARE(s.showIcons, true);
    QCOMPARE(s.showRun, false);
    QCOMPARE(s.runWidth, 100);
    QCOMPARE(s.infoBarEnabled, false);
    QCOMPARE(s.infoBarWidth, 150);
    QCOMPARE(s.infoBarMargin, 10);
    QCOMPARE(s.showMarquee, true);
    QCOMPARE(s.marqueeTimer, true);
    QCOMPARE(s.marqueeFrameLength, 10);
    QCOMPARE(s.marqueePosition, 0);
    QCOMPARE(s.marqueeWidth, 200);
    QCOMPARE(s.menuAlpha, 0);
    QCOMPARE(s.dropShadow, true);
    QCOMPARE(s.BarHeight(), 22);
}

// 0 items means no limit and a frame length of 0 a marquee that does not rotate: neither is
// turned into something else on reading.
void TestBarSettings::zeroKeepsItsMeaning()
{
    const BarSettings s = BarSettings::Read(
        *IniFile::FromData("[menu-settings]\nmaxnumber=0\n[marquee-settings]\nmarqueeframelength=0\n"));
    QCOMPARE(s.maxNumber, 0);
    QCOMPARE(s.marqueeFrameLength, 0);
}

void TestBarSettings::readsValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<bool>("alwaysOnTop");

    QTest::newRow("bottom") << QByteArray("[general]\nposition=bottom\n") << true << 22 << false;
    QTest::newRow("Bottom docks at the top") << QByteArray("[general]\nposition=Bottom\n") << false << 22 << false;
    QTest::newRow("two rows") << QByteArray("[menu-settings]\nheight=30\n[infobar]\nenabled=1\n") << false << 60 << false;
    QTest::newRow("dialog spelling") << QByteArray("[menu-settings]\nAlwaysOnTop=1\n") << false << 22 << true;
    QTest::newRow("zero height falls back") << QByteArray("[menu-settings]\nheight=0\n") << false << 22 << false;
    QTest::newRow("text height falls back") << QByteArray("[menu-settings]\nheight=tall\n") << false << 22 << false;
}

void TestBarSettings::readsValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, bottom);
    QFETCH(int, barHeight);
    QFETCH(bool, alwaysOnTop);
    const BarSettings s = BarSettings::Read(*IniFile::FromData(ini));
    QCOMPARE(s.dockAtBottom, bottom);
    QCOMPARE(s.BarHeight(), barHeight);
    QCOMPARE(s.alwaysOnTop, alwaysOnTop);
}

void TestBarSettings::hugeNumbersAreBounded_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    const QByteArray huge = "2147483647";
    QTest::newRow("height") << "[menu-settings]\nheight=" + huge << "height" << 200;
    QTest::newRow("negative height") << QByteArray("[menu-settings]\nheight=-5") << "height" << 22;
    QTest::newRow("run width") << "[menu-settings]\nrunwidth=" + huge << "runWidth" << 9999;
    QTest::newRow("negative run width") << QByteArray("[menu-settings]\nrunwidth=-2147483648") << "runWidth" << 0;
    QTest::newRow("run count") << "[menu-settings]\nruncount=" + huge << "runCount" << 999;
    QTest::newRow("max number") << "[menu-settings]\nmaxnumber=" + huge << "maxNumber" << 9999;
    QTest::newRow("info bar width") << "[infobar]\nwidth=" + huge << "infoBarWidth" << 9999;
    QTest::newRow("info bar margin") << "[infobar]\nmargin=" + huge << "infoBarMargin" << 999;
    QTest::newRow("marquee width") << "[marquee-settings]\nwidth=" + huge << "marqueeWidth" << 999;
    QTest::newRow("frame length") << "[marquee-settings]\nmarqueeframelength=" + huge << "marqueeFrameLength" << 999;
    QTest::newRow("in range stays") << QByteArray("[menu-settings]\nrunwidth=250") << "runWidth" << 250;
}

void TestBarSettings::hugeNumbersAreBounded()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, field);
    QFETCH(int, value);
    const BarSettings s = BarSettings::Read(*IniFile::FromData(ini));
    const QHash<QString, int> fields{{"height", s.height},         {"runWidth", s.runWidth},
                                     {"runCount", s.runCount},     {"maxNumber", s.maxNumber},
                                     {"infoBarWidth", s.infoBarWidth}, {"infoBarMargin", s.infoBarMargin},
                                     {"marqueeWidth", s.marqueeWidth}, {"marqueeFrameLength", s.marqueeFrameLength}};
    QCOMPARE(fields.value(field), value);
}

void TestBarSettings::boundedValuesAreNotWrittenBack()
{
    TestHome home;
    const QString path = home.writeFile("settings.ini", "[menu-settings]\nrunwidth=2147483647\nheight=30\n");
    IniFile ini(path);
    const BarSettings read = BarSettings::Read(ini);
    BarSettings changed = read;
    changed.height = 40;
    QVERIFY(changed.Write(ini, read));
    const IniFile again(path);
    QCOMPARE(again.ReadString("menu-settings", "runwidth"), QStringLiteral("2147483647"));
    QCOMPARE(again.ReadInteger("menu-settings", "height", 0), 40);
}

void TestBarSettings::marqueeLinesStopAtTheFirstGap_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("none") << QByteArray("[marquee]\n") << QStringList{};
    QTest::newRow("two") << QByteArray("[marquee]\nline0=a\nline1=b\nline3=d\n") << QStringList{"a", "b"};
    QTest::newRow("first empty") << QByteArray("[marquee]\nline0=\nline1=b\n") << QStringList{};
}

void TestBarSettings::marqueeLinesStopAtTheFirstGap()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, lines);
    QCOMPARE(BarSettings::Read(*IniFile::FromData(ini)).marqueeLines, lines);
}

void TestBarSettings::blendValue_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("blend");
    QTest::newRow("opaque") << 0 << 255;
    QTest::newRow("one") << 1 << 252;
    QTest::newRow("half rounds to even") << 50 << 127;
    QTest::newRow("ten") << 10 << 229;  // 25.5 -> 26
    QTest::newRow("thirty") << 30 << 179; // 76.5 -> 76
    QTest::newRow("invisible") << 100 << 0;
}

void TestBarSettings::blendValue()
{
    QFETCH(int, percent);
    QFETCH(int, blend);
    QCOMPARE(BlendValueForAlpha(percent), blend);
}

void TestBarSettings::roundHalfEven_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("2.5") << 5 << 2 << 2;
    QTest::newRow("3.5") << 7 << 2 << 4;
    QTest::newRow("-2.5") << -5 << 2 << -2;
    QTest::newRow("-3.5") << -7 << 2 << -4;
    QTest::newRow("2.4") << 24 << 10 << 2;
    QTest::newRow("-2.6") << -26 << 10 << -3;
}

void TestBarSettings::roundHalfEven()
{
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(RoundHalfEven(numerator, denominator), (long long)result);
}

void TestBarSettings::formPosition_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expectedX");
    QTest::addColumn<int>("expectedY");
    QTest::newRow("kept") << 300 << 200 << 300 << 200;
    QTest::newRow("raised to 20") << 5 << -40 << 20 << 20;
    QTest::newRow("beyond the right edge") << 5000 << 100 << 1024 - 400 << 100;
    QTest::newRow("beyond the bottom") << 100 << 5000 << 100 << 768 - 300;
}

void TestBarSettings::formPosition()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, expectedX);
    QFETCH(int, expectedY);
    const QPointPair p = ClampedFormPosition(x, y, 400, 300, QRect(0, 0, 1024, 768));
    QCOMPARE(p.x, expectedX);
    QCOMPARE(p.y, expectedY);
}

QTEST_GUILESS_MAIN(TestBarSettings)
#include "tst_barsettings.moc"
