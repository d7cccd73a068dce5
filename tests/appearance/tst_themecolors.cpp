// Colour texts of themes, the theme section with its defaults, and the named themes file.
#include "base/inifile.h"
#include "appearance/colorconversion.h"
#include "appearance/colorvalue.h"
#include "appearance/themecolors.h"
#include "appearance/themesfile.h"
#include "testenv.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QTest>

Q_DECLARE_METATYPE(TColor)

namespace {

const QString Theme = QStringLiteral("theme");

std::unique_ptr<IniFile> IniFrom(const char *text)
{
    return IniFile::FromData(QByteArray(text));
}

QStringList KeysOf(const QByteArray &fileText, const QString &section)
{
    return IniFile::FromData(fileText)->Keys(section);
}

ThemeColors DarkTheme()
{
    ThemeColors colors = DefaultThemeColors();
    colors.menuColor = RgbColor(0x33, 0x33, 0x33);
    colors.menuFontColor = clHighlightText;
    colors.menuPopupSelectColor = RgbColor(255, 0, 0);
    colors.menuPopupSelectEndColor = RgbColor(255, 0, 0);
    colors.infobarProgressFontStyles = fsBold | fsUnderline;
    return colors;
}

} // namespace

class TestThemeColors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesGiveTheirValues_data();
    void namesGiveTheirValues();
    void numbersAndSpecialTexts_data();
    void numbersAndSpecialTexts();
    void unreadableTextsFail_data();
    void unreadableTextsFail();
    void storedTextIsSignedDecimal();

    void colourValuesBecomePaintingColours_data();
    void colourValuesBecomePaintingColours();
    void noneAndDefault();

    void defaultsInWritingOrder();
    void missingKeysTakeDefaults();
    void sectionReadsEveryForm();
    void oneBadKeyFailsTheWholeRead();
    void fontStyles_data();
    void fontStyles();

    void namedThemesRoundTrip();
    void overwriteKeepsPlaceAndDeleteRemoves();
    void invalidNamesAreRefused_data();
    void invalidNamesAreRefused();
    void missingThemesFile();
    void bundledThemesAreReadable();

private:
    TestHome m_home;
};

void TestThemeColors::namesGiveTheirValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<TColor>("value");
    const struct { const char *name; TColor value; } rows[] = {
        {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
        {"Navy", 0x800000}, {"Purple", 0x800080}, {"Teal", 0x808000}, {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF}, {"Lime", 0x00FF00}, {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
        {"MoneyGreen", 0xC0DCC0}, {"SkyBlue", 0xF0CAA6}, {"Cream", 0xF0FBFF}, {"MedGray", 0xA4A0A0},
        {"None", 0x1FFFFFFF}, {"Default", 0x20000000},
        {"ScrollBar", 0xFF000000}, {"Background", 0xFF000001}, {"ActiveCaption", 0xFF000002},
        {"InactiveCaption", 0xFF000003}, {"Menu", 0xFF000004}, {"Window", 0xFF000005},
        {"WindowFrame", 0xFF000006}, {"MenuText", 0xFF000007}, {"WindowText", 0xFF000008},
        {"CaptionText", 0xFF000009}, {"ActiveBorder", 0xFF00000A}, {"InactiveBorder", 0xFF00000B},
        {"AppWorkSpace", 0xFF00000C}, {"Highlight", 0xFF00000D}, {"HighlightText", 0xFF00000E},
        {"BtnFace", 0xFF00000F}, {"BtnShadow", 0xFF000010}, {"GrayText", 0xFF000011},
        {"BtnText", 0xFF000012}, {"InactiveCaptionText", 0xFF000013}, {"BtnHighlight", 0xFF000014},
        {"3DDkShadow", 0xFF000015}, {"3DLight", 0xFF000016}, {"InfoText", 0xFF000017},
        {"InfoBk", 0xFF000018}, {"HotLight", 0xFF00001A}, {"GradientActiveCaption", 0xFF00001B},
        {"GradientInactiveCaption", 0xFF00001C}, {"MenuHighlight", 0xFF00001D}, {"MenuBar", 0xFF00001E},
    };
    QCOMPARE(std::size(rows), ColorNames().size()); // every accepted name is covered here
    for (const auto &row : rows) {
        const QString name = QString::fromLatin1(row.name);
        QTest::newRow(row.name) << name << row.value;
        QTest::addRow("%s lower", row.name) << name.toLower() << row.value;
        QTest::addRow("%s upper", row.name) << name.toUpper() << row.value;
    }
}

void TestThemeColors::namesGiveTheirValues()
{
    QFETCH(QString, name);
    QFETCH(TColor, value);
    QString error;
    QCOMPARE(ParseThemeColor(name, &error), std::optional<TColor>(value));
    QVERIFY(error.isEmpty());
}

void TestThemeColors::numbersAndSpecialTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TColor>("value");
    QTest::newRow("zero") << "0" << TColor(0);
    QTest::newRow("empty is black") << "" << TColor(0);
    QTest::newRow("default select") << "12615680" << RgbColor(0, 128, 192);
    QTest::newRow("default end") << "16766852" << RgbColor(132, 215, 255);
    QTest::newRow("white") << "16777215" << RgbColor(255, 255, 255);
    QTest::newRow("negative button face") << "-16777201" << clBtnFace;
    QTest::newRow("negative highlight") << "-16777203" << clHighlight;
    QTest::newRow("largest") << "2147483647" << TColor(0x7FFFFFFF);
    QTest::newRow("smallest") << "-2147483648" << TColor(0x80000000);
    QTest::newRow("leading zeros") << "000255" << RgbColor(255, 0, 0);
    QTest::newRow("dollar blue") << "$00FF0000" << RgbColor(0, 0, 255);
    QTest::newRow("dollar lower case") << "$ff" << RgbColor(255, 0, 0);
    QTest::newRow("dollar system colour") << "$FF00000F" << clBtnFace;
    QTest::newRow("dollar with blanks") << " $ 00 80 00 " << RgbColor(0, 128, 0);
    QTest::newRow("name with blanks") << " Btn Face " << clBtnFace;
    QTest::newRow("name mixed case") << "bTnFaCe" << clBtnFace;
}

