// The alias and hotkey editors write straight into the settings dialog's lists, so what they refuse
// and what they write is what ends up in settings.ini and hotkeys.dat. Messages are captured in
// order; only the first fault of an alias is reported.
#include "foundation/datafiles.h"
#include "base/inifile.h"
#include "foundation/messages.h"
#include "controls/thotkeyedit.h"
#include "core/hotkeytable.h"
#include "dialogs/hotkeylist.h"
#include "dialogs/taddalias.h"
#include "dialogs/taddhotkey.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kIllegal = QStringLiteral(
    "Error\r\rYou are using illegal letters in your alias name. You cannot use =,[]\" or spaces.");
const QString kNoName = QStringLiteral("Error\r\rYou must specify a name for your alias.");
const QString kDuplicate = QStringLiteral("Error\r\rThere is already an alias with that name.");
const QString kReserved =
    QStringLiteral("Error\r\rThere is already a hard coded alias with that name. That name is reserved.");
const QString kNoFolder = QStringLiteral("Error\r\rPath not found.");
const QString kKeyTaken = QStringLiteral("Error\r\rThere is already hotkey assigned to this key.");

class MessageLog
{
public:
    MessageLog()
    {
        m_old = SetMessageResponder([this](const MessageRequest &request) {
            texts << request.text;
            return 0;
        });
    }
    ~MessageLog() { SetMessageResponder(m_old); }
    QStringList texts;

private:
    MessageResponder m_old;
};

// The settings dialog's user alias list: name and path.
void AddAliasRow(QTreeWidget &list, const QString &name, const QString &path)
{
    auto *item = new QTreeWidgetItem(&list);
    item->setText(0, name);
    item->setText(1, path);
}

class BrowsingAlias : public TAddAlias
{
public:
    using TAddAlias::TAddAlias;
    QString answer;
    QStringList asked;

protected:
    QString ChooseFolder(const QString &title, const QString &startFolder) override
    {
        asked << title << startFolder;
        return answer;
    }
};

QTreeWidgetItem *HotkeyListRow(QTreeWidget &list, int vk, const QString &modifier, const QString &function,
                               const QString &params = {})
{
    return AddHotkeyRow(&list, {vk, modifier, function, params});
}

constexpr int kF1 = 0x70;
constexpr int kF9 = 0x78;

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aliasRules_data();
    void aliasRules();
    void aliasOkNeedsAPath_data();
    void aliasOkNeedsAPath();
    void aliasCaptionsAndBrowsing();
    void aliasHelpAndPosition();

    void hotkeyKeyIsUsedOnlyOnce_data();
    void hotkeyKeyIsUsedOnlyOnce();
    void hotkeyOkNeedsKeyAndCommand();
    void hotkeyParameterLabel();
    void hotkeyEditsTheRowInPlace();
    void hotkeyCaptureControl();

    void hotkeyListRoundTrip();
    void hotkeyListSavesIntoDamagedFile();
};

