// The settings dialog as settings.ini, hotkeys.dat and the start-up entry meet it: opening and
// saving without a change leaves the files as they were, the rules by which aliases, marquee
// lines, autosize choices and number fields are stored, the start-up tick, the page the bar's
// "Settings" entries open, and a save that fails.
#include "base/inifile.h"
#include "dialogs/tsettings.h"
#include "dialogs/tsettingslistitem.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "foundation/programfolder.h"
#include "menus/mainmenucommands.h"
#include "platform/fake/fakeregistrystore.h"
#include "platform/scopedservice.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

// Every section the dialog edits, written as the dialog writes it, and sections it does not show.
const QByteArray kFilledSettings = "[generel]\n"
                                   "firstuse=0\n"
                                   "\n"
                                   "[general]\n"
                                   "position=bottom\n"
                                   "wabfilename=/home/ann/book.vcf\n"
                                   "\n"
                                   "[menu-settings]\n"
                                   "alwaysontop=0\n"
                                   "height=24\n"
                                   "maxnumber=0\n"
                                   "runcount=30\n"
                                   "showicons=1\n"
                                   "showrun=1\n"
                                   "runautosize=1\n"
                                   "runwidth=160\n"
                                   "\n"
                                   "[alias]\n"
                                   "$GAMES$=/home/ann/games\n"
                                   "$TOOLS$=/opt/tools\n"
                                   "\n"
                                   "[marquee]\n"
                                   "line0=Clock [Time()]\n"
                                   "line1=Load [CPU(Usage)]\n"
                                   "\n"
                                   "[infobar]\n"
                                   "enabled=1\n"
                                   "progressbar-autosize=0\n"
                                   "width=150\n"
                                   "margin=10\n"
                                   "\n"
                                   "[infobar-objects]\n"
                                   "progress0000=object:\"0\"; prefix:\"CPU:\"; interval:\"5\"; active:\"1\";\n"
                                   "progress0001=object:\"C\"; prefix:\"HDD C:\"; interval:\"60\"; active:\"0\";\n"
                                   "\n"
                                   "[marquee-settings]\n"
                                   "showmarquee=1\n"
                                   "marqueetimer=0\n"
                                   "marqueeframelength=5\n"
                                   "autosize=1\n"
                                   "position=1\n"
                                   "width=250\n"
                                   "\n"
                                   "[alphablend]\n"
                                   "menu_alpha=20\n"
                                   "menu_noalphaonactivate=1\n"
                                   "menu_dropshadow=0\n"
                                   "\n"
                                   "[theme]\n"
                                   "menu_color=-2147483633\n"
                                   "\n"
                                   "[notes]\n"
                                   "wordwrap=1\n";

QString SettingsPath()
{
    return DataFilePath(dfSettings);
}

QString HotkeysPath()
{
    return DataFilePath(dfHotkeys);
}

void WriteHotkeys(const QList<QStringList> &records)
{
    TMlb2 table;
    for (const char *field : {"id", "shift", "key", "function", "params", "active"})
        table.AddField(QString::fromLatin1(field));
    for (const QStringList &record : records) {
        table.AddRecord();
        for (int i = 0; i < record.size(); ++i)
            table.SetFieldValue(i + 1, record[i]);
    }
    QVERIFY(table.SaveToFile(HotkeysPath()));
}

QString Setting(const QString &section, const QString &key)
{
    return IniFile(SettingsPath()).ReadString(section, key, QStringLiteral("<missing>"));
}

} // namespace

class TestTSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openAndSaveLeavesTheFilesAsTheyWere_data();
    void openAndSaveLeavesTheFilesAsTheyWere();
    void applyTwiceWritesTheSame();
    void userAliasKeys_data();
    void userAliasKeys();
    void marqueeLinesSkipEmptyLines();
    void autosizeChoicesOnOpening_data();
    void autosizeChoicesOnOpening();
    void movingTheMarqueeMovesItsAutosizeChoice();
    void fieldsWithoutANumberKeepTheStoredValue_data();
    void fieldsWithoutANumberKeepTheStoredValue();
    void numbersStayInTheirRange_data();
    void numbersStayInTheirRange();
    void startupTick_data();
    void startupTick();
    void savingWritesOrRemovesTheStartupEntry_data();
    void savingWritesOrRemovesTheStartupEntry();
    void settingsEntriesOpenTheirPage_data();
    void settingsEntriesOpenTheirPage();
    void infoBarLineDroppedLandsBeforeItsTarget_data();
    void infoBarLineDroppedLandsBeforeItsTarget();
    void failedWriteIsToldAndKeepsTheOldFile();
    void unreadableHotkeyFileIsNotWrittenOver();

