// Menus over folders and files that were made to hurt: a folder of thousands of desktop entries, a
// chain of custom menus thousands deep, icons and bookmarks that are FIFOs, a run history with a
// line of megabytes or text from Windows. Each opens at once with what it can show, and nothing in
// the files is lost.
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "menus/menubuilder.h"
#include "foundation/menuicons.h"
#include "menus/runbox.h"
#include "menus/runhistory.h"
#include "menus/tbmenusubitem.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

namespace {

QStringList Captions(const QWidget *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << action->text() + (action->menu() ? QStringLiteral(">") : QString());
    return captions;
}

TBMenuSubItem *OpenSubmenu(const QWidget *menu, const QString &caption)
{
    for (const QAction *action : menu->actions()) {
        if (action->text() == caption) {
            auto *sub = qobject_cast<TBMenuSubItem *>(action->menu());
            if (sub)
                Q_EMIT sub->aboutToShow();
            return sub;
        }
    }
    return nullptr;
}

QByteArray DesktopFile(const QString &name, const QString &extra = {})
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\n%2").arg(name, extra).toUtf8();
}

// Outside the applications folders an entry shows under its Name only when its owner made it
// executable.
void Trust(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString MakeFifo(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

} // namespace

class TestHostileMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void bigFolderReadsOnlyWhatItShows();
    void smallFolderOrdersByEntryNames();
    void deepChainOfExpandedMenusStops();
    void fifoIconFileIsNotOpened();
    void recentFifoEntryDoesNotBlock();
    void runHistoryKeepsWindowsText();
    void runHistorySkipsGiantLines();
    void refusedRunHistoryIsNotOverwritten();

private:
    QString Root() const { return m_home->path(); }
    QMenuBar *Generate(const QByteArray &definitions);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MenuBuilder> m_builder;
    std::unique_ptr<QMenuBar> m_bar;
};

void TestHostileMenus::init()
{
    m_home = std::make_unique<TestHome>();
    m_builder = std::make_unique<MenuBuilder>();
    m_builder->SetMaxNumber(10);
    m_builder->SetShowIcons(false);
    m_builder->SetDefinitionsFile(Root() + "/menusettings.ini");
}

void TestHostileMenus::cleanup()
{
    m_bar.reset();
    m_builder.reset();
    m_home.reset();
}

QMenuBar *TestHostileMenus::Generate(const QByteArray &definitions)
{
    m_home->writeFile("menusettings.ini", definitions);
    m_bar = std::make_unique<QMenuBar>();
    m_builder->GenerateMenu(m_bar.get(), 0);
    return m_bar.get();
}

void TestHostileMenus::bigFolderReadsOnlyWhatItShows()
{
    // 2,000 entries, each named like its file; the first by file name is hidden, one is a FIFO and
    // one is far too large: the menu shows the next ten.
    for (int i = 0; i < 2000; ++i)
        Trust(m_home->writeFile(QStringLiteral("apps/e%1.desktop").arg(i, 4, 10, QLatin1Char('0')),
                                DesktopFile(QStringLiteral("E%1").arg(i, 4, 10, QLatin1Char('0')),
                                            i == 0 ? QStringLiteral("NoDisplay=true\n") : QString())));
    QFile::remove(Root() + "/apps/e0003.desktop");
    QVERIFY(!MakeFifo(Root() + "/apps/e0003.desktop").isEmpty());
    Trust(m_home->writeFile("apps/e0005.desktop", DesktopFile("E0005", "X=" + QString(70000, 'x') + "\n")));
    QMenuBar *bar = Generate(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Apps\"; "
                                            "path:\"%1/apps\";\n")
                                 .arg(Root())
                                 .toUtf8());
    QCOMPARE(Captions(OpenSubmenu(bar, "Apps")),
             (QStringList{"E0001", "E0002", "E0004", "E0006", "E0007", "E0008", "E0009", "E0010", "E0011", "E0012"}));
}

void TestHostileMenus::smallFolderOrdersByEntryNames()
{
    Trust(m_home->writeFile("apps/a.desktop", DesktopFile("Zeta")));
    Trust(m_home->writeFile("apps/b.desktop", DesktopFile("Alpha")));
    m_home->writeFile("apps/c.txt", "x");
    QMenuBar *bar = Generate(QStringLiteral("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"Apps\"; "
                                            "path:\"%1/apps\";\n")
                                 .arg(Root())
                                 .toUtf8());
    QCOMPARE(Captions(OpenSubmenu(bar, "Apps")), (QStringList{"Alpha", "c.txt", "Zeta"}));
}

