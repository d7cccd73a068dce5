// Import and export of menus, notes and themes as a user meets it: which exchange files the wizard
// accepts, what the selection tree offers from them, how Append and Overwrite treat an exchange
// file, what imported notes look like in the note store, the questions about entries that exist,
// and the final counts.
#include "base/inifile.h"
#include "controls/tstatetreeview.h"
#include "dialogs/exchangefiles.h"
#include "dialogs/timportexport.h"
#include "dialogs/timportexportdata.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "notes/notestore.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <QTreeWidgetItemIterator>

#include <deque>

namespace {

using Note = QStringList;   // id, date, category, title, note

void WriteNoteFile(const QString &path, const QList<Note> &notes,
                   const QStringList &fields = {"id", "date", "category", "title", "note"})
{
    TMlb2 table;
    for (const QString &field : fields)
        table.AddField(field);
    for (const Note &note : notes) {
        table.AddRecord();
        for (int i = 0; i < note.size(); ++i)
            table.SetFieldValue(i + 1, note[i]);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(table.SaveToFile(path));
}

QList<Note> ReadNoteFile(const QString &path)
{
    TMlb2 table;
    table.LoadFromFile(path);
    QList<Note> notes;
    for (int record = 1; record <= table.RecordCount(); ++record) {
        Note note;
        for (int field = 1; field <= table.FieldCount(); ++field)
            note << table.Value(field, record);
        notes << note;
    }
    return notes;
}

// A note file as a copy of the program on a big-endian machine writes it.
QByteArray BigEndianNoteFile(const QList<QList<QByteArray>> &records)
{
    auto u16 = [](QByteArray &out, quint16 v) { char b[2]; qToBigEndian(v, b); out.append(b, 2); };
    auto u32 = [](QByteArray &out, quint32 v) { char b[4]; qToBigEndian(v, b); out.append(b, 4); };
    auto text = [&](QByteArray &out, const QByteArray &t) { u32(out, quint32(t.size())); out.append(t); };
    QByteArray out("MLB");
    out.append(char(2)).append(char(0)).append(char(0));
    u16(out, 1);
    u16(out, 0);
    u16(out, 0);
    u32(out, 0);   // the block length, below
    u16(out, 0);
    text(out, "notes");
    u32(out, 5);
    u32(out, quint32(records.size()));
    for (const char *field : {"id", "date", "category", "title", "note"}) {
        out.append(char(0));
        text(out, field);
    }
    for (const QList<QByteArray> &record : records) {
        quint32 length = 0;
        for (const QByteArray &value : record)
            length += 4 + quint32(value.size());
        u32(out, length);
        for (const QByteArray &value : record)
            text(out, value);
    }
    QByteArray blockLength;
    u32(blockLength, quint32(out.size() - 16));
    return out.replace(12, 4, blockLength);
}

const QByteArray kMenus = "[header]\nversion=01030000\n\n[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"&Tools\"; "
                          "path:\"$CUSMENUS$/Tools\";\n\n[Tools]\nitem0000=active:\"1\"; itemtype:\"1\"; name:\"&Files\"; "
                          "path:\"/tmp\";\n\n[apps]\nitem0000=active:\"1\"; itemtype:\"2\";\n";

QByteArray Theme(const QString &name, const QString &version)
{
    return QStringLiteral("[%1]\nmenu_color=255\nversion=%2\n\n").arg(name, version).toUtf8();
}

// Every message box and input box the wizard shows, answered from scripts: a box without a
// scripted answer is closed (-1), an input box without one is cancelled.
class Answers
{
public:
    Answers()
    {
        m_oldMessages = SetMessageResponder([this](const MessageRequest &request) {
            texts << request.text;
            if (boxAnswers.empty())
                return -1;
            const int answer = boxAnswers.front();
            boxAnswers.pop_front();
            return answer;
        });
        m_oldInputs = SetInputResponder([this](const QString &caption, const QString &prompt,
                                               const QString &value) -> std::optional<QString> {
            inputs << caption + '|' + prompt + '|' + value;
            if (names.empty())
                return std::nullopt;
            const QString name = names.front();
            names.pop_front();
            return name;
        });
    }
    ~Answers()
    {
        SetMessageResponder(m_oldMessages);
        SetInputResponder(m_oldInputs);
    }

    QStringList texts;
    QStringList inputs;
    std::deque<int> boxAnswers;
    std::deque<QString> names;

private:
    MessageResponder m_oldMessages;
    InputResponder m_oldInputs;
};

// The wizard driven through its components.
class Wizard
{
public:
    Wizard() : m_dialog(std::make_unique<TImportExport>())
    {
        m_dialog->setAttribute(Qt::WA_DeleteOnClose, false);   // the test owns it
    }

    TImportExport &dialog() { return *m_dialog; }
    template <typename T> T *get(const char *name) { return m_dialog->findChild<T *>(name); }
    TStateTreeView *tree() { return get<TStateTreeView>("TreeView1"); }

    void choose(bool import, const QString &menus, const QString &notes = {}, const QString &themes = {})
    {
        get<QRadioButton>(import ? "RadioButton2" : "RadioButton1")->setChecked(true);
        get<QLineEdit>("Edit1")->setText(menus);
        get<QLineEdit>("Edit2")->setText(notes);
        get<QLineEdit>("Edit3")->setText(themes);
    }
    void next() { get<QPushButton>("Button2")->click(); }

    QTreeWidgetItem *node(const QString &path)
    {
        QTreeWidgetItem *found = nullptr;
        for (const QString &caption : path.split('/')) {
            const int count = found ? found->childCount() : tree()->topLevelItemCount();
            QTreeWidgetItem *parent = found;
            found = nullptr;
            for (int i = 0; i < count && !found; ++i) {
                QTreeWidgetItem *child = parent ? parent->child(i) : tree()->topLevelItem(i);
                if (child->text(0) == caption)
                    found = child;
            }
            if (!found)
                return nullptr;
        }
        return found;
    }
    void check(const QString &path)
    {
        QTreeWidgetItem *item = node(path);
        QVERIFY2(item, qPrintable(path));
        tree()->ToggleState(item);
    }
    int state(const QString &path) { return TStateTreeView::State(node(path)); }

    // "Menus[+](apps menu Tools)": every node with its children, "+" for an expanded one.
    QString outline()
    {
        QStringList parts;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            parts << Outline(tree()->topLevelItem(i));
        return parts.join(' ');
    }

private:
    static QString Outline(QTreeWidgetItem *node)
    {
        QString text = node->text(0);
        if (node->childCount() == 0)
            return text;
        QStringList children;
        for (int i = 0; i < node->childCount(); ++i)
            children << Outline(node->child(i));
        return text + (node->isExpanded() ? "+(" : "(") + children.join(' ') + ')';
    }

    std::unique_ptr<TImportExport> m_dialog;
};

} // namespace

class TestImportExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void acceptedVersions_data();
    void acceptedVersions();
    void nextNeedsAFileName();
    void actionWordFollowsTheButtons();
    void importFilesAreChecked_data();
    void importFilesAreChecked();
    void treeOffersWhatTheFilesHold();
    void exportToAnExistingFile_data();
    void exportToAnExistingFile();
    void exportAsksBeforeTouchingAnExistingFile();
    void importedNotesGetNewIdsAndKeepTheirDates();
    void overwriteReplacesTheOldNote();
    void renameToAnExistingNameAsksAgain();
    void renameToANameThatCannotBeOneAsksAgain();
    void browseOffersTheDataFileName_data();
    void browseOffersTheDataFileName();
    void skipAllAndCancel_data();
    void skipAllAndCancel();
    void nothingSelected();
    void oneNoteIsEnoughToFinish();
    void finalPageCounts();
    void damagedNoteStoreIsNeverWrittenOver();
    void aFailedWriteCountsNothing();
    void noteFileOfTheOtherByteOrderImports();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<Answers> m_answers;
    QString file(const QString &name) const { return m_home->path() + "/exchange/" + name; }
};

