// The dialogs as the keyboard and settings.ini meet them: the form name their place is stored
// under, their captions, every component under its own name and text, the labels' accelerators
// that reach their fields, the order Tab walks, the button Enter presses and the help topic F1
// asks for.
#include "base/inifile.h"
#include "controls/thotkeyedit.h"
#include "foundation/barrequests.h"
#include "foundation/datafiles.h"
#include "dialogs/hotkeylist.h"
#include "dialogs/infobarobjectlist.h"
#include "dialogs/tabout.h"
#include "dialogs/taddcontact.h"
#include "dialogs/taddmenu.h"
#include "dialogs/taddurl.h"
#include "dialogs/ticonchooser.h"
#include "dialogs/tmenudesigner.h"
#include "dialogs/tcontactdetails.h"
#include "dialogs/tfindcontact.h"
#include "dialogs/tpathbrowserwnd.h"
#include "dialogs/taddalias.h"
#include "dialogs/taddhotkey.h"
#include "dialogs/taddtoinfobar.h"
#include "dialogs/timportexport.h"
#include "dialogs/trundialog.h"
#include "dialogs/tsettings.h"
#include "dialogs/tshutdowndialog.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace {

using Factory = std::function<TQuorixDialog *(QTreeWidget *list)>;

const Factory kAbout = [](QTreeWidget *) { return new TAbout; };
const Factory kAddAlias = [](QTreeWidget *list) { return new TAddAlias(list, -1); };
const Factory kAddHotkey = [](QTreeWidget *list) { return new TAddHotkey(list, -1); };
const Factory kAddToInfoBar = [](QTreeWidget *list) { return new TAddToInfoBar(list, -1); };
const Factory kRun = [](QTreeWidget *) { return new TRunDialog; };
const Factory kShutDown = [](QTreeWidget *) { return new TShutDownDialog; };
const Factory kAddURL = [](QTreeWidget *) { return new TAddURL; };
const Factory kPathBrowser = [](QTreeWidget *) { return new TPathBrowserWnd; };
const Factory kContactDetails = [](QTreeWidget *) {
    VCard card;
    card.emails = {{"ann@example.org", {}, 100}};
    card.urls = {{"example.org", {}, 100}};
    return new TContactDetails(card);
};
const Factory kAddContact = [](QTreeWidget *) { return new TAddContact(QString()); };
const Factory kFindContact = [](QTreeWidget *) { return new TFindContact(QString()); };
const Factory kImportExport = [](QTreeWidget *) { return new TImportExport; };
const Factory kSettings = [](QTreeWidget *) { return new TSettings; };
const Factory kMenuDesigner = [](QTreeWidget *) { return new TMenuDesigner; };
const Factory kAddMenu = [](QTreeWidget *list) { return new TAddMenu(list, -1); };
const Factory kIconChooser = [](QTreeWidget *) { return new TIconChooser(QString(), 0); };

// The text a component shows: a label's or a button's caption, nothing for the others.
QString ShownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return {};
}

