// The theme page: element bindings, the font panel rules, the desktop colour lists, the preview's
// click rule, [theme] read and written back unchanged, and named themes saved, overwritten,
// loaded and deleted with their questions.
#include "dialogs/tthemepage.h"

#include "appearance/colorvalue.h"
#include "appearance/themesfile.h"
#include "base/inifile.h"
#include "controls/tbprogressbar.h"
#include "controls/tcolorform.h"
#include "controls/tcolorselector.h"
#include "controls/tgradientrect.h"
#include "controls/tshape.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <deque>

namespace {

// Seventeen distinct values, so that every editor shows which slot it is bound to.
ThemeColors DistinctTheme()
{
    ThemeColors theme{};
    int n = 1;
    for (const ThemeColorKey &key : ThemeColorKeys()) {
        theme.*key.member = RgbColor(n * 10, n * 3, 255 - n * 7);
        ++n;
    }
    theme.infobarProgressFontStyles = fsBold | fsUnderline;
    return theme;
}

QByteArray ThemeSectionText(const ThemeColors &theme)
{
    auto ini = IniFile::FromData({});
    WriteThemeColors(*ini, QStringLiteral("theme"), theme);
    return ini->ToData();
}

QList<std::pair<QString, QString>> WithoutVersion(QList<std::pair<QString, QString>> values)
{
    values.removeIf([](const std::pair<QString, QString> &value) {
        return value.first == QLatin1String("versionstring") || value.first == QLatin1String("version");
    });
    return values;
}

} // namespace

class TestThemePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensOnTheMenubarGroup();
    void elementsOfEachGroupSorted();
    void elementBindings_data();
    void elementBindings();
    void menuBorderWritesNoFontColour();
    void systemColourListSetsItsOwnSelector();
    void pickingAColourEmptiesItsList();
    void styleButtonsEditTheStyleBits();
    void previewClickChoosesTheElement_data();
    void previewClickChoosesTheElement();
    void previewRepaintsOnEveryChange();

    void missingKeysTakeTheirDefaults();
    void loadThenSaveLeavesTheThemeAsItWas();
    void unreadableColourTextIsKeptUntilEdited();

    void saveAsksForANameAndRereadsTheList();
    void saveOverExistingAsksFirst_data();
    void saveOverExistingAsksFirst();
    void saveRefusesAnEmptyName();
    void unreadableThemesFileIsLeftAlone();
    void choosingANamedThemeLoadsIt();
    void choosingTheEmptyEntryLoadsNothing();
    void deleteAsksFirst_data();
    void deleteAsksFirst();

    void savePictures();

private:
    TThemePage *Page() { return m_page.get(); }
    template <typename T> T *Part(const char *name) { return m_page->findChild<T *>(QLatin1String(name)); }
    void ChooseGroup(const QString &group);
    void ChooseElement(const QString &element);
    void ChooseInList(const char *list, const QString &entry);
    void ChooseTheme(const QString &name);
    QString WriteThemes(const QByteArray &content);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<TThemePage> m_page;
    MessageResponder m_oldMessages;
    InputResponder m_oldInputs;
    QStringList m_questions;
    std::deque<int> m_answers;
    std::deque<std::optional<QString>> m_names;
};

