// The menu designer and its item editor as menusettings.ini and the user meet them: what a load
// and a save keep (unknown properties in their places, the other sections as the file has them
// now), how dragging reorders, which questions and messages come and in which order, and what the
// editor writes into a row.
#include "base/inifile.h"
#include "controls/tbedit.h"
#include "dialogs/menudesignerrows.h"
#include "dialogs/taddmenu.h"
#include "dialogs/ticonchooser.h"
#include "dialogs/tmenudesigner.h"
#include "dialogs/tsettingslistitem.h"
#include "foundation/datafiles.h"
#include "foundation/menuicons.h"
#include "foundation/messages.h"
#include "testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <optional>

namespace {

const QString kExists = QStringLiteral("Error\r\rA menu with that name already exists.");
const QString kDuplicate = QStringLiteral("A menu item with that name does already exist in this menu");
const QString kCloseQuestion = QStringLiteral("Your menu has not been saved.\r\rDo you want to save your menu ?");

// Every box and input box the test meets: its text is written down and answered in turn.
class Answers
{
public:
    Answers()
    {
        m_oldMessage = SetMessageResponder([this](const MessageRequest &request) {
            texts << request.text;
            return buttons.isEmpty() ? 0 : buttons.takeFirst();
        });
        m_oldInput = SetInputResponder([this](const QString &caption, const QString &, const QString &) {
            texts << caption;
            return inputs.isEmpty() ? std::optional<QString>() : std::optional<QString>(inputs.takeFirst());
        });
    }
    ~Answers()
    {
        SetMessageResponder(m_oldMessage);
        SetInputResponder(m_oldInput);
    }
    QStringList texts;
    QList<int> buttons;     // the position pressed in each box, OK / Yes (0) when none is left
    QStringList inputs;     // what is typed into each input box, Cancel when none is left

private:
    MessageResponder m_oldMessage;
    InputResponder m_oldInput;
};

// A designer whose item editor is filled by the test instead of the user.
class ScriptedDesigner : public TMenuDesigner
{
public:
    std::function<void(TAddMenu &)> fill;

protected:
    bool RunEditor(TAddMenu &editor) override
    {
        if (fill)
            fill(editor);
        editor.Button1Click();
        return editor.result() == QDialog::Accepted;
    }
};

QString MenuFile()
{
    return DataFilePath(dfMenuSettings);
}

void WriteMenuFile(const QByteArray &text)
{
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
    QFile file(MenuFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QStringList Captions(const QTreeWidget *list)
{
    QStringList captions;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        captions << list->topLevelItem(i)->text(0);
    return captions;
}

QStringList SectionLines(const QString &section)
{
    QStringList lines;
    for (const auto &[key, value] : IniFile(MenuFile()).SectionValues(section))
        lines << key + QLatin1Char('=') + value;
    return lines;
}

const QByteArray kFourRows = "[header]\nversion=01030000\n[menu]\n"
                             "a=name:\"A\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\";\n"
                             "b=name:\"B\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\";\n"
                             "c=name:\"C\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\";\n"
                             "d=name:\"D\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\";\n";

} // namespace

class TestMenuDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void saveKeepsSectionsChangedMeanwhile();
    void damagedFileIsNeverWrittenOver();
    void designerWriterKeepsClosingSequence();
    void menuList();
    void lineCells_data();
    void lineCells();
    void reorder_data();
    void reorder();
    void validationMessagesInOrder_data();
    void validationMessagesInOrder();
    void duplicateNameCountsSeparator();
    void renameRefusesExistingNames_data();
    void renameRefusesExistingNames();
    void renameMovesTheRows();
    void newAndDeleteMenu();
    void closeQuestion_data();
    void closeQuestion();
    void folderToItemKeepsFolderOptions();
    void editorFillsFromRow();
    void rowWithoutTypeEditsAsFolder();
    void offeredTypes_data();
    void offeredTypes();
    void themeIconIsStoredByName();
    void menusShowAThemeIconByName();
    void inPlaceCaptionEdit();
    void columnWidths();
    void oneDesigner();
    void iconChooserTakesAFile();
    void iconChooserOpensAtTheThemeIcon();

private:
    TestHome *m_home = nullptr;
};

void TestMenuDesigner::init()
{
    m_home = new TestHome;
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
}

void TestMenuDesigner::cleanup()
{
    if (TMenuDesigner *open = MenuDesignerWindow())
        delete open;
    delete m_home;
}

void TestMenuDesigner::roundTrip_data()
{
    QTest::addColumn<QByteArray>("section");      // the [menu] section's lines as stored
    QTest::addColumn<QStringList>("written");     // the section after a load and a save

    QTest::newRow("unknown properties keep their places")
        << QByteArray("item0000=name:\"A\"; colour:\"red\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\"; hint:\"x\";\n")
        << QStringList{"item0000=name:\"A\"; colour:\"red\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\"; hint:\"x\";"};
    QTest::newRow("keys are renumbered in file order")
        << QByteArray("zeta=name:\"Z\"; itemtype:\"1\"; path:\"/z\"; active:\"1\";\n"
                      "alpha=active:\"1\"; itemtype:\"2\";\n")
        << QStringList{"item0000=name:\"Z\"; itemtype:\"1\"; path:\"/z\"; active:\"1\";",
                       "item0001=active:\"1\"; itemtype:\"2\";"};
    QTest::newRow("a missing tick is written last, in place otherwise")
        << QByteArray("item0000=name:\"A\"; itemtype:\"0\"; path:\"/tmp\";\n"
                      "item0001=active:\"0\"; name:\"B\"; itemtype:\"0\"; path:\"/tmp\";\n")
        << QStringList{"item0000=name:\"A\"; itemtype:\"0\"; path:\"/tmp\"; active:\"0\";",
                       "item0001=active:\"0\"; name:\"B\"; itemtype:\"0\"; path:\"/tmp\";"};
    QTest::newRow("an empty section stays empty") << QByteArray() << QStringList{};
}

void TestMenuDesigner::roundTrip()
{
    QFETCH(QByteArray, section);
    QFETCH(QStringList, written);
    WriteMenuFile("[header]\nversion=01030000\n[menu]\n" + section + "[Tools]\nitem0000=name:\"T\";\n");
    ScriptedDesigner designer;
    QVERIFY(designer.SaveMenu(QString()));
    QCOMPARE(SectionLines(QStringLiteral("menu")), written);
    QCOMPARE(SectionLines(QStringLiteral("Tools")), QStringList{"item0000=name:\"T\";"});
    QCOMPARE(IniFile(MenuFile()).ReadString(QStringLiteral("header"), QStringLiteral("version")),
             QStringLiteral("01030000"));
}

void TestMenuDesigner::saveKeepsSectionsChangedMeanwhile()
{
    WriteMenuFile(kFourRows + "[Tools]\nitem0000=name:\"T\";\n");
    ScriptedDesigner designer;
    // Someone else changes the file while the designer is open.
    {
        IniFile other(MenuFile());
        other.SetAutoSave(false);
        other.WriteString(QStringLiteral("Tools"), QStringLiteral("item0001"), QStringLiteral("name:\"U\";"));
        other.WriteString(QStringLiteral("Games"), QStringLiteral("item0000"), QStringLiteral("name:\"G\";"));
        QVERIFY(other.UpdateFile());
    }
    designer.AddSeperator1Click();
    QVERIFY(designer.SaveMenu(QString()));
    QCOMPARE(SectionLines(QStringLiteral("Tools")), (QStringList{"item0000=name:\"T\";", "item0001=name:\"U\";"}));
    QCOMPARE(SectionLines(QStringLiteral("Games")), QStringList{"item0000=name:\"G\";"});
    QCOMPARE(SectionLines(QStringLiteral("menu")).size(), 5);
    QCOMPARE(SectionLines(QStringLiteral("menu")).last(), QStringLiteral("item0004=active:\"1\"; itemtype:\"2\";"));
}

void TestMenuDesigner::damagedFileIsNeverWrittenOver()
{
    const QByteArray damaged = "this is no menu file\nnor any settings\n";
    WriteMenuFile(damaged);
    Answers answers;
    ScriptedDesigner designer;
    QCOMPARE(answers.texts.size(), 1);   // told once that the file cannot be read
    QCOMPARE(designer.ListView1->topLevelItemCount(), 0);
    designer.AddSeperator1Click();
    QVERIFY(!designer.SaveMenu(QString()));
    QVERIFY(designer.Modified());
    QCOMPARE(readWholeFile(MenuFile()), damaged);
}

void TestMenuDesigner::designerWriterKeepsClosingSequence()
{
    NamedValueList row;
    row.SetValue(QStringLiteral("name"), QStringLiteral("a\";b"));
    row.SetValue(QStringLiteral("mask"), QString());
    row.SetValue(QStringLiteral("path"), QStringLiteral("/x"));
    QCOMPARE(FormatDesignerValues(row), QStringLiteral("name:\"a\";b\"; path:\"/x\";"));
}

void TestMenuDesigner::menuList()
{
    WriteMenuFile("[zoo]\na=b\n[header]\nversion=01030000\n[Apps]\na=b\n[menu]\na=b\n[beta]\na=b\n");
    QCOMPARE(DesignerMenuList(IniFile(MenuFile())), (QStringList{"menu", "Apps", "beta", "zoo"}));
    ScriptedDesigner designer;
    QCOMPARE(designer.ComboBox1->count(), 4);
    QCOMPARE(designer.ComboBox1->currentText(), QStringLiteral("menu"));
    QVERIFY(!designer.Button4->isEnabled());
    QVERIFY(!designer.Button5->isEnabled());
    designer.ComboBox1->setCurrentIndex(2);
    designer.ComboBox1Select();
    QCOMPARE(designer.LoadedMenu(), QStringLiteral("beta"));
    QVERIFY(designer.Button4->isEnabled());
    QVERIFY(designer.Button5->isEnabled());
}

void TestMenuDesigner::lineCells_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("cells");   // caption, path, type, expanded, mask
    QTest::addColumn<bool>("ticked");