void TestEditors::aliasRules_data()
{
    QTest::addColumn<QStringList>("existing");   // names in the list, each with the home as path
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");           // "@" stands for an existing folder
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("shownName");

    const QStringList none;
    QTest::newRow("plain name is stored in capitals with dollar signs")
        << none << -1 << "tools" << "@" << QStringList{} << "$TOOLS$";
    QTest::newRow("dollar signs typed are kept, not doubled") << none << -1 << "$Work" << "@" << QStringList{} << "$WORK$";
    QTest::newRow("blank") << none << -1 << "my tools" << "@" << QStringList{kIllegal} << "$MY TOOLS$";
    QTest::newRow("equals sign") << none << -1 << "a=b" << "@" << QStringList{kIllegal} << "$A=B$";
    QTest::newRow("comma") << none << -1 << "a,b" << "@" << QStringList{kIllegal} << "$A,B$";
    QTest::newRow("brackets") << none << -1 << "[a]" << "@" << QStringList{kIllegal} << "$[A]$";
    QTest::newRow("double quote") << none << -1 << "a\"b" << "@" << QStringList{kIllegal} << "$A\"B$";
    QTest::newRow("slash would split the word") << none << -1 << "a/b" << "@" << QStringList{kIllegal} << "$A/B$";
    QTest::newRow("empty name") << none << -1 << "" << "@" << QStringList{kNoName} << "$";
    QTest::newRow("dollar signs alone name nothing") << none << -1 << "$$" << "@" << QStringList{kNoName} << "$$";
    QTest::newRow("illegal letters win over an empty folder") << none << -1 << "a b" << "/no/such" << QStringList{kIllegal}
                                                             << "$A B$";
    QTest::newRow("duplicate") << QStringList{"$TOOLS$"} << -1 << "tools" << "@" << QStringList{kDuplicate} << "$TOOLS$";
    QTest::newRow("duplicate in other case (one settings key)")
        << QStringList{"$Tools$"} << -1 << "TOOLS" << "@" << QStringList{kDuplicate} << "$TOOLS$";
    QTest::newRow("editing a row may keep its name")
        << QStringList{"$A$", "$TOOLS$"} << 1 << "tools" << "@" << QStringList{} << "$TOOLS$";
    QTest::newRow("editing a row may not take another's name")
        << QStringList{"$A$", "$TOOLS$"} << 0 << "tools" << "@" << QStringList{kDuplicate} << "$TOOLS$";
    QTest::newRow("duplicate reported before a missing folder")
        << QStringList{"$TOOLS$"} << -1 << "tools" << "/no/such" << QStringList{kDuplicate} << "$TOOLS$";
    QTest::newRow("built-in macro is reserved") << none << -1 << "mydoc" << "@" << QStringList{kReserved} << "$MYDOC$";
    QTest::newRow("virtual folder is reserved") << none << -1 << "$controlpanel$" << "@" << QStringList{kReserved}
                                                << "$CONTROLPANEL$";
    QTest::newRow("built-in word without display name is reserved")
        << none << -1 << "system" << "@" << QStringList{kReserved} << "$SYSTEM$";
    QTest::newRow("missing folder") << none << -1 << "tools" << "/no/such/folder" << QStringList{kNoFolder} << "$TOOLS$";
    QTest::newRow("a file is not a folder") << none << -1 << "tools" << "@/file.txt" << QStringList{kNoFolder} << "$TOOLS$";
    QTest::newRow("relative folder") << none << -1 << "tools" << "." << QStringList{kNoFolder} << "$TOOLS$";
}

void TestEditors::aliasRules()
{
    QFETCH(QStringList, existing);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QStringList, messages);
    QFETCH(QString, shownName);
    TestHome home;
    home.writeFile(QStringLiteral("file.txt"), "x");
    path.replace(QLatin1Char('@'), home.path());
    QTreeWidget list;
    for (const QString &row : existing)
        AddAliasRow(list, row, home.path());
    const int rowsBefore = list.topLevelItemCount();
    MessageLog log;

    QPointer<TAddAlias> dialog = new TAddAlias(&list, index, name, path);
    dialog->show();
    dialog->Button2Click();
    QCOMPARE(log.texts, messages);
    if (!messages.isEmpty()) {
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Edit2->text(), shownName);
        QCOMPARE(list.topLevelItemCount(), rowsBefore);
        for (int row = 0; row < rowsBefore; ++row)
            QCOMPARE(list.topLevelItem(row)->text(0), existing.at(row));
        delete dialog;
        return;
    }
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QTRY_VERIFY(!dialog); // freed when it closes
    QTreeWidgetItem *item = index < 0 ? list.topLevelItem(list.topLevelItemCount() - 1) : list.topLevelItem(index);
    QCOMPARE(list.topLevelItemCount(), rowsBefore + (index < 0 ? 1 : 0));
    QCOMPARE(item->text(0), shownName);
    QCOMPARE(item->text(1), path);
    if (index < 0)
        QCOMPARE(list.currentItem(), item);
}

void TestEditors::aliasOkNeedsAPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("no path, no name") << "" << "" << false;
    QTest::newRow("no path, a name") << "tools" << "" << false;
    QTest::newRow("a path, no name") << "" << "/tmp" << true;
    QTest::newRow("a blank path counts") << "" << " " << true;
}

void TestEditors::aliasOkNeedsAPath()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(bool, enabled);
    TestHome home;
    QTreeWidget list;
    auto *dialog = new TAddAlias(&list, -1, name, path);
    dialog->show();
    QCOMPARE(dialog->Button2->isEnabled(), enabled);
    // Typing in the path field re-evaluates it.
    dialog->Edit1->clear();
    QVERIFY(!dialog->Button2->isEnabled());
    QTest::keyClicks(dialog->Edit1, QStringLiteral("/x"));
    QVERIFY(dialog->Button2->isEnabled());
    QVERIFY(dialog->Button2->isDefault());
    delete dialog;
}

