// The marquee: its token language (also with brackets missing), every token's value on a machine
// of the test's making, the order in which frames show the lines, and where the panel sits.
#include "foundation/appinfo.h"
#include "foundation/barsettings.h"
#include "foundation/messages.h"
#include "controls/tblabel.h"
#include "infobar/cpuusagesampler.h"
#include "infobar/marquee.h"
#include "infobar/marqueeline.h"
#include "infobar/marqueevalues.h"
#include "platform/fake/fakeplayertracks.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QApplication>
#include <QDBusConnection>
#include <QHBoxLayout>
#include <QLocale>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

namespace {

// A value for every object but "" and "empty", showing what the parser handed over.
QString EchoValue(QStringView object, QStringView parameter)
{
    if (object.isEmpty() || object.compare(QLatin1String("empty"), Qt::CaseInsensitive) == 0)
        return QString();
    return QLatin1Char('<') + object.toString() + QLatin1Char('|') + parameter.toString()
        + QLatin1Char('>');
}

// The bar's two rows as the bar window builds them: the menu row with a toolbar and the marquee
// panel, and the info bar below.
struct Rows
{
    QWidget window;
    QWidget *menuRow = nullptr;
    QHBoxLayout *row = nullptr;
    QWidget *toolbar = nullptr;
    QWidget *panel = nullptr;
    TBLabel *label = nullptr;
    QWidget *infoBar = nullptr;
    QTimer timer;

    Rows()
    {
        window.resize(800, 44);
        menuRow = new QWidget(&window);
        menuRow->setGeometry(0, 0, 800, 22);
        row = new QHBoxLayout(menuRow);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        toolbar = new QWidget(menuRow);
        row->addWidget(toolbar, 1);
        row->addWidget(new QWidget(menuRow)); // the Run box, hidden
        row->itemAt(1)->widget()->hide();
        panel = new QWidget(menuRow);
        auto *panelLayout = new QHBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        label = new TBLabel(panel);
        panelLayout->addWidget(label);
        row->addWidget(panel);
        infoBar = new QWidget(&window);
        infoBar->setGeometry(0, 22, 800, 22);
    }
};

BarSettings MarqueeSettings(const QStringList &lines, bool rotation = true)
{
    BarSettings settings;
    settings.marqueeLines = lines;
    settings.marqueeTimer = rotation;
    return settings;
}

// A shown marquee of a short and a long line, on a 200-pixel panel unless it is auto-sized.
BarSettings TwoLinePanel(bool autoSize, int position)
{
    BarSettings settings = MarqueeSettings({"A", "a much longer line than the first one"});
    settings.showMarquee = true;
    settings.marqueeAutoSize = autoSize;
    settings.marqueePosition = position;
    settings.marqueeWidth = 200;
    return settings;
}

// A music player on the session bus, run in a process of its own: what it says about itself goes
// over the wire as a real player's answers do.
class FakePlayer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)

public:
    FakePlayer(const QString &status, const QStringList &artists, const QString &title)
        : m_status(status)
    {
        m_metadata.insert(QStringLiteral("xesam:artist"), artists);
        m_metadata.insert(QStringLiteral("xesam:title"), title);
    }
    QString PlaybackStatus() const { return m_status; }
    QVariantMap Metadata() const { return m_metadata; }

private:
    QString m_status;
    QVariantMap m_metadata;
};