void TestThemePage::init()
{
    m_home = std::make_unique<TestHome>();
    m_questions.clear();
    m_answers.clear();
    m_names.clear();
    m_oldMessages = SetMessageResponder([this](const MessageRequest &request) {
        m_questions << request.text;
        if (m_answers.empty())
            return -1;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
    m_oldInputs = SetInputResponder([this](const QString &caption, const QString &prompt, const QString &value)
                                        -> std::optional<QString> {
        m_questions << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + value;
        if (m_names.empty())
            return std::nullopt;
        const std::optional<QString> name = m_names.front();
        m_names.pop_front();
        return name;
    });
}

void TestThemePage::cleanup()
{
    m_page.reset();
    SetMessageResponder(m_oldMessages);
    SetInputResponder(m_oldInputs);
    TColorForm::SetColorDialogRunner({});
    m_home.reset();
}

QString TestThemePage::WriteThemes(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(DataFilePath(dfThemes)).path());
    QFile file(DataFilePath(dfThemes));
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return file.fileName();
}

void TestThemePage::ChooseGroup(const QString &group)
{
    auto *list = Part<QComboBox>("ComboBox4");
    list->setCurrentIndex(list->findText(group));
    m_page->ComboBox4Select();
}

void TestThemePage::ChooseElement(const QString &element)
{
    ChooseGroup(element.startsWith(QLatin1String("Menu")) ? QStringLiteral("Menubar") : QStringLiteral("Infobar"));
    auto *list = Part<QComboBox>("ComboBox5");
    list->setCurrentIndex(list->findText(element));
    QVERIFY(list->currentIndex() >= 0);
    m_page->ComboBox5Select();
}

// As the user does: the list's activation, which a programmatic change never sends.
void TestThemePage::ChooseInList(const char *name, const QString &entry)
{
    auto *list = Part<QComboBox>(name);
    const int index = list->findText(entry, Qt::MatchExactly);
    QVERIFY(index >= 0);
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void TestThemePage::ChooseTheme(const QString &name)
{
    ChooseInList("ComboBox1", name);
}

void TestThemePage::opensOnTheMenubarGroup()
{
    WriteThemes("[Dark]\nmenu_color=0\n[Light]\nmenu_color=16777215\n");
    m_page = std::make_unique<TThemePage>();
    QCOMPARE(m_page->objectName(), QStringLiteral("ThemePage"));
    QCOMPARE(Part<QComboBox>("ComboBox4")->currentText(), QStringLiteral("Menubar"));
    QCOMPARE(m_page->CurrentElement(), QStringLiteral("Menu"));
    QCOMPARE(Part<QStackedWidget>("Panel5")->currentWidget(), Part<QWidget>("TabSheet1"));
    auto *themes = Part<QComboBox>("ComboBox1");
    QCOMPARE(themes->count(), 3);
    QCOMPARE(themes->itemText(0), QString());
    QCOMPARE(themes->itemText(1), QStringLiteral("Dark"));
    QCOMPARE(themes->itemText(2), QStringLiteral("Light"));
    QCOMPARE(themes->currentIndex(), -1);
    QVERIFY(!Part<QPushButton>("Button3")->isEnabled());
    QCOMPARE(m_page->Theme(), DefaultThemeColors());

    const QStringList systemColours = {
        QString(), "ActiveCaption", "InactiveCaption", "Menu", "Window", "MenuText", "WindowText",
        "CaptionText", "ActiveBorder", "InactiveBorder", "AppWorkSpace", "Highlight", "HighlightText",
        "BtnFace", "BtnText", "InactiveCaptionText", "GradientActiveCaption", "GradientInactiveCaption"};
    for (const char *name : {"ComboBox6", "ComboBox7", "ComboBox8"}) {
        QStringList entries;
        for (int i = 0; i < Part<QComboBox>(name)->count(); ++i)
            entries << Part<QComboBox>(name)->itemText(i);
        QCOMPARE(entries, systemColours);
    }
}

void TestThemePage::elementsOfEachGroupSorted()
{
    m_page = std::make_unique<TThemePage>();
    auto *elements = Part<QComboBox>("ComboBox5");
    const auto entries = [elements] {
        QStringList list;
        for (int i = 0; i < elements->count(); ++i)
            list << elements->itemText(i);
        return list;
    };
    QCOMPARE(entries(), QStringList({"Menu", "MenuBorder", "MenuPopup", "MenuPopupSelect", "MenuSelect"}));
    ChooseGroup(QStringLiteral("Infobar"));
    QCOMPARE(entries(), QStringList({"InfoBar", "InfoBarProgress", "InfobarProgressBorder", "InfoBarProgressFill"}));
    QCOMPARE(m_page->CurrentElement(), QStringLiteral("InfoBar"));
    QCOMPARE(Part<QStackedWidget>("Panel5")->currentWidget(), Part<QWidget>("TabSheet2"));
}

// Which slot each editor shows (an empty key: the editor is off), and the font panel's state.
void TestThemePage::elementBindings_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("color1");
    QTest::addColumn<QString>("color2");
    QTest::addColumn<QString>("fontColor");
    QTest::addColumn<bool>("styles");

    QTest::newRow("Menu") << "Menu" << "menu_color" << "" << "menu_font_color" << false;
    QTest::newRow("MenuSelect") << "MenuSelect" << "menu_select_color" << "" << "menu_select_font_color" << false;
    QTest::newRow("MenuPopup") << "MenuPopup" << "menu_popup_color" << "" << "menu_popup_font_color" << false;
    QTest::newRow("MenuPopupSelect") << "MenuPopupSelect" << "menu_popup_select_color"
                                     << "menu_popup_select_end_color" << "menu_popup_select_font_color" << false;
    QTest::newRow("MenuBorder") << "MenuBorder" << "menu_border_color" << "" << "" << false;
    QTest::newRow("InfoBar") << "InfoBar" << "infobar_color" << "" << "" << false;
    QTest::newRow("InfoBarProgress") << "InfoBarProgress" << "infobar_progress_color" << ""
                                     << "infobar_progress_font_color" << true;
    QTest::newRow("InfobarProgressBorder") << "InfobarProgressBorder" << "infobar_progress_border_color" << ""
                                           << "" << false;
    QTest::newRow("InfoBarProgressFill") << "InfoBarProgressFill" << "infobar_progress_color_start"
                                         << "infobar_progress_color_end" << "infobar_progress_font_color" << true;
}

void TestThemePage::elementBindings()
{
    QFETCH(QString, element);
    QFETCH(QString, color1);
    QFETCH(QString, color2);
    QFETCH(QString, fontColor);
    QFETCH(bool, styles);

    m_page = std::make_unique<TThemePage>();
    const ThemeColors theme = DistinctTheme();
    auto settings = IniFile::FromData(ThemeSectionText(theme));
    m_page->LoadCurrentTheme(*settings);
    ChooseElement(element);
    QCOMPARE(m_page->CurrentElement(), element);

    const auto valueOf = [&theme](const QString &key) {
        for (const ThemeColorKey &k : ThemeColorKeys())
            if (key == QLatin1String(k.key))
                return theme.*k.member;
        return TColor(0);
    };
    QVERIFY(Part<TColorSelector>("ColorSelector1")->isEnabled());
    QCOMPARE(Part<TColorSelector>("ColorSelector1")->Color(), valueOf(color1));
    QCOMPARE(Part<TColorSelector>("ColorSelector3")->isEnabled(), !color2.isEmpty());
    QCOMPARE(Part<QComboBox>("ComboBox8")->isEnabled(), !color2.isEmpty());
    if (!color2.isEmpty())
        QCOMPARE(Part<TColorSelector>("ColorSelector3")->Color(), valueOf(color2));

    const bool fontPanel = !fontColor.isEmpty();
    QCOMPARE(Part<QWidget>("Panel3")->isEnabled(), fontPanel);
    QCOMPARE(Part<TColorSelector>("ColorSelector2")->isEnabled(), fontPanel);
    QCOMPARE(Part<QComboBox>("ComboBox7")->isEnabled(), fontPanel);
    if (fontPanel)
        QCOMPARE(Part<TColorSelector>("ColorSelector2")->Color(), valueOf(fontColor));
    for (const char *button : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"})
        QCOMPARE(Part<QToolButton>(button)->isEnabled(), styles);
    QCOMPARE(Part<QLabel>("Label6")->isEnabled(), styles);
    // Bold and underline are set in the theme: B and U show pressed where the styles are bound.
    QCOMPARE(Part<QToolButton>("SpeedButton1")->isChecked(), styles);
    QCOMPARE(Part<QToolButton>("SpeedButton2")->isChecked(), false);
    QCOMPARE(Part<QToolButton>("SpeedButton3")->isChecked(), styles);
}

void TestThemePage::menuBorderWritesNoFontColour()
{
    m_page = std::make_unique<TThemePage>();
    ChooseElement(QStringLiteral("MenuBorder"));
    QVERIFY(!Part<QWidget>("Panel3")->isEnabled());
    const ThemeColors before = m_page->Theme();
    ChooseInList("ComboBox6", QStringLiteral("BtnFace"));
    ThemeColors expected = before;
    expected.menuBorderColor = clBtnFace;
    QCOMPARE(m_page->Theme(), expected);
}

// "Highlight" in the "Color2:" list of "MenuPopupSelect": the gradient's end only, stored as the
// desktop colour, a negative integer.
void TestThemePage::systemColourListSetsItsOwnSelector()
{
    m_page = std::make_unique<TThemePage>();
    ChooseElement(QStringLiteral("MenuPopupSelect"));
    const TColor start = m_page->Theme().menuPopupSelectColor;
    ChooseInList("ComboBox8", QStringLiteral("Highlight"));
    QCOMPARE(m_page->Theme().menuPopupSelectEndColor, clHighlight);
    QCOMPARE(m_page->Theme().menuPopupSelectColor, start);
    QCOMPARE(Part<TColorSelector>("ColorSelector3")->Color(), clHighlight);

    auto settings = IniFile::FromData({});
    m_page->SaveCurrentTheme(*settings);
    QCOMPARE(settings->ReadString("theme", "menu_popup_select_end_color"), QStringLiteral("-16777203"));

    // The empty entry changes no selector.
    ChooseInList("ComboBox8", QString());
    QCOMPARE(m_page->Theme().menuPopupSelectEndColor, clHighlight);

    // Chosen again, the element's list shows the name.
    ChooseElement(QStringLiteral("Menu"));
    ChooseElement(QStringLiteral("MenuPopupSelect"));
    QCOMPARE(Part<QComboBox>("ComboBox8")->currentText(), QStringLiteral("Highlight"));
    QCOMPARE(Part<QComboBox>("ComboBox6")->currentText(), QString());
}

void TestThemePage::pickingAColourEmptiesItsList()
{
    m_page = std::make_unique<TThemePage>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    ChooseElement(QStringLiteral("Menu"));
    ChooseInList("ComboBox6", QStringLiteral("Window"));
    QCOMPARE(m_page->Theme().menuColor, clWindow);

    auto *selector = Part<TColorSelector>("ColorSelector1");
    selector->Click();
    QPointer<TColorForm> form = selector->DropDown();
    QVERIFY(form);
    QTest::mousePress(form, Qt::LeftButton, {}, TColorForm::CellRect(4).center()); // red
    QTRY_VERIFY(!form);
    QCOMPARE(m_page->Theme().menuColor, RgbColor(255, 0, 0));
    QCOMPARE(Part<QComboBox>("ComboBox6")->currentIndex(), 0);
    QCOMPARE(Part<TShape>("Shape2")->BrushColor(), QColor(255, 0, 0));
}

void TestThemePage::styleButtonsEditTheStyleBits()
{
    m_page = std::make_unique<TThemePage>();
    ChooseElement(QStringLiteral("InfoBarProgressFill"));
    Part<QToolButton>("SpeedButton2")->click();
    Part<QToolButton>("SpeedButton4")->click();
    QCOMPARE(m_page->Theme().infobarProgressFontStyles, fsItalic | fsStrikeOut);
    QVERIFY(Part<TBProgressBar>("BProgressBar1")->font().italic());
    QVERIFY(Part<TBProgressBar>("BProgressBar1")->font().strikeOut());
    ChooseElement(QStringLiteral("InfoBarProgress"));
    QVERIFY(Part<QToolButton>("SpeedButton2")->isChecked());
    QVERIFY(!Part<QToolButton>("SpeedButton1")->isChecked());
}

void TestThemePage::previewClickChoosesTheElement_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("element");

    QTest::newRow("bar") << "Menubar" << "Shape2" << QPoint(290, 10) << "Menu";
    QTest::newRow("bar text") << "Menubar" << "Label21" << QPoint(20, 10) << "Menu";
    QTest::newRow("selected item") << "Menubar" << "Label22" << QPoint(30, 10) << "MenuSelect";
    QTest::newRow("popup") << "Menubar" << "Shape4" << QPoint(50, 64) << "MenuPopup";
    QTest::newRow("popup item") << "Menubar" << "Label24" << QPoint(10, 10) << "MenuPopup";
    QTest::newRow("highlighted item") << "Menubar" << "Label9" << QPoint(10, 10) << "MenuPopupSelect";
    QTest::newRow("popup border") << "Menubar" << "Shape5" << QPoint(0, 40) << "MenuBorder";
    QTest::newRow("info bar") << "Infobar" << "Shape6" << QPoint(2, 2) << "InfoBar";
    QTest::newRow("first bar, left half") << "Infobar" << "BProgressBar1" << QPoint(40, 9) << "InfoBarProgressFill";
    QTest::newRow("first bar at 75") << "Infobar" << "BProgressBar1" << QPoint(75, 9) << "InfoBarProgressFill";
    QTest::newRow("first bar at 76") << "Infobar" << "BProgressBar1" << QPoint(76, 9) << "InfoBarProgress";
    QTest::newRow("first bar, right half") << "Infobar" << "BProgressBar1" << QPoint(120, 9) << "InfoBarProgress";
    QTest::newRow("second bar") << "Infobar" << "BProgressBar2" << QPoint(120, 9) << "InfoBarProgressFill";
}

void TestThemePage::previewClickChoosesTheElement()
{
    QFETCH(QString, group);
    QFETCH(QString, part);
    QFETCH(QPoint, point);
    QFETCH(QString, element);
    m_page = std::make_unique<TThemePage>();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    ChooseGroup(group);
    QWidget *widget = Part<QWidget>(part.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(widget->childAt(point), nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QCOMPARE(m_page->CurrentElement(), element);
    QCOMPARE(Part<QComboBox>("ComboBox5")->currentText(), element);
}

void TestThemePage::previewRepaintsOnEveryChange()
{
    m_page = std::make_unique<TThemePage>();
    const ThemeColors theme = DistinctTheme();
    auto settings = IniFile::FromData(ThemeSectionText(theme));
    m_page->LoadCurrentTheme(*settings);
    const auto q = [](TColor c) { return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c)); };
    QCOMPARE(Part<TShape>("Shape2")->BrushColor(), q(theme.menuColor));
    QCOMPARE(Part<QLabel>("Label21")->palette().color(QPalette::WindowText), q(theme.menuFontColor));
    QCOMPARE(Part<TShape>("Shape3")->BrushColor(), q(theme.menuSelectColor));
    QCOMPARE(Part<QLabel>("Label22")->palette().color(QPalette::WindowText), q(theme.menuSelectFontColor));
    QCOMPARE(Part<TShape>("Shape4")->BrushColor(), q(theme.menuPopupColor));
    QCOMPARE(Part<TShape>("Shape4")->PenColor(), q(theme.menuBorderColor));
    QCOMPARE(Part<TShape>("Shape5")->BrushColor(), q(theme.menuBorderColor));
    QCOMPARE(Part<QLabel>("Label23")->palette().color(QPalette::WindowText), q(theme.menuPopupFontColor));
    QCOMPARE(Part<TGradientRect>("GradientRect1")->ColorStart(), q(theme.menuPopupSelectColor));
    QCOMPARE(Part<TGradientRect>("GradientRect1")->ColorEnd(), q(theme.menuPopupSelectEndColor));
    QCOMPARE(Part<QLabel>("Label9")->palette().color(QPalette::WindowText), q(theme.menuPopupSelectFontColor));
    QCOMPARE(Part<TShape>("Shape6")->BrushColor(), q(theme.infobarColor));
    for (const char *name : {"BProgressBar1", "BProgressBar2"}) {
        auto *bar = Part<TBProgressBar>(name);
        QCOMPARE(bar->ColorBack(), q(theme.infobarProgressColor));
        QCOMPARE(bar->ColorBorder(), q(theme.infobarProgressBorderColor));
        QCOMPARE(bar->ColorStart(), q(theme.infobarProgressColorStart));
        QCOMPARE(bar->ColorEnd(), q(theme.infobarProgressColorEnd));
        QCOMPARE(bar->palette().color(QPalette::WindowText), q(theme.infobarProgressFontColor));
        QVERIFY(bar->font().bold() && bar->font().underline());
    }
    QCOMPARE(Part<TBProgressBar>("BProgressBar1")->Position(), 50);
    QCOMPARE(Part<TBProgressBar>("BProgressBar2")->DisplayText(), QStringLiteral(" RAM: 100%"));

    ChooseElement(QStringLiteral("InfoBar"));
    ChooseInList("ComboBox6", QStringLiteral("BtnFace"));
    QCOMPARE(Part<TShape>("Shape6")->BrushColor(), QColor(m_page->palette().color(QPalette::Button).rgb()));
}

// Only "menu_color" with "$00FF0000": blue behind the bar, the defaults everywhere else.
void TestThemePage::missingKeysTakeTheirDefaults()
{
    m_page = std::make_unique<TThemePage>();
    auto settings = IniFile::FromData("[theme]\nmenu_color=$00FF0000\n");
    m_page->LoadCurrentTheme(*settings);
    ThemeColors expected = DefaultThemeColors();
    expected.menuColor = RgbColor(0, 0, 255);
    QCOMPARE(m_page->Theme(), expected);
    QCOMPARE(Part<TColorSelector>("ColorSelector1")->Color(), RgbColor(0, 0, 255));
}

void TestThemePage::loadThenSaveLeavesTheThemeAsItWas()
{
    m_page = std::make_unique<TThemePage>();
    QByteArray stored = "[header]\nversion=01030000\n" + ThemeSectionText(DistinctTheme())
        + "versionstring=Quorix 1.02\nversion=01020000\n[sizes]\nSettings-X=10\n";
    stored.replace("menu_border_color=", "menu_border_color=-16777201\nignored=");
    auto settings = IniFile::FromData(stored);
    const auto before = settings->SectionValues("theme");
    m_page->LoadCurrentTheme(*settings);
    m_page->SaveCurrentTheme(*settings);
    QCOMPARE(WithoutVersion(settings->SectionValues("theme")), WithoutVersion(before));
    QCOMPARE(settings->ReadString("theme", "versionstring"), QStringLiteral("Quorix 1.03"));
    QCOMPARE(settings->ReadString("theme", "version"), QStringLiteral("01030000"));
    QCOMPARE(settings->ReadString("sizes", "Settings-X"), QStringLiteral("10"));
    const QStringList keys = settings->Keys("theme");
    QCOMPARE(keys.mid(keys.size() - 2), QStringList({"versionstring", "version"}));
}

void TestThemePage::unreadableColourTextIsKeptUntilEdited()
{
    m_page = std::make_unique<TThemePage>();
    auto settings = IniFile::FromData("[theme]\nmenu_color=no such colour\nmenu_font_color=navy\n");
    m_page->LoadCurrentTheme(*settings);
    QCOMPARE(m_page->Theme().menuColor, DefaultThemeColors().menuColor);
    m_page->SaveCurrentTheme(*settings);
    QCOMPARE(settings->ReadString("theme", "menu_color"), QStringLiteral("no such colour"));
    QCOMPARE(settings->ReadString("theme", "menu_font_color"), QString::number(RgbColor(0, 0, 128)));

    ChooseElement(QStringLiteral("Menu"));
    ChooseInList("ComboBox6", QStringLiteral("Menu"));
    m_page->SaveCurrentTheme(*settings);
    QCOMPARE(settings->ReadString("theme", "menu_color"), QString::number(qint32(clMenu)));
}

void TestThemePage::saveAsksForANameAndRereadsTheList()
{
    m_page = std::make_unique<TThemePage>();
    ChooseElement(QStringLiteral("Menu"));
    ChooseInList("ComboBox6", QStringLiteral("Highlight"));
    m_names.push_back(QStringLiteral("Night"));
    m_page->Button4Click();
    QCOMPARE(m_questions, QStringList({"Save Theme|Selected a new name for the new theme.|"}));

    const IniFile themes(DataFilePath(dfThemes));
    QCOMPARE(themes.Sections(), QStringList({"Night"}));
    QCOMPARE(themes.ReadString("Night", "menu_color"), QStringLiteral("-16777203"));
    QCOMPARE(themes.Keys("Night").size(), 19);
    QCOMPARE(themes.Keys("Night").last(), QStringLiteral("version"));
    auto *list = Part<QComboBox>("ComboBox1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(1), QStringLiteral("Night"));
    QCOMPARE(list->currentIndex(), -1);

    m_questions.clear();
    m_page->Button4Click(); // cancelled
    QCOMPARE(m_questions.size(), 1);
    QCOMPARE(IniFile(DataFilePath(dfThemes)).Sections(), QStringList({"Night"}));
}

void TestThemePage::saveOverExistingAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes") << 0 << true;
    QTest::newRow("no") << 1 << false;
    QTest::newRow("closed") << -1 << false;
}

void TestThemePage::saveOverExistingAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, written);
    const QByteArray stored = "[Night]\r\nmenu_color=0\r\n[Day]\r\nmenu_color=16777215\r\n";
    const QString file = WriteThemes(stored);
    m_page = std::make_unique<TThemePage>();
    m_names.push_back(QStringLiteral("Night"));
    m_answers.push_back(answer);
    m_page->Button4Click();
    QCOMPARE(m_questions.last(), QStringLiteral("Are you sure you want to overwrite the theme called \"Night\"?"));
    if (written) {
        const IniFile themes(file);
        QCOMPARE(themes.Sections(), QStringList({"Night", "Day"}));
        QCOMPARE(themes.ReadString("Night", "menu_color"), QStringLiteral("16777215"));
        QCOMPARE(themes.Keys("Night").size(), 19);
    } else {
        QCOMPARE(readWholeFile(file), stored);
    }
    QCOMPARE(Part<QComboBox>("ComboBox1")->count(), 3);
    QCOMPARE(Part<QComboBox>("ComboBox1")->currentIndex(), -1);
}