void TestEditors::aliasCaptionsAndBrowsing()
{
    TestHome home;
    QTreeWidget list;
    AddAliasRow(list, QStringLiteral("$A$"), QStringLiteral("/tmp"));
    auto *adding = new TAddAlias(&list, -1);
    QCOMPARE(adding->windowTitle(), QStringLiteral("Add Alias"));
    delete adding;

    auto *editing = new BrowsingAlias(&list, 0, QStringLiteral("$A$"), QStringLiteral("/start"));
    QCOMPARE(editing->windowTitle(), QStringLiteral("Edit Alias"));
    editing->answer = home.path();
    editing->Button1Click();
    QCOMPARE(editing->asked, (QStringList{"Select a folder.", "/start"}));
    QCOMPARE(editing->Edit1->text(), home.path());
    // Cancelling the chooser keeps the path.
    editing->answer.clear();
    editing->Button1Click();
    QCOMPARE(editing->Edit1->text(), home.path());
    delete editing;
}

void TestEditors::aliasHelpAndPosition()
{
    TestHome home;
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
    QTreeWidget list;
    auto *dialog = new TAddAlias(&list, -1, QStringLiteral("x"), QStringLiteral("/tmp"));
    QSignalSpy help(dialog, &TAddAlias::HelpRequested);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyRelease(dialog, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(help.size(), 0);
    QTest::keyRelease(dialog, Qt::Key_F1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.first().first().toString(), QStringLiteral("settings_alias.html"));

    dialog->move(140, 160);
    dialog->reject();
    const IniFile settings(DataFilePath(dfSettings));
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("AddAlias-X"), -1), 140);
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("AddAlias-Y"), -1), 160);
    auto *again = new TAddAlias(&list, -1);
    QCOMPARE(again->pos(), QPoint(140, 160));
    delete again;
}

void TestEditors::hotkeyKeyIsUsedOnlyOnce_data()
{
    QTest::addColumn<int>("index");       // row edited, -1 new
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("modifier");
    QTest::addColumn<bool>("refused");

    QTest::newRow("CTRL+F1 after WIN+F1") << -1 << kF1 << "CTRL" << true;
    QTest::newRow("same key and modifier") << -1 << kF1 << "WIN" << true;
    QTest::newRow("a free key") << -1 << kF9 << "WIN" << false;
    QTest::newRow("editing a row keeps its own key") << 0 << kF1 << "ALT" << false;
    QTest::newRow("editing a row may not take another's key") << 1 << kF1 << "CTRL" << true;
}

void TestEditors::hotkeyKeyIsUsedOnlyOnce()
{
    QFETCH(int, index);
    QFETCH(int, key);
    QFETCH(QString, modifier);
    QFETCH(bool, refused);
    TestHome home;
    QTreeWidget list;
    SetupHotkeyList(&list);
    HotkeyListRow(list, kF1, QStringLiteral("WIN"), QStringLiteral("OpenQuorix"));
    HotkeyListRow(list, 0x41, QStringLiteral("ALT"), QStringLiteral("CloseActiveWindow"));
    list.topLevelItem(1)->setCheckState(hlcKey, Qt::Unchecked);
    MessageLog log;

    QPointer<TAddHotkey> dialog = new TAddHotkey(&list, index);
    dialog->show();
    dialog->HotKey1->SetVirtualKey(key);
    dialog->ComboBox1->setCurrentText(modifier);
    dialog->ComboBox2->setCurrentText(QStringLiteral("ExecuteFile"));
    dialog->ComboBox2Select();
    dialog->Edit1->setText(QStringLiteral("/bin/true"));
    QVERIFY(dialog->Button2->isEnabled());
    dialog->Button2Click();
    if (refused) {
        QCOMPARE(log.texts, QStringList{kKeyTaken});
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(list.topLevelItemCount(), 2);
        QCOMPARE(list.topLevelItem(0)->text(hlcFunction), QStringLiteral("OpenQuorix"));
        QCOMPARE(list.topLevelItem(1)->text(hlcFunction), QStringLiteral("CloseActiveWindow"));
        delete dialog;
        return;
    }
    QVERIFY(log.texts.isEmpty());
    QTRY_VERIFY(!dialog);
    QTreeWidgetItem *item = index < 0 ? list.topLevelItem(2) : list.topLevelItem(index);
    QCOMPARE(list.topLevelItemCount(), index < 0 ? 3 : 2);
    const QStringList columns{item->text(0), item->text(1), item->text(2), item->text(3), item->text(4)};
    QCOMPARE(columns, (QStringList{key == kF1 ? "F1" : "F9", modifier, "ExecuteFile", "/bin/true", QString::number(key)}));
    QCOMPARE(item->checkState(hlcKey), Qt::Checked);
    QCOMPARE(list.currentItem(), item);
}

