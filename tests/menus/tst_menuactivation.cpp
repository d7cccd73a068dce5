// Choosing an entry must start exactly what it names, the way the user means it, and never hand a
// text to a shell. A recording launcher stands in for the desktop, so nothing really starts.
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "app/tmainmenu.h"
#include "core/td.h"
#include "dialogs/tabout.h"
#include "dialogs/trundialog.h"
#include "dialogs/tshutdowndialog.h"
#include "menus/mainmenucommands.h"
#include "menus/menuactivation.h"
#include "menus/menubuilder.h"
#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/fake/fakewindowsystem.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {

// A launch as one line: "action target [argument|argument...] @workingFolder".
QString Describe(const LaunchRecord &record)
{
    QString text = record.action + QLatin1Char(' ') + record.target;
    if (!record.arguments.isEmpty())
        text += QStringLiteral(" [") + record.arguments.join(QLatin1Char('|')) + QLatin1Char(']');
    if (!record.workingDirectory.isEmpty())
        text += QStringLiteral(" @") + record.workingDirectory;
    return text;
}

QStringList Describe(const QList<LaunchRecord> &records)
{
    QStringList lines;
    for (const LaunchRecord &record : records)
        lines << Describe(record);
    return lines;
}

void MakeExecutable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace

class TestMenuActivation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void definitionItems_data();
    void definitionItems();
    void folderEntries_data();
    void folderEntries();
    void otherSendersAreIgnored();
    void autoRun();
    void specialFolderItemsOfTheBar();
    void runDialog_data();
    void runDialog();
    void shutDownUsesTheDesktopsOwnDialog();
    void closeMenuListsOtherWindows();
    void aboutBoxIsOneAndRemembersItsPlace();

private:
    QString Root() const { return m_home->path(); }
    // "~" stands for the test home, "{true}" and "{echo}" for where PATH finds those programs.
    QString Expand(QString text) const
    {
        text.replace(QStringLiteral("{true}"), QStandardPaths::findExecutable(QStringLiteral("true")));
        text.replace(QStringLiteral("{echo}"), QStandardPaths::findExecutable(QStringLiteral("echo")));
        return text.replace(QLatin1Char('~'), Root());
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<ScopedService<Launcher>> m_useLauncher;
    std::unique_ptr<FakeSystemSource> m_machine;
    std::unique_ptr<ScopedService<SystemSource>> m_useMachine;
    QStringList m_boxes;
};

void TestMenuActivation::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(CheckDataFiles());
    m_home->writeFile(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    m_home->writeFile("Docs/a.txt", "x");
    m_home->writeFile("Docs/Site.url", "[InternetShortcut]\r\nURL=https://example.org/page?q=1\r\n");
    m_home->writeFile("Docs/Bad.url", "[InternetShortcut]\nURL=--disable-security\n");
    m_home->writeFile("Docs/run.sh", "#!/bin/sh\ntouch marker\n");
    MakeExecutable(Root() + "/Docs/run.sh");
    m_home->writeFile("Docs/notes.doc", "just text");
    MakeExecutable(Root() + "/Docs/notes.doc");
    m_home->writeFile("Docs/web.desktop", "[Desktop Entry]\nType=Link\nName=Web\nURL=https://example.net/\n");
    m_home->writeFile("Docs/app.desktop", "[Desktop Entry]\nType=Application\nName=App\nExec=true\n");
    // Outside the applications folders an entry is launched only when its owner made it executable.
    MakeExecutable(Root() + "/Docs/web.desktop");
    MakeExecutable(Root() + "/Docs/app.desktop");
    m_home->writeFile(".local/share/applications/Editor.desktop",
                      "[Desktop Entry]\nType=Application\nName=Mine\nExec=true\n");
    m_home->writeFile("usr/share/applications/Editor.desktop",
                      "[Desktop Entry]\nType=Application\nName=System\nExec=true\n");
    m_home->writeFile("usr/share/applications/Only.desktop",
                      "[Desktop Entry]\nType=Application\nName=Only\nExec=true\n");
    m_launcher = std::make_unique<RecordingLauncher>();
    m_useLauncher = std::make_unique<ScopedService<Launcher>>(*m_launcher);
    m_machine = std::make_unique<FakeSystemSource>();
    m_machine->drives.clear();
    m_useMachine = std::make_unique<ScopedService<SystemSource>>(*m_machine);
    m_boxes.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes << request.text;
        return 0;
    });
}