private:
    TSettings *Open();
    template <typename T> T *Find(const char *name) const
    {
        T *widget = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("no component %s", name);
        return widget;
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeRegistryStore> m_registry;
    std::unique_ptr<ScopedService<RegistryStore>> m_useRegistry;
    QPointer<TSettings> m_dialog;
    QStringList m_boxes;
};

void TestTSettings::init()
{
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
    m_registry = std::make_unique<FakeRegistryStore>();
    m_useRegistry = std::make_unique<ScopedService<RegistryStore>>(*m_registry);
    m_boxes.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes << request.text;
        return 0;
    });
}

void TestTSettings::cleanup()
{
    delete m_dialog;
    SetMessageResponder({});
    m_useRegistry.reset();
    m_registry.reset();
    m_home.reset();
}

TSettings *TestTSettings::Open()
{
    delete m_dialog;
    m_dialog = new TSettings;
    return m_dialog;
}

void TestTSettings::openAndSaveLeavesTheFilesAsTheyWere_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QList<QStringList>>("hotkeys");

    QFile shipped(ProgramFolder() + QStringLiteral("Default/Data/settings.ini"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("the shipped settings, no hotkeys") << shipped.readAll() << QList<QStringList>{};
    // The first field of a hotkey record is left empty by every writer.
    QTest::newRow("every page filled, two hotkeys")
        << kFilledSettings
        << QList<QStringList>{{"", "8", "69", "OpenFile", "/home/ann", "1"}, {"", "2", "113", "Minimize", "", "0"}};
}

void TestTSettings::openAndSaveLeavesTheFilesAsTheyWere()
{
    QFETCH(QByteArray, settings);
    QFETCH(QList<QStringList>, hotkeys);
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"), settings);
    WriteHotkeys(hotkeys);
    const QByteArray hotkeyFile = readWholeFile(HotkeysPath());

    Open();
    QCOMPARE(Find<QTreeWidget>("ListView4")->topLevelItemCount(), hotkeys.size());
    QVERIFY(m_dialog->Save());
    QCOMPARE(QString::fromUtf8(readWholeFile(SettingsPath())), QString::fromUtf8(settings));
    QCOMPARE(readWholeFile(HotkeysPath()), hotkeyFile);
    QVERIFY(m_boxes.isEmpty());
}

void TestTSettings::applyTwiceWritesTheSame()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"), kFilledSettings);
    Open();
    Find<QCheckBox>("CheckBox1")->setChecked(false);
    Find<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("one\n\ntwo"));
    m_dialog->Button5Click();
    const QByteArray first = readWholeFile(SettingsPath());
    QCOMPARE(Setting("menu-settings", "showicons"), QStringLiteral("0"));
    m_dialog->Button5Click();
    QCOMPARE(readWholeFile(SettingsPath()), first);
    // Apply leaves the dialog open.
    QVERIFY(m_dialog);
}

void TestTSettings::userAliasKeys_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("two letters are dropped") << QStringList{"ab"} << QStringList{};
    QTest::newRow("capitals and dollar signs") << QStringList{"docs"} << QStringList{"$DOCS$"};
    QTest::newRow("a dollar sign already there") << QStringList{"$Docs"} << QStringList{"$DOCS$"};
    QTest::newRow("three characters are kept") << QStringList{"$a$"} << QStringList{"$A$"};
    QTest::newRow("in list order") << QStringList{"zip", "ab", "tools$"} << QStringList{"$ZIP$", "$TOOLS$"};
}

void TestTSettings::userAliasKeys()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, keys);
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"),
                      "[alias]\n$OLD$=/old\n\n[notes]\nwordwrap=1\n");
    Open();
    QTreeWidget *aliases = m_dialog->AliasList();
    QCOMPARE(aliases->topLevelItemCount(), 1);
    aliases->clear();
    for (const QString &name : names)
        new QTreeWidgetItem(aliases, {name, QStringLiteral("/folder/") + name});
    QVERIFY(m_dialog->Save());
    const IniFile settings(SettingsPath());
    QCOMPARE(settings.Keys(QStringLiteral("alias")), keys);
    for (const QString &key : keys)
        QVERIFY(settings.ReadString(QStringLiteral("alias"), key).startsWith(QStringLiteral("/folder/")));
    QCOMPARE(settings.ReadString(QStringLiteral("notes"), QStringLiteral("wordwrap")), QStringLiteral("1"));
}