void TestThemePage::saveRefusesAnEmptyName()
{
    m_page = std::make_unique<TThemePage>();
    m_names.push_back(QStringLiteral("  "));
    m_page->Button4Click();
    QCOMPARE(m_questions.size(), 2);
    QVERIFY(m_questions.last().startsWith(QLatin1String("Error\r\r")));
    QVERIFY(!QFileInfo::exists(DataFilePath(dfThemes)));
}

// A themes file that is a folder: nothing is written, and the user is told.
void TestThemePage::unreadableThemesFileIsLeftAlone()
{
    QVERIFY(QDir().mkpath(DataFilePath(dfThemes)));
    m_page = std::make_unique<TThemePage>();
    QCOMPARE(Part<QComboBox>("ComboBox1")->count(), 1);
    m_names.push_back(QStringLiteral("Night"));
    m_page->Button4Click();
    QCOMPARE(m_questions.size(), 2);
    QVERIFY(m_questions.last().startsWith(QLatin1String("Error\r\r")));
    QVERIFY(m_questions.last().contains(QLatin1String("cannot be read")));
    QVERIFY(QFileInfo(DataFilePath(dfThemes)).isDir());
}

void TestThemePage::choosingANamedThemeLoadsIt()
{
    WriteThemes("[Blue]\nmenu_color=$00FF0000\ninfobar_progress_font_styles=19\n");
    m_page = std::make_unique<TThemePage>();
    ChooseElement(QStringLiteral("MenuBorder"));
    ChooseTheme(QStringLiteral("Blue"));
    ThemeColors expected = DefaultThemeColors();
    expected.menuColor = RgbColor(0, 0, 255);
    expected.infobarProgressFontStyles = fsBold | fsItalic;
    QCOMPARE(m_page->Theme(), expected);
    QCOMPARE(m_page->CurrentElement(), QStringLiteral("Menu")); // the group's first element again
    QCOMPARE(Part<TColorSelector>("ColorSelector1")->Color(), RgbColor(0, 0, 255));
    QVERIFY(Part<QPushButton>("Button3")->isEnabled());
}