// The helper process: a paused player and a playing one, each on its own connection.
int RunFakePlayers(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    FakePlayer paused(QStringLiteral("Paused"), {QStringLiteral("Nobody")}, QStringLiteral("Silence"));
    FakePlayer playing(QStringLiteral("Playing"), {QStringLiteral("Simon"), QStringLiteral("Garfunkel")},
                       QStringLiteral("The Boxer"));
    QDBusConnection first = QDBusConnection::connectToBus(address, QStringLiteral("first"));
    QDBusConnection second = QDBusConnection::connectToBus(address, QStringLiteral("second"));
    const auto serve = [](QDBusConnection &bus, FakePlayer *player, const QString &name) {
        return bus.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), player,
                                  QDBusConnection::ExportAllProperties)
            && bus.registerService(name);
    };
    if (!serve(first, &paused, QStringLiteral("org.mpris.MediaPlayer2.apaused"))
        || !serve(second, &playing, QStringLiteral("org.mpris.MediaPlayer2.playing")))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestMarquee : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tokens_data();
    void tokens();
    void expansionStopsAtFirstEmptyToken();
    void timeTokenWithoutClosingBracket();

    void values_data();
    void values();
    void processorLoadBetweenFrames();
    void processorErrorIsThrown();
    void uptime_data();
    void uptime();
    void playerTrack_data();
    void playerTrack();
    void objectAndParameterLists();
    void playingMprisTrack();
    void dateAndTimeInUserFormats();

    void framesRotateAfterTheFirstLine();
    void framesSkipLinesWithEmptyTokens();
    void rotationOffRefreshesTheSameLine();
    void rotationOffKeepsTextOfEmptyLine();
    void shorterListRestartsAtFirstLine_data();
    void shorterListRestartsAtFirstLine();
    void emptySectionShowsTitleAlone();
    void clickShowsNextFrame();
    void processorErrorEndsFrameUntilClick();
    void ampersandIsShownAsTyped();
    void timerFollowsSettings_data();
    void timerFollowsSettings();

    void placementOnMenuRow();
    void autoSizeOnMenuRowTakesWhatMenusLeave();
    void newTextLaysOutOnlyAnAutoSizedPanel_data();
    void newTextLaysOutOnlyAnAutoSizedPanel();
    void placementOnInfoBarKeepsRightEnd();
    void otherPositionLeavesPanel();
    void labelFillsItsPanel_data();
    void labelFillsItsPanel();

private:
    TestHome *m_home = nullptr;
    FakeSystemSource *m_machine = nullptr;
    ScopedService<SystemSource> *m_useMachine = nullptr;
    FakePlayerTracks *m_players = nullptr;   // nothing plays
    ScopedService<PlayerTracks> *m_usePlayers = nullptr;
    QStringList m_messages;
};

void TestMarquee::init()
{
    m_home = new TestHome;
    m_machine = new FakeSystemSource;
    m_useMachine = new ScopedService<SystemSource>(*m_machine);
    // Byte sizes are written with the user's decimal separator; these tests use a comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_messages.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_messages.append(request.text);
        return 0;
    });
    m_players = new FakePlayerTracks;
    m_usePlayers = new ScopedService<PlayerTracks>(*m_players);
}

void TestMarquee::cleanup()
{
    delete m_usePlayers;
    delete m_players;
    SetMessageResponder({});
    QLocale::setDefault(QLocale::system());
    delete m_useMachine;
    delete m_machine;
    delete m_home;
}

void TestMarquee::tokens_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain text") << "Hello, desktop" << "Hello, desktop";
    QTest::newRow("empty line") << "" << "";
    QTest::newRow("text around a token") << "It is [Time()] now" << "It is <Time|> now";
    QTest::newRow("parameter") << "[Memory(Free)]" << "<Memory|Free>";
    QTest::newRow("two tokens") << "[A()] and [B(x)]!" << "<A|> and <B|x>!";
    QTest::newRow("no closing bracket") << "[Time()" << "<Time|>)";
    QTest::newRow("no closing parenthesis or bracket") << "[Time(" << "<Time|>";
    QTest::newRow("parameter without parenthesis")
        << "[Time(abc" << "<Time|>abc";
    QTest::newRow("no opening parenthesis") << "[Time] later" << "";
    QTest::newRow("lone opening bracket") << "price [" << "";
    QTest::newRow("closing bracket alone") << "a ] b ) c" << "a ] b ) c";
    QTest::newRow("text after parameter skipped to bracket") << "[X(p)junk]tail" << "<X|p>tail";
    QTest::newRow("bracket inside parameter") << "[X(])" << "<X|]>)";
    QTest::newRow("nested opening bracket") << "[[X()]" << "<[X|>";
    QTest::newRow("object spelled with blanks") << "[ X ()]" << "< X |>";
    QTest::newRow("empty value empties the line") << "before [empty()] after" << "";
}