void TestThemeColors::numbersAndSpecialTexts()
{
    QFETCH(QString, text);
    QFETCH(TColor, value);
    QCOMPARE(ParseThemeColor(text), std::optional<TColor>(value));
}

void TestThemeColors::unreadableTextsFail_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero between blanks") << " 0 " << "'cl0' is not a valid integer value";
    QTest::newRow("prefix written") << "clBtnFace" << "'clclBtnFace' is not a valid integer value";
    QTest::newRow("unknown name") << "nonsense" << "'clnonsense' is not a valid integer value";
    QTest::newRow("bad hex") << "$zz" << "'cl$zz' is not a valid integer value";
    QTest::newRow("dollar alone") << "$" << "'cl$' is not a valid integer value";
    QTest::newRow("hex too large") << "$100000000" << "'cl$100000000' is not a valid integer value";
    QTest::newRow("integer too large") << "2147483648" << "'cl2147483648' is not a valid integer value";
    QTest::newRow("plus sign") << "+5" << "'cl+5' is not a valid integer value";
    QTest::newRow("minus alone") << "-" << "'cl-' is not a valid integer value";
    QTest::newRow("c hex") << "0x10" << "'cl0x10' is not a valid integer value";
    QTest::newRow("only blanks") << "   " << "'cl' is not a valid integer value";
    QTest::newRow("unicode digits") << QString::fromUtf8("\u0661\u0662") << QString::fromUtf8("'cl\u0661\u0662' is not a valid integer value");
}

void TestThemeColors::unreadableTextsFail()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QString error;
    QCOMPARE(ParseThemeColor(text, &error), std::nullopt);
    QCOMPARE(error, message);
    QCOMPARE(ParseThemeColor(text), std::nullopt); // no error text wanted: still fails, no crash
}

void TestThemeColors::storedTextIsSignedDecimal()
{
    QCOMPARE(ColorToStoredText(clBtnFace), QStringLiteral("-16777201"));
    QCOMPARE(ColorToStoredText(RgbColor(0, 128, 192)), QStringLiteral("12615680"));
    QCOMPARE(ColorToStoredText(clNone), QStringLiteral("536870911"));
    for (const TColor value : {clBtnFace, clNone, clDefault, RgbColor(1, 2, 3), TColor(0x80000000)})
        QCOMPARE(ParseThemeColor(ColorToStoredText(value)), std::optional<TColor>(value));
}