void TestTSettings::marqueeLinesSkipEmptyLines()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"),
                      "[marquee]\nline0=x\nline1=y\nline2=z\nline3=w\n");
    Open();
    Find<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("a\n\nb"));
    QVERIFY(m_dialog->Save());
    const IniFile settings(SettingsPath());
    QCOMPARE(settings.Keys(QStringLiteral("marquee")), (QStringList{"line0", "line1"}));
    QCOMPARE(settings.ReadString(QStringLiteral("marquee"), QStringLiteral("line0")), QStringLiteral("a"));
    QCOMPARE(settings.ReadString(QStringLiteral("marquee"), QStringLiteral("line1")), QStringLiteral("b"));
    Open();
    QCOMPARE(Find<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("a\nb"));
}

void TestTSettings::autosizeChoicesOnOpening_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("infoBar");   // ComboBox10
    QTest::addColumn<QString>("menuBar");   // ComboBox11
    QTest::addColumn<QStringList>("infoBarChoices");

    QTest::newRow("nothing autosized")
        << QByteArray() << "(none)" << "(none)" << QStringList{"(none)", "ProgressBars"};
    QTest::newRow("marquee on the menu bar")
        << QByteArray("[marquee-settings]\nautosize=1\nposition=0\n") << "(none)" << "Marquee"
        << QStringList{"(none)", "ProgressBars"};
    QTest::newRow("marquee on the info bar")
        << QByteArray("[marquee-settings]\nautosize=1\nposition=1\n") << "Marquee" << "(none)"
        << QStringList{"(none)", "Marquee", "ProgressBars"};
    QTest::newRow("marquee and Run both autosized: Run wins")
        << QByteArray("[marquee-settings]\nautosize=1\nposition=0\n[menu-settings]\nrunautosize=1\n") << "(none)"
        << "Run" << QStringList{"(none)", "ProgressBars"};
    QTest::newRow("marquee and meters on the info bar: the meters win")
        << QByteArray("[marquee-settings]\nautosize=1\nposition=1\n[infobar]\nprogressbar-autosize=1\n")
        << "ProgressBars" << "(none)" << QStringList{"(none)", "Marquee", "ProgressBars"};
}

void TestTSettings::autosizeChoicesOnOpening()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, infoBar);
    QFETCH(QString, menuBar);
    QFETCH(QStringList, infoBarChoices);
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"), settings);
    Open();
    auto *comboBox10 = Find<QComboBox>("ComboBox10");
    QCOMPARE(comboBox10->currentText(), infoBar);
    QCOMPARE(Find<QComboBox>("ComboBox11")->currentText(), menuBar);
    QStringList choices;
    for (int i = 0; i < comboBox10->count(); ++i)
        choices << comboBox10->itemText(i);
    QCOMPARE(choices, infoBarChoices);
}

void TestTSettings::movingTheMarqueeMovesItsAutosizeChoice()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"),
                      "[marquee-settings]\nautosize=1\nposition=0\n");
    Open();
    auto *comboBox10 = Find<QComboBox>("ComboBox10");
    auto *comboBox11 = Find<QComboBox>("ComboBox11");
    QCOMPARE(comboBox11->currentText(), QStringLiteral("Marquee"));
    Find<QComboBox>("ComboBox9")->setCurrentText(QStringLiteral("InfoBar"));
    QCOMPARE(comboBox11->currentText(), QStringLiteral("(none)"));
    QCOMPARE(comboBox11->findText(QStringLiteral("Marquee")), -1);
    QCOMPARE(comboBox10->findText(QStringLiteral("Marquee")), 1);
    QVERIFY(m_dialog->Save());
    QCOMPARE(Setting("marquee-settings", "autosize"), QStringLiteral("0"));
    QCOMPARE(Setting("marquee-settings", "position"), QStringLiteral("1"));
}

void TestTSettings::fieldsWithoutANumberKeepTheStoredValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("run width") << "BEdit3" << "menu-settings" << "runwidth";
    QTest::newRow("history count") << "BEdit7" << "menu-settings" << "runcount";
    QTest::newRow("menu alpha") << "Edit3" << "alphablend" << "menu_alpha";
    // The fields the dialog has no guard for keep their value the same way.
    QTest::newRow("marquee width") << "BEdit6" << "marquee-settings" << "width";
    QTest::newRow("frame length") << "BEdit1" << "marquee-settings" << "marqueeframelength";
    QTest::newRow("info bar width") << "BEdit4" << "infobar" << "width";
    QTest::newRow("info bar margin") << "BEdit5" << "infobar" << "margin";
}