    QTest::newRow("folder") << "name:\"Docs\"; path:\"$MYDOC$\"; itemtype:\"0\"; active:\"1\"; expanded:\"1\"; mask:\"*.txt\";"
                            << QStringList{"Docs", "$MYDOC$", "Folder", "Yes", "*.txt"} << true;
    QTest::newRow("item, not active") << "name:\"Edit\"; path:\"/usr/bin/ed\"; itemtype:\"1\"; active:\"0\";"
                                      << QStringList{"Edit", "/usr/bin/ed", "Item", "No", ""} << false;
    QTest::newRow("separator") << "active:\"1\"; itemtype:\"2\";" << QStringList{"Separator", "", "Separator", "No", ""}
                               << true;
    QTest::newRow("no type shows as a separator") << "name:\"X\"; path:\"/tmp\"; active:\"1\";"
                                                  << QStringList{"Separator", "/tmp", "Separator", "No", ""} << true;
    QTest::newRow("type the bar does not build") << "name:\"X\"; path:\"/tmp\"; itemtype:\"3\"; active:\"1\";"
                                                 << QStringList{"X", "/tmp", "Unknown", "No", ""} << true;
}

void TestMenuDesigner::lineCells()
{
    QFETCH(QString, value);
    QFETCH(QStringList, cells);
    QFETCH(bool, ticked);
    WriteMenuFile("[menu]\nitem0000=" + value.toUtf8() + "\n");
    ScriptedDesigner designer;
    QCOMPARE(designer.ListView1->topLevelItemCount(), 1);
    const QTreeWidgetItem *line = designer.ListView1->topLevelItem(0);
    QStringList shown;
    for (int column = 0; column < 5; ++column)
        shown << line->text(column);
    QCOMPARE(shown, cells);
    QCOMPARE(line->checkState(0) == Qt::Checked, ticked);
    QVERIFY(!designer.Modified());
}

