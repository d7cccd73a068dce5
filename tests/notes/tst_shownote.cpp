// The note window as a person uses it: saving with OK and from the close question, the unique
// title per category, deleting, what it remembers between openings, and what it prints.
#include "base/inifile.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "foundation/barrequests.h"
#include "notes/notefont.h"
#include "notes/notepagesetup.h"
#include "notes/noteprintlayout.h"
#include "notes/notestore.h"
#include "notes/opennote.h"
#include "notes/tshownote.h"
#include "platform/fake/fakeregistrystore.h"
#include "platform/scopedservice.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(NotePageSetup)

namespace {

const QString kRegistryKey = QStringLiteral("software\\Brenmoor\\Quorix");
const QString kDuplicate = QStringLiteral("Error\r\rA note with the same name already exists in this category");
const QString kChanged = QStringLiteral("Your document has changed.\r\rDo you want to save your note?");

// Answers every box with the next scripted button (default: the first) and keeps what was asked.
class Answers
{
public:
    explicit Answers(QList<int> script = {}) : m_script(std::move(script))
    {
        m_old = SetMessageResponder([this](const MessageRequest &request) {
            asked << request.text;
            captions << request.caption;
            return m_script.isEmpty() ? 0 : m_script.takeFirst();
        });
    }
    ~Answers() { SetMessageResponder(m_old); }
    QStringList asked;
    QStringList captions;

private:
    QList<int> m_script;
    MessageResponder m_old;
};

QStringList Titles()
{
    QStringList titles;
    for (const NoteHeading &heading : NoteHeadings())
        titles << heading.title;
    return titles;
}

// A window for a new note, filled in as a person would.
TShowNote *NewNote(const QString &category, const QString &title, const QString &text)
{
    TShowNote *window = OpenNote(kNewNoteId);
    window->ComboBox1->setEditText(category);
    window->Edit1->setText(title);
    window->Memo1->insertPlainText(text);
    return window;
}

// Replaces the text as typing does (the document then counts as modified).
void Type(QPlainTextEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->insertPlainText(text);
}

} // namespace

class TestShowNote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_registry = std::make_unique<FakeRegistryStore>();
        m_useRegistry = std::make_unique<ScopedService<RegistryStore>>(*m_registry);
        CreateNoteStore();
    }
    void cleanup()
    {
        m_useRegistry.reset();
        m_registry.reset();
        m_home.reset();
    }

    void formComponents();
    void f1OpensTheNotesPage();
    void labelsReachTheirFields_data();
    void labelsReachTheirFields();
    void caretPositionWhileTheTextHasTheFocus();
    void saveShortcutSavesLikeOk();
    void okNeedsATitleAndAText_data();
    void okNeedsATitleAndAText();
    void okStoresTheNoteAndCloses();
    void okRefusesATitleTakenInTheCategory_data();
    void okRefusesATitleTakenInTheCategory();
    void savingAnOpenedNoteKeepsItsIdAndUpdatesIt();
    void closeQuestion_data();
    void closeQuestion();
    void closeQuestionSavesWithoutTitleOrText();
    void deleteRemovesTheNoteWithoutAsking();
    void endingQuorixClosesNoteWindowsFirst();
    void unreadableStoreRefusesToSave();
    void openedNoteShowsTitleCategoryAndDate();
    void placeComesFromTheRegistryFirst();
    void closingStoresPlaceAndLayout();
    void printerSizesRoundTrip_data();
    void printerSizesRoundTrip();
    void fontRoundTrip_data();
    void fontRoundTrip();
    void printShortLinesOnceEach();
    void printWrapsAtBlanksOrCutsLongWords_data();
    void printWrapsAtBlanksOrCutsLongWords();
    void printFillsPagesAndFootsEachOne();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeRegistryStore> m_registry;
    std::unique_ptr<ScopedService<RegistryStore>> m_useRegistry;
};