void TestTSettings::fieldsWithoutANumberKeepTheStoredValue()
{
    QFETCH(QString, field);
    QFETCH(QString, section);
    QFETCH(QString, key);
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"), kFilledSettings);
    const QString before = Setting(section, key);
    for (const QString &text : {QString(), QStringLiteral("-"), QStringLiteral("1x")}) {
        Open();
        m_dialog->findChild<QLineEdit *>(field)->setText(text);
        QVERIFY(m_dialog->Save());
        QCOMPARE(Setting(section, key), before);
    }
}

void TestTSettings::numbersStayInTheirRange_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("frame length 0") << "BEdit1" << "0" << "marquee-settings" << "marqueeframelength" << "1";
    QTest::newRow("run width 0") << "BEdit3" << "0" << "menu-settings" << "runwidth" << "1";
    QTest::newRow("run width at most four digits") << "BEdit3" << "123456" << "menu-settings" << "runwidth" << "1234";
    QTest::newRow("alpha 99") << "Edit3" << "99" << "alphablend" << "menu_alpha" << "99";
    QTest::newRow("margin in range") << "BEdit5" << "12" << "infobar" << "margin" << "12";
    QTest::newRow("maximum items 0") << "BEdit2" << "0" << "menu-settings" << "maxnumber" << "1";
}

void TestTSettings::numbersStayInTheirRange()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    Open();
    m_dialog->findChild<QLineEdit *>(field)->setText(text);
    QVERIFY(m_dialog->Save());
    QCOMPARE(Setting(section, key), stored);
}

void TestTSettings::startupTick_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("no entry") << QString() << false;
    QTest::newRow("this program") << ProgramFilePath() << true;
    QTest::newRow("another copy") << QStringLiteral("/opt/other/quorix") << false;
    QTest::newRow("this program in other capitals") << ProgramFilePath().toUpper() << false;
}

void TestTSettings::startupTick()
{
    QFETCH(QString, entry);
    QFETCH(bool, ticked);
    m_registry->autostartProgram = entry;
    Open();
    QCOMPARE(Find<QCheckBox>("CheckBox5")->isChecked(), ticked);
    // The tick alone changes nothing.
    Find<QCheckBox>("CheckBox5")->toggle();
    QCOMPARE(m_registry->autostartProgram, entry);
}

void TestTSettings::savingWritesOrRemovesTheStartupEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("saved");
    QTest::newRow("ticked") << QString() << true << ProgramFilePath();
    QTest::newRow("ticked over another copy") << QStringLiteral("/opt/other/quorix") << true << ProgramFilePath();
    QTest::newRow("unticked") << ProgramFilePath() << false << QString();
}

void TestTSettings::savingWritesOrRemovesTheStartupEntry()
{
    QFETCH(QString, entry);
    QFETCH(bool, tick);
    QFETCH(QString, saved);
    m_registry->autostartProgram = entry;
    Open();
    Find<QCheckBox>("CheckBox5")->setChecked(tick);
    QVERIFY(m_dialog->Save());
    QCOMPARE(m_registry->autostartProgram, saved);
}

void TestTSettings::settingsEntriesOpenTheirPage_data()
{
    QTest::addColumn<QStringList>("captions");   // the entries chosen, one after the other
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("pageWidget");
    QTest::addColumn<QString>("topic");
    QTest::newRow("InfoBar...") << QStringList{"InfoBar..."} << "InfoBar" << "InfoBar" << "settings_infobar.html";
    QTest::newRow("HotKeys... in other capitals") << QStringList{"HotKeys..."} << "Hotkeys" << "HotKeys"
                                                 << "settings_hotkeys.html";
    QTest::newRow("Alpha Blend...") << QStringList{"Alpha Blend..."} << "Alpha Blend" << "Alphablend"
                                    << "settings_alphablend.html";
    QTest::newRow("Extended Settings... has no topic") << QStringList{"Extended Settings..."} << "Extended Settings"
                                                       << "Extended" << "";
    QTest::newRow("the open dialog turns to the page") << QStringList{"General...", "Marquee..."} << "Marquee"
                                                       << "Marquee" << "settings_marquee.html";
    QTest::newRow("a name of no page leaves it") << QStringList{"Alias...", "Nothing..."} << "Alias" << "Alias"
                                                 << "settings_alias.html";
}

