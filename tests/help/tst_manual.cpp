// The help viewer as its user meets it: the pages it shows and the ones it refuses, the Back list,
// Refresh and Home, the tabs a help file asks for, the search, the links inside pages, and the
// place the window keeps between sessions.
#include "foundation/messages.h"
#include "help/backlist.h"
#include "help/helpfilelocation.h"
#include "help/qdsfile.h"
#include "help/tmanual.h"
#include "help/windowparams.h"
#include "platform/fake/fakeregistrystore.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "qdswriter.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

const QStringList kNames = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};

class MessageLog
{
public:
    MessageLog()
    {
        m_old = SetMessageResponder([this](const MessageRequest &request) {
            texts << request.text;
            captions << request.caption;
            return 0;
        });
    }
    ~MessageLog() { SetMessageResponder(m_old); }
    QStringList texts;
    QStringList captions;

private:
    MessageResponder m_old;
};

// Pages "a" to "l", titled "Page A" ..., each linking to the next; "a" is the home page.
QByteArray GuideFile(bool compressed = true, quint8 tabs = 7)
{
    QdsWriter writer;
    writer.SetTitle(QStringLiteral("Quorix"));
    writer.SetDefaultPage(QStringLiteral("a"));
    writer.SetCompressed(compressed);
    writer.SetTabs(tabs & 1, tabs & 2, tabs & 4);
    std::vector<QdsWriter::Node> nodes;
    for (int k = 0; k < kNames.size(); ++k) {
        const QString next = kNames[(k + 1) % kNames.size()];
        const QString body = QStringLiteral("<html><body><h1>%1</h1><p>Text of page %1 about the %2 box.</p>"
                                            "<p><a href=\"&qdspage;/%3#part\">next</a></p></body></html>")
                                 .arg(kNames[k], k % 2 ? QStringLiteral("run") : QStringLiteral("hotkey"), next);
        nodes.push_back({QString(), writer.AddPage(kNames[k], QStringLiteral("Page ") + kNames[k].toUpper(),
                                                   body.toUtf8()), {}});
    }
    writer.AddPage(QStringLiteral("empty"), QStringLiteral("Aliases of an empty page"), QByteArray());
    writer.AddPage(QStringLiteral("m"), QStringLiteral("Shortcut words"), "<p>Nothing else here.</p>");
    writer.SetContents(std::move(nodes));
    return writer.Write();
}

// The position in the browser of the first link's text.
QPoint LinkPosition(QTextBrowser *browser)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor()) {
                QTextCursor cursor(browser->document());
                cursor.setPosition(it.fragment().position() + 1);
                return browser->cursorRect(cursor).center();
            }
        }
    }
    return {};
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void backListSequences_data();
    void backListSequences();
    void windowParamsBytes_data();
    void windowParamsBytes();

    void opensAtTheHomePage();
    void samePageTwiceAddsNothing();
    void visitingTwelvePagesKeepsTen();
    void backAndTheDropDown();
    void homeAndRefresh();
    void unknownTopicChangesNothing();
    void unreadablePageIsReported();
    void tabsFollowTheHeader_data();
    void tabsFollowTheHeader();
    void refusedFileShowsNothing();
    void contentsAndIndexOpenPages();
    void searchFindsPages_data();
    void searchFindsPages();
    void followingALinkAndGoingBack();
    void externalLinksOpenInTheBrowser();
    void showHelpWithoutAFile();
    void showHelpKeepsOneViewer();
    void placementIsKeptInTheRegistryStore();
    void theGuideHasEveryTopicTheProgramOpens();

private:
    TManual *Viewer(const QByteArray &file = GuideFile());

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeRegistryStore> m_registry;
    std::unique_ptr<ScopedService<RegistryStore>> m_useRegistry;
    std::unique_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<ScopedService<Launcher>> m_useLauncher;
    QPointer<TManual> m_viewer;
};

void TestManual::init()
{
    m_home = std::make_unique<TestHome>();
    m_registry = std::make_unique<FakeRegistryStore>();
    m_useRegistry = std::make_unique<ScopedService<RegistryStore>>(*m_registry);
    m_launcher = std::make_unique<RecordingLauncher>();
    m_useLauncher = std::make_unique<ScopedService<Launcher>>(*m_launcher);
}

void TestManual::cleanup()
{
    delete m_viewer.data();
    delete TManual::Instance();
    m_useLauncher.reset();
    m_launcher.reset();
    m_useRegistry.reset();
    m_registry.reset();
    m_home.reset();
}