void TestShowNote::formComponents()
{
    Answers answers({1});
    std::unique_ptr<TShowNote> window(OpenNote(kNewNoteId));
    QCOMPARE(window->objectName(), QString("ShowNote"));
    // A window of its own with a task bar entry, not a dialog of the bar, and never modal.
    QVERIFY(window->isWindow() && !window->parentWidget());
    QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(!window->isModal());
    QVERIFY(window->ComboBox1->isEditable());
    QCOMPARE(window->Memo1->tabChangesFocus(), false);
    QCOMPARE(window->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window->Button1->text(), QString("&Delete"));
    QCOMPARE(window->Button3->text(), QString("Cancel"));
    const QList<std::pair<QAction *, QString>> entries = {
        {window->Save1, "&Save"},         {window->PageSetup1, "Page Set&up..."}, {window->Print1, "&Print..."},
        {window->Close1, "Close"},        {window->Undo1, "&Undo"},               {window->Cut1, "Cu&t"},
        {window->Copy1, "&Copy"},         {window->Paste1, "&Paste"},             {window->WordWrap1, "&Word Wrap"},
        {window->Font1, "&Font..."}};
    for (const auto &[action, text] : entries)
        QCOMPARE(action->text(), text);
    QCOMPARE(window->Save1->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(window->Print1->shortcut(), QKeySequence("Ctrl+P"));
    QVERIFY(window->WordWrap1->isCheckable());
    QStringList menus;
    for (const QAction *entry : window->findChild<QMenuBar *>("MainMenu1")->actions())
        menus << entry->menu()->objectName() + "=" + entry->text();
    QCOMPARE(menus, QStringList({"Note1=Note", "Edit2=&Edit", "Format1=&Format"}));
    window->ComboBox1->setEditText("x"); // so that closing asks, and the answer No closes
}

void TestShowNote::f1OpensTheNotesPage()
{
    std::unique_ptr<TShowNote> window(OpenNote(kNewNoteId));
    QSignalSpy help(&BarRequests::Instance(), &BarRequests::HelpRequested);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->Memo1, Qt::Key_F1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.first().first().toString(), QStringLiteral("notes"));
}

void TestShowNote::labelsReachTheirFields_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");
    QTest::newRow("title") << "Label2" << "Edit1";
    QTest::newRow("category") << "Label3" << "ComboBox1";
    QTest::newRow("note") << "Label5" << "Memo1";
}

void TestShowNote::labelsReachTheirFields()
{
    QFETCH(QString, label);
    QFETCH(QString, field);
    std::unique_ptr<TShowNote> window(OpenNote(kNewNoteId));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *labelWidget = window->findChild<QLabel *>(label);
    auto *fieldWidget = window->findChild<QWidget *>(field);
    QVERIFY(labelWidget && fieldWidget);
    QCOMPARE(labelWidget->buddy(), fieldWidget);
    window->Button3->setFocus();
    const QString text = labelWidget->text();
    const QChar letter = text.at(text.indexOf('&') + 1).toUpper();
    QTest::keyClick(window.get(), Qt::Key(letter.unicode()), Qt::AltModifier);
    QVERIFY(fieldWidget->hasFocus() || fieldWidget->isAncestorOf(QApplication::focusWidget()));
}

void TestShowNote::caretPositionWhileTheTextHasTheFocus()
{
    Answers answers({1});
    std::unique_ptr<TShowNote> window(OpenNote(kNewNoteId));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->Memo1->setFocus();
    QTest::keyClicks(window->Memo1, "ab");
    QTest::keyClick(window->Memo1, Qt::Key_Return);
    QTest::keyClicks(window->Memo1, "cde");
    QTRY_COMPARE(window->StatusPanel1->text(), QString("3:1"));
    window->Edit1->setFocus();
    QTRY_COMPARE(window->StatusPanel1->text(), QString());
    QCOMPARE(window->windowTitle(), QString("Note - "));
    QTest::keyClicks(window->Edit1, "Plan");
    QCOMPARE(window->windowTitle(), QString("Note - Plan"));
}

