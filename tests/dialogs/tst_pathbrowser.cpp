// The folder browser gives menu rows and URL folders their paths: the base list it starts from,
// what a path may be, the tree it walks (read afresh at every expansion), paths in macro form
// below a macro, and the folders it creates.
#include "base/inifile.h"
#include "dialogs/tpathbrowserwnd.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList ChildCaptions(const QTreeWidgetItem *node)
{
    QStringList captions;
    for (int i = 0; node && i < node->childCount(); ++i)
        captions << node->child(i)->text(0);
    return captions;
}

QTreeWidgetItem *Child(QTreeWidgetItem *node, const QString &caption)
{
    for (int i = 0; node && i < node->childCount(); ++i) {
        if (node->child(i)->text(0) == caption)
            return node->child(i);
    }
    return nullptr;
}

QStringList EntryTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestPathBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void baseListInItsOrder();
    void classify_data();
    void classify();
    void openAtPath_data();
    void openAtPath();
    void treeIsReadAgainAtEveryExpansion();
    void mergedProgramsListedOnce();
    void customMenusAndNotes();
    void restrictedToUrls();
    void newFolder_data();
    void newFolder();

private:
    QString Root() const { return m_home->path(); }
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeSystemSource> m_machine;
    std::unique_ptr<ScopedService<SystemSource>> m_useMachine;
    QStringList m_boxes;
    std::optional<QString> m_folderName;
};

void TestPathBrowser::init()
{
    m_home = std::make_unique<TestHome>();
    m_home->writeFile(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n");
    for (const char *folder : {"Docs/Work/Old", "Docs/Letters", "Docs/.hidden", "data/Music",
                               ".local/share/applications/Games/Cards", ".local/share/applications/Mine",
                               "usr/share/applications/Games", "usr/share/applications/Office",
                               ".local/share/Brenmoor/Quorix/Favorites/Daily"})
        QDir().mkpath(Root() + "/" + folder);
    m_home->writeFile("Docs/file.txt", "files are never listed");
    m_home->writeFile("usr/share/applications/x.desktop", "[Desktop Entry]\nType=Application\nName=X\nExec=true\n");
    m_machine = std::make_unique<FakeSystemSource>();
    m_machine->drives = {{'C', "/", "/dev/sda1", "", DriveType::Fixed},
                         {'D', Root() + "/data/", "/dev/sdb1", "Data", DriveType::Fixed},
                         {'E', {}, "/dev/sr0", "", DriveType::CdRom}};
    m_useMachine = std::make_unique<ScopedService<SystemSource>>(*m_machine);
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteString("alias", "$ZZTOP$", Root() + "/data");
    settings.WriteString("alias", "$ABC$", Root() + "/Docs");
    m_boxes.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes << request.text;
        return 0;
    });
    m_folderName.reset();
    SetInputResponder([this](const QString &caption, const QString &prompt, const QString &) {
        m_boxes << caption + "|" + prompt;
        return m_folderName;
    });
}

void TestPathBrowser::cleanup()
{
    SetInputResponder({});
    SetMessageResponder({});
    m_useMachine.reset();
    m_machine.reset();
    m_home.reset();
}

void TestPathBrowser::baseListInItsOrder()
{
    TPathBrowserWnd browser;
    const QStringList texts = EntryTexts(browser.ComboBoxEx1);
    QCOMPARE(texts.size(), 2 + 19 + 2); // no disc in the optical drive
    QCOMPARE(texts.mid(0, 2), (QStringList{"/", Root() + "/data/"}));
    QCOMPARE(texts[2], "Common Programs ($COMMONPROGRAMS$)");
    QCOMPARE(texts[11], "My Documents ($MYDOC$)");
    QCOMPARE(texts[20], "Quorix Directory ($QUORIX$)");
    // Aliases sorted by name, each shown by the folder it stands for.
    QCOMPARE(texts.mid(21), (QStringList{Root() + "/Docs ($ABC$)", Root() + "/data ($ZZTOP$)"}));
    // Nothing chosen until a base is selected.
    QCOMPARE(browser.TreeView1->topLevelItemCount(), 0);
    QVERIFY(!browser.Button3->isEnabled());
    QCOMPARE(browser.ComboBoxEx1->maxVisibleItems(), 12);
}