TManual *TestManual::Viewer(const QByteArray &file)
{
    const QString path = m_home->writeFile(QStringLiteral("Help/quorix.qds"), file);
    m_viewer = new TManual;
    m_viewer->setAttribute(Qt::WA_DeleteOnClose, false);
    m_viewer->LoadHelpFile(path);
    m_viewer->show();
    return m_viewer;
}

void TestManual::backListSequences_data()
{
    QTest::addColumn<QList<int>>("visits");      // pages shown in turn
    QTest::addColumn<QList<int>>("actions");     // then: -1 the Back button, n >= 0 the drop-down's entry n
    QTest::addColumn<QList<int>>("expected");    // the Back list's pages, newest first
    QTest::addColumn<int>("current");
    QTest::newRow("A B C") << QList<int>{0, 1, 2} << QList<int>{} << QList<int>{1, 0} << 2;
    QTest::newRow("A B C, choose A") << QList<int>{0, 1, 2} << QList<int>{1} << QList<int>{2} << 0;
    QTest::newRow("A B C, Back") << QList<int>{0, 1, 2} << QList<int>{-1} << QList<int>{2, 0} << 1;
    QTest::newRow("A B C, Back twice") << QList<int>{0, 1, 2} << QList<int>{-1, -1} << QList<int>{1, 0} << 2;
    QTest::newRow("A B A") << QList<int>{0, 1, 0} << QList<int>{} << QList<int>{1, 0} << 0;
    QTest::newRow("twelve pages") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << QList<int>{}
                                  << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1} << 11;
    QTest::newRow("one page") << QList<int>{0} << QList<int>{-1} << QList<int>{} << 0;
}

void TestManual::backListSequences()
{
    QFETCH(QList<int>, visits);
    QFETCH(QList<int>, actions);
    QFETCH(QList<int>, expected);
    QFETCH(int, current);
    // The viewer's rule: showing a page puts the page left on top of the list.
    BackList list;
    int shown = -1;
    auto show = [&](int page) {
        if (page < 0 || page == shown)
            return;
        if (shown >= 0)
            list.PageLeft(QString::number(shown), shown);
        shown = page;
    };
    for (const int page : visits)
        show(page);
    for (const int action : actions)
        show(action < 0 ? list.TakeNewest() : list.TakeUpTo(action));
    QList<int> pages;
    for (const BackList::Entry &entry : list.Entries())
        pages << entry.page;
    QCOMPARE(pages, expected);
    QCOMPARE(shown, current);
}

void TestManual::windowParamsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QList<int>>("geometry");
    QTest::newRow("placed") << QByteArray::fromHex("00" "64000000" "C8000000" "20030000" "58020000") << false
                            << QList<int>{100, 200, 800, 600};
    QTest::newRow("maximised") << QByteArray::fromHex("01" "0A000000" "0B000000" "0C000000" "0D000000") << true
                               << QList<int>{10, 11, 12, 13};
    QTest::newRow("left of the screen") << QByteArray::fromHex("00" "F6FFFFFF" "00000000" "00000000" "00000000")
                                        << false << QList<int>{-10, 0, 0, 0};
    QTest::newRow("missing bytes count as 0") << QByteArray::fromHex("0064") << false << QList<int>{100, 0, 0, 0};
    QTest::newRow("empty") << QByteArray() << false << QList<int>{0, 0, 0, 0};
}

void TestManual::windowParamsBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, maximized);
    QFETCH(QList<int>, geometry);
    const WindowParams params = WindowParams::FromBytes(bytes);
    QCOMPARE(params.maximized, maximized);
    QCOMPARE((QList<int>{params.left, params.top, params.width, params.height}), geometry);
    QCOMPARE(params.ToBytes().size(), 17);
    if (bytes.size() == 17) {
        QCOMPARE(params.ToBytes(), bytes);
        QCOMPARE(WindowParams::FromStoredText(params.ToStoredText()).ToBytes(), bytes);
    }
    QCOMPARE(WindowParams::FromStoredText(QStringLiteral("not hex")).ToBytes(), WindowParams().ToBytes());
}