// The named widgets Tab reaches, in order, from the first one.
QStringList TabOrder(QWidget *dialog)
{
    QStringList order;
    QWidget *widget = dialog->nextInFocusChain();
    while (widget != dialog) {
        const bool reached = widget->isEnabled() && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus);
        if (reached && !widget->objectName().isEmpty())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    return order;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

namespace {

// The dialogs, one row each.
void DialogTable()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("components");   // name, then its text after "=" when it shows one
    QTest::addColumn<QStringList>("buddies");      // label>field
    QTest::addColumn<QStringList>("tabOrder");
    QTest::addColumn<QString>("defaultButton");

    QTest::newRow("About") << kAbout << "About" << "About Quorix" << "general-about"
                           << QStringList{"Image1", "Label1=Quorix 1.03", "Button1=Help", "Button2=Close"}
                           << QStringList{} << QStringList{"Button2", "Button1"} << "Button2";
    QTest::newRow("Add Alias") << kAddAlias << "AddAlias" << "Add Alias" << "settings_alias.html"
                               << QStringList{"Label1=&Name:", "Edit2", "Label2=&Path:", "Edit1", "Button1=...",
                                              "Button2=OK", "Button3=Cancel"}
                               << QStringList{"Label1>Edit2", "Label2>Edit1"}
                               << QStringList{"Edit2", "Edit1", "Button1", "Button3"} << "Button2";
    QTest::newRow("Add Hotkey") << kAddHotkey << "AddHotkey" << "Add Hotkey" << "settings_hotkeys.html"
                                << QStringList{"Label1=&Key:", "HotKey1", "Label2=&Shift:", "ComboBox1",
                                               "Label3=&Function:", "ComboBox2", "Label4=&Parameters:", "Edit1",
                                               "Button2=OK", "Button3=Cancel"}
                                << QStringList{"Label1>HotKey1", "Label2>ComboBox1", "Label3>ComboBox2", "Label4>Edit1"}
                                << QStringList{"HotKey1", "ComboBox1", "ComboBox2", "Edit1", "Button3"} << "Button2";
    QTest::newRow("Add to InfoBar") << kAddToInfoBar << "AddToInfoBar" << "Add to InfoBar" << "settings_infobar.html"
                                    << QStringList{"Label1=&Object:", "ComboBox1", "Label2=&Prefix", "BEdit2",
                                                   "Label3=&Refresh Interval (sec):", "BEdit1", "UpDown1",
                                                   "Button2=OK", "Button3=Cancel"}
                                    << QStringList{"Label1>ComboBox1", "Label2>BEdit2", "Label3>BEdit1"}
                                    << QStringList{"ComboBox1", "BEdit2", "BEdit1", "Button3"} << "Button2";
    QTest::newRow("Run") << kRun << "RunDialog" << "Run" << "runbox"
                         << QStringList{"Image1", "Label1", "Label2=&Open:", "ComboBox1", "Button1=OK",
                                        "Button2=Cancel", "Button3=&Browse..."}
                         << QStringList{"Label2>ComboBox1"} << QStringList{"ComboBox1", "Button2", "Button3"}
                         << "Button1";
    QTest::newRow("Shut Down") << kShutDown << "ShutDown" << "Shut Down" << "main-menu"
                               << QStringList{"Image1", "Label1=What do you want the computer to do?",
                                              "Button1=&Shut down", "Button2=&Restart", "Button3=&Log out",
                                              "Button4=Cancel"}
                               << QStringList{} << QStringList{"Button1", "Button2", "Button3", "Button4"}
                               << "Button4";
    QTest::newRow("Add URL") << kAddURL << "AddURL" << "Add URL" << "themenu_urlsmenu.html"
                             << QStringList{"Label1=&Name:", "Edit1", "Label2=&Address:", "Edit2", "Label3=Sub &Folder:",
                                            "Edit3", "Button1=...", "Button2=OK", "Button3=Cancel"}
                             << QStringList{"Label1>Edit1", "Label2>Edit2", "Label3>Edit3"}
                             << QStringList{"Edit1", "Edit2", "Edit3", "Button1", "Button3"} << "Button2";
    QTest::newRow("Path Browser") << kPathBrowser << "PathBrowserWnd" << "Path Browser" << "folder-browser"
                                  << QStringList{"Label1=Select &base object:", "ComboBoxEx1", "TreeView1",
                                                 "Button3=&New Folder...", "Button1=OK", "Button2=Cancel"}
                                  << QStringList{"Label1>ComboBoxEx1"}
                                  << QStringList{"ComboBoxEx1", "TreeView1", "Button1", "Button2"} << "Button1";
    QTest::newRow("Contact Details") << kContactDetails << "ContactDetails" << "Contact Details"
                                     << "themenu_contactsmenu.html"
                                     << QStringList{"Label1=Name:", "NameLabel", "Label2=E-mail:", "EmailLabel",
                                                    "Label3=Home page:", "HomePageLabel", "Label4=Telephone:",
                                                    "TelephoneLabel", "Label5=Address:", "AddressLabel",
                                                    "Button1=Close", "Button2=Help"}
                                     << QStringList{}
                                     << QStringList{"EmailLabel", "HomePageLabel", "Button1", "Button2"} << "Button1";
    QTest::newRow("Add Contact") << kAddContact << "AddContact" << "Add Contact" << "themenu_contactsmenu.html"
                                 << QStringList{"Label1=&First name:", "Edit1", "Label2=&Last name:", "Edit2",
                                                "Label3=&E-mail:", "Edit3", "Label4=&Telephone:", "Edit4",
                                                "Label5=&Home page:", "Edit5", "Button2=OK", "Button3=Cancel",
                                                "Button4=Help"}
                                 << QStringList{"Label1>Edit1", "Label2>Edit2", "Label3>Edit3", "Label4>Edit4",
                                                "Label5>Edit5"}
                                 << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Button3", "Button4"}
                                 << "Button2";
    QTest::newRow("Find Contact") << kFindContact << "FindContact" << "Find Contact" << "themenu_contactsmenu.html"
                                  << QStringList{"Label1=&Name or e-mail:", "Edit1", "Label2=&Contacts:", "ListBox1",
                                                 "Button1=&Open", "Button2=Close", "Button3=Help"}
                                  << QStringList{"Label1>Edit1", "Label2>ListBox1"}
                                  << QStringList{"Edit1", "ListBox1", "Button2", "Button3"} << "Button2";
    // The wizard's labels name the action ("Export Menu File:"); its fields have no accelerators,
    // Tab reaches the chosen action (the arrows the other one), and "Next >" is disabled until a
    // file is named.
    QTest::newRow("Import / Export") << kImportExport << "ImportExport" << "Import / Export" << "import-export"
                                     << QStringList{"Image1", "Label41=Import/Export - Step 1 / 2", "PageControl1",
                                                    "TabSheet1", "TabSheet2", "TabSheet3", "RadioButton1=Export",
                                                    "RadioButton2=Import", "Label1=Export Menu File:", "Edit1",
                                                    "Button1=Browse...", "Label3=Export Note File:", "Edit2",
                                                    "Button4=Browse...", "Label4=Export Theme File:", "Edit3",
                                                    "Button6=Browse...", "TreeView1", "Label2", "Label5",
                                                    "Button7=< &Back", "Button2=&Next >", "Button3=&Cancel"}
                                     << QStringList{}
                                     << QStringList{"RadioButton1", "Edit1", "Button1", "Edit2",
                                                    "Button4", "Edit3", "Button6", "Button3"}
                                     << "Button2";
    // The settings dialog opens on the Menu page; its captions name settings, not all of them
    // have accelerators, and the page tree comes first.
    QTest::newRow("Settings") << kSettings << "Settings" << "Settings" << "settings_menu.html"
                              << QStringList{"TreeView1", "Image1", "Label41=Settings", "PageControl1",
                                             "CheckBox2=Always on &Top", "RadioButton1=Top", "RadioButton2=Bottom",
                                             "CheckBox5=Quorix on Startup", "Button7=Import / Export",
                                             "Label25=Default aliases (hard coded):", "ListView2",
                                             "Label26=&User aliases:", "ListView3", "ListView4",
                                             "CheckBox8=Enable InfoBar", "Label28=Progressbars:", "ListView1",
                                             "CheckBox6=Enable Marquee", "CheckBox3=Enable Timer",
                                             "Label29=Marquee Content:", "Memo1", "Label30=Functions:", "ComboBox2",
                                             "ComboBox3", "Button6=&Insert", "CheckBox1=Show &Icons",
                                             "CheckBox10=Show Run", "Label31=Maximum number of items:", "BEdit2",
                                             "UpDown7", "CheckBox12=Unlimited", "Button8=Launch Menu Designer",
                                             "Label32=Menu:", "Edit3", "UpDown1", "CheckBox13=No AB when active",
                                             "CheckBox7=DropShadows on menu", "ScrollBox1", "Label33=Autosize",
                                             "Label34=InfoBar", "ComboBox10", "Label35=MenuBar", "ComboBox11",
                                             "Label37=Margin", "BEdit5", "UpDown5", "Label38=Width", "BEdit4",
                                             "UpDown4", "Label40=Frame Length", "BEdit1", "UpDown2",
                                             "Label42=Position", "ComboBox9", "Label43=Width", "BEdit6", "UpDown6",
                                             "Label45=History Count", "BEdit7", "UpDown8", "Label46=Width", "BEdit3",
                                             "UpDown3", "Button1=OK", "Button2=Cancel", "Button5=Apply"}
                              << QStringList{}
                              << QStringList{"TreeView1", "CheckBox1", "CheckBox10", "BEdit2", "CheckBox12",
                                             "Button8", "Button1", "Button2", "Button5"}
                              << "Button1";
    // "&Delete" and "&Rename..." wait for a custom menu.
    QTest::newRow("Menu Designer") << kMenuDesigner << "MenuDesigner" << "MenuDesigner" << "settings_menudesigner.html"
                                   << QStringList{"Image1", "Label2=Menu Designer", "Label3", "Label1=Select &menu:",
                                                  "ComboBox1", "Button3=&New...", "Button5=&Rename...",
                                                  "Button4=&Delete", "ListView1", "Button2=&Save", "Button1=OK"}
                                   << QStringList{"Label1>ComboBox1"}
                                   << QStringList{"ComboBox1", "Button3", "ListView1", "Button2", "Button1"} << "Button1";
    // The limit's field waits for "Use global" to be unticked, "Change..." for a custom icon.
    QTest::newRow("Add Menu Item") << kAddMenu << "AddMenu" << "Add Menu Item" << "settings_addmenu.html"
                                   << QStringList{"GroupBox1", "Label1=&Name:", "Edit1", "Label2=&Path", "Edit2",
                                                  "Button3=...", "Label3=&Object type:", "ComboBox1", "CheckBox2=&Active",
                                                  "GroupBox2", "Label4=&Mask:", "Edit3", "CheckBox1=&Expanded",
                                                  "Label5=Maximum n&umber of items:", "BEdit1", "UpDown1",
                                                  "CheckBox7=Use &global", "CheckBox8=Un&limited", "GroupBox3",
                                                  "RadioButton1=&Default icon", "RadioButton2=Cu&stom Icon", "BLabel1",
                                                  "Button4=&Change...", "Image1", "Image2", "Button1=OK", "Button2=Cancel"}
                                   << QStringList{"Label1>Edit1", "Label2>Edit2", "Label3>ComboBox1", "Label4>Edit3"}
                                   << QStringList{"Edit1", "Edit2", "Button3", "ComboBox1", "CheckBox2", "Edit3",
                                                  "CheckBox1", "CheckBox7", "CheckBox8", "RadioButton1", "RadioButton2", "Button2"}
                                   << "Button1";
    QTest::newRow("Change Icon") << kIconChooser << "IconChooser" << "Change Icon" << "settings_addmenu.html"
                                 << QStringList{"Label1=&Filter:", "Edit1", "Label2=&Icons of the desktop's icon theme:",
                                                "ListBox1", "Label3=Icon fi&le:", "Edit2", "Button1=&Browse...",
                                                "Label4=&Index:", "SpinBox1", "Image1", "Button2=OK", "Button3=Cancel"}
                                 << QStringList{"Label1>Edit1", "Label2>ListBox1", "Label3>Edit2"}
                                 << QStringList{"Edit1", "ListBox1", "Edit2", "Button1", "Button3"} << "Button2";
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void components_data() { DialogTable(); }
    void components();
    void accelerators_data() { DialogTable(); }
    void accelerators();
    void placeIsStoredUnderTheFormName_data() { DialogTable(); }
    void placeIsStoredUnderTheFormName();
    void f1AsksForTheDialogsTopic_data() { DialogTable(); }
    void f1AsksForTheDialogsTopic();
    void aboutHelpButton();
    void hotkeyFieldTakesF1AsAKey();

private:
    TestHome *m_home = nullptr;
    FakeSystemSource *m_machine = nullptr;
    ScopedService<SystemSource> *m_useMachine = nullptr;
    QTreeWidget *m_list = nullptr;
};

void TestForms::init()
{
    m_home = new TestHome;
    m_machine = new FakeSystemSource;
    m_useMachine = new ScopedService<SystemSource>(*m_machine);
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
    m_list = new QTreeWidget;
}

void TestForms::cleanup()
{
    delete m_list;
    delete m_useMachine;
    delete m_machine;
    delete m_home;
}

void TestForms::components()
{
    QFETCH(Factory, make);
    QFETCH(QString, formName);
    QFETCH(QString, title);
    QFETCH(QStringList, components);
    QFETCH(QStringList, tabOrder);
    QFETCH(QString, defaultButton);
    std::unique_ptr<TQuorixDialog> dialog(make(m_list));
    QCOMPARE(dialog->objectName(), formName);
    QCOMPARE(dialog->windowTitle(), title);
    for (const QString &component : components) {
        const QString name = component.section(QLatin1Char('='), 0, 0);
        const auto *widget = dialog->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        if (component.contains(QLatin1Char('=')))
            QCOMPARE(ShownText(widget), component.section(QLatin1Char('='), 1));
    }
    // One component, one name: no two widgets share one.
    QStringList names;
    for (const QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            names << widget->objectName();
    }
    QCOMPARE(names.removeDuplicates(), 0);

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    // OK starts disabled where it needs input first, so Tab passes it by.
    QCOMPARE(TabOrder(dialog.get()), tabOrder);
    const auto *button = dialog->findChild<QPushButton *>(defaultButton);
    QVERIFY(button);
    QVERIFY(button->isDefault());
    for (const QPushButton *other : dialog->findChildren<QPushButton *>()) {
        if (other != button)
            QVERIFY2(!other->isDefault(), qPrintable(other->objectName()));
    }
    // Laid out, not placed: every field has at least the room its layout asks for.
    QVERIFY(dialog->width() >= dialog->minimumSizeHint().width());
    QVERIFY(dialog->height() >= dialog->minimumSizeHint().height());
}

void TestForms::accelerators()
{
    QFETCH(Factory, make);
    QFETCH(QStringList, buddies);
    std::unique_ptr<TQuorixDialog> dialog(make(m_list));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    for (const QString &pair : buddies) {
        const auto *label = dialog->findChild<QLabel *>(pair.section(QLatin1Char('>'), 0, 0));
        auto *field = dialog->findChild<QWidget *>(pair.section(QLatin1Char('>'), 1));
        QVERIFY2(label && field, qPrintable(pair));
        QCOMPARE(label->buddy(), field);
        // Alt and the underlined letter move to the field.
        const QString text = label->text();
        const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toUpper();
        QTest::keyClick(dialog.get(), Qt::Key(letter.unicode()), Qt::AltModifier);
        QVERIFY2(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()), qPrintable(pair));
    }
}