void TestMenuActivation::cleanup()
{
    SetMessageResponder({});
    m_useMachine.reset();
    m_machine.reset();
    m_useLauncher.reset();
    m_launcher.reset();
    m_home.reset();
}

void TestMenuActivation::definitionItems_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("started"); // "~" stands for the test home

    const QString docs = QStringLiteral("file://~/Docs");
    QTest::newRow("documents folder") << "$MYDOC$" << QStringList{"open " + docs};
    QTest::newRow("document by macro") << "$MYDOC$\\a.txt" << QStringList{"open file://~/Docs/a.txt"};
    QTest::newRow("environment reference") << "%HOME%/Docs" << QStringList{"open " + docs};
    QTest::newRow("merged entry opens the user's copy")
        << "$PROGRAMS$/Editor.desktop" << QStringList{"desktop-entry ~/.local/share/applications/Editor.desktop"};
    QTest::newRow("merged entry without a user copy")
        << "$PROGRAMS$/Only.desktop" << QStringList{"desktop-entry ~/usr/share/applications/Only.desktop"};
    QTest::newRow("merged entry that exists nowhere") << "$PROGRAMS$/Gone.desktop" << QStringList{};
    QTest::newRow("my computer") << "$MYCOMPUTER$" << QStringList{"open computer:///"};
    QTest::newRow("recycle bin") << "$RECYCLE$" << QStringList{"open trash:///"};
    QTest::newRow("network") << "$NETWORK$" << QStringList{"open network:///"};
    QTest::newRow("recent files: the desktop's view, not the data home") << "$RECENTFILES$"
                                                                       << QStringList{"open recent:///"};
    QTest::newRow("recent files with a separator") << "$RECENTFILES$\\" << QStringList{"open recent:///"};
    QTest::newRow("internet shortcut by path") << "~/Docs/Site.url"
                                               << QStringList{"browser https://example.org/page?q=1"};
    QTest::newRow("script runs in its folder") << "~/Docs/run.sh" << QStringList{"run ~/Docs/run.sh @~/Docs"};
    QTest::newRow("executable document opens") << "~/Docs/notes.doc"
                                               << QStringList{"open file://~/Docs/notes.doc"};
    QTest::newRow("application entry") << "~/Docs/app.desktop" << QStringList{"desktop-entry ~/Docs/app.desktop"};
    QTest::newRow("link entry") << "~/Docs/web.desktop" << QStringList{"browser https://example.net/"};
    QTest::newRow("program with arguments") << "true a 'b c' \"d e\""
                                            << QStringList{"run {true} [a|b c|d e]"};
    QTest::newRow("shell syntax is plain text") << "echo hi > ~/owned; rm -rf ~"
                                                << QStringList{"run {echo} [hi|>|~/owned;|rm|-rf|~]"};
    QTest::newRow("command substitution is no program") << "$(touch ~/owned)" << QStringList{};
    QTest::newRow("backquotes are no program") << "`touch ~/owned`" << QStringList{};
    QTest::newRow("pipe into a shell is no program") << "|sh" << QStringList{};
    QTest::newRow("unbalanced quote") << "true 'a" << QStringList{};
    QTest::newRow("unknown program") << "no-such-program-here x" << QStringList{};
    QTest::newRow("web address") << "https://example.org/a b" << QStringList{"browser https://example.org/a%20b"};
    QTest::newRow("www address") << "www.example.org" << QStringList{"browser http://www.example.org"};
    QTest::newRow("mail address") << "mailto:someone@example.org" << QStringList{"open mailto:someone@example.org"};
    QTest::newRow("missing file") << "~/Docs/none.txt" << QStringList{};
}

void TestMenuActivation::definitionItems()
{
    QFETCH(QString, path);
    QFETCH(QStringList, started);
    TBMenuItem item(QStringLiteral("x"));
    item.SetPath(Expand(path));
    OpenProgramClick(&item);
    QCOMPARE(Describe(m_launcher->Records()), Expand(started.join('\n')).split('\n', Qt::SkipEmptyParts));
    QVERIFY(!QFile::exists(Root() + "/owned"));
}

void TestMenuActivation::folderEntries_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("started");

    QTest::newRow("internet shortcut opens in the browser") << "Site.url"
                                                            << QStringList{"browser https://example.org/page?q=1"};
    QTest::newRow("a shortcut's option-like text is refused") << "Bad.url" << QStringList{};
    QTest::newRow("document") << "a.txt" << QStringList{"open file://~/Docs/a.txt"};
    QTest::newRow("application by its name") << "App" << QStringList{"desktop-entry ~/Docs/app.desktop"};
    QTest::newRow("link by its name") << "Web" << QStringList{"browser https://example.net/"};
    QTest::newRow("script") << "run.sh" << QStringList{"run ~/Docs/run.sh @~/Docs"};
}