void TestManual::opensAtTheHomePage()
{
    TManual *viewer = Viewer();
    QCOMPARE(viewer->objectName(), QStringLiteral("Manual"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Quorix - User Guide"));
    QCOMPARE(viewer->CurrentPage(), 0);
    QVERIFY(viewer->findChild<QTextBrowser *>("Browser")->toPlainText().contains("Text of page a"));
    QVERIFY(viewer->Back().IsEmpty());
    QVERIFY(!viewer->findChild<QToolButton *>("BackList")->isEnabled());
    QVERIFY(!viewer->findChild<QToolButton *>("TBItem1")->isEnabled());   // Home, on the home page
    QVERIFY(viewer->findChild<QToolButton *>("TBItem2")->isEnabled());    // Refresh
}

void TestManual::samePageTwiceAddsNothing()
{
    TManual *viewer = Viewer();
    viewer->ShowPageByName(QStringLiteral("b"));
    viewer->ShowPageByName(QStringLiteral("b"));
    QCOMPARE(viewer->CurrentPage(), 1);
    QCOMPARE(viewer->Back().Entries().size(), 1);
    QCOMPARE(viewer->Back().Entries()[0].caption, QStringLiteral("Page A"));
}

void TestManual::visitingTwelvePagesKeepsTen()
{
    TManual *viewer = Viewer();
    for (const QString &name : kNames)
        viewer->ShowPageByName(name);
    QCOMPARE(viewer->Back().Entries().size(), 10);
    QCOMPARE(viewer->Back().Entries().first().caption, QStringLiteral("Page K"));
    QCOMPARE(viewer->findChild<QToolButton *>("BackList")->menu()->actions().size(), 10);
}

void TestManual::backAndTheDropDown()
{
    TManual *viewer = Viewer();
    viewer->ShowPageByName(QStringLiteral("b"));
    viewer->ShowPageByName(QStringLiteral("c"));
    auto *back = viewer->findChild<QToolButton *>("BackList");
    back->menu()->actions()[1]->trigger();   // "Page A"
    QCOMPARE(viewer->CurrentPage(), 0);
    QCOMPARE(viewer->Back().Entries().size(), 1);
    QCOMPARE(viewer->Back().Entries()[0].page, 2);
    back->click();
    QCOMPARE(viewer->CurrentPage(), 2);
    back->click();
    QCOMPARE(viewer->CurrentPage(), 0);
}

void TestManual::homeAndRefresh()
{
    TManual *viewer = Viewer();
    auto *home = viewer->findChild<QToolButton *>("TBItem1");
    auto *browser = viewer->findChild<QTextBrowser *>("Browser");
    viewer->ShowPageByName(QStringLiteral("d"));
    QVERIFY(home->isEnabled());
    browser->clear();
    viewer->findChild<QToolButton *>("TBItem2")->click();
    QCOMPARE(viewer->CurrentPage(), 3);
    QVERIFY(browser->toPlainText().contains("Text of page d"));
    QCOMPARE(viewer->Back().Entries().size(), 1);
    home->click();
    QCOMPARE(viewer->CurrentPage(), 0);
    QVERIFY(!home->isEnabled());
}

void TestManual::unknownTopicChangesNothing()
{
    TManual *viewer = Viewer();
    viewer->ShowPageByName(QStringLiteral("c"));
    viewer->ShowPageByName(QStringLiteral("C"));
    viewer->ShowPageByName(QStringLiteral("settings_nothing.html"));
    QCOMPARE(viewer->CurrentPage(), 2);
}

void TestManual::unreadablePageIsReported()
{
    QByteArray file = GuideFile();
    file.truncate(file.size() - 40);   // the last page's stream is cut short
    MessageLog messages;
    TManual *viewer = Viewer(file);
    viewer->ShowPageByName(QStringLiteral("l"));
    QCOMPARE(messages.texts, QStringList{"Error\r\rError reading page"});
    QCOMPARE(messages.captions, QStringList{QString()});
    QCOMPARE(viewer->CurrentPage(), 0);
}

void TestManual::tabsFollowTheHeader_data()
{
    QTest::addColumn<int>("flags");     // 1 Content, 2 Index, 4 Search
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("all") << 7 << QStringList{"ContentSheet", "IndexSheet", "SearchSheet"};
    QTest::newRow("index only") << 2 << QStringList{"IndexSheet"};
    QTest::newRow("content and search") << 5 << QStringList{"ContentSheet", "SearchSheet"};
    QTest::newRow("none") << 0 << QStringList{};
}

void TestManual::tabsFollowTheHeader()
{
    QFETCH(int, flags);
    QFETCH(QStringList, tabs);
    TManual *viewer = Viewer(GuideFile(true, quint8(flags)));
    auto *control = viewer->findChild<QTabWidget *>("PageControl1");
    QStringList shown;
    for (int i = 0; i < control->count(); ++i) {
        if (control->isTabVisible(i))
            shown << control->widget(i)->objectName();
    }
    QCOMPARE(shown, tabs);
    QCOMPARE(control->isVisible(), !tabs.isEmpty());
}

void TestManual::refusedFileShowsNothing()
{
    QByteArray file = GuideFile();
    file[8] = 2;   // another version
    TManual *viewer = Viewer(file);
    QVERIFY(!viewer->findChild<QTabWidget *>("PageControl1")->isVisible());
    QCOMPARE(viewer->CurrentPage(), -1);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("User Guide"));
    QVERIFY(viewer->findChild<QTextBrowser *>("Browser")->toPlainText().isEmpty());
}

void TestManual::contentsAndIndexOpenPages()
{
    TManual *viewer = Viewer();
    auto *tree = viewer->findChild<QTreeWidget *>("ContentTree");
    QCOMPARE(tree->topLevelItemCount(), 12);
    QCOMPARE(tree->topLevelItem(4)->text(0), QStringLiteral("Page E"));
    Q_EMIT tree->itemClicked(tree->topLevelItem(4), 0);
    QCOMPARE(viewer->CurrentPage(), 4);
    viewer->ShowPageByName(QStringLiteral("h"));
    QCOMPARE(tree->currentItem(), tree->topLevelItem(7));   // the page shown is marked in the tabs
    auto *index = viewer->findChild<QListWidget *>("IndexList");
    QCOMPARE(index->count(), 14);
    QCOMPARE(index->item(12)->text(), QStringLiteral("Aliases of an empty page"));
    index->setFocus();
    index->setCurrentRow(6);
    QTest::keyClick(index, Qt::Key_Return);
    QCOMPARE(viewer->CurrentPage(), 6);
    QCOMPARE(index->currentRow(), 6);
}

void TestManual::searchFindsPages_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("two terms") << "run BOX" << QStringList{"Page B", "Page D", "Page F", "Page H", "Page J", "Page L"};
    QTest::newRow("phrase") << "\"page c about\"" << QStringList{"Page C"};
    QTest::newRow("phrase and word") << "\"the hotkey box\" \"page e\"" << QStringList{"Page E"};
    QTest::newRow("title only") << "shortcut" << QStringList{"Shortcut words"};
    QTest::newRow("empty pages are not examined") << "aliases" << QStringList{"No topics found"};
    QTest::newRow("in a title") << "\"page k\"" << QStringList{"Page K"};
    QTest::newRow("no terms") << "   " << QStringList{"No topics found"};
    QTest::newRow("nothing matches") << "run hotkey" << QStringList{"No topics found"};
}