void TestTSettings::settingsEntriesOpenTheirPage()
{
    QFETCH(QStringList, captions);
    QFETCH(QString, page);
    QFETCH(QString, pageWidget);
    QFETCH(QString, topic);
    QWidget bar;
    QMenu settingsMenu;
    for (const QString &caption : captions)
        settingsMenu.addAction(caption);
    MainMenuCommands commands({&bar, nullptr, nullptr, &settingsMenu});
    QPointer<TSettings> first;
    for (QAction *entry : settingsMenu.actions()) {
        entry->trigger();
        if (!first)
            first = commands.Settings();
        // One dialog at a time.
        QCOMPARE(commands.Settings(), first.data());
    }
    TSettings *dialog = commands.Settings();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->CurrentPageName(), page);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label41"))->text(), page);
    QCOMPARE(dialog->findChild<QStackedWidget *>(QStringLiteral("PageControl1"))->currentWidget()->objectName(),
             pageWidget);
    QCOMPARE(dialog->HelpTopic(), topic);
    delete dialog;
}

void TestTSettings::infoBarLineDroppedLandsBeforeItsTarget_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("order");
    QTest::newRow("down two places") << 0 << 2 << "BAC";
    QTest::newRow("up") << 2 << 0 << "CAB";
    QTest::newRow("onto itself") << 1 << 1 << "ABC";
    QTest::newRow("onto the next line") << 0 << 1 << "ABC";
}

void TestTSettings::infoBarLineDroppedLandsBeforeItsTarget()
{
    QFETCH(int, from);
    QFETCH(int, target);
    QFETCH(QString, order);
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"),
                      "[infobar-objects]\n"
                      "progress0000=object:\"A\"; prefix:\"A\"; interval:\"1\"; active:\"1\";\n"
                      "progress0001=object:\"B\"; prefix:\"B\"; interval:\"2\"; active:\"0\";\n"
                      "progress0002=object:\"C\"; prefix:\"C\"; interval:\"3\"; active:\"1\";\n");
    Open();
    MoveLineBefore(m_dialog->InfoBarList(), from, target);
    QVERIFY(m_dialog->Save());
    QString stored;
    const IniFile settings(SettingsPath());
    for (const QString &key : settings.Keys(QStringLiteral("infobar-objects"))) {
        const QString object = settings.ReadString(QStringLiteral("infobar-objects"), key);
        stored += object.section(QLatin1Char('"'), 1, 1);
        // Each line keeps its own record and tick.
        QCOMPARE(object.contains(QStringLiteral("active:\"0\"")), object.startsWith(QStringLiteral("object:\"B\"")));
    }
    QCOMPARE(stored, order);
    QCOMPARE(settings.Keys(QStringLiteral("infobar-objects")), (QStringList{"progress0000", "progress0001", "progress0002"}));
}

void TestTSettings::failedWriteIsToldAndKeepsTheOldFile()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"), kFilledSettings);
    Open();
    m_dialog->show();
    Find<QCheckBox>("CheckBox1")->setChecked(false);

    // A file size limit makes the writes fail after the file was opened, like a full disk.
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    m_dialog->Button1Click();
    m_dialog->Button1Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readWholeFile(SettingsPath()), kFilledSettings);
    // Told each time OK is pressed, and the dialog stays open with what was typed.
    const QString shownPath = QDir::toNativeSeparators(SettingsPath());
    QStringList told;
    for (const QString &box : m_boxes) {
        if (box.contains(shownPath))
            told << box;
    }
    QCOMPARE(told.size(), 2);
    QVERIFY2(told[0].contains(QStringLiteral("could not be saved")), qPrintable(told[0]));
    QVERIFY(m_dialog && m_dialog->isVisible());
    QVERIFY(!Find<QCheckBox>("CheckBox1")->isChecked());
}

void TestTSettings::unreadableHotkeyFileIsNotWrittenOver()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/hotkeys.dat"), "not a record file");
    Open();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].contains(QStringLiteral("could not be read")), qPrintable(m_boxes[0]));
    QVERIFY(m_dialog->Save());
    QCOMPARE(readWholeFile(HotkeysPath()), QByteArray("not a record file"));
}

QTEST_MAIN(TestTSettings)
#include "tst_tsettings.moc"