void TestMenuActivation::folderEntries()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, started);
    MenuBuilder builder;
    TBMenuSubItem menu(QStringLiteral("Docs"));
    menu.SetPath(Root() + "/Docs");
    builder.GetMenuPopup(&menu);
    QAction *entry = nullptr;
    for (QAction *action : menu.actions()) {
        if (action->text() == caption)
            entry = action;
    }
    QVERIFY2(entry, qPrintable(caption));
    entry->trigger();
    QCOMPARE(Describe(m_launcher->Records()), Expand(started.join('\n')).split('\n', Qt::SkipEmptyParts));
}

void TestMenuActivation::otherSendersAreIgnored()
{
    QAction plain(QStringLiteral("plain"));
    plain.setData(Root() + "/Docs/a.txt");
    OpenProgramClick(&plain);
    OpenProgramClick(nullptr);
    QVERIFY(m_launcher->Records().isEmpty());
}

void TestMenuActivation::autoRun()
{
    m_home->writeFile("cdrom/AUTORUN.INF", "[AutoRun]\r\nOPEN=Setup\\run.sh --fast \"two words\"\r\n");
    m_home->writeFile("cdrom/SETUP/Run.sh", "#!/bin/sh\n");
    MakeExecutable(Root() + "/cdrom/SETUP/Run.sh");
    m_home->writeFile("plain/readme.txt", "x");
    m_machine->drives = {{'C', "/", "/dev/sda1", "", DriveType::Fixed},
                       {'E', Root() + "/cdrom/", "/dev/sr0", "Game & Fun", DriveType::CdRom},
                       {'F', {}, "/dev/sr1", "", DriveType::CdRom},
                       {'G', Root() + "/plain/", "/dev/sr2", "Photos", DriveType::CdRom},
                       {'H', Root() + "/cdrom/", "/dev/sdc1", "Stick", DriveType::Removable}};
    QMenu autoRun;
    MainMenuCommands commands({nullptr, nullptr, &autoRun});
    Q_EMIT autoRun.aboutToShow();
    QStringList captions;
    for (const QAction *action : autoRun.actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Game && Fun (E:)", "CD Drive (F:)", "Photos (G:)"}));
    Q_EMIT autoRun.aboutToShow(); // listed afresh, not twice
    QCOMPARE(autoRun.actions().size(), 3);

    for (QAction *action : autoRun.actions())
        action->trigger();
    QCOMPARE(Describe(m_launcher->Records()),
             QStringList{Expand("run ~/cdrom/SETUP/Run.sh [--fast|two words] @~/cdrom/")});
}

void TestMenuActivation::specialFolderItemsOfTheBar()
{
    TD data;
    TMainMenu bar;
    auto *settings = bar.findChild<QMenu *>(QStringLiteral("TBSubmenuItem2"));
    QVERIFY(settings);
    for (QAction *action : settings->actions()) {
        if (action->text() == QLatin1String("My Computer") || action->text() == QLatin1String("Recycle Bin"))
            action->trigger();
    }
    QCOMPARE(Describe(m_launcher->Records()), (QStringList{"open computer:///", "open trash:///"}));
}

void TestMenuActivation::runDialog_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("stillOpen");

    QTest::newRow("program with arguments") << "true -x \"a b\"" << QStringList{"run {true} [-x|a b]"} << false;
    QTest::newRow("macro path") << "$MYDOC$" << QStringList{"open file://~/Docs"} << false;
    QTest::newRow("recent files") << "$RECENTFILES$" << QStringList{"open recent:///"} << false;
    QTest::newRow("quoted path with blanks") << "\"~/Docs/a.txt\"" << QStringList{"open file://~/Docs/a.txt"}
                                             << false;
    QTest::newRow("nothing found: message, box stays") << "no-such-program-here" << QStringList{} << true;
}