void TestMarquee::tokens()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(ExpandMarqueeLine(QStringView(line), &EchoValue), expected);
}

void TestMarquee::expansionStopsAtFirstEmptyToken()
{
    QStringList asked;
    const auto recording = [&asked](QStringView object, QStringView parameter) {
        asked.append(object.toString());
        return EchoValue(object, parameter);
    };
    QCOMPARE(ExpandMarqueeLine(u"[A()][empty()][B()]", recording), QString());
    QCOMPARE(asked, (QStringList{"A", "empty"}));
}

void TestMarquee::timeTokenWithoutClosingBracket()
{
    const QString format = LongTimeFormat();
    QVERIFY(!format.contains(QLatin1Char('t')));
    const QString text = ExpandMarqueeLine(QStringLiteral("[Time()"));
    QVERIFY2(text.endsWith(QLatin1Char(')')), qPrintable(text));
    QVERIFY(QTime::fromString(text.chopped(1), format).isValid());
}

void TestMarquee::values_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("expected");
    // 2097154 KiB in all (2 of the 1073742848-byte gigabytes), 1258292 KiB available.
    QTest::newRow("free memory") << "Memory" << "Free" << "1,19gb";
    QTest::newRow("total memory") << "Memory" << "Total" << "2gb";
    QTest::newRow("used memory") << "Memory" << "Used" << "819mb";
    QTest::newRow("used percent") << "Memory" << "UsedPercent" << "40%";
    QTest::newRow("free percent") << "Memory" << "FreePercent" << "60%";
    QTest::newRow("any case") << "mEMORY" << "free" << "1,19gb";
    QTest::newRow("memory without parameter") << "Memory" << "" << "";
    QTest::newRow("memory unknown parameter") << "Memory" << "Cached" << "";
    QTest::newRow("battery") << "Battery" << "LifePercent" << "87%";
    QTest::newRow("battery any case") << "BATTERY" << "lifepercent" << "87%";
    QTest::newRow("battery wrong parameter") << "Battery" << "Charge" << "";
    QTest::newRow("time with parameter") << "Time" << "x" << "";
    QTest::newRow("date with parameter") << "Date" << "long" << "";
    QTest::newRow("unknown object") << "Weather" << "" << "";
    QTest::newRow("empty object") << "" << "" << "";
    QTest::newRow("cpu wrong parameter") << "CPU" << "Load" << "";
    QTest::newRow("winamp wrong parameter") << "Winamp" << "Title" << "";
}

void TestMarquee::values()
{
    QFETCH(QString, object);
    QFETCH(QString, parameter);
    QFETCH(QString, expected);
    m_machine->memory = MemoryFigures{2097154, 1258292};
    m_machine->SetBattery(87, false);
    QCOMPARE(GetMarqueeValue(object, parameter), expected);
}

void TestMarquee::processorLoadBetweenFrames()
{
    QCOMPARE(GetMarqueeValue(u"CPU", u"Usage"), QStringLiteral("0")); // one sample: no load yet
    m_machine->Advance(30, 70);
    QCOMPARE(GetMarqueeValue(u"cpu", u"usage"), QStringLiteral("30"));
    m_machine->Advance(5, 195);
    QCOMPARE(GetMarqueeValue(u"CPU", u"Usage"), QStringLiteral("2")); // 2.5 % rounds to even
}

