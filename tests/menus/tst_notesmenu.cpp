// The notes menu as the user meets it: "Add Note..." and a separator in a notes submenu, category
// submenus first, notes sorted by title, the item limit, and the note window a choice opens.
#include "foundation/messages.h"
#include "menus/menubuilder.h"
#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "notes/notestore.h"
#include "notes/tshownote.h"
#include "menuprobe.h"
#include "testenv.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

namespace {

TBMenuSubItem *Open(QAction *action)
{
    auto *menu = action ? qobject_cast<TBMenuSubItem *>(action->menu()) : nullptr;
    if (menu)
        Q_EMIT menu->aboutToShow();
    return menu;
}

QList<TShowNote *> NoteWindows()
{
    QList<TShowNote *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<TShowNote *>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

} // namespace

class TestNotesMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void submenuListsCommandsCategoriesAndNotes();
    void categorySubmenuListsItsNotesOnly();
    void expandedEntryAddsNoCommands();
    void limitCountsCategoriesAndNotes_data();
    void limitCountsCategoriesAndNotes();
    void damagedStoreShowsNothing();
    void choosingANoteOpensItsWindow();
    void addNoteOpensAnEmptyWindow();

private:
    QMenuBar *Generate(const QString &entry);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MenuBuilder> m_builder;
    std::unique_ptr<QMenuBar> m_bar;
};

void TestNotesMenu::init()
{
    m_home = std::make_unique<TestHome>();
    m_builder = std::make_unique<MenuBuilder>();
    m_builder->SetMaxNumber(125);
    m_builder->SetDefinitionsFile(m_home->path() + "/menusettings.ini");
    CreateNoteStore();
    AddNote("Work", "Report", "due friday");
    AddNote("", "zebra", "z");
    AddNote("home", "B&B", "book");
    AddNote("", "Apple", "a");
    AddNote("Home", "Garden", "water");
}

void TestNotesMenu::cleanup()
{
    for (TShowNote *window : NoteWindows())
        delete window;
    m_bar.reset();
    m_builder.reset();
    m_home.reset();
}

QMenuBar *TestNotesMenu::Generate(const QString &entry)
{
    m_home->writeFile("menusettings.ini", ("[menu]\nitem0000=" + entry + "\n").toUtf8());
    m_bar = std::make_unique<QMenuBar>();
    m_builder->GenerateMenu(m_bar.get(), 0);
    return m_bar.get();
}

void TestNotesMenu::submenuListsCommandsCategoriesAndNotes()
{
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"&Notes"; path:"$NOTES$"; maxitems:"-1"; expanded:"0";)");
    TBMenuSubItem *notes = Open(Action(bar, "&Notes"));
    QVERIFY(notes);
    QCOMPARE(Captions(notes), QStringList({"Add Note...", "-", "home>", "Work>", "Apple", "zebra"}));
}

void TestNotesMenu::categorySubmenuListsItsNotesOnly()
{
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"&Notes"; path:"$NOTES$"; maxitems:"-1"; expanded:"0";)");
    TBMenuSubItem *home = Open(Action(Open(Action(bar, "&Notes")), "home"));
    QVERIFY(home);
    QCOMPARE(home->Path(), QString("$NOTES$/home"));
    // Both spellings of the category, "&" shown as it is, no command entry.
    QCOMPARE(Captions(home), QStringList({"B&&B", "Garden"}));
}

void TestNotesMenu::expandedEntryAddsNoCommands()
{
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"Notes"; path:"$NOTES$"; maxitems:"-1"; expanded:"1";)");
    QCOMPARE(Captions(bar), QStringList({"home>", "Work>", "Apple", "zebra"}));
    // A direct entry for one category opened as a submenu has the command, but no categories.
    bar = Generate(R"(active:"1"; itemtype:"0"; name:"Work"; path:"$NOTES$\Work"; maxitems:"-1"; expanded:"0";)");
    QCOMPARE(Captions(Open(Action(bar, "Work"))), QStringList({"Add Note...", "-", "Report"}));
}

void TestNotesMenu::limitCountsCategoriesAndNotes_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("3") << "3" << QStringList({"Add Note...", "-", "home>", "Work>", "Apple"});
    QTest::newRow("1") << "1" << QStringList({"Add Note...", "-", "home>"});
    QTest::newRow("no limit") << "0" << QStringList({"Add Note...", "-", "home>", "Work>", "Apple", "zebra"});
}

void TestNotesMenu::limitCountsCategoriesAndNotes()
{
    QFETCH(QString, limit);
    QFETCH(QStringList, captions);
    QMenuBar *bar = Generate(QString(R"(active:"1"; itemtype:"0"; name:"N"; path:"$NOTES$"; maxitems:"%1"; expanded:"0";)").arg(limit));
    QCOMPARE(Captions(Open(Action(bar, "N"))), captions);
}

void TestNotesMenu::damagedStoreShowsNothing()
{
    m_home->writeFile(NoteStorePath(), "MLB and then nothing useful");
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"N"; path:"$NOTES$"; maxitems:"-1"; expanded:"0";)");
    QCOMPARE(Captions(Open(Action(bar, "N"))), QStringList({"Add Note...", "-"}));
}

void TestNotesMenu::choosingANoteOpensItsWindow()
{
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"N"; path:"$NOTES$"; maxitems:"-1"; expanded:"0";)");
    QAction *report = Action(Open(Action(Open(Action(bar, "N")), "Work")), "Report");
    QVERIFY(report);
    QCOMPARE(qobject_cast<TBMenuItem *>(report)->Path(), QString("1"));
    report->trigger();
    // The window opens once the menu is done, not inside the click.
    QVERIFY(NoteWindows().isEmpty());
    QTRY_COMPARE(NoteWindows().size(), 1);
    QCOMPARE(NoteWindows().first()->Memo1->toPlainText(), QString("due friday"));
    QVERIFY(!NoteWindows().first()->isModal());
}

void TestNotesMenu::addNoteOpensAnEmptyWindow()
{
    QMenuBar *bar = Generate(R"(active:"1"; itemtype:"0"; name:"N"; path:"$NOTES$"; maxitems:"-1"; expanded:"0";)");
    Action(Open(Action(bar, "N")), "Add Note...")->trigger();
    QTRY_COMPARE(NoteWindows().size(), 1);
    QCOMPARE(NoteWindows().first()->NoteId(), kNewNoteId);
    QVERIFY(NoteWindows().first()->Memo1->toPlainText().isEmpty());
}

QTEST_MAIN(TestNotesMenu)
#include "tst_notesmenu.moc"