void TestMenuDesigner::reorder_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("modified");

    QTest::newRow("down two places lands directly above") << 0 << 2 << QStringList{"B", "A", "C", "D"} << true;
    QTest::newRow("down one place changes nothing") << 1 << 2 << QStringList{"A", "B", "C", "D"} << true;
    QTest::newRow("onto the last row") << 0 << 3 << QStringList{"B", "C", "A", "D"} << true;
    QTest::newRow("up") << 3 << 1 << QStringList{"A", "D", "B", "C"} << true;
    QTest::newRow("to the top") << 2 << 0 << QStringList{"C", "A", "B", "D"} << true;
    QTest::newRow("onto itself") << 1 << 1 << QStringList{"A", "B", "C", "D"} << false;
}

void TestMenuDesigner::reorder()
{
    QFETCH(int, dragged);
    QFETCH(int, target);
    QFETCH(QStringList, order);
    QFETCH(bool, modified);
    WriteMenuFile(kFourRows);
    ScriptedDesigner designer;
    designer.ListView1MouseDown(dragged);
    designer.ListView1DragDrop(target);
    QCOMPARE(Captions(designer.ListView1), order);
    QCOMPARE(designer.Modified(), modified);
    QVERIFY(designer.SaveMenu(QString()));
    QStringList written;
    for (const NamedValueList &row : ReadMenuRows(MenuFile(), QString()))
        written << row.Value(QStringLiteral("name"));
    QCOMPARE(written, order);
    QCOMPARE(IniFile(MenuFile()).Keys(QStringLiteral("menu")),
             (QStringList{"item0000", "item0001", "item0002", "item0003"}));
}