void TestMarquee::processorErrorIsThrown()
{
    m_machine->ticks.status = ProcessorTicksReading::Unreadable;
    QVERIFY_THROWS_EXCEPTION(CpuSamplerError, GetMarqueeValue(u"CPU", u"Usage"));
    QVERIFY_THROWS_EXCEPTION(CpuSamplerError, ExpandMarqueeLine(QStringLiteral("Load [CPU(Usage)]")));
}

void TestMarquee::uptime_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown") << qint64(0) << "N/A";
    QTest::newRow("hours") << qint64(3723000) << "1hr 2mins 3secs";
    QTest::newRow("rounded up") << qint64(59600) << "1min 0secs";
    QTest::newRow("past 49.7 days") << qint64(50) * 86400000 << "1mth 2wks 5days 0hrs 0mins 0secs";
}

void TestMarquee::uptime()
{
    QFETCH(qint64, milliseconds);
    QFETCH(QString, expected);
    m_machine->uptimeMs = milliseconds;
    QCOMPARE(GetMarqueeValue(u"Uptime", u""), expected);
    QCOMPARE(ExpandMarqueeLine(QStringLiteral("up [uptime()]")), QStringLiteral("up ") + expected);
}

void TestMarquee::playerTrack_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("player name cut") << "1. Artist - Song - Winamp" << "1. Artist - Song";
    QTest::newRow("title only the suffix") << " - Winamp" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("long title cut to 256 first")
        << QString(300, QLatin1Char('x')) << QString(247, QLatin1Char('x'));
}

void TestMarquee::playerTrack()
{
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QCOMPARE(TrackFromPlayerWindowTitle(title), expected);

    m_players->track = TrackFromPlayerWindowTitle(title);
    QCOMPARE(GetMarqueeValue(u"Winamp", u"Track"), expected);
    // No track: a line with the token is not shown.
    QCOMPARE(ExpandMarqueeLine(QStringLiteral("Now: [winamp(track)]")).isEmpty(), expected.isEmpty());
}

void TestMarquee::objectAndParameterLists()
{
    QCOMPARE(MarqueeObjectNames(),
             (QStringList{"Battery", "CPU", "Date", "Memory", "Time", "Uptime", "Winamp"}));
    QCOMPARE(MarqueeParameterNames(QStringLiteral("MEMORY")),
             (QStringList{"Free", "Total", "Used", "UsedPercent", "FreePercent"}));
    QCOMPARE(MarqueeParameterNames(QStringLiteral("battery")), QStringList{"LifePercent"});
    QCOMPARE(MarqueeParameterNames(QStringLiteral("Cpu")), QStringList{"Usage"});
    QCOMPARE(MarqueeParameterNames(QStringLiteral("winamp")), QStringList{"Track"});
    QVERIFY(MarqueeParameterNames(QStringLiteral("Time")).isEmpty());
    QCOMPARE(TrackFromPlayerMetadata({"A", "B"}, QStringLiteral("Song")), QStringLiteral("A, B - Song"));
    QCOMPARE(TrackFromPlayerMetadata({}, QStringLiteral("Song")), QStringLiteral("Song"));
    QCOMPARE(TrackFromPlayerMetadata({"A"}, QString()), QStringLiteral("A"));
}

void TestMarquee::playingMprisTrack()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("no dbus-daemon");
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
    QVERIFY(bus.waitForReadyRead(5000));
    const QByteArray address = bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    const auto restore = qScopeGuard([&] {
        if (savedAddress.isNull())
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    });

    QProcess players;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORIX_FAKE_PLAYERS"), QStringLiteral("1"));
    players.setProcessEnvironment(environment);
    players.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(players.waitForReadyRead(5000));
    QCOMPARE(players.readLine().trimmed(), QByteArray("ready"));

    // The desktop's players: here the two of the helper process.
    ScopedService<PlayerTracks> desktopPlayers(PlayerTracks::Platform());
    // The players answer when they can; the marquee shows the track from then on.
    QTRY_COMPARE(GetMarqueeValue(u"Winamp", u"Track"), QStringLiteral("Simon, Garfunkel - The Boxer"));
    players.kill();
    players.waitForFinished();
    QTRY_COMPARE(GetMarqueeValue(u"Winamp", u"Track"), QString());
    bus.kill();
    bus.waitForFinished();
}