void TestPathBrowser::classify_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("types");
    QTest::newRow("plain path") << "/usr/bin/vim" << (ptFolder | ptItem);
    QTest::newRow("contacts") << "$CONTACTS$" << int(ptFolder);
    QTest::newRow("notes with a category") << "$NOTES$/Work" << int(ptFolder);
    QTest::newRow("documents") << "$MYDOC$/a.txt" << (ptFolder | ptItem);
    QTest::newRow("printers") << "$PRINTERS$" << int(ptFolder);
    QTest::newRow("alias") << "$ABC$/x" << (ptFolder | ptItem);
    QTest::newRow("macro words are case-sensitive") << "$contacts$" << int(ptFolder);
    QTest::newRow("system folder without a base") << "$SYSTEM$/ls" << (ptFolder | ptItem);
    QTest::newRow("projects without a base") << "$PROJECTS$/A/b" << int(ptFolder);
}

void TestPathBrowser::classify()
{
    QFETCH(QString, path);
    TPathBrowserWnd browser;
    QTEST(browser.Classify(path), "types");
}

void TestPathBrowser::openAtPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("documents") << "$MYDOC$/Work" << "My Documents ($MYDOC$)" << "Work" << "$MYDOC$/Work";
    QTest::newRow("Windows separators, any case") << "$MYDOC$\\work\\OLD" << "My Documents ($MYDOC$)" << "Old"
                                                  << "$MYDOC$/Work/Old";
    QTest::newRow("a missing folder stops at its parent") << "$MYDOC$/Work/Gone" << "My Documents ($MYDOC$)"
                                                          << "Work" << "$MYDOC$/Work";
    QTest::newRow("a drive") << "~/data/Music" << "~/data/" << "Music" << "~/data/Music";
    QTest::newRow("an alias") << "$ABC$/Letters" << "~/Docs ($ABC$)" << "Letters" << "$ABC$/Letters";
    QTest::newRow("programs") << "$PROGRAMS$/Games/Cards" << "Programs ($PROGRAMS$)" << "Cards"
                              << "$PROGRAMS$/Games/Cards";
}

void TestPathBrowser::openAtPath()
{
    QFETCH(QString, path);
    QFETCH(QString, entry);
    QFETCH(QString, selected);
    QFETCH(QString, chosen);
    path.replace("~", Root());
    entry.replace("~", Root());
    chosen.replace("~", Root());
    TPathBrowserWnd browser;
    QVERIFY(browser.OpenPath(path));
    QCOMPARE(browser.ComboBoxEx1->currentText(), entry);
    QCOMPARE(browser.TreeView1->currentItem()->text(0), selected);
    QCOMPARE(browser.ChosenPath(), chosen);
    QCOMPARE(browser.TreeView1->topLevelItem(0)->text(0), entry);
}

void TestPathBrowser::treeIsReadAgainAtEveryExpansion()
{
    TPathBrowserWnd browser;
    QVERIFY(browser.SelectBase("$MYDOC$"));
    QTreeWidgetItem *root = browser.TreeView1->topLevelItem(0);
    QVERIFY(root->isExpanded());
    QCOMPARE(ChildCaptions(root), (QStringList{"Letters", "Work"})); // folders only, none hidden
    // A folder with subfolders shows it can open before it is read; one without does not.
    QCOMPARE(Child(root, "Work")->childCount(), 1);
    QCOMPARE(Child(root, "Letters")->childCount(), 0);
    QDir().mkpath(Root() + "/Docs/Archive");
    root->setExpanded(false);
    QCOMPARE(root->childCount(), 1); // the placeholder again
    root->setExpanded(true);
    QCOMPARE(ChildCaptions(root), (QStringList{"Archive", "Letters", "Work"}));
    browser.TreeView1->setCurrentItem(Child(root, "Archive"));
    QCOMPARE(browser.ChosenPath(), "$MYDOC$/Archive");
}

void TestPathBrowser::mergedProgramsListedOnce()
{
    TPathBrowserWnd browser;
    QVERIFY(browser.SelectBase("$PROGRAMS$"));
    QTreeWidgetItem *root = browser.TreeView1->topLevelItem(0);
    QCOMPARE(ChildCaptions(root), (QStringList{"Games", "Mine", "Office"}));
    QTreeWidgetItem *games = Child(root, "Games");
    browser.TreeView1->setCurrentItem(games);
    QCOMPARE(browser.ChosenPath(), "$PROGRAMS$/Games");
    games->setExpanded(true);
    QCOMPARE(ChildCaptions(games), QStringList{"Cards"});
}