void TestImportExport::init()
{
    m_home = std::make_unique<TestHome>();
    m_answers = std::make_unique<Answers>();
    QDir().mkpath(m_home->path() + "/exchange");
}

void TestImportExport::cleanup()
{
    m_answers.reset();
    m_home.reset();
}

void TestImportExport::acceptedVersions_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("this program's own") << "01030000" << true;
    QTest::newRow("1.0 release 0") << "01000000" << true;
    QTest::newRow("1.0 release 3") << "01000300" << true;
    QTest::newRow("1.0 release 1") << "01000100" << false;
    QTest::newRow("1.0 release 3 build 1") << "01000301" << false;
    QTest::newRow("1.1") << "01010000" << false;
    QTest::newRow("2.0") << "02000000" << false;
    QTest::newRow("seven digits") << "0103000" << false;
    QTest::newRow("nine digits") << "010300000" << false;
    QTest::newRow("not hexadecimal") << "01g30000" << false;
    QTest::newRow("blank inside") << "01 30000" << false;
    QTest::newRow("empty") << "" << false;
}

void TestImportExport::acceptedVersions()
{
    QFETCH(QString, version);
    QFETCH(bool, accepted);
    QCOMPARE(IsAcceptedFormatVersion(version), accepted);
}

void TestImportExport::nextNeedsAFileName()
{
    Wizard wizard;
    auto *next = wizard.get<QPushButton>("Button2");
    QVERIFY(!next->isEnabled());
    wizard.get<QLineEdit>("Edit2")->setText("notes.dat");
    QVERIFY(next->isEnabled());
    wizard.get<QLineEdit>("Edit2")->clear();
    QVERIFY(!next->isEnabled());
    QCOMPARE(wizard.get<QLabel>("Label41")->text(), QStringLiteral("Import/Export - Step 1 / 2"));
    QVERIFY(!wizard.get<QPushButton>("Button7")->isEnabled());
}