void TestMarquee::dateAndTimeInUserFormats()
{
    const QString date = GetMarqueeValue(u"date", u"");
    QCOMPARE(QLocale().toDate(date, QLocale::ShortFormat).isValid(), true);
    const QString time = GetMarqueeValue(u"TIME", u"");
    QVERIFY(QTime::fromString(time, LongTimeFormat()).isValid());
    QCOMPARE(LongTimeFormat(QLocale(QLocale::German)), QStringLiteral("HH:mm:ss"));
    QCOMPARE(LongTimeFormat(QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("h:mm:ss AP"));
}

void TestMarquee::framesRotateAfterTheFirstLine()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"A", "B"}));
    QCOMPARE(marquee.Lines(), (QStringList{"A", "B", kAppTitle}));
    QStringList frames{rows.label->text()};
    for (int i = 0; i < 4; ++i) {
        marquee.Timer_DisplayerTimer();
        frames.append(rows.label->text());
    }
    QCOMPARE(frames, (QStringList{"B", kAppTitle, "A", "B", kAppTitle}));
}

void TestMarquee::framesSkipLinesWithEmptyTokens()
{
    Rows rows;
    m_machine->RemoveBattery();
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"A", "Battery [Battery(LifePercent)]", "C"}));
    QStringList frames{rows.label->text()};
    for (int i = 0; i < 3; ++i) {
        marquee.Timer_DisplayerTimer();
        frames.append(rows.label->text());
    }
    QCOMPARE(frames, (QStringList{"C", kAppTitle, "A", "C"}));

    // On mains power the line is skipped as well; on battery it is shown.
    m_machine->SetBattery(55, true);
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), kAppTitle);
    m_machine->SetBattery(55, false);
    marquee.Timer_DisplayerTimer();
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), QStringLiteral("Battery 55%"));
}

void TestMarquee::rotationOffRefreshesTheSameLine()
{
    Rows rows;
    m_machine->memory = MemoryFigures{2097154, 1258292};
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"Used [Memory(UsedPercent)]", "B"}, false));
    QCOMPARE(rows.label->text(), QStringLiteral("Used 40%"));
    m_machine->memory = MemoryFigures{2000, 500};
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), QStringLiteral("Used 75%"));
    QCOMPARE(marquee.Index(), 0);
    QVERIFY(rows.timer.isActive());
}

void TestMarquee::rotationOffKeepsTextOfEmptyLine()
{
    Rows rows;
    m_machine->SetBattery(20, false);
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"[Battery(LifePercent)] left"}, false));
    QCOMPARE(rows.label->text(), QStringLiteral("20% left"));
    m_machine->SetBattery(20, true);
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), QStringLiteral("20% left"));
    QVERIFY(rows.timer.isActive());
}

void TestMarquee::shorterListRestartsAtFirstLine_data()
{
    QTest::addColumn<bool>("rotation");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rotation on") << true << "X";
    QTest::newRow("rotation off") << false << "X";
}

void TestMarquee::shorterListRestartsAtFirstLine()
{
    QFETCH(bool, rotation);
    QFETCH(QString, expected);
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"A", "B", "C", "D"}));
    marquee.Timer_DisplayerTimer();
    marquee.Timer_DisplayerTimer();
    QCOMPARE(marquee.Index(), 3);
    // A refresh keeps the index; the new list is shorter than it.
    marquee.ReadSettings(MarqueeSettings({"X"}, rotation));
    QCOMPARE(rows.label->text(), expected);
    QCOMPARE(marquee.Index(), 0);
}

void TestMarquee::emptySectionShowsTitleAlone()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({}));
    QVERIFY(marquee.IsVisible());
    QVERIFY(!rows.panel->isHidden());
    QCOMPARE(rows.label->text(), kAppTitle);
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), kAppTitle);
}