// Nothing is loaded, Delete is off, and the font panel's controls wait for the next element.
void TestThemePage::choosingTheEmptyEntryLoadsNothing()
{
    WriteThemes("[Blue]\nmenu_color=$00FF0000\n");
    m_page = std::make_unique<TThemePage>();
    ChooseTheme(QStringLiteral("Blue"));
    ChooseTheme(QString());
    QCOMPARE(m_page->Theme().menuColor, RgbColor(0, 0, 255));
    QVERIFY(!Part<QPushButton>("Button3")->isEnabled());
    QVERIFY(!Part<TColorSelector>("ColorSelector2")->isEnabled());
    ChooseElement(QStringLiteral("MenuPopup"));
    QVERIFY(Part<TColorSelector>("ColorSelector2")->isEnabled());
}

void TestThemePage::deleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("yes") << 0 << QStringList({"Day"});
    QTest::newRow("no") << 1 << QStringList({"Night", "Day"});
}

void TestThemePage::deleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    const QString file = WriteThemes("[Night]\nmenu_color=0\n[Day]\nmenu_color=16777215\n");
    m_page = std::make_unique<TThemePage>();
    ChooseTheme(QStringLiteral("Night"));
    m_answers.push_back(answer);
    m_page->Button3Click();
    QCOMPARE(m_questions, QStringList({"Are you sure you want to delete the theme called \"Night\"?"}));
    QCOMPARE(IniFile(file).Sections(), left);
    QCOMPARE(Part<QComboBox>("ComboBox1")->count(), left.size() + 1);
    QCOMPARE(Part<QComboBox>("ComboBox1")->currentIndex(), answer == 0 ? -1 : 1);
}