void TestImportExport::actionWordFollowsTheButtons()
{
    Wizard wizard;
    QCOMPARE(wizard.get<QLabel>("Label1")->text(), QStringLiteral("Export Menu File:"));
    wizard.get<QRadioButton>("RadioButton2")->setChecked(true);
    QCOMPARE(wizard.get<QLabel>("Label1")->text(), QStringLiteral("Import Menu File:"));
    QCOMPARE(wizard.get<QLabel>("Label3")->text(), QStringLiteral("Import Note File:"));
    QCOMPARE(wizard.get<QLabel>("Label4")->text(), QStringLiteral("Import Theme File:"));
}

void TestImportExport::importFilesAreChecked_data()
{
    QTest::addColumn<QString>("menuFile");
    QTest::addColumn<QString>("noteFile");
    QTest::addColumn<QString>("themeFile");
    QTest::addColumn<QString>("message");   // empty: page 1 is reached

    QTest::newRow("a menu file exported here") << "menus.ini" << "" << "" << "";
    QTest::newRow("no such menu file") << "absent.ini" << "" << "" << "Error\r\rCannot find menu file";
    QTest::newRow("missing files are reported first") << "nohead.ini" << "absent.dat" << ""
                                                       << "Error\r\rCannot find note file";
    QTest::newRow("menu header without version") << "nohead.ini" << "" << "" << "Error\r\rMenu file is not valid";
    QTest::newRow("the own menu settings") << "$DATA/menusettings.ini" << "" << "" << "Error\r\rMenu file is not valid";
    QTest::newRow("a note file") << "" << "notes.dat" << "" << "";
    QTest::newRow("the own note store") << "" << "$DATA/note.dat" << "" << "Error\r\rNote file is not valid";
    QTest::newRow("a record file of another kind") << "" << "hotkeys.dat" << "" << "Error\r\rNote file is not valid";
    QTest::newRow("an INI file as note file") << "" << "menus.ini" << "" << "Error\r\rNote file is not valid";
    QTest::newRow("themes with one accepted version") << "" << "" << "mixed.ini" << "";
    QTest::newRow("no theme with an accepted version") << "" << "" << "old.ini" << "Error\r\rTheme file is not valid";
    QTest::newRow("the own themes file") << "" << "" << "$DATA/themes.ini" << "Error\r\rTheme file is not valid";
}