void TestMarquee::clickShowsNextFrame()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"A", "B"}));
    QCOMPARE(rows.label->text(), QStringLiteral("B"));
    rows.label->Click();
    QCOMPARE(rows.label->text(), kAppTitle);
}

void TestMarquee::processorErrorEndsFrameUntilClick()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"Load [CPU(Usage)]"}));
    QCOMPARE(rows.label->text(), kAppTitle);
    marquee.Timer_DisplayerTimer();
    QCOMPARE(rows.label->text(), QStringLiteral("Load 0"));
    QVERIFY(rows.timer.isActive());

    m_machine->ticks.status = ProcessorTicksReading::Unreadable;
    marquee.Timer_DisplayerTimer(); // the title
    marquee.Timer_DisplayerTimer(); // the load: fails
    QCOMPARE(m_messages, QStringList{kCpuErrorUnreadable});
    QVERIFY(!rows.timer.isActive());

    m_machine->ticks.status = ProcessorTicksReading::Ok;
    rows.label->Click(); // the title
    QCOMPARE(rows.label->text(), kAppTitle);
    QVERIFY(rows.timer.isActive());
}

void TestMarquee::ampersandIsShownAsTyped()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.ReadSettings(MarqueeSettings({"Tom & Jerry"}, false));
    rows.label->resize(400, 22);
    QCOMPARE(rows.label->VisibleText(), QStringLiteral("Tom && Jerry")); // drawn as one "&"
}

void TestMarquee::timerFollowsSettings_data()
{
    QTest::addColumn<bool>("show");
    QTest::addColumn<int>("frameLength");
    QTest::addColumn<bool>("running");
    QTest::newRow("shown") << true << 3 << true;
    QTest::newRow("hidden") << false << 10 << false;
    QTest::newRow("frame length 0 keeps the first frame") << true << 0 << false;
}

void TestMarquee::timerFollowsSettings()
{
    QFETCH(bool, show);
    QFETCH(int, frameLength);
    QFETCH(bool, running);
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    BarSettings settings = MarqueeSettings({"A"});
    settings.showMarquee = show;
    settings.marqueeFrameLength = frameLength;
    marquee.ReadSettings(settings);
    QCOMPARE(rows.timer.interval(), frameLength * 1000);
    QCOMPARE(rows.timer.isActive(), running);
    QCOMPARE(rows.panel->isHidden(), !show);
    QCOMPARE(rows.label->Margin(), 4);
}

void TestMarquee::placementOnMenuRow()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    BarSettings settings = MarqueeSettings({"A"});
    settings.marqueePosition = 1;
    marquee.ReadSettings(settings);
    settings.marqueePosition = 0;
    settings.marqueeWidth = 250;
    marquee.ReadSettings(settings);
    QCOMPARE(rows.panel->parentWidget(), rows.menuRow);
    QCOMPARE(rows.row->indexOf(rows.panel), rows.row->count() - 1);
    QVERIFY(!marquee.OnInfoBar());
    rows.window.show();
    rows.row->activate();
    QCOMPARE(rows.panel->width(), 250);
    QCOMPARE(rows.panel->geometry().right(), rows.menuRow->width() - 1);
    QCOMPARE(rows.toolbar->width(), rows.menuRow->width() - 250);
}

void TestMarquee::autoSizeOnMenuRowTakesWhatMenusLeave()
{
    Rows rows;
    rows.toolbar->setFixedWidth(300);
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    BarSettings settings = MarqueeSettings({"A"});
    settings.marqueeAutoSize = true;
    marquee.ReadSettings(settings);
    rows.window.show();
    rows.row->activate();
    QCOMPARE(rows.panel->width(), 500);
}

