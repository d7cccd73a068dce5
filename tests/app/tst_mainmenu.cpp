// The bar window's life: the fixed Main menu a user finds every day, the first-use question asked
// exactly once, the version stamp, and the height stored at the end.
#include "foundation/appinfo.h"
#include "foundation/datafiles.h"
#include "foundation/programfolder.h"
#include "base/inifile.h"
#include "foundation/messages.h"
#include "app/tmainmenu.h"
#include "core/td.h"
#include "platform/registrystore.h"
#include "testenv.h"

#include <QMenu>
#include <QComboBox>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

namespace {
QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}
} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void mainMenuHasItsFixedEntries();
    void specialFolderItemsStayOnceAfterRefresh();
    void firstUseQuestion_data();
    void firstUseQuestion();
    void versionStampWrittenAtEveryStart();
    void stampedSettingsAreNotRewritten();
    void unreadableSettingsIsNoFirstStart();
    void heightStoredWhenTheBarGoes();
    void settingsApplied();
    void opaqueWhileActive_data();
    void opaqueWhileActive();
    void iconThemeChangeRefreshesTheBar();
    void autoSizedRunBoxFillsTheFreeWidth();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<TD> m_td;
    QStringList m_questions;
    int m_answer = 1; // No
};

void TestMainMenu::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(CheckDataFiles());
    m_td = std::make_unique<TD>();
    m_questions.clear();
    m_answer = 1;
    SetMessageResponder([this](const MessageRequest &request) {
        m_questions << request.text;
        return m_answer;
    });
}

void TestMainMenu::cleanup()
{
    SetMessageResponder({});
    m_td.reset();
    m_home.reset();
}

void TestMainMenu::mainMenuHasItsFixedEntries()
{
    TMainMenu bar;
    auto *m = bar.findChild<QMenuBar *>("M");
    QVERIFY(m);
    QVERIFY(m->actions().size() >= 2);
    QVERIFY(!m->actions().at(0)->icon().isNull()); // the program's own icon button
    auto *main = bar.findChild<QMenu *>("Main1");
    QCOMPARE(m->actions().at(1), main->menuAction());
    QCOMPARE(main->title(), QStringLiteral("&Main"));
    QCOMPARE(Captions(main), (QStringList{"Run...", "-", "AutoRun", "Settings", "Refresh Quorix", "-",
                                          "Close", "-", "Help...", "About..."}));
    QCOMPARE(Captions(bar.findChild<QMenu *>("Close1")), (QStringList{"Quorix", "-", "Shut Down...", "-"}));
    const QStringList settings = Captions(bar.findChild<QMenu *>("TBSubmenuItem2"));
    QCOMPARE(settings.mid(0, 10), (QStringList{"General...", "Alias...", "HotKeys...", "InfoBar...", "Marquee...",
                                               "Menu...", "Theme...", "Alpha Blend...", "Extended Settings...", "-"}));
}

void TestMainMenu::specialFolderItemsStayOnceAfterRefresh()
{
    TMainMenu bar;
    bar.RefreshMenu1Click();
    bar.RefreshMenu1Click();
    const QStringList settings = Captions(bar.findChild<QMenu *>("TBSubmenuItem2"));
    QCOMPARE(settings.mid(10), (QStringList{"Control Panel", "My Computer", "Printers", "Recycle Bin"}));
}

void TestMainMenu::firstUseQuestion_data()
{
    QTest::addColumn<QByteArray>("firstUse");   // settings.ini line, empty: key missing
    QTest::addColumn<QString>("autostart");     // program already registered; "~" = this program
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("registered");

    QTest::newRow("first use, yes") << QByteArray("firstuse=1") << QString() << 0 << true << true;
    QTest::newRow("first use, no") << QByteArray("firstuse=1") << QString() << 1 << true << false;
    QTest::newRow("key missing counts as first use") << QByteArray() << QString() << 1 << true << false;
    QTest::newRow("already registered") << QByteArray("firstuse=1") << QString("~") << 0 << false << true;
    QTest::newRow("stale path is different") << QByteArray("firstuse=1") << QString("/old/place/quorix") << 0
                                             << true << true;
    QTest::newRow("not first use") << QByteArray("firstuse=0") << QString() << 0 << false << false;
}

void TestMainMenu::firstUseQuestion()
{
    QFETCH(QByteArray, firstUse);
    QFETCH(QString, autostart);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, registered);
    m_home->writeFile(DataFilePath(dfSettings), "[generel]\n" + firstUse + "\n");
    if (!autostart.isEmpty())
        SetAutostartProgram(autostart == "~" ? ProgramFilePath() : autostart);
    m_answer = answer;
    {
        TMainMenu bar;
    }
    QCOMPARE(m_questions.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(m_questions.first().startsWith("Quorix is not currently set to start when you log in."));
    QCOMPARE(AutostartProgram() == ProgramFilePath(), registered);
    // Whatever the answer, the question is never asked again.
    m_questions.clear();
    {
        TMainMenu again;
    }
    QCOMPARE(m_questions.size(), 0);
}