void TestEditors::hotkeyOkNeedsKeyAndCommand()
{
    TestHome home;
    QTreeWidget list;
    SetupHotkeyList(&list);
    auto *dialog = new TAddHotkey(&list, -1);
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Hotkey"));
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("WIN"));
    QCOMPARE(dialog->ComboBox2->currentIndex(), -1);
    QVERIFY(!dialog->Button2->isEnabled());
    dialog->HotKey1->SetVirtualKey(kF9);
    QVERIFY(!dialog->Button2->isEnabled()); // no command yet
    dialog->ComboBox2->setCurrentIndex(4);
    dialog->ComboBox2Select();
    QVERIFY(dialog->Button2->isEnabled());
    dialog->HotKey1->SetVirtualKey(0);
    QVERIFY(!dialog->Button2->isEnabled()); // no key
    delete dialog;
}

void TestEditors::hotkeyParameterLabel()
{
    TestHome home;
    QTreeWidget list;
    auto *dialog = new TAddHotkey(&list, -1);
    QCOMPARE(dialog->Label4->text(), QStringLiteral("&Parameters:"));
    const QStringList commands{"CloseActiveWindow", "ExecuteFile", "MaximizeActiveWindow", "MinimizeActiveWindow",
                               "OpenQuorix"};
    for (int i = 0; i < dialog->ComboBox2->count(); ++i)
        QCOMPARE(dialog->ComboBox2->itemText(i), commands.at(i));
    for (const QString &command : commands) {
        dialog->ComboBox2->setCurrentText(command);
        dialog->ComboBox2Select();
        QCOMPARE(dialog->Label4->text(), command == "ExecuteFile" ? QStringLiteral("Parameters: (File Location)")
                                                                  : QStringLiteral("Parameters: (No Parameters needed)"));
    }
    delete dialog;
}

void TestEditors::hotkeyEditsTheRowInPlace()
{
    TestHome home;
    QTreeWidget list;
    SetupHotkeyList(&list);
    HotkeyListRow(list, kF9, QStringLiteral("CTRL"), QStringLiteral("ExecuteFile"), QStringLiteral("/usr/bin/xterm"));
    list.topLevelItem(0)->setCheckState(hlcKey, Qt::Unchecked);
    QPointer<TAddHotkey> dialog = new TAddHotkey(&list, 0);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit Hotkey"));
    QCOMPARE(dialog->HotKey1->VirtualKey(), kF9);
    QCOMPARE(dialog->ComboBox1->currentText(), QStringLiteral("CTRL"));
    QCOMPARE(dialog->ComboBox2->currentText(), QStringLiteral("ExecuteFile"));
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("/usr/bin/xterm"));
    QCOMPARE(dialog->Label4->text(), QStringLiteral("Parameters: (File Location)"));
    dialog->show();
    QVERIFY(dialog->Button2->isEnabled());
    dialog->HotKey1->SetVirtualKey(0x41);
    dialog->ComboBox2->setCurrentText(QStringLiteral("MinimizeActiveWindow"));
    dialog->Button2Click();
    QTRY_VERIFY(!dialog);
    QCOMPARE(list.topLevelItemCount(), 1);
    const QTreeWidgetItem *item = list.topLevelItem(0);
    QCOMPARE(item->text(hlcKey), QStringLiteral("A"));
    QCOMPARE(item->text(hlcFunction), QStringLiteral("MinimizeActiveWindow"));
    QCOMPARE(item->text(hlcCode), QStringLiteral("65"));
    QCOMPARE(item->checkState(hlcKey), Qt::Checked); // OK ticks the row
}

