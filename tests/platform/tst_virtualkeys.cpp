// The virtual-key codes of the hotkey file against X key symbols, Qt keys and shown names.
#include "platform/virtualkeys.h"

#include <QtTest>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

class TestVirtualKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void table_data();
    void table();
    void everyKnownCodeRoundTrips();
    void keysymAliases_data();
    void keysymAliases();
    void qtKeyAliases_data();
    void qtKeyAliases();
    void unknownCodesMapToZero_data();
    void unknownCodesMapToZero();
};

void TestVirtualKeys::table_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<QString>("name");
    const int pad = int(Qt::KeypadModifier);
    auto row = [](const char *tag, int vk, quint32 keysym, int qtKey, const char *name) {
        QTest::newRow(tag) << vk << keysym << qtKey << QString::fromUtf8(name);
    };
    row("A", 0x41, XK_a, Qt::Key_A, "A");
    row("Z", 0x5A, XK_z, Qt::Key_Z, "Z");
    row("0", 0x30, XK_0, Qt::Key_0, "0");
    row("9", 0x39, XK_9, Qt::Key_9, "9");
    row("F1", 0x70, XK_F1, Qt::Key_F1, "F1");
    row("F9", 0x78, XK_F9, Qt::Key_F9, "F9");
    row("F12", 0x7B, XK_F12, Qt::Key_F12, "F12");
    row("F24", 0x87, XK_F24, Qt::Key_F24, "F24");
    row("Num 0", 0x60, XK_KP_0, Qt::Key_0 | pad, "Num 0");
    row("Num 5", 0x65, XK_KP_5, Qt::Key_5 | pad, "Num 5");
    row("Num 9", 0x69, XK_KP_9, Qt::Key_9 | pad, "Num 9");
    row("Num *", 0x6A, XK_KP_Multiply, Qt::Key_Asterisk | pad, "Num *");
    row("Num +", 0x6B, XK_KP_Add, Qt::Key_Plus | pad, "Num +");
    row("Num -", 0x6D, XK_KP_Subtract, Qt::Key_Minus | pad, "Num -");
    row("Num .", 0x6E, XK_KP_Decimal, Qt::Key_Period | pad, "Num .");
    row("Num /", 0x6F, XK_KP_Divide, Qt::Key_Slash | pad, "Num /");
    row("Left", 0x25, XK_Left, Qt::Key_Left, "Left");
    row("Down", 0x28, XK_Down, Qt::Key_Down, "Down");
    row("Page Up", 0x21, XK_Prior, Qt::Key_PageUp, "Page Up");
    row("Page Down", 0x22, XK_Next, Qt::Key_PageDown, "Page Down");
    row("Home", 0x24, XK_Home, Qt::Key_Home, "Home");
    row("Insert", 0x2D, XK_Insert, Qt::Key_Insert, "Insert");
    row("Delete", 0x2E, XK_Delete, Qt::Key_Delete, "Delete");
    row("Escape", 0x1B, XK_Escape, Qt::Key_Escape, "Esc");
    row("Tab", 0x09, XK_Tab, Qt::Key_Tab, "Tab");
    row("Space", 0x20, XK_space, Qt::Key_Space, "Space");
    row("Return", 0x0D, XK_Return, Qt::Key_Return, "Enter");
    row("Backspace", 0x08, XK_BackSpace, Qt::Key_Backspace, "Backspace");
    row("Pause", 0x13, XK_Pause, Qt::Key_Pause, "Pause");
    row("Print", 0x2C, XK_Print, Qt::Key_Print, "Print Screen");
    row("Scroll Lock", 0x91, XK_Scroll_Lock, Qt::Key_ScrollLock, "Scroll Lock");
    row("OEM 1", 0xBA, XK_semicolon, Qt::Key_Semicolon, ";");
    row("OEM plus", 0xBB, XK_equal, Qt::Key_Equal, "=");
    row("OEM 3", 0xC0, XK_grave, Qt::Key_QuoteLeft, "`");
    row("OEM 4", 0xDB, XK_bracketleft, Qt::Key_BracketLeft, "[");
    row("OEM 5", 0xDC, XK_backslash, Qt::Key_Backslash, "\\");
    row("OEM 7", 0xDE, XK_apostrophe, Qt::Key_Apostrophe, "'");
    row("Browser Back", 0xA6, XF86XK_Back, Qt::Key_Back, "Browser Back");
    row("Volume Mute", 0xAD, XF86XK_AudioMute, Qt::Key_VolumeMute, "Volume Mute");
    row("Play/Pause", 0xB3, XF86XK_AudioPlay, Qt::Key_MediaPlay, "Play/Pause");
    row("Mail", 0xB4, XF86XK_Mail, Qt::Key_LaunchMail, "Mail");
    row("Launch App 2", 0xB7, XF86XK_Calculator, Qt::Key_Launch1, "Launch App 2");
}