void TestShowNote::saveShortcutSavesLikeOk()
{
    Answers answers;
    QPointer<TShowNote> window = NewNote("", "Plan", "text");
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->Edit1->setFocus();
    QTest::keyClick(window->Edit1, Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(Titles(), QStringList({"Plan"}));
    QVERIFY(answers.asked.isEmpty());
}

void TestShowNote::okNeedsATitleAndAText_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both") << "Shopping" << "milk" << true;
    QTest::newRow("no title") << "" << "milk" << false;
    QTest::newRow("no text") << "Shopping" << "" << false;
    QTest::newRow("neither") << "" << "" << false;
}

void TestShowNote::okNeedsATitleAndAText()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    Answers answers({1});
    QPointer<TShowNote> window = NewNote("Home", "x", "y");
    QVERIFY(window->Button2->isEnabled());
    window->Edit1->setText(title);
    window->Memo1->setPlainText(text);
    QCOMPARE(window->Button2->isEnabled(), enabled);
    QCOMPARE(window->Save1->isEnabled(), enabled);
    QCOMPARE(window->Button2->text(), QString("&OK"));
    QVERIFY(window->Button1->isHidden());
    delete window;
}

void TestShowNote::okStoresTheNoteAndCloses()
{
    Answers answers;
    QPointer<TShowNote> window = NewNote("Home", "Shopping", "milk\nbread");
    window->Button2->click();
    QVERIFY(answers.asked.isEmpty());
    QTRY_VERIFY(window.isNull());
    QCOMPARE(FindNote("home", "shopping"), 1);
    QCOMPARE(ReadNote(1).text, QString("milk\nbread"));
}

void TestShowNote::okRefusesATitleTakenInTheCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same title") << "Home" << "Shopping" << true;
    QTest::newRow("differs only in case") << "HOME" << "shopping" << true;
    QTest::newRow("other category") << "Work" << "Shopping" << false;
    QTest::newRow("uncategorized") << "" << "Shopping" << false;
}

void TestShowNote::okRefusesATitleTakenInTheCategory()
{
    QFETCH(QString, category);
    QFETCH(QString, title);
    QFETCH(bool, refused);
    QCOMPARE(AddNote("Home", "Shopping", "milk"), NoteStoreResult::Saved);
    Answers answers;
    QPointer<TShowNote> window = NewNote(category, title, "another text");
    window->Button2->click();
    if (refused) {
        QCOMPARE(answers.asked, QStringList({kDuplicate}));
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Memo1->toPlainText(), QString("another text"));
        QCOMPARE(NoteHeadings().size(), 1);
        answers.asked.clear();
        window->Button3->click(); // Cancel: asks, the answer Yes meets the same refusal
        QCOMPARE(answers.asked, QStringList({kChanged, kDuplicate}));
        QVERIFY(window && window->isVisible());
        delete window;
    } else {
        QVERIFY(answers.asked.isEmpty());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(NoteHeadings().size(), 2);
    }
}

void TestShowNote::savingAnOpenedNoteKeepsItsIdAndUpdatesIt()
{
    AddNote("Home", "Shopping", "milk");
    AddNote("", "Other", "text");
    QPointer<TShowNote> window = OpenNote(1);
    QVERIFY(window);
    QCOMPARE(window->NoteId(), 1);
    QVERIFY(window->Button1->isVisible());
    Type(window->Memo1, "milk\nbutter");
    window->Button2->click();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(Titles(), QStringList({"Other", "Shopping"}));
    QCOMPARE(FindNote("Home", "Shopping"), 1);
    QCOMPARE(ReadNote(1).text, QString("milk\nbutter"));
}

void TestShowNote::closeQuestion_data()
{
    QTest::addColumn<QString>("change");   // what is changed: nothing, category, title, text
    QTest::addColumn<int>("answer");       // 0 Yes, 1 No, -1 the box closed
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("storedText");
    QTest::newRow("unchanged") << "" << 0 << false << true << "milk";
    QTest::newRow("category, Yes") << "category" << 0 << true << true << "milk";
    QTest::newRow("text, No") << "text" << 1 << true << true << "milk";
    QTest::newRow("text, Yes") << "text" << 0 << true << true << "changed";
    QTest::newRow("title case only, Yes") << "title" << 0 << true << true << "milk";
    QTest::newRow("box closed") << "text" << -1 << true << false << "milk";
}