void TestMenuDesigner::validationMessagesInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("iconFile");
    QTest::addColumn<QString>("message");

    const QString rule = QStringLiteral(" contains invalid letters.\r\rYou can not use [],; or =.");
    QTest::newRow("all fine") << "Docs" << "/tmp" << "*.*" << "" << "";
    QTest::newRow("name first") << "a[b" << "a=b" << "a;b" << "a,b" << "Name" + rule;
    QTest::newRow("then path") << "Docs" << "/tmp/a=b" << "a;b" << "a,b" << "Path" + rule;
    QTest::newRow("then mask") << "Docs" << "/tmp" << "*.txt;*.doc" << "a]" << "Mask" + rule;
    QTest::newRow("then icon file") << "Docs" << "/tmp" << "*.*" << "/icons/a,b.png" << "IconFile" + rule;
    QTest::newRow("then the duplicate name") << "b" << "/tmp" << "*.*" << "" << kDuplicate;
    QTest::newRow("letters before the duplicate") << "b=" << "/tmp" << "*.*" << "" << "Name" + rule;
}

void TestMenuDesigner::validationMessagesInOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, mask);
    QFETCH(QString, iconFile);
    QFETCH(QString, message);
    WriteMenuFile(kFourRows);
    ScriptedDesigner designer;
    Answers answers;
    TAddMenu editor(designer.ListView1, -1);
    editor.Edit1->setText(name);
    editor.Edit2->setText(path);
    editor.Edit3->setText(mask);
    if (!iconFile.isEmpty()) {
        editor.RadioButton2->setChecked(true);
        editor.SetIcon(iconFile, 0);
    }
    editor.Button1Click();
    QCOMPARE(answers.texts, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(editor.result() == QDialog::Accepted, message.isEmpty());
    // The editor keeps what was typed.
    QCOMPARE(editor.Edit1->text(), name);
}

void TestMenuDesigner::duplicateNameCountsSeparator()
{
    WriteMenuFile("[menu]\nitem0000=active:\"1\"; itemtype:\"2\";\n"
                  "item0001=name:\"Docs\"; path:\"/tmp\"; itemtype:\"0\"; active:\"1\";\n");
    ScriptedDesigner designer;
    Answers answers;
    designer.fill = [](TAddMenu &editor) {
        editor.Edit1->setText(QStringLiteral("separator"));
        editor.Edit2->setText(QStringLiteral("/tmp"));
    };
    designer.AddEditClick(designer.Add1);
    QCOMPARE(answers.texts, QStringList{kDuplicate});
    QCOMPARE(designer.ListView1->topLevelItemCount(), 2);
    QVERIFY(!designer.Modified());

    // Editing a row may keep its own name, in another case too.
    answers.texts.clear();
    designer.ListView1->setCurrentItem(designer.ListView1->topLevelItem(1));
    designer.fill = [](TAddMenu &editor) { editor.Edit1->setText(QStringLiteral("DOCS")); };
    designer.AddEditClick(designer.Edit1);
    QCOMPARE(answers.texts, QStringList{});
    QCOMPARE(designer.ListView1->topLevelItem(1)->text(0), QStringLiteral("DOCS"));
    QVERIFY(designer.Modified());
}

void TestMenuDesigner::renameRefusesExistingNames_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("MENU: the main menu's section exists") << "MENU" << QStringList{"Rename menu", kExists};
    QTest::newRow("another menu in other case") << "GAMES" << QStringList{"Rename menu", kExists};
    QTest::newRow("menu itself is ignored") << "menu" << QStringList{"Rename menu"};
    QTest::newRow("header is ignored") << "header" << QStringList{"Rename menu"};
    QTest::newRow("same name") << "Tools" << QStringList{"Rename menu"};
    QTest::newRow("a bracket would break the file")
        << "a]b" << QStringList{"Rename menu", "Error\r\rMenu name contains invalid letters.\r\rYou can not use [],;=/ or \\."};
}