// Pictures of the page for a person to look at: build/theme-screens/.
void TestThemePage::savePictures()
{
    const QString folder = qEnvironmentVariable("QUORIX_TEST_PROGRAM_DIR", QDir::currentPath())
        + QStringLiteral("/theme-screens/");
    QDir().mkpath(folder);
    m_page = std::make_unique<TThemePage>();
    m_page->resize(m_page->sizeHint().expandedTo(QSize(420, 0)));
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    ChooseElement(QStringLiteral("MenuPopupSelect"));
    QVERIFY(m_page->grab().save(folder + QStringLiteral("themepage-menubar.png")));
    ChooseElement(QStringLiteral("InfoBarProgressFill"));
    QVERIFY(m_page->grab().save(folder + QStringLiteral("themepage-infobar.png")));

    auto *selector = Part<TColorSelector>("ColorSelector1");
    selector->Click();
    QPointer<TColorForm> form = selector->DropDown();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(form->grab().scaled(form->size() * 4).save(folder + QStringLiteral("colorform-custom.png")));
    // On a real display (QT_QPA_PLATFORM=xcb under Xvfb) the screen as it is, popup included.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QTRY_VERIFY(form->isActiveWindow() || QApplication::activePopupWidget() == form);
        const QRect area = QRect(m_page->mapToGlobal(QPoint(0, 0)), m_page->size()).united(form->geometry());
        QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                    .save(folder + QStringLiteral("themepage-screen.png")));
    }
    form->close();
    QVERIFY(selector->grab().scaled(selector->size() * 4).save(folder + QStringLiteral("colorselector.png")));
}

QTEST_MAIN(TestThemePage)
#include "tst_tthemepage.moc"