void TestShowNote::closeQuestion()
{
    QFETCH(QString, change);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(QString, storedText);
    AddNote("Home", "Shopping", "milk");
    QPointer<TShowNote> window = OpenNote(1);
    if (change == "category")
        window->ComboBox1->setEditText("Kitchen");
    else if (change == "title")
        window->Edit1->setText("SHOPPING");
    else if (change == "text")
        Type(window->Memo1, "changed");
    Answers answers({answer});
    window->Close1->trigger();
    QCOMPARE(answers.asked, asked ? QStringList({kChanged}) : QStringList());
    if (asked)
        QCOMPARE(answers.captions, QStringList({"Delete Note?"}));
    if (closed)
        QTRY_VERIFY(window.isNull());
    else
        QVERIFY(window && window->isVisible());
    QCOMPARE(NoteHeadings().size(), 1);
    QCOMPARE(ReadNote(NoteHeadings().first().id).text, storedText);
    delete window;
}

void TestShowNote::closeQuestionSavesWithoutTitleOrText()
{
    Answers answers({0});
    QPointer<TShowNote> window = NewNote("Home", "", "");
    window->close();
    QCOMPARE(answers.asked, QStringList({kChanged}));
    QTRY_VERIFY(window.isNull());
    QCOMPARE(NoteHeadings().size(), 1);
    QCOMPARE(NoteHeadings().first().category, QString("Home"));
}

void TestShowNote::deleteRemovesTheNoteWithoutAsking()
{
    AddNote("Home", "Shopping", "milk");
    AddNote("Home", "Keep", "me");
    QPointer<TShowNote> window = OpenNote(1);
    Answers answers({0});
    window->Button1->click();
    QCOMPARE(answers.asked, QStringList({"You are about to delete this note.\r\rDo you want to continue?"}));
    QTRY_VERIFY(window.isNull());
    QCOMPARE(Titles(), QStringList({"Keep"}));
}

void TestShowNote::endingQuorixClosesNoteWindowsFirst()
{
    AddNote("", "Unchanged", "text");
    QPointer<TShowNote> unchanged = OpenNote(1);
    QPointer<TShowNote> writing = NewNote("", "Draft", "half a thought");
    {
        Answers closedBox({-1});
        QVERIFY(!CloseNoteWindows());
        QCOMPARE(closedBox.asked, QStringList({kChanged}));
    }
    QTRY_VERIFY(unchanged.isNull());
    QVERIFY(writing && writing->isVisible());
    Answers yes({0});
    QVERIFY(CloseNoteWindows());
    QTRY_VERIFY(writing.isNull());
    QCOMPARE(Titles(), QStringList({"Unchanged", "Draft"}));
}

void TestShowNote::unreadableStoreRefusesToSave()
{
    m_home->writeFile(NoteStorePath(), "MLB damaged");
    const QByteArray before = readWholeFile(NoteStorePath());
    Answers answers;
    QPointer<TShowNote> window = NewNote("Home", "Shopping", "milk");
    window->Button2->click();
    QCOMPARE(answers.asked.size(), 1);
    QVERIFY(answers.asked.first().startsWith("Error\r\rThe note store "));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->Memo1->toPlainText(), QString("milk"));
    QCOMPARE(readWholeFile(NoteStorePath()), before);
    Answers no({1});
    delete window;
}