void TestMenuDesigner::renameRefusesExistingNames()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    WriteMenuFile("[header]\nversion=01030000\n[menu]\nitem0000=name:\"M\";\n[Tools]\nitem0000=name:\"T\";\n"
                  "[games]\nitem0000=name:\"G\";\n");
    ScriptedDesigner designer;
    QVERIFY(designer.LoadMenu(QStringLiteral("Tools")));
    const QByteArray before = readWholeFile(MenuFile());
    Answers answers;
    answers.inputs << answer;
    designer.Button5Click();
    QCOMPARE(answers.texts, messages);
    QCOMPARE(readWholeFile(MenuFile()), before);
    QCOMPARE(designer.LoadedMenu(), QStringLiteral("Tools"));
}

void TestMenuDesigner::renameMovesTheRows()
{
    WriteMenuFile("[menu]\nitem0000=name:\"M\";\n[Tools]\nitem0000=name:\"T\"; itemtype:\"1\"; path:\"/t\"; active:\"1\";\n");
    ScriptedDesigner designer;
    QVERIFY(designer.LoadMenu(QStringLiteral("Tools")));
    Answers answers;
    answers.inputs << QStringLiteral("Utilities");
    designer.Button5Click();
    const IniFile file(MenuFile());
    QVERIFY(!file.SectionExists(QStringLiteral("Tools")));
    QCOMPARE(SectionLines(QStringLiteral("Utilities")),
             QStringList{"item0000=name:\"T\"; itemtype:\"1\"; path:\"/t\"; active:\"1\";"});
    QCOMPARE(designer.LoadedMenu(), QStringLiteral("Utilities"));
    QCOMPARE(designer.ComboBox1->currentText(), QStringLiteral("Utilities"));
}

void TestMenuDesigner::newAndDeleteMenu()
{
    WriteMenuFile("[menu]\nitem0000=name:\"M\"; itemtype:\"1\"; path:\"/m\"; active:\"1\";\n");
    ScriptedDesigner designer;
    Answers answers;
    answers.inputs << QStringLiteral("menu") << QStringLiteral("Tools");
    designer.Button3Click();
    QCOMPARE(answers.texts, (QStringList{"Menu name", kExists}));
    designer.Button3Click();
    QCOMPARE(designer.LoadedMenu(), QStringLiteral("Tools"));
    QCOMPARE(designer.Label3->text(), QStringLiteral("New Menu: Tools"));
    QCOMPARE(designer.ListView1->topLevelItemCount(), 0);
    // Nothing is written until it is saved.
    QVERIFY(!IniFile(MenuFile()).SectionExists(QStringLiteral("Tools")));
    designer.AddSeperator1Click();
    designer.Button2Click();
    QCOMPARE(SectionLines(QStringLiteral("Tools")), QStringList{"item0000=active:\"1\"; itemtype:\"2\";"});

    answers.texts.clear();
    answers.buttons << 0;
    designer.Button4Click();
    QCOMPARE(answers.texts, QStringList{"You are about to delete the menu called Tools\r\rDo you want to continue?"});
    QVERIFY(!IniFile(MenuFile()).SectionExists(QStringLiteral("Tools")));
    QCOMPARE(designer.LoadedMenu(), QString());
    QCOMPARE(Captions(designer.ListView1), QStringList{"M"});
}

void TestMenuDesigner::closeQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("savedRows");

    QTest::newRow("Cancel keeps the window and the rows") << 2 << true << 4;
    QTest::newRow("a box closed otherwise does too") << -1 << true << 4;
    QTest::newRow("Yes saves") << 0 << false << 5;
    QTest::newRow("No closes without saving") << 1 << false << 4;
}

void TestMenuDesigner::closeQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, open);
    QFETCH(int, savedRows);
    WriteMenuFile(kFourRows);
    ScriptedDesigner designer;
    designer.show();
    designer.AddSeperator1Click();
    Answers answers;
    answers.buttons << answer;
    designer.close();
    QCOMPARE(answers.texts, QStringList{kCloseQuestion});
    QCOMPARE(designer.isVisible(), open);
    QCOMPARE(ReadMenuRows(MenuFile(), QString()).size(), savedRows);
    if (open) {
        QCOMPARE(Captions(designer.ListView1), (QStringList{"A", "B", "C", "D", "Separator"}));
        QVERIFY(designer.Modified());
    }
}