void TestThemeColors::colourValuesBecomePaintingColours_data()
{
    QTest::addColumn<TColor>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("plain red") << RgbColor(255, 0, 0) << QColor(255, 0, 0);
    QTest::newRow("plain mixed") << RgbColor(1, 2, 3) << QColor(1, 2, 3);
    QTest::newRow("button face") << clBtnFace << QColor(10, 20, 30);
    QTest::newRow("highlight") << clHighlight << QColor(0, 100, 200);
    QTest::newRow("active caption") << clActiveCaption << QColor(0, 100, 200);
    QTest::newRow("gradient caption") << clGradientActiveCaption << QColor(127, 177, 227);
    QTest::newRow("gray text") << clGrayText << QColor(120, 121, 122);
    QTest::newRow("window") << clWindow << QColor(250, 251, 252);
    QTest::newRow("info background") << clInfoBk << QColor(255, 255, 200);
    QTest::newRow("unknown index") << TColor(clSystemColorFlag | 200) << QColor(0, 0, 0);
}

void TestThemeColors::colourValuesBecomePaintingColours()
{
    QFETCH(TColor, value);
    QFETCH(QColor, expected);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Highlight, QColor(0, 100, 200));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 121, 122));
    palette.setColor(QPalette::Base, QColor(250, 251, 252));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 200));
    QCOMPARE(ColorToQColor(value, palette), expected);
    QApplication::setPalette(palette); // the running desktop's colours
    QCOMPARE(ColorToQColor(value), expected);
}

void TestThemeColors::noneAndDefault()
{
    QVERIFY(!ColorToQColor(clNone).isValid());
    QVERIFY(!ColorToQColor(clDefault).isValid());
    QCOMPARE(ColorToQColor(clDefault, QColor(1, 2, 3)), QColor(1, 2, 3));
    QCOMPARE(ColorFromQColor(QColor(132, 215, 255)), TColor(16766852));
    QCOMPARE(ColorFromQColor(QColor()), clNone);
}

void TestThemeColors::defaultsInWritingOrder()
{
    const QStringList expectedKeys = {
        "menu_color", "menu_font_color", "menu_select_color", "menu_select_font_color",
        "menu_popup_color", "menu_popup_font_color", "menu_popup_select_color",
        "menu_popup_select_end_color", "menu_popup_select_font_color", "menu_border_color",
        "infobar_color", "infobar_progress_color", "infobar_progress_border_color",
        "infobar_progress_color_start", "infobar_progress_color_end", "infobar_progress_font_color",
        "infobar_progress_font_styles"};
    QStringList keys;
    for (const ThemeColorKey &key : ThemeColorKeys())
        keys.append(QLatin1String(key.key));
    keys.append(kThemeFontStylesKey);
    QCOMPARE(keys, expectedKeys);

    const ThemeColors d = DefaultThemeColors();
    const TColor white = RgbColor(255, 255, 255), black = 0;
    const TColor select = RgbColor(0, 128, 192), end = RgbColor(132, 215, 255);
    QCOMPARE(d.menuColor, white);
    QCOMPARE(d.menuFontColor, black);
    QCOMPARE(d.menuSelectColor, select);
    QCOMPARE(d.menuSelectFontColor, white);
    QCOMPARE(d.menuPopupColor, white);
    QCOMPARE(d.menuPopupFontColor, black);
    QCOMPARE(d.menuPopupSelectColor, select);
    QCOMPARE(d.menuPopupSelectEndColor, end);
    QCOMPARE(d.menuPopupSelectFontColor, white);
    QCOMPARE(d.menuBorderColor, black);
    QCOMPARE(d.infobarColor, white);
    QCOMPARE(d.infobarProgressColor, white);
    QCOMPARE(d.infobarProgressBorderColor, RgbColor(128, 128, 128));
    QCOMPARE(d.infobarProgressColorStart, end);
    QCOMPARE(d.infobarProgressColorEnd, select);
    QCOMPARE(d.infobarProgressFontColor, black);
    QCOMPARE(d.infobarProgressFontStyles, 0);
}

void TestThemeColors::missingKeysTakeDefaults()
{
    const auto empty = IniFrom("[other]\nmenu_color=red\n");
    QString error;
    QCOMPARE(ReadThemeColors(*empty, Theme, &error), std::optional(DefaultThemeColors()));
    QVERIFY(error.isEmpty());
}