void TestMarquee::placementOnInfoBarKeepsRightEnd()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    BarSettings settings = MarqueeSettings({"A"});
    settings.marqueePosition = 1;
    settings.marqueeWidth = 180;
    marquee.ReadSettings(settings);
    QVERIFY(marquee.OnInfoBar());
    QCOMPARE(rows.row->indexOf(rows.panel), -1);
    QCOMPARE(rows.panel->geometry(), QRect(620, 0, 180, 22));
    rows.window.show();
    rows.infoBar->resize(1000, 30);
    QCOMPARE(rows.panel->geometry(), QRect(820, 0, 180, 30));
    QVERIFY(!rows.panel->isHidden());
}

void TestMarquee::otherPositionLeavesPanel()
{
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    BarSettings settings = MarqueeSettings({"A"});
    settings.marqueePosition = 1;
    marquee.ReadSettings(settings);
    settings.marqueePosition = 7;
    marquee.ReadSettings(settings);
    QVERIFY(marquee.OnInfoBar());
}

void TestMarquee::labelFillsItsPanel_data()
{
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<int>("position");

    QTest::newRow("fixed width on the menu row") << false << 0;
    QTest::newRow("fixed width on the info bar") << false << 1;
    QTest::newRow("auto-sized on the menu row") << true << 0;
    QTest::newRow("auto-sized on the info bar") << true << 1;
}

// Whatever its size comes from, the label covers its panel, also after a longer text and after
// the rows changed height; a fixed-width panel keeps the menus where they are.
void TestMarquee::labelFillsItsPanel()
{
    QFETCH(bool, autoSize);
    QFETCH(int, position);
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    marquee.ReadSettings(TwoLinePanel(autoSize, position));
    rows.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rows.window));
    QTRY_COMPARE(rows.label->geometry(), rows.panel->rect());
    const QRect toolbar = rows.toolbar->geometry();

    const QString before = rows.label->text();
    marquee.Timer_DisplayerTimer(); // the next line
    QVERIFY(rows.label->text() != before);
    QTRY_COMPARE(rows.label->geometry(), rows.panel->rect());
    if (!autoSize) {
        QCOMPARE(rows.panel->width(), 200);
        QCOMPARE(rows.toolbar->geometry(), toolbar);
    }

    rows.menuRow->resize(800, 30);
    rows.infoBar->resize(800, 30);
    QTRY_COMPARE(rows.panel->height(), 30);
    QTRY_COMPARE(rows.label->geometry(), rows.panel->rect());
}

namespace {
// Counts the layout requests that reach the watched widgets.
class LayoutRequests : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};
} // namespace

void TestMarquee::newTextLaysOutOnlyAnAutoSizedPanel_data()
{
    QTest::addColumn<bool>("autoSize");
    QTest::newRow("fixed width: nothing to lay out") << false;
    QTest::newRow("auto-sized: the panel follows its text") << true;
}

// A clock changes the text every second; at a fixed width that must cost a repaint of the label
// only, not a layout of its panel or of the menu row.
void TestMarquee::newTextLaysOutOnlyAnAutoSizedPanel()
{
    QFETCH(bool, autoSize);
    Rows rows;
    TMarquee marquee(rows.panel, rows.label, &rows.timer);
    marquee.SetRows(rows.row, rows.toolbar, rows.infoBar);
    marquee.ReadSettings(TwoLinePanel(autoSize, 0));
    rows.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rows.window));
    QCoreApplication::sendPostedEvents();

    LayoutRequests requests;
    rows.panel->installEventFilter(&requests);
    rows.menuRow->installEventFilter(&requests);
    for (int frame = 0; frame < 3; ++frame) {
        marquee.Timer_DisplayerTimer();
        QCoreApplication::sendPostedEvents();
    }
    QCOMPARE(requests.count > 0, autoSize);
    QTRY_COMPARE(rows.label->geometry(), rows.panel->rect());
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("QUORIX_FAKE_PLAYERS"))
        return RunFakePlayers(argc, argv);
    QApplication app(argc, argv);
    TestMarquee test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_marquee.moc"
