// The URL editor writes the shortcuts the URLs menus list: its messages, the folder question, the
// file it writes (read back by the menus' own reader) and the sub folder the browser gives it.
#include "dialogs/taddurl.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "menus/menubuilder.h"
#include "menus/tbmenusubitem.h"
#include "platform/internetshortcut.h"
#include "platform/xdgpaths.h"
#include "menuprobe.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

// Answers every box with the button given, and writes down what each said.
struct Boxes
{
    QStringList texts;
    int answer = 0;
};

class BrowsingAddURL : public TAddURL
{
public:
    QString chosen;
    int browsed = 0;

protected:
    QString BrowseUrlFolder() override
    {
        ++browsed;
        return chosen;
    }
};

} // namespace

class TestAddURL : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void okNeedsNameAndAddress();
    void messages_data();
    void messages();
    void newsInDailyIsListedByTheMenu();
    void addressGetsAScheme_data();
    void addressGetsAScheme();
    void browserGivesTheSubFolder_data();
    void browserGivesTheSubFolder();

private:
    QString Favorites() const { return WithTrailingSlash(ExpandPathMacro("$URLS$")); }
    std::unique_ptr<TestHome> m_home;
    Boxes m_boxes;
};

void TestAddURL::init()
{
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(Favorites());
    m_boxes = {};
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes.texts << request.text;
        return m_boxes.answer;
    });
}

void TestAddURL::cleanup()
{
    SetMessageResponder({});
    m_home.reset();
}

void TestAddURL::okNeedsNameAndAddress()
{
    TAddURL editor;
    QCOMPARE(editor.Edit2->text(), "http://");
    QVERIFY(!editor.Button2->isEnabled());
    editor.Edit1->setText("News");
    QVERIFY(editor.Button2->isEnabled());
    editor.Edit2->clear();
    QVERIFY(!editor.Button2->isEnabled());
}

void TestAddURL::messages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<int>("answer");          // 0 Yes, 1 No
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("written");

    const QString question = "Folder does not exist\r\rThe folder \"%1\" does not exist. Do you want to create it?";
    QTest::newRow("exists already") << "Old" << "" << 0
                                    << QStringList{"Error\r\rAn URL with that name already exists in that folder."}
                                    << false;
    QTest::newRow("folder refused") << "News" << "Daily" << 1 << QStringList{question.arg("~Daily/")} << false;
    QTest::newRow("folder cannot be made") << "News" << "blocker/x" << 0
                                           << QStringList{question.arg("~blocker/x/"),
                                                          "Error\r\rThe folder could not be created."}
                                           << false;
    QTest::newRow("sub folder leaves the URLs folder")
        << "News" << "../../elsewhere" << 0 << QStringList{"Error\r\rThe sub folder must lie inside your URLs folder."}
        << false;
    QTest::newRow("name with a slash")
        << "a/b" << "" << 0 << QStringList{"Error\r\rThe name of your URL cannot contain \"/\" or be \".\" or \"..\"."}
        << false;
    QTest::newRow("Windows separators make sub folders") << "News" << "Daily\\Morning" << 0
                                                         << QStringList{question.arg("~Daily/Morning/")} << true;
}

void TestAddURL::messages()
{
    QFETCH(QString, name);
    QFETCH(QString, subFolder);
    QFETCH(int, answer);
    QFETCH(QStringList, texts);
    QFETCH(bool, written);
    m_home->writeFile(Favorites() + "Old.url", "[InternetShortcut]\r\nURL=http://old.example/\r\n");
    m_home->writeFile(Favorites() + "blocker", "a file, not a folder");
    m_boxes.answer = answer;
    TAddURL editor;
    editor.show();
    editor.Edit1->setText(name);
    editor.Edit2->setText("http://news.example/");
    editor.Edit3->setText(subFolder);
    editor.Button2->click();
    for (QString &text : texts)
        text.replace("~", Favorites());
    QCOMPARE(m_boxes.texts, texts);
    QCOMPARE(editor.isVisible(), !written);
    QCOMPARE(QFileInfo::exists(editor.ShortcutFile()), written || name == "Old");
    QCOMPARE(ReadInternetShortcut(Favorites() + "Old.url"), "http://old.example/");
}

void TestAddURL::newsInDailyIsListedByTheMenu()
{
    TAddURL editor;
    editor.show();
    editor.Edit1->setText("News");
    editor.Edit2->setText("news.example/today");
    editor.Edit3->setText("Daily");
    editor.Button2->click();
    QCOMPARE(m_boxes.texts.size(), 1); // the folder question, answered Yes
    QVERIFY(!editor.isVisible());
    QCOMPARE(ReadInternetShortcut(Favorites() + "Daily/News.url"), "http://news.example/today");

    // The URLs menu: its commands, then the sub folder that now holds the shortcut.
    m_home->writeFile("menusettings.ini",
                      "[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Links\"; path:\"$URLS$\";\n");
    MenuBuilder builder;
    builder.SetDefinitionsFile(m_home->path() + "/menusettings.ini");
    builder.SetShowIcons(false);
    QMenu menu;
    builder.FillMenuFromPath(&menu, "$URLS$", -1, "*.*", true);
    QCOMPARE(Captions(&menu), (QStringList{"Add URL...", "Manage URL's...", "-", "Daily>"}));
    auto *daily = qobject_cast<TBMenuSubItem *>(menu.actions().last()->menu());
    Q_EMIT daily->aboutToShow();
    QCOMPARE(Captions(daily), QStringList{"News.url"});

    TAddURL again;
    again.Edit1->setText("News");
    again.Edit2->setText("http://other.example/");
    again.Edit3->setText("Daily");
    again.Button2->click();
    QCOMPARE(m_boxes.texts.last(), "Error\r\rAn URL with that name already exists in that folder.");
    QCOMPARE(ReadInternetShortcut(Favorites() + "Daily/News.url"), "http://news.example/today");
}

void TestAddURL::addressGetsAScheme_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain host") << "www.example.org" << "http://www.example.org";
    QTest::newRow("https kept") << "https://example.org/a" << "https://example.org/a";
    QTest::newRow("ftp kept") << "ftp://files.example.org" << "ftp://files.example.org";
    QTest::newRow("mailto kept") << "mailto:ann@example.org" << "mailto:ann@example.org";
    QTest::newRow("host with port") << "localhost:8080/x" << "http://localhost:8080/x";
    QTest::newRow("blanks trimmed") << "  example.org " << "http://example.org";
}

void TestAddURL::addressGetsAScheme()
{
    QFETCH(QString, typed);
    QTEST(WithDefaultScheme(typed), "stored");
}

void TestAddURL::browserGivesTheSubFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("subFolder");
    QTest::newRow("a sub folder") << "$URLS$/Daily" << "Daily";
    QTest::newRow("two levels, trailing slash") << "$URLS$/Daily/Morning/" << "Daily/Morning";
    QTest::newRow("the URLs folder itself") << "$URLS$" << "";
    QTest::newRow("cancelled keeps the field") << "" << "typed";
}

void TestAddURL::browserGivesTheSubFolder()
{
    QFETCH(QString, chosen);
    BrowsingAddURL editor;
    editor.Edit3->setText("typed");
    editor.chosen = chosen;
    editor.Button1->click();
    QCOMPARE(editor.browsed, 1);
    QTEST(editor.Edit3->text(), "subFolder");
}

QTEST_MAIN(TestAddURL)
#include "tst_addurl.moc"