void TestThemeColors::sectionReadsEveryForm()
{
    const auto ini = IniFrom("[Theme]\n"
                             "MENU_COLOR=BtnFace\n"
                             "menu_font_color=$000000FF\n"
                             "menu_select_color=-16777203\n"
                             "menu_popup_color=clwhite\n"  // read as "clclwhite": see the next test
                             "infobar_progress_font_styles=3\n");
    QString error;
    QCOMPARE(ReadThemeColors(*ini, Theme, &error), std::nullopt);
    QCOMPARE(error, QStringLiteral("'clclwhite' is not a valid integer value"));

    const auto good = IniFrom("[Theme]\n"
                              "MENU_COLOR=BtnFace\n"
                              "menu_font_color=$000000FF\n"
                              "menu_select_color=-16777203\n"
                              "menu_popup_color=Sky Blue\n"
                              "menu_border_color=\n"
                              "infobar_progress_font_styles=3\n");
    const std::optional<ThemeColors> colors = ReadThemeColors(*good, Theme, &error);
    QVERIFY(colors);
    QCOMPARE(colors->menuColor, clBtnFace);
    QCOMPARE(colors->menuFontColor, RgbColor(255, 0, 0));
    QCOMPARE(colors->menuSelectColor, clHighlight);
    QCOMPARE(colors->menuPopupColor, RgbColor(166, 202, 240));
    QCOMPARE(colors->menuBorderColor, TColor(0)); // an empty text is black
    QCOMPARE(colors->menuPopupFontColor, DefaultThemeColors().menuPopupFontColor);
    QCOMPARE(colors->infobarProgressFontStyles, fsBold | fsItalic);
}

void TestThemeColors::oneBadKeyFailsTheWholeRead()
{
    // The last colour is the bad one: nothing read before it may leak out.
    const auto ini = IniFrom("[theme]\nmenu_color=red\nmenu_font_color=blue\n"
                             "infobar_progress_font_color=Redish\n");
    QString error;
    QCOMPARE(ReadThemeColors(*ini, Theme, &error), std::nullopt);
    QCOMPARE(error, QStringLiteral("'clRedish' is not a valid integer value"));
    // The message names the file and the key after the conversion error.
    QString key;
    QCOMPARE(ReadThemeColors(*ini, Theme, &error, &key), std::nullopt);
    QCOMPARE(key, QStringLiteral("infobar_progress_font_color"));
    QCOMPARE(ThemeColorErrorText(error, "/home/me/settings.ini", Theme, key),
             QStringLiteral("'clRedish' is not a valid integer value\r\rFile: /home/me/settings.ini\r"
                            "Section: [theme]\rKey: infobar_progress_font_color"));
}

void TestThemeColors::fontStyles_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("styles");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");
    QTest::newRow("none") << "0" << 0 << false << false << false << false;
    QTest::newRow("bold") << "1" << 1 << true << false << false << false;
    QTest::newRow("italic") << "2" << 2 << false << true << false << false;
    QTest::newRow("underline") << "4" << 4 << false << false << true << false;
    QTest::newRow("strike-out") << "8" << 8 << false << false << false << true;
    QTest::newRow("all") << "15" << 15 << true << true << true << true;
    QTest::newRow("high bit ignored") << "16" << 0 << false << false << false << false;
    QTest::newRow("19 is bold italic") << "19" << 3 << true << true << false << false;
    QTest::newRow("not a number") << "bold" << 0 << false << false << false << false;
}

void TestThemeColors::fontStyles()
{
    QFETCH(QString, stored);
    QFETCH(int, styles);
    const auto ini = IniFile::FromData("[theme]\ninfobar_progress_font_styles=" + stored.toUtf8() + "\n");
    const std::optional<ThemeColors> colors = ReadThemeColors(*ini, Theme);
    QVERIFY(colors);
    QCOMPARE(colors->infobarProgressFontStyles, styles);
    QFont base;
    base.setBold(true);
    base.setUnderline(true);
    const QFont font = FontWithStyles(base, colors->infobarProgressFontStyles);
    QTEST(font.bold(), "bold");
    QTEST(font.italic(), "italic");
    QTEST(font.underline(), "underline");
    QTEST(font.strikeOut(), "strikeOut");
}