void TestPathBrowser::customMenusAndNotes()
{
    IniFile menus(DataFilePath(dfMenuSettings));
    menus.WriteString("header", "version", "01030000");
    menus.WriteString("Tools", "item0000", "x");
    menus.WriteString("menu", "item0000", "x");
    menus.WriteString("Games", "item0000", "x");
    TPathBrowserWnd browser;
    QVERIFY(browser.SelectBase("$CUSMENUS$"));
    QTreeWidgetItem *root = browser.TreeView1->topLevelItem(0);
    QCOMPARE(ChildCaptions(root), (QStringList{"Tools", "Games"}));
    QTreeWidgetItem *tools = Child(root, "Tools");
    tools->setExpanded(true);
    QCOMPARE(tools->childCount(), 0);
    browser.TreeView1->setCurrentItem(tools);
    QCOMPARE(browser.ChosenPath(), "$CUSMENUS$/Tools");

    browser.SetNoteCategories([] { return QStringList{"Home", "Work"}; });
    QVERIFY(browser.SelectBase("$NOTES$"));
    QCOMPARE(ChildCaptions(browser.TreeView1->topLevelItem(0)), (QStringList{"Home", "Work"}));
    QVERIFY(browser.SelectBase("$CONTACTS$"));
    QCOMPARE(ChildCaptions(browser.TreeView1->topLevelItem(0)), QStringList{});
}

void TestPathBrowser::restrictedToUrls()
{
    TPathBrowserWnd browser;
    browser.Restrict({"$URLS$"});
    QCOMPARE(EntryTexts(browser.ComboBoxEx1), QStringList{"URLs ($URLS$)"});
    QCOMPARE(ChildCaptions(browser.TreeView1->topLevelItem(0)), QStringList{"Daily"});
    QCOMPARE(browser.ChosenPath(), QString());
    QVERIFY(!browser.SelectBase("$MYDOC$")); // not shown, so not chosen
    QVERIFY(browser.OpenPath("$URLS$/Daily"));
    QCOMPARE(browser.ChosenPath(), "$URLS$/Daily");
}

void TestPathBrowser::newFolder_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("name");        // "-" for Cancel
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("created");

    const QString ask = "New Folder|Please specify a new folder name";
    QTest::newRow("under a virtual folder")
        << "$CONTROLPANEL$" << "X" << QStringList{"Error\r\rYou cannot create folder at this location"} << "";
    QTest::newRow("under contacts") << "$CONTACTS$" << "X"
                                    << QStringList{"Error\r\rYou cannot create folder at this location"} << "";
    QTest::newRow("cancelled") << "$MYDOC$/Work" << "-" << QStringList{ask} << "";
    QTest::newRow("empty name") << "$MYDOC$/Work" << "" << QStringList{ask} << "";
    QTest::newRow("exists") << "$MYDOC$/Work" << "Old"
                            << QStringList{ask, "~/Docs/Work/\rOld", "Error\r\rFolder already exist."} << "";
    QTest::newRow("climbing out is refused")
        << "$MYDOC$/Work" << "../../x"
        << QStringList{ask, "Error\r\rA folder name cannot be \".\" or \"..\" or start with \"/\"."} << "";
    QTest::newRow("made and listed") << "$MYDOC$/Work" << "Fresh" << QStringList{ask, "~/Docs/Work/\rFresh"}
                                     << "Fresh";
    QTest::newRow("with missing parents") << "$MYDOC$/Letters" << "2026/May"
                                          << QStringList{ask, "~/Docs/Letters/\r2026/May"} << "2026";
}

void TestPathBrowser::newFolder()
{
    QFETCH(QString, at);
    QFETCH(QString, name);
    QFETCH(QStringList, boxes);
    QFETCH(QString, created);
    if (name != "-")
        m_folderName = name;
    TPathBrowserWnd browser;
    QVERIFY(browser.OpenPath(at));
    browser.Button3->setEnabled(true);
    browser.Button3->click();
    for (QString &text : boxes)
        text.replace("~", Root());
    QCOMPARE(m_boxes, boxes);
    if (!created.isEmpty()) {
        QVERIFY(QDir(ExpandPathMacro(at) + "/" + name).exists());
        QVERIFY(ChildCaptions(browser.TreeView1->currentItem()).contains(created));
    }
}

QTEST_MAIN(TestPathBrowser)
#include "tst_pathbrowser.moc"