void TestMenuDesigner::folderToItemKeepsFolderOptions()
{
    WriteMenuFile("[menu]\nitem0000=name:\"Docs\"; path:\"/tmp\"; itemtype:\"0\"; active:\"1\"; expanded:\"1\"; "
                  "mask:\"*.txt\"; maxitems:\"30\"; extra:\"kept\";\n");
    ScriptedDesigner designer;
    designer.ListView1->setCurrentItem(designer.ListView1->topLevelItem(0));
    designer.fill = [](TAddMenu &editor) {
        QCOMPARE(editor.ComboBox1->count(), 2);
        editor.ComboBox1->setCurrentText(QStringLiteral("Item"));
        // The folder options are disabled, not forgotten.
        QVERIFY(!editor.Edit3->isEnabled());
        QVERIFY(!editor.CheckBox1->isEnabled());
    };
    designer.AddEditClick(designer.Edit1);
    QVERIFY(designer.SaveMenu(QString()));
    QCOMPARE(SectionLines(QStringLiteral("menu")),
             QStringList{"item0000=name:\"Docs\"; path:\"/tmp\"; itemtype:\"1\"; active:\"1\"; expanded:\"1\"; "
                         "mask:\"*.txt\"; maxitems:\"30\"; extra:\"kept\"; iconindex:\"0\";"});
}

void TestMenuDesigner::editorFillsFromRow()
{
    QTreeWidget list;
    TAddMenu editor(&list, -1);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Add Menu Item"));
    // The defaults of a new row.
    QVERIFY(editor.CheckBox2->isChecked());
    QVERIFY(editor.CheckBox7->isChecked());
    QVERIFY(!editor.CheckBox8->isChecked());
    QCOMPARE(editor.Edit3->text(), QStringLiteral("*.*"));
    QCOMPARE(editor.UpDown1Position(), 125);
    QVERIFY(editor.RadioButton1->isChecked());
    QVERIFY(!editor.Button4->isEnabled());
    QVERIFY(!editor.Button1->isEnabled());
    QVERIFY(!editor.BEdit1->isEnabled());
    editor.Edit1->setText(QStringLiteral("x"));
    QVERIFY(!editor.Button1->isEnabled());
    editor.Edit2->setText(QStringLiteral("/tmp"));
    QVERIFY(editor.Button1->isEnabled());

    // Ticking one limit choice unticks the other; neither frees the number.
    editor.CheckBox8->setChecked(true);
    QVERIFY(!editor.CheckBox7->isChecked());
    QVERIFY(!editor.BEdit1->isEnabled());
    editor.CheckBox8->setChecked(false);
    QVERIFY(editor.BEdit1->isEnabled());

    NamedValueList row = ParseNamedValues(QStringLiteral(
        "name:\"Pics\"; path:\"/tmp\"; itemtype:\"0\"; active:\"0\"; maxitems:\"40\"; iconfile:\"/i/p.png\"; iconindex:\"2\";"));
    editor.LoadRow(row);
    QVERIFY(!editor.CheckBox2->isChecked());
    QVERIFY(!editor.CheckBox7->isChecked());
    QVERIFY(!editor.CheckBox8->isChecked());
    QCOMPARE(editor.UpDown1Position(), 40);
    QVERIFY(editor.RadioButton2->isChecked());
    QVERIFY(editor.Button4->isEnabled());
    QCOMPARE(editor.IconFile(), QStringLiteral("/i/p.png"));
    QCOMPARE(editor.IconIndex(), 2);
    // Back to the default icon: no iconfile, index 0.
    editor.RadioButton1->setChecked(true);
    editor.StoreRow(row);
    QCOMPARE(row.Value(QStringLiteral("iconfile")), QString());
    QCOMPARE(FormatDesignerValues(row),
             QStringLiteral("name:\"Pics\"; path:\"/tmp\"; itemtype:\"0\"; active:\"0\"; maxitems:\"40\"; "
                            "iconindex:\"0\"; expanded:\"0\";"));
}