void TestImportExport::importFilesAreChecked()
{
    QFETCH(QString, menuFile);
    QFETCH(QString, noteFile);
    QFETCH(QString, themeFile);
    QFETCH(QString, message);
    m_home->writeFile(file("menus.ini"), kMenus);
    m_home->writeFile(file("nohead.ini"), "[header]\nversionstring=Quorix\n\n[Tools]\na=b\n");
    m_home->writeFile(file("mixed.ini"), Theme("Old", "00090000") + Theme("Ocean", "01030000"));
    m_home->writeFile(file("old.ini"), Theme("Old", "00090000") + Theme("Older", "01000200"));
    WriteNoteFile(file("notes.dat"), {{"1", "100", "Work", "Plan", "text"}});
    WriteNoteFile(file("hotkeys.dat"), {}, {"key", "shift", "function", "parameters"});
    m_home->writeFile(DataFilePath(dfMenuSettings), kMenus);
    m_home->writeFile(DataFilePath(dfThemes), Theme("Ocean", "01030000"));
    WriteNoteFile(NoteStorePath(), {{"1", "100", "Work", "Plan", "text"}});
    auto path = [this](const QString &name) {
        if (name.isEmpty())
            return name;
        return name.startsWith("$DATA/") ? DataFilePath(dfDataFolder) + "Data/" + name.mid(6) : file(name);
    };

    Wizard wizard;
    wizard.choose(true, path(menuFile), path(noteFile), path(themeFile));
    wizard.next();
    QCOMPARE(m_answers->texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(wizard.dialog().ActivePage(), message.isEmpty() ? 1 : 0);
}

void TestImportExport::treeOffersWhatTheFilesHold()
{
    m_home->writeFile(file("menus.ini"), kMenus);
    m_home->writeFile(file("themes.ini"), Theme("Ocean", "01030000") + Theme("Old", "00090000")
                                              + Theme("autumn", "01000000") + "[HEADER]\nversion=01030000\n");
    WriteNoteFile(file("notes.dat"), {{"4", "100", "Work", "Plan", "a"},
                                      {"5", "101", "", "Loose", "b"},
                                      {"6", "102", "work", "agenda", "c"},
                                      {"7", "103", "Home", "Plan", "d"},
                                      {"8", "104", "WORK", "plan", "e"}});
    Wizard wizard;
    wizard.choose(true, file("menus.ini"), file("notes.dat"), file("themes.ini"));
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList());
    QCOMPARE(wizard.outline(),
             QStringLiteral("Menus+(apps menu Tools) Notes+(<Uncategorized>(Loose) Home(Plan) Work(agenda Plan)) "
                            "Themes+(autumn Ocean)"));
    QCOMPARE(NodeData(wizard.node("Notes/Work/Plan")).sourceName, QStringLiteral("4"));
    QCOMPARE(NodeData(wizard.node("Menus/Tools")).kind, int(TImportExportData::MenuSection));
    QVERIFY(!wizard.tree()->HasMarkedNodes());
    QCOMPARE(wizard.state("Themes/Ocean"), int(TStateTreeView::Unchecked));
    QCOMPARE(wizard.get<QLabel>("Label41")->text(), QStringLiteral("Import - Step 2 / 2"));
    QCOMPARE(wizard.get<QPushButton>("Button2")->text(), QStringLiteral("&Finish"));
    QCOMPARE(wizard.get<QLabel>("Label2")->text(),
             QStringLiteral("Select which objects you want to import, from the tree to the left."));
}

void TestImportExport::exportToAnExistingFile_data()
{
    QTest::addColumn<int>("answer");   // 1 Overwrite, 2 Append
    QTest::addColumn<QStringList>("sections");

    QTest::newRow("Append adds to it and renews the header") << 2 << QStringList{"header", "Mine", "apps", "Tools"};
    QTest::newRow("Overwrite keeps only the selection") << 1 << QStringList{"header", "apps", "Tools"};
}

void TestImportExport::exportToAnExistingFile()
{
    QFETCH(int, answer);
    QFETCH(QStringList, sections);
    m_home->writeFile(DataFilePath(dfMenuSettings), kMenus);
    m_home->writeFile(file("out.ini"), "[header]\nversion=01000000\nversionstring=Old\n\n[Mine]\nitem0000=x\n");
    m_answers->boxAnswers = {answer};

    Wizard wizard;
    wizard.choose(false, file("out.ini"));
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList{"Menu file already exists."});
    wizard.check("Menus/Tools");
    wizard.check("Menus/apps");
    wizard.next();
    QCOMPARE(wizard.dialog().ActivePage(), 2);

    const IniFile out(file("out.ini"));
    QCOMPARE(out.Sections(), sections);
    QCOMPARE(out.ReadString("header", "version"), QStringLiteral("01030000"));
    QCOMPARE(out.ReadString("header", "versionstring"), QStringLiteral("Quorix 1.03"));
    QCOMPARE(out.ReadString("Tools", "item0000"), IniFile(DataFilePath(dfMenuSettings)).ReadString("Tools", "item0000"));
}