void TestHostileMenus::deepChainOfExpandedMenusStops()
{
    // [menu] expands m0, m0 holds an item and expands m1, and so on, 2,000 deep; each also
    // expands the next one twice, which would double the work at every level.
    QByteArray text = "[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; path:\"$CUSMENUS$/m0\"; expanded:\"1\";\n";
    for (int i = 0; i < 2000; ++i) {
        const QByteArray next = "$CUSMENUS$/m" + QByteArray::number(i + 1);
        text += "[m" + QByteArray::number(i) + "]\n";
        text += "item0000=active:\"1\"; itemtype:\"1\"; name:\"x" + QByteArray::number(i) + "\"; path:\"x\";\n";
        text += "item0001=active:\"1\"; itemtype:\"0\"; path:\"" + next + "\"; expanded:\"1\";\n";
        text += "item0002=active:\"1\"; itemtype:\"0\"; path:\"" + next + "\"; expanded:\"1\";\n";
    }
    const QStringList captions = Captions(Generate(text));
    QVERIFY(!captions.isEmpty());
    QCOMPARE(captions.first(), QStringLiteral("x0"));
    QVERIFY(captions.size() <= 5000);
    QVERIFY(!captions.contains(QStringLiteral("x100")));
}

void TestHostileMenus::fifoIconFileIsNotOpened()
{
    const QString fifo = MakeFifo(Root() + "/icons/pipe.png");
    QVERIFY(!fifo.isEmpty());
    QVERIFY(IconFromFile(fifo, 0).isNull());
    QHash<QString, QIcon> cache;
    QVERIFY(DefinitionIcon(fifo, 0, cache).isNull());
    const QString big = m_home->writeFile("icons/big.png", QByteArray(5 * 1024 * 1024, '\0'));
    QVERIFY(IconFromFile(big, 0).isNull());
}

void TestHostileMenus::recentFifoEntryDoesNotBlock()
{
    const QString fifo = MakeFifo(Root() + "/docs/photo.jpg.desktop");
    QVERIFY(!fifo.isEmpty());
    m_home->writeFile("docs/letter.txt", "x");
    const QByteArray xml = "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\">\n<bookmark href=\""
                           + QUrl::fromLocalFile(fifo).toEncoded()
                           + "\" modified=\"2024-03-01T12:00:00Z\"/>\n<bookmark href=\""
                           + QUrl::fromLocalFile(Root() + "/docs/letter.txt").toEncoded()
                           + "\" modified=\"2024-03-01T12:01:00Z\"/>\n</xbel>\n";
    m_home->writeFile(".local/share/recently-used.xbel", xml);
    QMenuBar *bar = Generate("[menu]\nitem0000=active:\"1\"; itemtype:\"0\"; name:\"R\"; path:\"$RECENTFILES$\";\n");
    QCOMPARE(Captions(OpenSubmenu(bar, "R")), (QStringList{"letter.txt", "photo.jpg.desktop"}));
}

void TestHostileMenus::runHistoryKeepsWindowsText()
{
    // "café" typed on Windows (0xE9), then "naïve" in UTF-8: each line keeps its letters.
    const QByteArray data = QByteArray("caf\xe9\r\n") + QString::fromUtf8("naïve").toUtf8() + "\r\n";
    QCOMPARE(ParseRunHistory(data), (QStringList{QString::fromUtf8("café"), QString::fromUtf8("naïve")}));
    // Written back, the history is UTF-8 and reads the same.
    QCOMPARE(ParseRunHistory(FormatRunHistory(ParseRunHistory(data))), ParseRunHistory(data));
}

void TestHostileMenus::runHistorySkipsGiantLines()
{
    const QByteArray giant(10 * 1024 * 1024, 'a');
    const QByteArray data = "first\r\n" + giant + "\r\nlast\r\n" + QByteArray(kMaxRunHistoryLine, 'b') + "\n";
    const QStringList entries = ParseRunHistory(data);
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0], QStringLiteral("first"));
    QCOMPARE(entries[1], QStringLiteral("last"));
    QCOMPARE(entries[2].size(), kMaxRunHistoryLine);
}

void TestHostileMenus::refusedRunHistoryIsNotOverwritten()
{
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    const QString path = DataFilePath(dfRunHistory);
    QVERIFY(!MakeFifo(path).isEmpty());
    bool readable = true;
    QVERIFY(LoadRunHistory(path, &readable).isEmpty());
    QVERIFY(!readable);
    RunBox box;
    box.RunAcceptText(QStringLiteral("true"));
    QVERIFY(!QFileInfo(path).isFile()); // still the FIFO, not a new one-line history
    QCOMPARE(launcher.Records().size(), 1);
}

QTEST_MAIN(TestHostileMenus)
#include "tst_hostilemenus.moc"