void TestEditors::hotkeyCaptureControl()
{
    THotKeyEdit edit;
    QSignalSpy changed(&edit, &THotKeyEdit::Changed);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QCOMPARE(edit.VirtualKey(), 0);
    QTest::keyClick(&edit, Qt::Key_F9);
    QCOMPARE(edit.VirtualKey(), kF9);
    QCOMPARE(edit.text(), QStringLiteral("F9"));
    // Modifiers are no part of the key.
    QTest::keyClick(&edit, Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(edit.VirtualKey(), 0x74);
    QCOMPARE(edit.text(), QStringLiteral("F5"));
    QTest::keyClick(&edit, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Meta, Qt::MetaModifier);
    QCOMPARE(edit.VirtualKey(), 0x74);
    QTest::keyClick(&edit, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(edit.VirtualKey(), 0x58);
    QTest::keyClick(&edit, Qt::Key_PageUp);
    QCOMPARE(edit.text(), QStringLiteral("Page Up"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.VirtualKey(), 0);
    QCOMPARE(changed.size(), 5);
}

void TestEditors::hotkeyListRoundTrip()
{
    TestHome home;
    const QString path = DataFilePath(dfHotkeys);
    // A file as the program ships it, with one record written by hand (shift 12: WIN+CTRL).
    TMlb2 original;
    for (const char *field : {"id", "shift", "key", "function", "params", "active"})
        original.AddField(QString::fromLatin1(field));
    original.AddRecord();
    original.SetFieldValue(2, QStringLiteral("12"));
    original.SetFieldValue(3, QStringLiteral("120"));
    original.SetFieldValue(4, QStringLiteral("OpenQuorix"));
    original.SetFieldValue(6, QStringLiteral("1"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(original.SaveToFile(path));

    QTreeWidget list;
    SetupHotkeyList(&list);
    QVERIFY(FillHotkeyList(&list, path));
    QCOMPARE(list.topLevelItemCount(), 1);
    QCOMPARE(list.topLevelItem(0)->text(hlcKey), QStringLiteral("F9"));
    QCOMPARE(list.topLevelItem(0)->text(hlcShift), QString()); // no name for 12
    HotkeyListRow(list, 0x41, QStringLiteral("ALT"), QStringLiteral("ExecuteFile"), QStringLiteral("$MYDOC$/a b.txt"));
    HotkeyListRow(list, 0x7A, QStringLiteral("CTRL"), QStringLiteral("MinimizeActiveWindow"));
    list.topLevelItem(2)->setCheckState(hlcKey, Qt::Unchecked);
    QVERIFY(SaveHotkeyList(&list, path));

    TMlb2 saved;
    QVERIFY(saved.LoadFromFile(path));
    QCOMPARE(saved.FieldCount(), 6);
    QCOMPARE(saved.RecordCount(), 3);
    auto record = [&saved](int r) {
        QStringList values;
        for (int f = 1; f <= 6; ++f)
            values << saved.Value(f, r);
        return values;
    };
    QCOMPARE(record(1), (QStringList{"", "12", "120", "OpenQuorix", "", "1"}));
    QCOMPARE(record(2), (QStringList{"", "1", "65", "ExecuteFile", "$MYDOC$/a b.txt", "1"}));
    QCOMPARE(record(3), (QStringList{"", "2", "122", "MinimizeActiveWindow", "", "0"}));

    // What the settings dialog saved is what the bar registers.
    HotkeyTable table;
    table.LoadHotkeys(path);
    QCOMPARE(table.Entries().size(), 3);
    QCOMPARE(table.Entries().at(1).shift, 1);
    QCOMPARE(table.Entries().at(1).key, 65);
    QCOMPARE(table.Entries().at(1).params, QStringLiteral("$MYDOC$/a b.txt"));
    QVERIFY(!table.Entries().at(2).registered);
}

void TestEditors::hotkeyListSavesIntoDamagedFile()
{
    TestHome home;
    const QString path = home.writeFile(DataFilePath(dfHotkeys), "garbage, not a record file");
    QTreeWidget list;
    SetupHotkeyList(&list);
    QVERIFY(!FillHotkeyList(&list, path));
    HotkeyListRow(list, kF9, QStringLiteral("WIN"), QStringLiteral("OpenQuorix"));
    QVERIFY(SaveHotkeyList(&list, path));
    TMlb2 saved;
    QVERIFY(saved.LoadFromFile(path));
    QCOMPARE(saved.FieldName(2), QStringLiteral("shift"));
    QCOMPARE(saved.FieldName(6), QStringLiteral("active"));
    QCOMPARE(saved.Value(2, 1), QStringLiteral("8"));
    QCOMPARE(saved.Value(3, 1), QStringLiteral("120"));
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
