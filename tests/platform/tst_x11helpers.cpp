// The display-free parts of the X11 services: modifier masks and lock variants of key grabs, the
// choice and decoding of window icons, WM_CLASS and title cleaning, error texts.
#include "platform/linux/netwmicon.h"
#include "platform/linux/x11modifiermap.h"
#include "platform/linux/x11windowquery.h"

#include <QtTest>

class TestX11Helpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsModifiers_data();
    void windowsModifiers();
    void lockVariants_data();
    void lockVariants();
    void significantModifiers_data();
    void significantModifiers();
    void nearestIcon_data();
    void nearestIcon();
    void iconPixelsKeepColourAndAlpha();
    void wmClassName_data();
    void wmClassName();
    void titlesLoseControlCharacters();
    void errorTexts();
};

void TestX11Helpers::windowsModifiers_data()
{
    QTest::addColumn<int>("windows");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("ALT") << 1 << int(XCB_MOD_MASK_1);
    QTest::newRow("CTRL") << 2 << int(XCB_MOD_MASK_CONTROL);
    QTest::newRow("SHIFT") << 4 << int(XCB_MOD_MASK_SHIFT);
    QTest::newRow("WIN") << 8 << int(XCB_MOD_MASK_4);
    QTest::newRow("CTRL+ALT") << 3 << int(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1);
    QTest::newRow("no-repeat bit ignored") << (8 | 0x4000) << int(XCB_MOD_MASK_4);
}

void TestX11Helpers::windowsModifiers()
{
    QFETCH(int, windows);
    QFETCH(int, expected);
    QCOMPARE(int(X11ModifierMap().FromWindowsModifiers(windows)), expected);
    // A keyboard with the Windows key on Mod3 moves WIN there and leaves the others.
    const X11ModifierMap moved(XCB_MOD_MASK_1, XCB_MOD_MASK_3, XCB_MOD_MASK_2, 0);
    const int movedExpected = (windows & 8) ? (expected & ~XCB_MOD_MASK_4) | XCB_MOD_MASK_3 : expected;
    QCOMPARE(int(moved.FromWindowsModifiers(windows)), movedExpected);
}

void TestX11Helpers::lockVariants_data()
{
    QTest::addColumn<int>("numLock");
    QTest::addColumn<int>("scrollLock");
    QTest::addColumn<QList<int>>("expected");
    const int caps = XCB_MOD_MASK_LOCK, num = XCB_MOD_MASK_2, scroll = XCB_MOD_MASK_5;
    QTest::newRow("Caps Lock only") << 0 << 0 << QList<int>{0, caps};
    QTest::newRow("with Num Lock") << num << 0 << QList<int>{0, caps, num, caps | num};
    QTest::newRow("with both") << num << scroll
                               << QList<int>{0, caps, num, caps | num, scroll, caps | scroll,
                                             num | scroll, caps | num | scroll};
    QTest::newRow("Scroll Lock on Num Lock's bit") << num << num << QList<int>{0, caps, num, caps | num};
}

void TestX11Helpers::lockVariants()
{
    QFETCH(int, numLock);
    QFETCH(int, scrollLock);
    QFETCH(QList<int>, expected);
    const X11ModifierMap map(XCB_MOD_MASK_1, XCB_MOD_MASK_4, quint16(numLock), quint16(scrollLock));
    QList<int> variants;
    for (quint16 v : map.LockVariants())
        variants.append(v);
    QCOMPARE(variants, expected);
}

void TestX11Helpers::significantModifiers_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("expected");
    const int win = XCB_MOD_MASK_4;
    QTest::newRow("plain") << win << win;
    QTest::newRow("Caps Lock on") << (win | XCB_MOD_MASK_LOCK) << win;
    QTest::newRow("Num Lock on") << (win | XCB_MOD_MASK_2) << win;
    QTest::newRow("all locks on") << (win | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) << win;
    QTest::newRow("mouse button held") << (win | XCB_BUTTON_MASK_1) << win;
    QTest::newRow("extra Shift counts") << (win | XCB_MOD_MASK_SHIFT) << (win | XCB_MOD_MASK_SHIFT);
}

void TestX11Helpers::significantModifiers()
{
    QFETCH(int, state);
    QFETCH(int, expected);
    const X11ModifierMap map(XCB_MOD_MASK_1, XCB_MOD_MASK_4, XCB_MOD_MASK_2, 0);
    QCOMPARE(int(map.SignificantModifiers(quint16(state))), expected);
}

void TestX11Helpers::nearestIcon_data()
{
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << QList<QSize>{} << -1;
    QTest::newRow("exact") << QList<QSize>{{48, 48}, {16, 16}, {32, 32}} << 1;
    QTest::newRow("only large") << QList<QSize>{{256, 256}, {128, 128}} << 1;
    QTest::newRow("tie goes to the larger") << QList<QSize>{{14, 14}, {18, 18}} << 1;
    QTest::newRow("wide icon by its larger side") << QList<QSize>{{32, 8}, {20, 20}} << 1;
}

void TestX11Helpers::nearestIcon()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, expected);
    QCOMPARE(NearestIconIndex(sizes, 16), expected);
}

void TestX11Helpers::iconPixelsKeepColourAndAlpha()
{
    // Two rows of two pixels: opaque red, half-transparent green / blue, fully transparent.
    const quint32 pixels[] = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00000000};
    const QImage image = NetWmIconImage(pixels, 2, 2);
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE(image.pixel(0, 0), 0xFFFF0000u);
    QCOMPARE(image.pixel(1, 0), 0x8000FF00u);
    QCOMPARE(image.pixel(0, 1), 0xFF0000FFu);
    QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
    QVERIFY(NetWmIconImage(pixels, 0, 2).isNull());
    QVERIFY(NetWmIconImage(nullptr, 2, 2).isNull());
}

void TestX11Helpers::wmClassName_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("instance and class") << QByteArray("xterm\0XTerm\0", 12) << QByteArray("XTerm");
    QTest::newRow("no final terminator") << QByteArray("a\0Shell_TrayWnd", 15) << QByteArray("Shell_TrayWnd");
    QTest::newRow("instance only") << QByteArray("lonely") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestX11Helpers::wmClassName()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(WmClassName(value), expected);
}

void TestX11Helpers::titlesLoseControlCharacters()
{
    QCOMPARE(CleanTitle(QStringLiteral("Line one\nLine two\tend")), QStringLiteral("Line one Line two end"));
    QCOMPARE(CleanTitle(QStringLiteral("Grüße & Co")), QStringLiteral("Grüße & Co"));
}

void TestX11Helpers::errorTexts()
{
    QVERIFY(X11ErrorText(10).startsWith(QLatin1String("BadAccess")));
    QVERIFY(X11ErrorText(11).startsWith(QLatin1String("BadAlloc")));
    QCOMPARE(X11ErrorText(200), QStringLiteral("X error 200"));
    QVERIFY(X11ErrorText(static_cast<const xcb_generic_error_t *>(nullptr)).isEmpty());
}

QTEST_GUILESS_MAIN(TestX11Helpers)
#include "tst_x11helpers.moc"