void TestMainMenu::versionStampWrittenAtEveryStart()
{
    {
        TMainMenu bar;
    }
    const IniFile settings(DataFilePath(dfSettings));
    QCOMPARE(settings.ReadString("header", "versionstring"), kAppTitle);
    QCOMPARE(settings.ReadString("header", "version"), QStringLiteral("01030000"));
    QCOMPARE(settings.ReadBool("generel", "firstuse", true), false);
}

void TestMainMenu::stampedSettingsAreNotRewritten()
{
    // Laid out by hand, already stamped: a start reads it and leaves it as it is.
    const QByteArray layout = "[header]\nversionstring = Quorix 1.03\nversion = 01030000\n\n"
                              "; mine\n[generel]\nfirstuse = 0\n";
    const QString path = m_home->writeFile(DataFilePath(dfSettings), layout);
    {
        TMainMenu bar;
    }
    QCOMPARE(readWholeFile(path), layout);
}

void TestMainMenu::unreadableSettingsIsNoFirstStart()
{
    // Damaged by a crash: the bar says which file it could not read, asks no first-use question
    // and leaves the file for the user to mend.
    const QByteArray garbage("\x7f" "ELF\x02\x01\x01\0\0\0 no settings in here\n\xff\xfe", 33);
    const QString path = m_home->writeFile(DataFilePath(dfSettings), garbage);
    {
        TMainMenu bar;
        bar.RefreshMenu1Click();
    }
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(m_questions[0].contains(path));
    QVERIFY(m_questions[0].contains("could not be read"));
    QCOMPARE(readWholeFile(path), garbage);
}

void TestMainMenu::heightStoredWhenTheBarGoes()
{
    IniFile(DataFilePath(dfSettings)).WriteInteger("menu-settings", "height", 30);
    IniFile(DataFilePath(dfSettings)).WriteBool("infobar", "enabled", true);
    {
        TMainMenu bar;
        bar.show();
        QCOMPARE(bar.height(), 60);
    }
    QCOMPARE(RegistryReadString("software\\Brenmoor\\Quorix", "MainMenu-H"), QStringLiteral("60"));
}

void TestMainMenu::settingsApplied()
{
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteInteger("alphablend", "menu_alpha", 50);
    settings.EraseSection("marquee");
    TMainMenu bar;
    QCOMPARE(bar.BlendValue(), 127);
    QCOMPARE(bar.MarqueeLines(), QStringList{kAppTitle}); // the title alone, still shown
}

void TestMainMenu::opaqueWhileActive_data()
{
    QTest::addColumn<bool>("noAlphaOnActivate");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("inactive");
    QTest::newRow("opaque while active") << true << 50 << 255 << 127;
    QTest::newRow("option off") << false << 50 << 127 << 127;
    QTest::newRow("fully transparent bar stays") << true << 100 << 0 << 0;
}

void TestMainMenu::opaqueWhileActive()
{
    QFETCH(bool, noAlphaOnActivate);
    QFETCH(int, alpha);
    QFETCH(int, active);
    QFETCH(int, inactive);
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteInteger("alphablend", "menu_alpha", alpha);
    settings.WriteBool("alphablend", "menu_noalphaonactivate", noAlphaOnActivate);
    TMainMenu bar;
    m_td->ApplicationEvents1Activate();
    QCOMPARE(bar.CurrentBlend(), active);
    m_td->ApplicationEvents1Deactivate();
    QCOMPARE(bar.CurrentBlend(), inactive);
}

void TestMainMenu::iconThemeChangeRefreshesTheBar()
{
    TMainMenu bar;
    IniFile(DataFilePath(dfSettings)).WriteString("marquee", "line0", "fresh");
    QCOMPARE(bar.MarqueeLines().size(), 1);
    QEvent themeChange(QEvent::ThemeChange);
    QCoreApplication::sendEvent(&bar, &themeChange);
    QCOMPARE(bar.MarqueeLines(), (QStringList{"fresh", kAppTitle}));
}

// The Run box's width comes from the bar spanning the screen, before the bar is ever shown and
// again after a refresh: not from the size the window happens to have.
void TestMainMenu::autoSizedRunBoxFillsTheFreeWidth()
{
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteBool("menu-settings", "showrun", true);
    settings.WriteBool("menu-settings", "runautosize", true);
    settings.WriteInteger("marquee-settings", "width", 150);
    settings.WriteBool("marquee-settings", "showmarquee", true);
    TMainMenu bar;
    auto *runBox = bar.findChild<QComboBox *>();
    QVERIFY(runBox);
    const int screenWidth = bar.screen()->geometry().width();
    const int expected = screenWidth - 150 - bar.findChild<QMenuBar *>("M")->sizeHint().width() - 10;
    QVERIFY(expected > 100);
    QCOMPARE(runBox->width(), expected);
    bar.resize(300, bar.height()); // whatever the window's size, the bar spans its edge
    bar.RefreshMenu1Click();
    QCOMPARE(runBox->width(), expected);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
