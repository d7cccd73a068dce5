// The contacts menu as its user meets it: the cards of the address book in the book's order up to
// the limit, groups left out, the commands on top of a submenu only, an error entry when the book
// is missing, and a chosen contact's details and a new contact written to the book.
#include "contacts/addressbook.h"
#include "dialogs/taddcontact.h"
#include "dialogs/tcontactdetails.h"
#include "dialogs/tfindcontact.h"
#include "foundation/messages.h"
#include "menus/contactsmenu.h"
#include "menus/menubuilder.h"
#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "menuprobe.h"
#include "testenv.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

template <typename T> T *OpenWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

const QByteArray kBook = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zed & Co\r\nEMAIL:zed@example.org\r\n"
                         "URL:www.zed.example\r\nTEL;TYPE=cell:+1 555 0199\r\nEND:VCARD\r\n"
                         "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Friends\r\nEND:VCARD\r\n"
                         "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Adams;Ann\r\nEND:VCARD\r\n"
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nEMAIL:nobody@example.org\r\nEND:VCARD\r\n"
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Broken\r\n"
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Mia\r\nEND:VCARD\r\n";

} // namespace

class TestContactsMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void contactsInBookOrder_data();
    void contactsInBookOrder();
    void missingBookShowsTheError();
    void submenuOfTheBarHasTheCommandsOnce();
    void contactOpensItsDetails();
    void addContactAppendsToTheBook();
    void findContactFiltersAsOneTypes();

private:
    std::unique_ptr<TestHome> m_home;
    QString m_bookPath;
};

void TestContactsMenu::init()
{
    m_home = std::make_unique<TestHome>();
    m_bookPath = m_home->writeFile("book.vcf", kBook);
}

void TestContactsMenu::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TQuorixDialog *>(widget))
            delete widget;
    }
    SetMessageResponder({});
    m_home.reset();
}

void TestContactsMenu::contactsInBookOrder_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("commands");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("all, with commands")
        << 0 << true << QStringList{"Add Contact...", "Find Contact...", "-", "Zed && Co", "Ann Adams", "", "Mia"};
    QTest::newRow("limit 3 skips the group") << 3 << false << QStringList{"Zed && Co", "Ann Adams", ""};
    QTest::newRow("limit 1") << 1 << false << QStringList{"Zed && Co"};
}

void TestContactsMenu::contactsInBookOrder()
{
    QFETCH(int, limit);
    QFETCH(bool, commands);
    QMenu menu;
    FillContactsMenu(&menu, {m_bookPath, limit, commands, false});
    QTEST(Captions(&menu), "captions");
}

void TestContactsMenu::missingBookShowsTheError()
{
    QMenu menu;
    FillContactsMenu(&menu, {m_home->path() + "/none.vcf", 0, true, false});
    QCOMPARE(Captions(&menu), QStringList{"Error: Address Book Not Found"});
    QVERIFY(!menu.actions().first()->isEnabled());
}

void TestContactsMenu::submenuOfTheBarHasTheCommandsOnce()
{
    m_home->writeFile("menusettings.ini",
                      "[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"People\"; path:\"$CONTACTS$\"; maxitems:\"2\";\n"
                      "item0001=active:\"1\"; itemtype:\"0\"; name:\"Flat\"; path:\"$CONTACTS$\"; expanded:\"1\";\n");
    MenuBuilder builder;
    builder.SetDefinitionsFile(m_home->path() + "/menusettings.ini");
    builder.SetAddressBookPath(m_bookPath);
    builder.SetShowIcons(false);
    QMenuBar bar;
    builder.GenerateMenu(&bar, 0);
    // Expanded onto the bar itself: the contacts without commands.
    QCOMPARE(Captions(&bar).mid(1), (QStringList{"Zed && Co", "Ann Adams", "", "Mia"}));
    auto *people = qobject_cast<TBMenuSubItem *>(bar.actions().first()->menu());
    QVERIFY(people);
    Q_EMIT people->aboutToShow();
    QCOMPARE(Captions(people), (QStringList{"Add Contact...", "Find Contact...", "-", "Zed && Co", "Ann Adams"}));
}

void TestContactsMenu::contactOpensItsDetails()
{
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    QMenu menu;
    FillContactsMenu(&menu, {m_bookPath, 0, false, false});
    Action(&menu, "Zed && Co")->trigger();
    auto *details = OpenWindow<TContactDetails>();
    QVERIFY(details);
    QCOMPARE(details->NameLabel->text(), "Zed & Co");
    QVERIFY(details->EmailLabel->text().contains("href=\"mailto:zed@example.org\""));
    QVERIFY(details->HomePageLabel->text().contains("href=\"http://www.zed.example\""));
    QCOMPARE(details->TelephoneLabel->text(), "+1 555 0199 (cell)");
    details->LinkActivated("mailto:zed@example.org");
    QCOMPARE(launcher.Records().size(), 1);
}

void TestContactsMenu::addContactAppendsToTheBook()
{
    QMenu menu;
    FillContactsMenu(&menu, {m_bookPath, 0, true, false});
    Action(&menu, "Add Contact...")->trigger();
    auto *editor = OpenWindow<TAddContact>();
    QVERIFY(editor);
    QVERIFY(!editor->Button2->isEnabled());
    editor->Edit1->setText("Neil");
    editor->Edit2->setText("Newman");
    editor->Edit3->setText("not an address");
    QStringList shown;
    SetMessageResponder([&shown](const MessageRequest &request) {
        shown << request.text;
        return 0;
    });
    editor->Button2->click();
    QCOMPARE(shown, QStringList{"Error\r\rThat is not an e-mail address."});
    QCOMPARE(readWholeFile(m_bookPath), kBook); // nothing written
    editor->Edit3->setText("neil@example.org");
    editor->Button2->click();
    QVERIFY(!editor->isVisible());
    QVERIFY(readWholeFile(m_bookPath).startsWith(kBook));
    QMenu again;
    FillContactsMenu(&again, {m_bookPath, 0, false, false});
    QCOMPARE(Captions(&again).last(), "Neil Newman");
}

void TestContactsMenu::findContactFiltersAsOneTypes()
{
    TFindContact find(m_bookPath);
    find.show();
    QCOMPARE(find.ListBox1->count(), 4); // every card but the group
    QTest::keyClicks(find.Edit1, "ZED@");
    QCOMPARE(find.ListBox1->count(), 1);
    QCOMPARE(find.ListBox1->item(0)->text(), "Zed & Co");
    find.Button1->click();
    auto *details = OpenWindow<TContactDetails>();
    QVERIFY(details);
    QCOMPARE(details->NameLabel->text(), "Zed & Co");
    find.Edit1->setText("nothing like it");
    QCOMPARE(find.ListBox1->count(), 0);
    QVERIFY(!find.Button1->isEnabled());
}

QTEST_MAIN(TestContactsMenu)
#include "tst_contactsmenu.moc"