void TestMenuActivation::runDialog()
{
    QFETCH(QString, text);
    QFETCH(QStringList, started);
    QFETCH(bool, stillOpen);
    QWidget owner;
    MainMenuCommands commands({&owner});
    commands.TBItem5Click();
    QPointer<TRunDialog> dialog = commands.RunDialog();
    QVERIFY(dialog);
    commands.TBItem5Click();
    QCOMPARE(commands.RunDialog(), dialog.data()); // one Run box at a time
    dialog->ComboBox()->setEditText(Expand(text));
    dialog->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCOMPARE(Describe(m_launcher->Records()), Expand(started.join('\n')).split('\n', Qt::SkipEmptyParts));
    QCOMPARE(m_boxes.size(), stillOpen ? 1 : 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!dialog.isNull() && dialog->isVisible(), stillOpen);
    if (dialog)
        dialog->close();
}

void TestMenuActivation::shutDownUsesTheDesktopsOwnDialog()
{
    const QByteArray savedPath = qgetenv("PATH");
    const QByteArray savedDesktop = qgetenv("XDG_CURRENT_DESKTOP");
    m_home->writeFile("bin/xfce4-session-logout", "#!/bin/sh\n");
    MakeExecutable(Root() + "/bin/xfce4-session-logout");
    qputenv("PATH", (Root() + "/bin:").toUtf8() + savedPath);
    QWidget owner;
    MainMenuCommands commands({&owner});

    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    commands.Windows1Click();
    QCOMPARE(Describe(m_launcher->Records()), QStringList{Expand("run ~/bin/xfce4-session-logout")});
    QVERIFY(!owner.findChild<TShutDownDialog *>());

    // A desktop without a dialog of its own (or another desktop's tool): Quorix's own.
    m_launcher->Clear();
    qputenv("XDG_CURRENT_DESKTOP", "openbox");
    commands.Windows1Click();
    QVERIFY(m_launcher->Records().isEmpty());
    auto *dialog = owner.findChild<TShutDownDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    // Cancel asks nothing and does nothing.
    dialog->findChild<QPushButton *>(QStringLiteral("Button4"))->click();
    QVERIFY(m_boxes.isEmpty());

    qputenv("PATH", savedPath);
    if (savedDesktop.isNull())
        qunsetenv("XDG_CURRENT_DESKTOP");
    else
        qputenv("XDG_CURRENT_DESKTOP", savedDesktop);
}

void TestMenuActivation::closeMenuListsOtherWindows()
{
    QWidget owner;
    QMenu close;
    close.addAction(QStringLiteral("Quorix"));
    close.addSeparator();
    close.addAction(QStringLiteral("Shut Down..."));
    close.addSeparator();
    MainMenuCommands commands({&owner, nullptr, nullptr, nullptr, &close});
    QPixmap red(16, 16);
    red.fill(Qt::red);
    FakeWindowSystem windows;
    windows.windows = {{.id = 0x500001, .title = QStringLiteral("Report & Notes - Editor"), .icon = QIcon(red)},
                       {.id = quint32(owner.winId()), .title = QStringLiteral("Quorix")},
                       {.id = 0x500002, .title = QStringLiteral("Terminal")}};
    ScopedService<WindowSystem> useWindows(windows);

    // Topmost first, the bar itself left out, "&" shown as itself; the fixed entries stay.
    commands.Close1Popup();
    QStringList captions;
    for (const QAction *action : close.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(captions, (QStringList{"Quorix", "-", "Shut Down...", "-", "Report && Notes - Editor", "Terminal"}));
    QVERIFY(!close.actions().at(4)->icon().isNull());

    // Choosing one asks that window to close, politely.
    close.actions().at(4)->trigger();
    QCOMPARE(windows.calls, QStringList{"close 0x500001"});

    // Every opening lists the windows as they are now.
    windows.windows.removeFirst();
    commands.SetShowIcons(false);
    commands.Close1Popup();
    QCOMPARE(close.actions().size(), 5);
    QCOMPARE(close.actions().at(4)->text(), QStringLiteral("Terminal"));
    QVERIFY(close.actions().at(4)->icon().isNull());
}

void TestMenuActivation::aboutBoxIsOneAndRemembersItsPlace()
{
    QWidget owner;
    QAction about(QStringLiteral("About..."));
    QAction icon(QStringLiteral("icon"));
    MainMenuCommands commands({&owner, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &about, &icon});
    about.trigger();
    QPointer<TAbout> box = commands.About();
    QVERIFY(box && box->isVisible());
    icon.trigger();
    QCOMPARE(commands.About(), box.data());
    box->move(140, 160);
    box->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());

    about.trigger();
    QVERIFY(commands.About());
    QCOMPARE(commands.About()->pos(), QPoint(140, 160));
    commands.About()->close();
}

QTEST_MAIN(TestMenuActivation)
#include "tst_menuactivation.moc"