void TestImportExport::exportAsksBeforeTouchingAnExistingFile()
{
    m_home->writeFile(DataFilePath(dfMenuSettings), kMenus);
    const QByteArray old = "[Mine]\nitem0000=x\n";
    m_home->writeFile(file("out.ini"), old);
    m_answers->boxAnswers = {0};
    Wizard wizard;
    wizard.choose(false, file("out.ini"));
    wizard.next();
    QCOMPARE(wizard.dialog().ActivePage(), 0);
    QCOMPARE(readWholeFile(file("out.ini")), old);

    // Naming the data file itself as the export file is refused before anything is asked.
    m_answers->texts.clear();
    wizard.choose(false, DataFilePath(dfMenuSettings));
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList{"Error\r\rMenu file is not valid"});
    QCOMPARE(readWholeFile(DataFilePath(dfMenuSettings)), kMenus);
}

void TestImportExport::importedNotesGetNewIdsAndKeepTheirDates()
{
    WriteNoteFile(NoteStorePath(), {{"3", "50", "Work", "Old", "x"}, {"7", "60", "Home", "Other", "y"}});
    WriteNoteFile(file("notes.dat"), {{"1", "1000", "Work", "Plan", "line 1\r\nline 2"},
                                      {"2", "2000", "", "Loose", "z"},
                                      {"9", "3000", "Work", "Skipped", "w"}});
    Wizard wizard;
    wizard.choose(true, {}, file("notes.dat"));
    wizard.next();
    wizard.check("Notes/Work/Plan");
    wizard.check("Notes/<Uncategorized>/Loose");
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList());
    const QList<Note> expected = {{"3", "50", "Work", "Old", "x"},
                                  {"7", "60", "Home", "Other", "y"},
                                  {"8", "2000", "", "Loose", "z"},
                                  {"9", "1000", "Work", "Plan", "line 1\r\nline 2"}};
    QCOMPARE(ReadNoteFile(NoteStorePath()), expected);
}

void TestImportExport::overwriteReplacesTheOldNote()
{
    WriteNoteFile(NoteStorePath(), {{"1", "50", "work", "PLAN", "old"}, {"2", "60", "Home", "Other", "y"}});
    WriteNoteFile(file("notes.dat"), {{"5", "1000", "Work", "Plan", "new"}});
    m_answers->boxAnswers = {4};
    Wizard wizard;
    wizard.choose(true, {}, file("notes.dat"));
    wizard.next();
    wizard.check("Notes/Work/Plan");
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList{"The note \"Plan\" already exists."});
    const QList<Note> expected = {{"2", "60", "Home", "Other", "y"}, {"3", "1000", "Work", "Plan", "new"}};
    QCOMPARE(ReadNoteFile(NoteStorePath()), expected);
}

void TestImportExport::renameToAnExistingNameAsksAgain()
{
    m_home->writeFile(DataFilePath(dfMenuSettings), "[header]\nversion=01030000\n\n[Tools]\nitem0000=mine\n\n"
                                                    "[Tools2]\nitem0000=mine too\n");
    m_home->writeFile(file("menus.ini"), kMenus);
    m_answers->boxAnswers = {3, 3};
    m_answers->names = {"tools2", "Tools3"};
    Wizard wizard;
    wizard.choose(true, file("menus.ini"));
    wizard.next();
    wizard.check("Menus/Tools");
    wizard.next();
    QCOMPARE(m_answers->texts, (QStringList{"The menu \"Tools\" already exists.", "The menu \"tools2\" already exists."}));
    QCOMPARE(m_answers->inputs, (QStringList{"Rename|New Name:|Tools", "Rename|New Name:|tools2"}));
    const IniFile menus(DataFilePath(dfMenuSettings));
    QCOMPARE(menus.Sections(), (QStringList{"header", "Tools", "Tools2", "Tools3"}));
    QCOMPARE(menus.ReadString("Tools", "item0000"), QStringLiteral("mine"));
    QCOMPARE(menus.ReadString("Tools3", "item0000"), IniFile(file("menus.ini")).ReadString("Tools", "item0000"));
    QCOMPARE(wizard.get<QLabel>("Label5")->text().section('\n', 0, 0), QStringLiteral("1 menus imported."));
}

