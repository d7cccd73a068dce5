// Swapping the platform: a stand-in installed with ScopedService is what every caller reaches for
// as long as it is installed, scopes nest and end in any order without bringing back a stand-in
// that is gone, and the calls the program makes (starting things, closing windows, the registry
// values, shutting down, the playing track, the printers) reach the stand-in and nothing real.
#include "platform/appbarservice.h"
#include "platform/fake/fakeappbarservice.h"
#include "platform/fake/fakeplayertracks.h"
#include "platform/fake/fakeprintingsystem.h"
#include "platform/fake/fakeregistrystore.h"
#include "platform/fake/fakesessionpower.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/fake/fakewindowsystem.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/launcher.h"
#include "platform/playertracks.h"
#include "platform/registrystore.h"
#include "platform/scopedservice.h"
#include "platform/sessionpower.h"
#include "platform/shellnamespace.h"
#include "platform/systemsource.h"
#include "platform/windowsystem.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {

// Installs a fresh stand-in of the service for as long as the check runs, and says whether
// Current<Service>() was that stand-in meanwhile and the platform's own before and after.
template <class Service, class Fake>
bool SwapsAndRestores()
{
    if (&Current<Service>() != &Service::Platform())
        return false;
    bool installed = false;
    {
        Fake fake;
        ScopedService<Service> use(fake);
        installed = &Current<Service>() == &fake;
    }
    return installed && &Current<Service>() == &Service::Platform();
}

} // namespace

class TestPlatformServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyServiceSwapsAndRestores_data();
    void everyServiceSwapsAndRestores();
    void scopesNest();
    void scopeEndingOutOfOrderKeepsTheNewer();
    void generationCountsInstallsAndRemovals();
    void callsReachTheStandIn();
    void registryStandInLeavesTheFilesAlone();
};

void TestPlatformServices::everyServiceSwapsAndRestores_data()
{
    QTest::addColumn<int>("service");
    const char *const names[] = {"launcher", "system source", "window system", "session power",
                                 "registry store", "player tracks", "printing system", "app-bar service"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(names[i]) << i;
}

void TestPlatformServices::everyServiceSwapsAndRestores()
{
    QFETCH(int, service);
    bool ok = false;
    switch (service) {
    case 0: ok = SwapsAndRestores<Launcher, RecordingLauncher>(); break;
    case 1: ok = SwapsAndRestores<SystemSource, FakeSystemSource>(); break;
    case 2: ok = SwapsAndRestores<WindowSystem, FakeWindowSystem>(); break;
    case 3: ok = SwapsAndRestores<SessionPower, FakeSessionPower>(); break;
    case 4: ok = SwapsAndRestores<RegistryStore, FakeRegistryStore>(); break;
    case 5: ok = SwapsAndRestores<PlayerTracks, FakePlayerTracks>(); break;
    case 6: ok = SwapsAndRestores<PrintingSystem, FakePrintingSystem>(); break;
    case 7: ok = SwapsAndRestores<AppBarService, FakeAppBarService>(); break;
    }
    QVERIFY(ok);
}

void TestPlatformServices::scopesNest()
{
    RecordingLauncher outer;
    RecordingLauncher inner;
    ScopedService<Launcher> useOuter(outer);
    {
        ScopedService<Launcher> useInner(inner);
        QCOMPARE(&Current<Launcher>(), &inner);
    }
    QCOMPARE(&Current<Launcher>(), &outer);
}

void TestPlatformServices::scopeEndingOutOfOrderKeepsTheNewer()
{
    auto first = std::make_unique<RecordingLauncher>();
    RecordingLauncher second;
    auto useFirst = std::make_unique<ScopedService<Launcher>>(*first);
    {
        ScopedService<Launcher> useSecond(second);
        // The older scope ends first: the newer stand-in stays in use.
        useFirst.reset();
        first.reset();
        QCOMPARE(&Current<Launcher>(), &second);
    }
    // ... and when it ends too, the platform's own comes back, not the one that is gone.
    QCOMPARE(&Current<Launcher>(), &Launcher::Platform());
}

void TestPlatformServices::generationCountsInstallsAndRemovals()
{
    const quint64 before = ServiceGeneration<SystemSource>();
    const quint64 launchers = ServiceGeneration<Launcher>();
    FakeSystemSource machine;
    quint64 during = 0;
    {
        ScopedService<SystemSource> use(machine);
        during = ServiceGeneration<SystemSource>();
        QVERIFY(during != before);
    }
    QVERIFY(ServiceGeneration<SystemSource>() != during);
    QVERIFY(ServiceGeneration<SystemSource>() != before);
    // Per service: the launcher's count did not move.
    QCOMPARE(ServiceGeneration<Launcher>(), launchers);
}

void TestPlatformServices::callsReachTheStandIn()
{
    TestHome home;
    RecordingLauncher launcher;
    FakeWindowSystem windows;
    windows.windows = {{.id = 0x500001, .title = QStringLiteral("Letter & more")},
                       {.id = 0x500002, .title = QStringLiteral("Bar")}};
    windows.active = 0x500001;
    FakeSessionPower power;
    power.refusal = QStringLiteral("Not allowed.");
    FakePlayerTracks players;
    players.track = QStringLiteral("Artist - Song");
    FakePrintingSystem printers({{QStringLiteral("laser"), QStringLiteral("Office Laser")}});
    ScopedService<Launcher> useLauncher(launcher);
    ScopedService<WindowSystem> useWindows(windows);
    ScopedService<SessionPower> usePower(power);
    ScopedService<PlayerTracks> usePlayers(players);
    ScopedService<PrintingSystem> usePrinters(printers);

    const QString page = home.writeFile(QStringLiteral("page.html"), "<p>x</p>");
    QVERIFY(StartFile(page));
    QCOMPARE(launcher.Records().size(), 1);
    QCOMPARE(launcher.Records().first().action, QStringLiteral("open"));

    const QList<DesktopWindow> listed = ListClosableWindows(0x500002, false);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first().title, QStringLiteral("Letter & more"));
    QCOMPARE(ActiveWindow(), quint32(0x500001));
    QVERIFY(CloseWindowPolitely(0x500001));
    QVERIFY(!CloseWindowPolitely(0x5000ff)); // no such window
    QCOMPARE(windows.calls, (QStringList{"close 0x500001", "close 0x5000ff"}));

    QVERIFY(!StartDesktopShutDownDialog());
    QString reason;
    QVERIFY(!RequestSessionAction(SessionAction::Reboot, &reason));
    QCOMPARE(reason, QStringLiteral("Not allowed."));
    QCOMPARE(power.calls, (QStringList{"desktop-dialog", "reboot"}));

    QCOMPARE(PlayingTrackTitle(), QStringLiteral("Artist - Song"));
    QCOMPARE(players.reads, 1);

    const QList<ShellItem> listedPrinters = ListFolder(ParsePathToItem(QString::fromLatin1(kShellPrinters))).items;
    QCOMPARE(listedPrinters.size(), 1);
    QCOMPARE(listedPrinters.first().displayName, QStringLiteral("Office Laser"));
}