void TestShowNote::openedNoteShowsTitleCategoryAndDate()
{
    TMlb2 table;
    for (const char *field : {"id", "date", "category", "title", "note"})
        table.AddField(field);
    table.AddRecord();
    for (int field = 1; field <= 5; ++field)
        table.SetFieldValue(field, QStringList({"3", "0", "work", "Plan", "one\r\ntwo"})[field - 1]);
    table.AddRecord();
    for (int field = 1; field <= 5; ++field)
        table.SetFieldValue(field, QStringList({"4", "0", "Work", "Other", "x"})[field - 1]);
    QVERIFY(table.SaveToFile(NoteStorePath()));

    QPointer<TShowNote> window = OpenNote(3);
    QCOMPARE(window->windowTitle(), QString("Plan"));
    QCOMPARE(window->Edit1->text(), QString("Plan"));
    QCOMPARE(window->ComboBox1->currentText(), QString("work"));
    QCOMPARE(window->Memo1->toPlainText(), QString("one\ntwo"));
    QVERIFY(window->Label1->text().startsWith("1. "));
    QVERIFY(window->Label1->text().endsWith("1970 - 0:00"));
    Answers answers;
    window->close();
    QVERIFY(answers.asked.isEmpty()); // nothing changed, not even the category's spelling
    QTRY_VERIFY(window.isNull());

    // A note that is gone opens no window.
    QVERIFY(!OpenNote(9));
    QCOMPARE(answers.asked.size(), 1);
}

void TestShowNote::placeComesFromTheRegistryFirst()
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.WriteInteger("sizes", "ShowNote-X", 300);
    settings.WriteInteger("sizes", "ShowNote-Y", 200);
    settings.WriteInteger("sizes", "ShowNote-W", 500);
    settings.WriteInteger("sizes", "ShowNote-H", 300);
    settings.WriteBool("shownote", "wordwrap", true);
    QVERIFY(settings.UpdateFile());
    m_registry->WriteString(kRegistryKey, "ShowNote_L", "150");
    m_registry->WriteString(kRegistryKey, "ShowNote_W", "520");
    m_registry->WriteString(kRegistryKey, "ShowNote_WordWrap", "0");

    QPointer<TShowNote> window = OpenNote(kNewNoteId);
    QCOMPARE(window->pos(), QPoint(150, 200));
    QCOMPARE(window->size(), QSize(520, 300));
    QCOMPARE(window->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(window->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!window->WordWrap1->isChecked());
    // A second window does not hide the first one exactly.
    QPointer<TShowNote> second = OpenNote(kNewNoteId);
    QVERIFY(second->pos() != window->pos());
    delete second;
    delete window;
}

void TestShowNote::closingStoresPlaceAndLayout()
{
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteString("shownote", "printer_sizes", "left:\"1000\"; paper:\"Letter\";");
    {
        QPointer<TShowNote> window = OpenNote(kNewNoteId);
        QCOMPARE(window->PageSetup().left, 1000);
        QCOMPARE(window->PageSetup().top, 2000);
        window->move(210, 120);
        window->resize(480, 290);
        window->WordWrap1->trigger();
        window->close();
        QTRY_VERIFY(window.isNull());
    }
    QCOMPARE(m_registry->ReadString(kRegistryKey, "ShowNote_L", {}), QString("210"));
    QCOMPARE(m_registry->ReadString(kRegistryKey, "ShowNote_T", {}), QString("120"));
    QCOMPARE(m_registry->ReadString(kRegistryKey, "ShowNote_W", {}), QString("480"));
    QCOMPARE(m_registry->ReadString(kRegistryKey, "ShowNote_H", {}), QString("290"));
    QCOMPARE(m_registry->ReadString(kRegistryKey, "ShowNote_WordWrap", {}), QString("0"));
    const IniFile after(DataFilePath(dfSettings));
    QCOMPARE(after.ReadInteger("sizes", "ShowNote-X", 0), 210);
    QCOMPARE(after.ReadInteger("sizes", "ShowNote-W", 0), 480);
    QCOMPARE(after.ReadString("shownote", "wordwrap"), QString("0"));
    QCOMPARE(after.ReadString("shownote", "printer_sizes"),
             QString("left:\"1000\"; paper:\"Letter\"; bottom:\"2000\"; right:\"1600\"; top:\"2000\"; "
                     "height:\"29700\"; width:\"21000\";"));
}