void TestImportExport::renameToANameThatCannotBeOneAsksAgain()
{
    m_home->writeFile(DataFilePath(dfThemes), Theme("Ocean", "01030000"));
    m_home->writeFile(file("themes.ini"), Theme("Ocean", "01030000"));
    m_answers->boxAnswers = {3, 0, 3};
    m_answers->names = {"Sea]\n[menu", "Sea"};
    Wizard wizard;
    wizard.choose(true, {}, {}, file("themes.ini"));
    wizard.next();
    wizard.check("Themes/Ocean");
    wizard.next();
    QCOMPARE(m_answers->texts, (QStringList{"The theme \"Ocean\" already exists.",
                                            "Error\r\r\"Sea]\n[menu\" cannot be used as a name.",
                                            "The theme \"Ocean\" already exists."}));
    QCOMPARE(IniFile(DataFilePath(dfThemes)).Sections(), (QStringList{"Ocean", "Sea"}));
}

void TestImportExport::browseOffersTheDataFileName_data()
{
    QTest::addColumn<bool>("import");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("proposed");

    QTest::newRow("export menus") << false << "Button1" << "Edit1" << "Save" << QStringList{"*.ini (*.ini)", "*.* (*)"}
                                  << "menusettings.ini";
    QTest::newRow("import notes") << true << "Button4" << "Edit2" << "Open" << QStringList{"*.dat (*.dat)", "*.* (*)"}
                                  << "note.dat";
    QTest::newRow("export themes") << false << "Button6" << "Edit3" << "Save" << QStringList{"*.ini (*.ini)", "*.* (*)"}
                                   << "themes.ini";
}

void TestImportExport::browseOffersTheDataFileName()
{
    QFETCH(bool, import);
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(QString, title);
    QFETCH(QStringList, filters);
    QFETCH(QString, proposed);
    const QString chosen = m_home->writeFile(file(proposed), "[x]\n");
    QString shownTitle, shownName;
    QStringList shownFilters;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownTitle = dialog->windowTitle();
        shownFilters = dialog->nameFilters();
        shownName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->setDirectory(QFileInfo(chosen).absolutePath());
        dialog->selectFile(chosen);
        static_cast<QDialog *>(dialog)->accept();   // as the Open or Save button does
    });
    Wizard wizard;
    wizard.choose(import, {});
    wizard.get<QPushButton>(qPrintable(button))->click();
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownFilters, filters);
    QCOMPARE(shownName, proposed);
    QCOMPARE(wizard.get<QLineEdit>(qPrintable(edit))->text(), chosen);
}

void TestImportExport::skipAllAndCancel_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("themes");   // in the themes file afterwards
    QTest::addColumn<int>("questions");

    // The data file holds Beach and Dusk; the import offers Beach, Cedar, Dusk and Ember.
    QTest::newRow("Skip All skips every later conflict without asking")
        << QList<int>{2} << QStringList{"Beach", "Dusk", "Cedar", "Ember"} << 1;
    QTest::newRow("Skip skips one, Overwrite replaces one") << QList<int>{1, 4}
                                                             << QStringList{"Beach", "Cedar", "Dusk", "Ember"} << 2;
    QTest::newRow("Cancel keeps what was copied before it") << QList<int>{1, 0}
                                                            << QStringList{"Beach", "Dusk", "Cedar"} << 2;
    QTest::newRow("closing the box is Cancel") << QList<int>{} << QStringList{"Beach", "Dusk"} << 1;
}

void TestImportExport::skipAllAndCancel()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, themes);
    QFETCH(int, questions);
    m_home->writeFile(DataFilePath(dfThemes), Theme("Beach", "01030000") + Theme("Dusk", "01030000"));
    m_home->writeFile(file("themes.ini"), Theme("Dusk", "01000000") + Theme("Beach", "01030000")
                                              + Theme("Ember", "01030000") + Theme("Cedar", "01030000"));
    m_answers->boxAnswers.assign(answers.cbegin(), answers.cend());
    Wizard wizard;
    wizard.choose(true, {}, {}, file("themes.ini"));
    wizard.next();
    wizard.check("Themes");
    wizard.next();
    QCOMPARE(m_answers->texts.size(), questions);
    QCOMPARE(IniFile(DataFilePath(dfThemes)).Sections(), themes);
    QCOMPARE(wizard.dialog().ActivePage(), 2);
}