void TestPlatformServices::registryStandInLeavesTheFilesAlone()
{
    TestHome home;
    FakeRegistryStore registry;
    {
        ScopedService<RegistryStore> useRegistry(registry);
        QVERIFY(RegistryWriteString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H"),
                                    QStringLiteral("44")));
        // Key paths and names match without regard to case, as the desktop's store does.
        QCOMPARE(RegistryReadString(QStringLiteral("SOFTWARE\\brenmoor\\quorix"), QStringLiteral("mainmenu-h")),
                 QStringLiteral("44"));
        QCOMPARE(RegistryReadString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("Other"),
                                    QStringLiteral("none")),
                 QStringLiteral("none"));
        QVERIFY(SetAutostartProgram(QStringLiteral("/opt/quorix/quorix")));
        QCOMPARE(AutostartProgram(), QStringLiteral("/opt/quorix/quorix"));
        // A store that cannot be written says so and keeps what it had.
        registry.writable = false;
        QVERIFY(!RegistryWriteString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H"),
                                     QStringLiteral("50")));
        QVERIFY(!SetAutostartProgram(QStringLiteral("/usr/bin/quorix")));
        QCOMPARE(RegistryReadString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H")),
                 QStringLiteral("44"));
        QCOMPARE(AutostartProgram(), QStringLiteral("/opt/quorix/quorix"));
    }
    QCOMPARE(registry.ValueCount(), 1);
    QVERIFY(!QFile::exists(home.configHome() + QStringLiteral("/Brenmoor/registry.ini")));
    QVERIFY(!QFile::exists(home.configHome() + QStringLiteral("/autostart/quorix.desktop")));
    // Without the stand-in the values are the user's files again, which know nothing of it.
    QCOMPARE(RegistryReadString(QStringLiteral("software\\Brenmoor\\Quorix"), QStringLiteral("MainMenu-H")),
             QString());
    QVERIFY(AutostartProgram().isEmpty());
}

QTEST_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