void TestShowNote::printerSizesRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<NotePageSetup>("expected");
    QTest::addColumn<QString>("written");
    const NotePageSetup defaults;
    NotePageSetup left = defaults;
    left.left = 500;
    NotePageSetup letter{1000, 1000, 1000, 1000, 21590, 27940};
    QTest::newRow("empty") << "" << defaults
                           << "bottom:\"2000\"; left:\"1600\"; right:\"1600\"; top:\"2000\"; height:\"29700\"; width:\"21000\";";
    QTest::newRow("only left") << "left:\"500\";" << left
                               << "left:\"500\"; bottom:\"2000\"; right:\"1600\"; top:\"2000\"; height:\"29700\"; width:\"21000\";";
    QTest::newRow("unknown key kept") << "tray:\"2\"; left:\"x\"; width:\"0\";" << defaults
                                      << "tray:\"2\"; left:\"1600\"; width:\"21000\"; bottom:\"2000\"; right:\"1600\"; top:\"2000\"; height:\"29700\";";
    QTest::newRow("all six") << "bottom:\"1000\"; left:\"1000\"; right:\"1000\"; top:\"1000\"; height:\"27940\"; width:\"21590\";"
                             << letter
                             << "bottom:\"1000\"; left:\"1000\"; right:\"1000\"; top:\"1000\"; height:\"27940\"; width:\"21590\";";
    QTest::newRow("negative margin") << "top:\"-5\";" << defaults
                                     << "top:\"2000\"; bottom:\"2000\"; left:\"1600\"; right:\"1600\"; height:\"29700\"; width:\"21000\";";
}

void TestShowNote::printerSizesRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(NotePageSetup, expected);
    QFETCH(QString, written);
    const NotePageSetup setup = NotePageSetup::FromNamedValues(stored);
    QCOMPARE(setup, expected);
    QCOMPARE(setup.ToNamedValues(stored), written);
    QCOMPARE(NotePageSetup::FromPageLayout(setup.ToPageLayout()), setup);
}

void TestShowNote::fontRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("written");
    QTest::newRow("nothing stored") << "" << "Lucida Console" << 10 << 0
                                    << "name:\"Lucida Console\"; size:\"10\"; style:\"0\";";
    QTest::newRow("bold italic") << "name:\"DejaVu Sans Mono\"; size:\"12\"; style:\"3\";" << "DejaVu Sans Mono" << 12 << 3
                                 << "name:\"DejaVu Sans Mono\"; size:\"12\"; style:\"3\";";
    QTest::newRow("unknown key kept") << "charset:\"0\"; size:\"bad\"; style:\"12\";" << "Lucida Console" << 10 << 12
                                      << "charset:\"0\"; size:\"10\"; style:\"12\"; name:\"Lucida Console\";";
}

void TestShowNote::fontRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(int, style);
    QFETCH(QString, written);
    const QFont font = NoteFontFromNamedValues(stored);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(NoteFontStyle(font), style);
    QCOMPARE(NoteFontToNamedValues(stored, font), written);
    // Shown in a font this desktop has, in the same size and style.
    const QFont shown = InstalledNoteFont(font);
    QCOMPARE(shown.pointSize(), points);
    QCOMPARE(NoteFontStyle(shown), style);
}

namespace {

struct PdfPrinter
{
    QPrinter printer{QPrinter::HighResolution};
    QTemporaryDir dir;
    PdfPrinter()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("note.pdf"));
        printer.setFullPage(true);
        printer.setPageLayout(NotePageSetup().ToPageLayout());
    }
    NotePrintLayout Layout(const NotePageSetup &setup = {}) const
    {
        return NotePrintLayout(const_cast<QPrinter *>(&printer), QSize(printer.width(), printer.height()), setup,
                               QFont("DejaVu Sans Mono", 10));
    }
};

int Width(const NotePrintLayout &layout, QPaintDevice *device, const QString &text)
{
    return QFontMetrics(layout.BodyFont(), device).horizontalAdvance(text);
}

} // namespace