void TestMenuDesigner::rowWithoutTypeEditsAsFolder()
{
    WriteMenuFile("[menu]\nitem0000=name:\"X\"; path:\"/tmp\"; active:\"1\";\n");
    ScriptedDesigner designer;
    designer.ListView1->setCurrentItem(designer.ListView1->topLevelItem(0));
    designer.PopupMenu1Popup();
    QVERIFY(designer.Edit1->isVisible());
    QVERIFY(designer.Delete1->isVisible());
    QString shownType;
    designer.fill = [&shownType](TAddMenu &editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Menu Item"));
        QCOMPARE(editor.Edit1->text(), QStringLiteral("X"));
        shownType = editor.ComboBox1->currentText();
    };
    designer.AddEditClick(designer.Edit1);
    QCOMPARE(shownType, QStringLiteral("Folder"));
    QCOMPARE(designer.ListView1->topLevelItem(0)->text(2), QStringLiteral("Folder"));

    // A real separator offers no "Edit...".
    designer.AddSeperator1Click();
    designer.ListView1->setCurrentItem(designer.ListView1->topLevelItem(1));
    designer.PopupMenu1Popup();
    QVERIFY(!designer.Edit1->isVisible());
    designer.ListView1->clearSelection();
    designer.PopupMenu1Popup();
    QVERIFY(!designer.Delete1->isVisible());
    QVERIFY(designer.Add1->isVisible());
    QVERIFY(designer.AddSeperator1->isVisible());
}

void TestMenuDesigner::offeredTypes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("a plain path") << "/tmp" << QStringList{"Folder", "Item"};
    QTest::newRow("the notes are a folder only") << "$NOTES$" << QStringList{"Folder"};
    QTest::newRow("a program of the Programs menu may be an item") << "$PROGRAMS$/Office" << QStringList{"Folder", "Item"};
    QTest::newRow("a custom menu is a folder only") << "$CUSMENUS$/Tools" << QStringList{"Folder"};
}

void TestMenuDesigner::offeredTypes()
{
    QFETCH(QString, path);
    QFETCH(QStringList, types);
    QTreeWidget list;
    TAddMenu editor(&list, -1);
    editor.ComboBox1->setCurrentText(QStringLiteral("Item"));
    editor.Edit2->setText(path);
    editor.RebuildTypes();
    QStringList offered;
    for (int i = 0; i < editor.ComboBox1->count(); ++i)
        offered << editor.ComboBox1->itemText(i);
    QCOMPARE(offered, types);
    QCOMPARE(editor.ComboBox1->currentText(), types.last());
}

void TestMenuDesigner::themeIconIsStoredByName()
{
    QVERIFY(IsThemeIconName(QStringLiteral("utilities-terminal")));
    QVERIFY(!IsThemeIconName(QStringLiteral("/usr/share/pixmaps/x.png")));
    QVERIFY(!IsThemeIconName(QStringLiteral("$QUORIX$/x.png")));
    QVERIFY(!IsThemeIconName(QString()));
    QTreeWidget list;
    TAddMenu editor(&list, -1);
    editor.RadioButton2->setChecked(true);
    editor.SetIcon(QStringLiteral("utilities-terminal"), 0);
    NamedValueList row;
    editor.StoreRow(row);
    QCOMPARE(row.Value(QStringLiteral("iconfile")), QStringLiteral("utilities-terminal"));
    QCOMPARE(row.Value(QStringLiteral("iconindex")), QStringLiteral("0"));
}

void TestMenuDesigner::menusShowAThemeIconByName()
{
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(m_home->path() + QStringLiteral("/icons/Test/16x16/apps"));
    m_home->writeFile("icons/Test/index.theme", "[Icon Theme]\nName=Test\nDirectories=16x16/apps\n\n"
                                                "[16x16/apps]\nSize=16\nType=Fixed\n");
    QVERIFY(picture.save(m_home->path() + QStringLiteral("/icons/Test/16x16/apps/quorix-test-tool.png")));
    const QStringList oldPaths = QIcon::themeSearchPaths();
    const QString oldTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({m_home->path() + QStringLiteral("/icons")});
    QIcon::setThemeName(QStringLiteral("Test"));
    QHash<QString, QIcon> cache;
    const bool shown = !DefinitionIcon(QStringLiteral("quorix-test-tool"), 0, cache).isNull();
    const bool missingShown = !DefinitionIcon(QStringLiteral("quorix-no-such-icon"), 0, cache).isNull();
    const bool previewed = !EntryIcon(QStringLiteral("quorix-test-tool"), 0, QStringLiteral("/tmp")).isNull();
    QIcon::setThemeName(oldTheme);
    QIcon::setThemeSearchPaths(oldPaths);
    QVERIFY(shown);
    QVERIFY(!missingShown);
    QVERIFY(previewed);
}