void TestThemeColors::namedThemesRoundTrip()
{
    const QString file = m_home.path() + QStringLiteral("/roundtrip/Data/themes.ini");
    QVERIFY(WriteNamedTheme(file, QStringLiteral("Zeta"), DarkTheme()));
    QVERIFY(WriteNamedTheme(file, QStringLiteral("Alpha"), DefaultThemeColors()));
    QCOMPARE(NamedThemes(file), QStringList({"Zeta", "Alpha"})); // file order, not sorted

    const QByteArray text = readWholeFile(file);
    QStringList expectedKeys;
    for (const ThemeColorKey &key : ThemeColorKeys())
        expectedKeys.append(QLatin1String(key.key));
    expectedKeys << kThemeFontStylesKey << "versionstring" << "version";
    QCOMPARE(KeysOf(text, "Zeta"), expectedKeys);
    const auto stored = IniFile::FromData(text);
    QCOMPARE(stored->ReadString("Zeta", "menu_font_color"), QStringLiteral("-16777202"));
    QCOMPARE(stored->ReadString("Zeta", "menu_color"), QStringLiteral("3355443"));
    QCOMPARE(stored->ReadString("Zeta", "infobar_progress_font_styles"), QStringLiteral("5"));
    QCOMPARE(stored->ReadString("Zeta", "versionstring"), QStringLiteral("Quorix 1.03"));
    QCOMPARE(stored->ReadString("Zeta", "version"), QStringLiteral("01030000"));

    QCOMPARE(ReadNamedTheme(file, QStringLiteral("zeta")), std::optional(DarkTheme()));
    QCOMPARE(ReadNamedTheme(file, QStringLiteral("Alpha")), std::optional(DefaultThemeColors()));
}

void TestThemeColors::overwriteKeepsPlaceAndDeleteRemoves()
{
    const QString file = m_home.writeFile(QStringLiteral("order/themes.ini"),
                                          "[One]\nmenu_color=red\n\n[Two]\nmenu_color=blue\n\n[Three]\nmenu_color=lime\n");
    QVERIFY(WriteNamedTheme(file, QStringLiteral("two"), DarkTheme()));
    QCOMPARE(NamedThemes(file), QStringList({"One", "Two", "Three"}));
    QCOMPARE(ReadNamedTheme(file, QStringLiteral("Two")), std::optional(DarkTheme()));
    QCOMPARE(ReadNamedTheme(file, QStringLiteral("One"))->menuColor, RgbColor(255, 0, 0)); // untouched

    QVERIFY(DeleteNamedTheme(file, QStringLiteral("ONE")));
    QCOMPARE(NamedThemes(file), QStringList({"Two", "Three"}));
    QVERIFY(DeleteNamedTheme(file, QStringLiteral("never there")));
    QCOMPARE(NamedThemes(file), QStringList({"Two", "Three"}));
    QString error;
    QCOMPARE(ReadNamedTheme(file, QStringLiteral("One"), &error), std::nullopt);
    QVERIFY(error.contains(QStringLiteral("One")));
}

void TestThemeColors::invalidNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("bracket") << "a]b";
    QTest::newRow("open bracket") << "[a";
    QTest::newRow("line break") << "one\ntwo";
    QTest::newRow("carriage return") << "one\rtwo";
}

void TestThemeColors::invalidNamesAreRefused()
{
    QFETCH(QString, name);
    const QByteArray before = "[Kept]\nmenu_color=red\n";
    const QString file = m_home.writeFile(QStringLiteral("invalid/themes.ini"), before);
    QVERIFY(!IsValidThemeName(name));
    QVERIFY(!WriteNamedTheme(file, name, DefaultThemeColors()));
    QCOMPARE(readWholeFile(file), before);
}

void TestThemeColors::missingThemesFile()
{
    const QString file = m_home.path() + QStringLiteral("/nowhere/themes.ini");
    QVERIFY(NamedThemes(file).isEmpty());
    QVERIFY(!ReadNamedTheme(file, QStringLiteral("Ocean")));
    QVERIFY(DeleteNamedTheme(file, QStringLiteral("Ocean")));
    QVERIFY(!QFile::exists(file)); // nothing was created by reading or deleting
}

void TestThemeColors::bundledThemesAreReadable()
{
    const QString file = QFINDTESTDATA("../../resources/Default/Data/themes.ini");
    QVERIFY(!file.isEmpty());
    const QStringList names = NamedThemes(file);
    QVERIFY(names.contains(QStringLiteral("Ocean")));
    QVERIFY(names.contains(QStringLiteral("Graphite")));
    for (const QString &name : names) {
        QString error;
        QVERIFY2(ReadNamedTheme(file, name, &error), qPrintable(name + ": " + error));
    }
}

QTEST_MAIN(TestThemeColors)
#include "tst_themecolors.moc"