void TestShowNote::printShortLinesOnceEach()
{
    PdfPrinter pdf;
    const NotePrintLayout layout = pdf.Layout();
    // A4 at 1200 dots per inch (595 points wide): 16 mm margins at the sides, 20 mm at the top and
    // the bottom, scaled by the printer's width over the page set-up's 21000.
    QCOMPARE(pdf.printer.width(), 9917);
    QCOMPARE(layout.Left(), 756);   // 755.6
    QCOMPARE(layout.Top(), 944);    // 944.48
    QCOMPARE(layout.Width(), pdf.printer.width() - 2 * 756);
    const QList<NotePrintPage> pages = layout.Layout("Shopping", {"milk", "", "bread and butter"});
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].head.text, QString("Shopping"));
    QCOMPARE(pages[0].head.at, QPoint(layout.Left(), layout.Top()));
    QCOMPARE(pages[0].rule.y1(), layout.Top() + layout.HeadHeight());
    QCOMPARE(pages[0].lines.size(), 3);
    QCOMPARE(pages[0].lines[2].text, QString("bread and butter"));
    QCOMPARE(pages[0].lines[0].at.y(), layout.Top() + 2 * layout.HeadHeight());
    QCOMPARE(pages[0].lines[1].at.y() - pages[0].lines[0].at.y(), layout.LineHeight());
    QVERIFY(pages[0].hasFoot);
    QCOMPARE(pages[0].foot.text, QString("Page 1"));
}

void TestShowNote::printWrapsAtBlanksOrCutsLongWords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("atBlank");
    QTest::newRow("words") << QString("word ").repeated(60).trimmed() << true;
    QTest::newRow("one long word") << QString("x").repeated(300) << false;
}

void TestShowNote::printWrapsAtBlanksOrCutsLongWords()
{
    QFETCH(QString, line);
    QFETCH(bool, atBlank);
    PdfPrinter pdf;
    const NotePrintLayout layout = pdf.Layout();
    const QList<NotePrintPage> pages = layout.Layout("Title", {line});
    QCOMPARE(pages.size(), 1);
    const QList<NotePrintText> &lines = pages[0].lines;
    QVERIFY(lines.size() > 1);
    QString joined;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        joined += lines[i].text;
        QVERIFY(Width(layout, &pdf.printer, lines[i].text) <= layout.Width());
        if (i + 1 == lines.size())
            break;
        if (atBlank) {
            QVERIFY(lines[i].text.endsWith(' '));
        } else {
            // Cut at the last character that fits: one more would not.
            QVERIFY(Width(layout, &pdf.printer, lines[i].text + lines[i + 1].text.left(1)) > layout.Width());
        }
    }
    QCOMPARE(joined, line);
}

void TestShowNote::printFillsPagesAndFootsEachOne()
{
    PdfPrinter pdf;
    const NotePrintLayout layout = pdf.Layout();
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QString("line %1").arg(i);
    const QList<NotePrintPage> pages = layout.Layout("Long note", lines);
    // A page takes lines until the next two would reach past the text area.
    int perPage = 1;
    while (2 * layout.HeadHeight() + (perPage - 1) * layout.LineHeight() + 2 * layout.LineHeight() <= layout.Height())
        ++perPage;
    QCOMPARE(pages.size(), int((200 + perPage - 1) / perPage));
    int printed = 0;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QCOMPARE(pages[page].head.text, QString("Long note"));
        if (page + 1 < pages.size())
            QCOMPARE(pages[page].lines.size(), perPage);
        printed += pages[page].lines.size();
        QVERIFY(pages[page].lines.last().at.y() + layout.LineHeight() <= layout.Top() + layout.Height());
        QVERIFY(pages[page].hasFoot);
        const QString foot = QString("Page %1").arg(page + 1);
        QCOMPARE(pages[page].foot.text, foot);
        QCOMPARE(pages[page].foot.at.y(), pdf.printer.height() - layout.Bottom() - 2 * layout.LineHeight());
        QCOMPARE(pages[page].foot.at.x(), layout.Left() + (layout.Width() - Width(layout, &pdf.printer, foot)) / 2);
    }
    QCOMPARE(printed, 200);
    QCOMPARE(pages.last().lines.last().text, QString("line 200"));
}

QTEST_MAIN(TestShowNote)
#include "tst_shownote.moc"