void TestImportExport::nothingSelected()
{
    m_home->writeFile(file("menus.ini"), kMenus);
    Wizard wizard;
    wizard.choose(true, file("menus.ini"));
    wizard.next();
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList{"Error\r\rNothing selected"});
    QCOMPARE(wizard.dialog().ActivePage(), 1);
}

void TestImportExport::oneNoteIsEnoughToFinish()
{
    WriteNoteFile(NoteStorePath(), {{"1", "10", "Work", "Plan", "a"}, {"2", "20", "Work", "Budget", "b"},
                                    {"3", "30", "Home", "Garden", "c"}});
    Wizard wizard;
    wizard.choose(false, {}, file("notes.dat"));
    wizard.next();
    wizard.check("Notes/Work/Plan");
    QCOMPARE(wizard.state("Notes/Work"), int(TStateTreeView::PartlyChecked));
    QCOMPARE(wizard.state("Notes"), int(TStateTreeView::PartlyChecked));
    QCOMPARE(wizard.state("Notes/Home"), int(TStateTreeView::Unchecked));
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList());
    QCOMPARE(ReadNoteFile(file("notes.dat")), (QList<Note>{{"1", "10", "Work", "Plan", "a"}}));
}

void TestImportExport::finalPageCounts()
{
    m_home->writeFile(DataFilePath(dfMenuSettings), kMenus);
    m_home->writeFile(DataFilePath(dfThemes), Theme("Ocean", "01030000"));
    Wizard wizard;
    wizard.choose(false, file("menus.ini"), {}, file("themes.ini"));
    wizard.next();
    wizard.check("Menus/Tools");
    wizard.check("Menus/apps");
    wizard.next();
    QCOMPARE(wizard.get<QLabel>("Label5")->text(),
             QStringLiteral("2 menus exported.\n0 notes exported.\n0 themes exported.\n\nYou can now close this window."));
    QCOMPARE(wizard.get<QLabel>("Label41")->text(), QStringLiteral("Export - Finished"));
    QVERIFY(!wizard.get<QPushButton>("Button2")->isEnabled());
    QVERIFY(!wizard.get<QPushButton>("Button7")->isEnabled());
    auto *close = wizard.get<QPushButton>("Button3");
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    close->click();
    QCOMPARE(wizard.dialog().result(), int(QDialog::Accepted));
}

void TestImportExport::damagedNoteStoreIsNeverWrittenOver()
{
    const QByteArray damaged = "not a record file";
    m_home->writeFile(NoteStorePath(), damaged);
    WriteNoteFile(file("notes.dat"), {{"1", "10", "Work", "Plan", "a"}});
    Wizard wizard;
    wizard.choose(true, {}, file("notes.dat"));
    wizard.next();
    wizard.check("Notes");
    wizard.next();
    QCOMPARE(m_answers->texts.size(), 1);
    QVERIFY(m_answers->texts.first().startsWith("Error\r\rCannot read "));
    QCOMPARE(readWholeFile(NoteStorePath()), damaged);
    QVERIFY(wizard.get<QLabel>("Label5")->text().startsWith("0 menus imported.\n0 notes imported."));
}

void TestImportExport::aFailedWriteCountsNothing()
{
    m_home->writeFile(DataFilePath(dfMenuSettings), kMenus);
    const QString notAFolder = m_home->writeFile(file("plain.txt"), "text");
    Wizard wizard;
    wizard.choose(false, notAFolder + "/menus.ini");
    wizard.next();
    wizard.check("Menus");
    wizard.next();
    QCOMPARE(wizard.dialog().ActivePage(), 2);
    QVERIFY(wizard.get<QLabel>("Label5")->text().startsWith("0 menus exported."));
    QCOMPARE(readWholeFile(notAFolder), QByteArray("text"));
}

void TestImportExport::noteFileOfTheOtherByteOrderImports()
{
    m_home->writeFile(file("big.dat"), BigEndianNoteFile({{"4", "777", "Travel", "Tickets", "Gate 12"}}));
    Wizard wizard;
    wizard.choose(true, {}, file("big.dat"));
    wizard.next();
    QCOMPARE(m_answers->texts, QStringList());
    wizard.check("Notes");
    wizard.next();
    QCOMPARE(ReadNoteFile(NoteStorePath()), (QList<Note>{{"1", "777", "Travel", "Tickets", "Gate 12"}}));
}

QTEST_MAIN(TestImportExport)
#include "tst_importexport.moc"