void TestVirtualKeys::table()
{
    QFETCH(int, vk);
    QFETCH(quint32, keysym);
    QFETCH(int, qtKey);
    QFETCH(QString, name);
    QCOMPARE(VirtualKeyToKeysym(vk), keysym);
    QCOMPARE(KeysymToVirtualKey(keysym), vk);
    QCOMPARE(VirtualKeyToQtKey(vk), qtKey);
    QCOMPARE(QtKeyToVirtualKey(qtKey), vk);
    QCOMPARE(VirtualKeyDisplayName(vk), name);
}

// No two codes may share a key symbol, a Qt key or a name: the hotkey editor tells keys apart by
// their names, and a grab must come back as the key that was registered.
void TestVirtualKeys::everyKnownCodeRoundTrips()
{
    QSet<QString> names;
    int known = 0;
    for (int vk = 1; vk < 256; ++vk) {
        const quint32 keysym = VirtualKeyToKeysym(vk);
        if (keysym == 0) {
            QCOMPARE(VirtualKeyToQtKey(vk), 0);
            continue;
        }
        ++known;
        QCOMPARE(KeysymToVirtualKey(keysym), vk);
        QCOMPARE(QtKeyToVirtualKey(VirtualKeyToQtKey(vk)), vk);
        const QString name = VirtualKeyDisplayName(vk);
        QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(name));
        names.insert(name);
    }
    // 26 letters, 10 digits, 24 F keys, 16 number-pad keys, 18 editing and control keys, 18
    // browser and media keys, 11 punctuation keys.
    QCOMPARE(known, 26 + 10 + 24 + 16 + 18 + 18 + 11);
}

void TestVirtualKeys::keysymAliases_data()
{
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("vk");
    QTest::newRow("capital A") << quint32(XK_A) << 0x41;
    QTest::newRow("capital Z") << quint32(XK_Z) << 0x5A;
    QTest::newRow("number-pad Enter") << quint32(XK_KP_Enter) << 0x0D;
    QTest::newRow("left tab") << quint32(XK_ISO_Left_Tab) << 0x09;
}

void TestVirtualKeys::keysymAliases()
{
    QFETCH(quint32, keysym);
    QFETCH(int, vk);
    QCOMPARE(KeysymToVirtualKey(keysym), vk);
}

void TestVirtualKeys::qtKeyAliases_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("vk");
    const int pad = int(Qt::KeypadModifier);
    QTest::newRow("digit without keypad bit") << int(Qt::Key_5) << 0x35;
    QTest::newRow("minus without keypad bit") << int(Qt::Key_Minus) << 0xBD;
    QTest::newRow("keypad Enter") << (Qt::Key_Enter | pad) << 0x0D;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 0x0D;
    QTest::newRow("keypad Home without Num Lock") << (Qt::Key_Home | pad) << 0x24;
    QTest::newRow("back tab") << int(Qt::Key_Backtab) << 0x09;
    QTest::newRow("toggle play") << int(Qt::Key_MediaTogglePlayPause) << 0xB3;
    QTest::newRow("modifier bits ignored") << (Qt::Key_F9 | int(Qt::ControlModifier)) << 0x78;
}

void TestVirtualKeys::qtKeyAliases()
{
    QFETCH(int, qtKey);
    QFETCH(int, vk);
    QCOMPARE(QtKeyToVirtualKey(qtKey), vk);
}

void TestVirtualKeys::unknownCodesMapToZero_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << 0 << QString();
    QTest::newRow("shift key") << 0x10 << QStringLiteral("Key 16");
    QTest::newRow("between ranges") << 0x88 << QStringLiteral("Key 136");
    QTest::newRow("negative") << -1 << QStringLiteral("Key -1");
    QTest::newRow("beyond a byte") << 0x141 << QStringLiteral("Key 321");
}

void TestVirtualKeys::unknownCodesMapToZero()
{
    QFETCH(int, vk);
    QFETCH(QString, name);
    QCOMPARE(VirtualKeyToKeysym(vk), 0u);
    QCOMPARE(VirtualKeyToQtKey(vk), 0);
    QCOMPARE(VirtualKeyDisplayName(vk), name);
    QCOMPARE(KeysymToVirtualKey(XK_Shift_L), 0);
    QCOMPARE(QtKeyToVirtualKey(Qt::Key_Shift), 0);
}

QTEST_GUILESS_MAIN(TestVirtualKeys)
#include "tst_virtualkeys.moc"