void TestManual::searchFindsPages()
{
    QFETCH(QString, query);
    QFETCH(QStringList, results);
    TManual *viewer = Viewer();
    viewer->findChild<QLineEdit *>("Edit1")->setText(query);
    viewer->findChild<QPushButton *>("Button1")->click();
    auto *list = viewer->findChild<QListWidget *>("SearchList");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    QCOMPARE(shown, results);
    QCOMPARE(viewer->findChild<QLabel *>("Label2")->text(), QStringLiteral("Results (%1) :").arg(results.size()));
    QCOMPARE(list->item(0)->font().italic(), results == QStringList{"No topics found"});
    Q_EMIT list->itemClicked(list->item(0));
    const int expected = viewer->SearchResults()[0] < 0 ? 0 : viewer->SearchResults()[0];
    QCOMPARE(viewer->CurrentPage(), expected);
}

void TestManual::followingALinkAndGoingBack()
{
    TManual *viewer = Viewer();
    auto *browser = viewer->findChild<QTextBrowser *>("Browser");
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    const QPoint link = LinkPosition(browser);
    QVERIFY(!link.isNull());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    QCOMPARE(viewer->CurrentPage(), 1);
    // Alt+Left goes back wherever the focus is, also in the page itself.
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), 0);
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer->CurrentPage(), 1);
    viewer->findChild<QToolButton *>("BackList")->click();
    QCOMPARE(viewer->CurrentPage(), 0);
    // The fragment after the page name is not part of it.
    viewer->BrowserBeforeNavigate2(QUrl(QStringLiteral("&qdspage;/e#part")));
    QCOMPARE(viewer->CurrentPage(), 4);
    viewer->BrowserBeforeNavigate2(QUrl(QStringLiteral("about:blank&qdspage;/f")));
    QCOMPARE(viewer->CurrentPage(), 5);
}