void TestMenuDesigner::inPlaceCaptionEdit()
{
    WriteMenuFile(kFourRows);
    ScriptedDesigner designer;
    QTreeWidgetItem *line = designer.ListView1->topLevelItem(0);
    // A tick is no edit.
    line->setCheckState(0, Qt::Unchecked);
    QVERIFY(!designer.Modified());
    line->setText(0, QStringLiteral("Alpha"));
    QVERIFY(designer.Modified());
    {
        Answers answers;
        line->setText(0, QStringLiteral("Al;pha"));
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(line->text(0), QStringLiteral("Alpha"));
    }
    QVERIFY(designer.SaveMenu(QString()));
    QCOMPARE(SectionLines(QStringLiteral("menu")).first(),
             QStringLiteral("item0000=name:\"Alpha\"; path:\"/tmp\"; itemtype:\"1\"; active:\"0\";"));
}

void TestMenuDesigner::columnWidths()
{
    {
        IniFile settings(DataFilePath(dfSettings));
        settings.WriteString(QStringLiteral("sizes"), QStringLiteral("MenuDesigner-Cols"), QStringLiteral("150,wide,-5,+7,70"));
    }
    WriteMenuFile(kFourRows);
    auto *designer = new ScriptedDesigner;
    QCOMPARE(designer->ListView1->columnWidth(0), 150);
    QCOMPARE(designer->ListView1->columnWidth(1), 220);   // not a number: skipped, still counted
    QCOMPARE(designer->ListView1->columnWidth(2), 60);    // no width below one
    QCOMPARE(designer->ListView1->columnWidth(3), 60);    // "+7" is no integer here
    QCOMPARE(designer->ListView1->columnWidth(4), 70);
    designer->show();
    designer->ListView1->setColumnWidth(1, 250);
    designer->resize(700, 420);
    designer->close();
    delete designer;
    const IniFile settings(DataFilePath(dfSettings));
    QCOMPARE(settings.ReadString(QStringLiteral("sizes"), QStringLiteral("MenuDesigner-Cols")),
             QStringLiteral("150,250,60,60,70"));
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("MenuDesigner-W"), 0), 700);
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("MenuDesigner-H"), 0), 420);
}

void TestMenuDesigner::oneDesigner()
{
    WriteMenuFile(kFourRows);
    QWidget bar;
    ShowMenuDesigner(&bar);
    TMenuDesigner *first = MenuDesignerWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    ShowMenuDesigner(&bar);
    QCOMPARE(MenuDesignerWindow(), first);
    first->close();
    QTRY_VERIFY(!MenuDesignerWindow());
}

void TestMenuDesigner::iconChooserTakesAFile()
{
    QImage picture(24, 24, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    const QString file = m_home->path() + QStringLiteral("/red.png");
    QVERIFY(picture.save(file));
    TIconChooser chooser(QString(), 0);
    chooser.SetIconNames({QStringLiteral("edit-copy"), QStringLiteral("folder"), QStringLiteral("folder-open")});
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QVERIFY(!chooser.Button2->isEnabled());
    // The filter keeps the names that hold its text.
    chooser.Edit1->setText(QStringLiteral("FOLD"));
    QStringList shown;
    for (int i = 0; i < chooser.ListBox1->count(); ++i) {
        if (!chooser.ListBox1->item(i)->isHidden())
            shown << chooser.ListBox1->item(i)->text();
    }
    QCOMPARE(shown, (QStringList{"folder", "folder-open"}));
    chooser.ListBox1->setCurrentRow(1);
    QCOMPARE(chooser.IconFile(), QStringLiteral("folder"));
    QCOMPARE(chooser.IconIndex(), 0);
    // A file replaces the theme icon; one picture, so no index to choose.
    chooser.Edit2->setText(file);
    QCOMPARE(chooser.IconFile(), file);
    QVERIFY(!chooser.SpinBox1->isEnabled());
    QVERIFY(chooser.Button2->isEnabled());
    chooser.Button2Click();
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
}

void TestMenuDesigner::iconChooserOpensAtTheThemeIcon()
{
    TIconChooser chooser(QStringLiteral("folder-open"), 0);
    chooser.SetIconNames({QStringLiteral("edit-copy"), QStringLiteral("folder"), QStringLiteral("folder-open")});
    QVERIFY(chooser.ListBox1->currentItem());
    QCOMPARE(chooser.ListBox1->currentItem()->text(), QStringLiteral("folder-open"));
    QCOMPARE(chooser.IconFile(), QStringLiteral("folder-open"));
    QVERIFY(chooser.Edit2->text().isEmpty());
}

QTEST_MAIN(TestMenuDesigner)
#include "tst_menudesigner.moc"