void TestForms::placeIsStoredUnderTheFormName()
{
    QFETCH(Factory, make);
    QFETCH(QString, formName);
    QPointer<TQuorixDialog> dialog = make(m_list);
    dialog->show();
    dialog->move(210, 190);
    dialog->reject();
    const IniFile settings(DataFilePath(dfSettings));
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), formName + QStringLiteral("-X"), -1), 210);
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), formName + QStringLiteral("-Y"), -1), 190);
    // Only the position: none of these dialogs but the menu designer keeps its size.
    QCOMPARE(settings.ValueExists(QStringLiteral("sizes"), formName + QStringLiteral("-W")),
             formName == QLatin1String("MenuDesigner"));
    delete dialog;
    std::unique_ptr<TQuorixDialog> again(make(m_list));
    QCOMPARE(again->pos(), QPoint(210, 190));
}

void TestForms::f1AsksForTheDialogsTopic()
{
    QFETCH(Factory, make);
    QFETCH(QString, topic);
    QFETCH(QStringList, buddies);
    std::unique_ptr<TQuorixDialog> dialog(make(m_list));
    QSignalSpy bar(&BarRequests::Instance(), &BarRequests::HelpRequested);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // In the last field where there are fields (the key field of "Add Hotkey" takes F1 as a key),
    // else where the focus is when the dialog opens.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
    if (!buddies.isEmpty()) {
        target = dialog->findChild<QWidget *>(buddies.last().section(QLatin1Char('>'), 1));
        target->setFocus();
        target = QApplication::focusWidget();
    }
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(bar.size(), topic.isEmpty() ? 0 : 1);
    if (!topic.isEmpty())
        QCOMPARE(bar.first().first().toString(), topic);
    QVERIFY(dialog->isVisible());
}

void TestForms::aboutHelpButton()
{
    TAbout about;
    QSignalSpy bar(&BarRequests::Instance(), &BarRequests::HelpRequested);
    about.show();
    about.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCOMPARE(bar.size(), 1);
    QCOMPARE(bar.first().first().toString(), QStringLiteral("general-about"));
    QVERIFY(about.isVisible());
}

void TestForms::hotkeyFieldTakesF1AsAKey()
{
    SetupHotkeyList(m_list);
    std::unique_ptr<TAddHotkey> dialog(new TAddHotkey(m_list, -1));
    QSignalSpy help(dialog.get(), &TQuorixDialog::HelpRequested);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog->HotKey1, Qt::Key_F1);
    QCOMPARE(dialog->HotKey1->VirtualKey(), 0x70);
    QCOMPARE(help.size(), 0);
    QTest::keyClick(dialog->Edit1, Qt::Key_F1);
    QCOMPARE(help.size(), 1);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