void TestManual::externalLinksOpenInTheBrowser()
{
    TManual *viewer = Viewer();
    viewer->BrowserBeforeNavigate2(QUrl(QStringLiteral("https://example.org/quorix")));
    QCOMPARE(m_launcher->Records().size(), 1);
    QCOMPARE(m_launcher->Records()[0].action, QStringLiteral("browser"));
    QCOMPARE(m_launcher->Records()[0].target, QStringLiteral("https://example.org/quorix"));
    QCOMPARE(viewer->CurrentPage(), 0);
}

void TestManual::showHelpWithoutAFile()
{
    MessageLog messages;
    const QByteArray saved = qgetenv("QUORIX_TEST_PROGRAM_DIR");
    qputenv("QUORIX_TEST_PROGRAM_DIR", m_home->path().toUtf8());
    QVERIFY(!TManual::ShowHelp(QStringLiteral("general-about")));
    qputenv("QUORIX_TEST_PROGRAM_DIR", saved);
    QCOMPARE(messages.texts, QStringList{"Error\r\rHelp file not found"});
    QVERIFY(!TManual::Instance());
}

void TestManual::showHelpKeepsOneViewer()
{
    m_home->writeFile(QStringLiteral("program/Default/Data/settings.ini"), "");
    m_home->writeFile(QStringLiteral("program/quorix.qds"), GuideFile());
    const QByteArray saved = qgetenv("QUORIX_TEST_PROGRAM_DIR");
    qputenv("QUORIX_TEST_PROGRAM_DIR", (m_home->path() + QStringLiteral("/program")).toUtf8());
    TManual *first = TManual::ShowHelp(QStringLiteral("c"));
    TManual *second = TManual::ShowHelp(QStringLiteral("e"));
    qputenv("QUORIX_TEST_PROGRAM_DIR", saved);
    QVERIFY(first);
    QCOMPARE(second, first);
    QCOMPARE(first->CurrentPage(), 4);
    // The home page first, then the topics.
    QCOMPARE(first->Back().Entries().size(), 2);
    QCOMPARE(first->Back().Entries()[1].caption, QStringLiteral("Page A"));
    QPointer<TManual> closed = first;
    first->close();
    QTRY_VERIFY(closed.isNull());
    QVERIFY(!TManual::Instance());
}

void TestManual::placementIsKeptInTheRegistryStore()
{
    TManual *viewer = Viewer();
    viewer->move(120, 90);
    viewer->resize(640, 480);
    viewer->close();
    const QString stored = m_registry->ReadString(QStringLiteral("software\\Brenmoor\\QDSManual"),
                                                  QStringLiteral("wndparams"), QString());
    const WindowParams params = WindowParams::FromStoredText(stored);
    QCOMPARE(params.ToBytes().size(), 17);
    QVERIFY(!params.maximized);
    QCOMPARE((QList<int>{params.width, params.height}), (QList<int>{640, 480}));
    QCOMPARE((QList<int>{params.left, params.top}), (QList<int>{viewer->x(), viewer->y()}));
    delete viewer;

    TManual *again = Viewer();
    QCOMPARE(again->size(), QSize(640, 480));
    QCOMPARE(again->pos(), QPoint(params.left, params.top));
}

void TestManual::theGuideHasEveryTopicTheProgramOpens()
{
    // The guide the build packed beside the program, as ShowHelp finds it.
    const QString path = HelpFilePath();
    QVERIFY2(!path.isEmpty(), "no Help/quorix.qds beside the built program");
    QdsFile guide;
    QVERIFY(guide.Open(path));
    QVERIFY(guide.Header().hasResources);
    QVERIFY(QFileInfo(guide.ResourceLocation() + QStringLiteral("/guide.css")).isFile());
    QCOMPARE(guide.Header().defaultPage, QStringLiteral("general-about"));
    const QStringList topics = {"general-about", "settings_general.html", "settings_alias.html",
                                "settings_hotkeys.html", "settings_infobar.html", "settings_marquee.html",
                                "settings_menu.html", "settings_theme.html", "settings_alphablend.html",
                                "settings_menudesigner.html", "settings_addmenu.html", "themenu_urlsmenu.html",
                                "themenu_contactsmenu.html", "runbox", "main-menu", "folder-browser", "notes",
                                "import-export"};
    for (const QString &topic : topics) {
        const int k = guide.PageByName(topic);
        QVERIFY2(k >= 0, qPrintable(topic));
        QString html;
        QVERIFY2(guide.ReadPage(k, html) && html.contains(QStringLiteral("<h1>")), qPrintable(topic));
        QVERIFY2(!html.contains(QStringLiteral("&qdsres;")), qPrintable(topic));   // pictures and style sheet found
    }
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
