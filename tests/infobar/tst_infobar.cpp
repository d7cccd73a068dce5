// The info bar: which stored objects become meters and in what order, their sizes and places, how
// the one-second tick and clicks refresh them, error meters, the tools a double click opens, and
// the theme's colours.
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "appearance/colorconversion.h"
#include "appearance/themecolors.h"
#include "controls/tblabel.h"
#include "infobar/cpuusagesampler.h"
#include "infobar/infobar.h"
#include "infobar/marquee.h"
#include "infobar/tquorixbprogressbar.h"
#include "foundation/barsettings.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/fake/recordinglauncher.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QFile>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QString Object(const QString &object, const QString &prefix, const QString &interval,
               const QString &active = QStringLiteral("1"))
{
    return QStringLiteral("object:\"%1\"; prefix:\"%2\"; interval:\"%3\"; active:\"%4\";")
        .arg(object, prefix, interval, active);
}

InfoBarSettings Enabled(const QStringList &objects)
{
    InfoBarSettings settings;
    settings.enabled = true;
    settings.objects = objects;
    return settings;
}

// The bar window's rows: a window of a given width with the info bar and a marquee panel.
struct Bar
{
    QWidget window;
    QWidget *menuRow = nullptr;
    QHBoxLayout *row = nullptr;
    QWidget *toolbar = nullptr;
    QWidget *infoBar = nullptr;
    QWidget *panel = nullptr;
    TBLabel *label = nullptr;
    QTimer infoBarTimer;
    QTimer frameTimer;

    explicit Bar(int width = 600)
    {
        window.resize(width, 44);
        menuRow = new QWidget(&window);
        row = new QHBoxLayout(menuRow);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        toolbar = new QWidget(menuRow);
        row->addWidget(toolbar, 1);
        panel = new QWidget(menuRow);
        auto *panelLayout = new QHBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        label = new TBLabel(panel);
        panelLayout->addWidget(label);
        row->addWidget(panel);
        infoBar = new QWidget(&window);
        infoBar->setGeometry(0, 22, width, 22);
    }
};

QStringList Prefixes(const QList<TQuorixBProgressBar *> &bars)
{
    QStringList prefixes;
    for (const TQuorixBProgressBar *bar : bars)
        prefixes.append(bar->Prefix());
    return prefixes;
}

QList<int> Tags(const QList<TQuorixBProgressBar *> &bars)
{
    QList<int> tags;
    for (const TQuorixBProgressBar *bar : bars)
        tags.append(bar->Tag);
    return tags;
}

} // namespace

class TestInfoBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void disabledBuildsNothing();
    void objectsInOrderAndActiveOnly_data();
    void objectsInOrderAndActiveOnly();
    void settingsFileOrderNotKeyOrder();
    void intervals_data();
    void intervals();
    void layout_data();
    void layout();
    void autoSizedMarqueeOnInfoBar_data();
    void autoSizedMarqueeOnInfoBar();

    void metersFollowWindowWidth();
    void tickRefreshesEachOnItsInterval();
    void clickRefreshesWithoutRestartingCount();
    void clickIgnoredForEverySecondMeters();
    void rebuildRestartsCounters();
    void shownTextAndClamp();

    void errorMeters_data();
    void errorMeters();
    void processorWithoutFiguresIsErrorMeter();
    void processorFailureSpareOtherMetersAndShowsOnce();

    void doubleClick_data();
    void doubleClick();
    void themeColours();
    void freeBarsStopsEverything();
    void rowDestroyedBeforeController();

private:
    TestHome *m_home = nullptr;
    FakeSystemSource *m_machine = nullptr;
    ScopedService<SystemSource> *m_useMachine = nullptr;
    QStringList m_messages;
};

void TestInfoBar::init()
{
    m_home = new TestHome;
    m_machine = new FakeSystemSource;
    m_useMachine = new ScopedService<SystemSource>(*m_machine);
    m_messages.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_messages.append(request.text);
        return 0;
    });
}

void TestInfoBar::cleanup()
{
    SetMessageResponder({});
    delete m_useMachine;
    delete m_machine;
    delete m_home;
}

void TestInfoBar::disabledBuildsNothing()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    InfoBarSettings settings = Enabled({Object("0", "CPU:", "1"), Object("1", "RAM:", "5")});
    controller.GenerateInfoBar(settings, DefaultThemeColors());
    QCOMPARE(controller.Bars().size(), 2);
    QVERIFY(bar.infoBarTimer.isActive());

    settings.enabled = false;
    controller.GenerateInfoBar(settings, DefaultThemeColors());
    QVERIFY(controller.Bars().isEmpty());
    QVERIFY(bar.infoBar->findChildren<TQuorixBProgressBar *>().isEmpty());
    QVERIFY(!bar.infoBarTimer.isActive());
}

void TestInfoBar::objectsInOrderAndActiveOnly_data()
{
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<QStringList>("prefixes");
    QTest::addColumn<QList<int>>("tags");
    QTest::newRow("all kinds in order")
        << QStringList{Object("C", "HDD C:", "30"), Object("2", "Power:", "15"),
                       Object("1", "RAM:", "5"), Object("0", "CPU:", "1")}
        << QStringList{" HDD C: ", " Power: ", " RAM: ", " CPU: "} << QList<int>{67, 2, 1, 0};
    QTest::newRow("inactive left out")
        << QStringList{Object("C", "HDD C:", "30", "0"), Object("1", "RAM:", "5")}
        << QStringList{" RAM: "} << QList<int>{1};
    QTest::newRow("disk C active")
        << QStringList{Object("C", "HDD C:", "30")} << QStringList{" HDD C: "} << QList<int>{67};
    QTest::newRow("blanks between pairs")
        << QStringList{QStringLiteral("  object:\"1\";  prefix:\"RAM:\";  active:\"1\";")}
        << QStringList{" RAM: "} << QList<int>{1};
    QTest::newRow("active mark must be exact")
        << QStringList{QStringLiteral("object:\"1\"; prefix:\"RAM:\"; ACTIVE:\"1\";"),
                       QStringLiteral("object:\"1\"; prefix:\"X\"; active:\"1\"")}
        << QStringList{} << QList<int>{};
    QTest::newRow("unknown names ignored")
        << QStringList{QStringLiteral("colour:\"red\"; object:\"0\"; prefix:\"P\"; active:\"1\";")}
        << QStringList{" P "} << QList<int>{0};
    QTest::newRow("lower-case drive letter")
        << QStringList{Object("c", "c", "9")} << QStringList{" c "} << QList<int>{99};
}

void TestInfoBar::objectsInOrderAndActiveOnly()
{
    QFETCH(QStringList, objects);
    QFETCH(QStringList, prefixes);
    QFETCH(QList<int>, tags);
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled(objects), DefaultThemeColors());
    QCOMPARE(Prefixes(controller.Bars()), prefixes);
    QCOMPARE(Tags(controller.Bars()), tags);
}

void TestInfoBar::settingsFileOrderNotKeyOrder()
{
    m_home->writeFile(QStringLiteral(".local/share/Brenmoor/Quorix/Data/settings.ini"),
                      "[infobar]\nenabled=1\nwidth=100\nmargin=5\n"
                      "[infobar-objects]\n"
                      "progress0002=object:\"1\"; prefix:\"second\"; interval:\"5\"; active:\"1\";\n"
                      "progress0000=object:\"0\"; prefix:\"first\"; interval:\"5\"; active:\"1\";\n"
                      "zzz=object:\"2\"; prefix:\"third\"; interval:\"5\"; active:\"1\";\n");
    QVERIFY(QFile::exists(DataFilePath(dfSettings)));
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(DefaultThemeColors());
    QCOMPARE(Prefixes(controller.Bars()), (QStringList{" second ", " first ", " third "}));
    QCOMPARE(controller.Bars().at(1)->geometry(), QRect(110, 1, 100, 19));
}

void TestInfoBar::intervals_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("ticks");
    QTest::newRow("one second") << "1" << 0;
    QTest::newRow("thirty seconds") << "30" << 29;
    QTest::newRow("missing") << "" << 14;
    QTest::newRow("not a number") << "soon" << 14;
    QTest::newRow("zero counts as one") << "0" << 0;
    QTest::newRow("negative counts as one") << "-4" << 0;
    QTest::newRow("beyond the 16-bit counter") << "100000" << 65535;
    QTest::newRow("leading zeros") << "0007" << 6;
}

void TestInfoBar::intervals()
{
    QFETCH(QString, interval);
    QFETCH(int, ticks);
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", interval)}), DefaultThemeColors());
    QCOMPARE(int(controller.Bars().at(0)->IntervalTicks), ticks);
}

void TestInfoBar::layout_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("marqueeWidth"); // on the info bar, fixed; 0 for none
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<int>("barWidth");
    QTest::newRow("auto-sized, three in 600") << 600 << true << 150 << 10 << 3 << 0
                                              << QList<int>{10, 206, 402} << 186;
    QTest::newRow("fixed width") << 600 << false << 150 << 10 << 3 << 0
                                 << QList<int>{10, 170, 330} << 150;
    QTest::newRow("no margin") << 800 << true << 150 << 0 << 4 << 0
                               << QList<int>{0, 200, 400, 600} << 200;
    QTest::newRow("marquee on the info bar") << 600 << true << 150 << 10 << 3 << 200
                                             << QList<int>{10, 140, 270} << 120;
    QTest::newRow("fixed width ignores the marquee") << 600 << false << 90 << 5 << 2 << 200
                                                     << QList<int>{5, 100} << 90;
    QTest::newRow("narrower than the margins") << 20 << true << 150 << 10 << 2 << 0
                                               << QList<int>{10, 20} << 0;
}

void TestInfoBar::layout()
{
    QFETCH(int, windowWidth);
    QFETCH(bool, autoSize);
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(int, count);
    QFETCH(int, marqueeWidth);
    QFETCH(QList<int>, lefts);
    QFETCH(int, barWidth);

    Bar bar(windowWidth);
    TMarquee marquee(bar.panel, bar.label, &bar.frameTimer);
    marquee.SetRows(bar.row, bar.toolbar, bar.infoBar);
    BarSettings marqueeSettings;
    marqueeSettings.marqueePosition = marqueeWidth > 0 ? 1 : 0;
    marqueeSettings.marqueeWidth = marqueeWidth > 0 ? marqueeWidth : 200;
    marquee.ReadSettings(marqueeSettings);

    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.SetMarquee(&marquee);
    InfoBarSettings settings = Enabled({});
    for (int i = 0; i < count; ++i)
        settings.objects.append(Object("1", QString::number(i), "5"));
    settings.autoSize = autoSize;
    settings.width = width;
    settings.margin = margin;
    controller.GenerateInfoBar(settings, DefaultThemeColors());

    QList<int> actualLefts;
    for (const TQuorixBProgressBar *meter : controller.Bars()) {
        actualLefts.append(meter->x());
        QCOMPARE(meter->width(), barWidth);
        QCOMPARE(meter->y(), 1);
        QCOMPARE(meter->height(), 19);
    }
    QCOMPARE(actualLefts, lefts);
}

void TestInfoBar::autoSizedMarqueeOnInfoBar_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("marqueeWidth");
    // Three meters of 150 with margin 10 take 490 pixels.
    QTest::newRow("wide window: as wide as the meters") << 1920 << 490;
    QTest::newRow("narrow window: what the meters leave") << 600 << 110;
}

void TestInfoBar::autoSizedMarqueeOnInfoBar()
{
    QFETCH(int, windowWidth);
    QFETCH(int, marqueeWidth);
    Bar bar(windowWidth);
    TMarquee marquee(bar.panel, bar.label, &bar.frameTimer);
    marquee.SetRows(bar.row, bar.toolbar, bar.infoBar);
    BarSettings marqueeSettings;
    marqueeSettings.marqueePosition = 1;
    marqueeSettings.marqueeAutoSize = true;
    marquee.ReadSettings(marqueeSettings);

    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.SetMarquee(&marquee);
    controller.GenerateInfoBar(Enabled({Object("0", "a", "1"), Object("1", "b", "1"),
                                        Object("2", "c", "1")}),
                               DefaultThemeColors());
    QCOMPARE(marquee.PanelWidth(), marqueeWidth);
    QCOMPARE(bar.panel->geometry().right(), windowWidth - 1);
    QVERIFY(bar.panel->x() >= controller.Bars().last()->geometry().right());
}

void TestInfoBar::metersFollowWindowWidth()
{
    // The bar window often gets its docked width only after the meters were built.
    Bar bar(600);
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    InfoBarSettings settings = Enabled({Object("0", "a", "1"), Object("1", "b", "1"),
                                        Object("2", "c", "1")});
    settings.autoSize = true;
    controller.GenerateInfoBar(settings, DefaultThemeColors());
    controller.InfoBarTimerTimer();
    const int ticksLeft = controller.Bars().at(0)->TicksLeft;
    bar.window.show();
    bar.window.resize(1210, 44);
    QTRY_COMPARE(controller.Bars().at(2)->geometry(), QRect(810, 1, 390, 19));
    QCOMPARE(controller.Bars().at(0)->TicksLeft, ticksLeft);
}

void TestInfoBar::tickRefreshesEachOnItsInterval()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    m_machine->memory = MemoryFigures{100, 100}; // 0 % in use
    controller.GenerateInfoBar(Enabled({Object("1", "every", "1"), Object("1", "third", "3")}),
                               DefaultThemeColors());
    const TQuorixBProgressBar *every = controller.Bars().at(0);
    const TQuorixBProgressBar *third = controller.Bars().at(1);
    QList<int> everyPositions{every->Position()};
    QList<int> thirdPositions{third->Position()};
    for (int second = 1; second <= 7; ++second) {
        m_machine->memory = MemoryFigures{100, quint64(100 - second * 10)}; // second × 10 %
        controller.InfoBarTimerTimer();
        everyPositions.append(every->Position());
        thirdPositions.append(third->Position());
    }
    QCOMPARE(everyPositions, (QList<int>{0, 10, 20, 30, 40, 50, 60, 70}));
    QCOMPARE(thirdPositions, (QList<int>{0, 0, 0, 30, 30, 30, 60, 60}));
}

void TestInfoBar::clickRefreshesWithoutRestartingCount()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    m_machine->memory = MemoryFigures{100, 90};
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", "5")}), DefaultThemeColors());
    TQuorixBProgressBar *meter = controller.Bars().at(0);
    QCOMPARE(meter->Position(), 10);
    QCOMPARE(int(meter->TicksLeft), 4);
    controller.InfoBarTimerTimer();
    m_machine->memory = MemoryFigures{100, 50};
    QTest::mouseClick(meter, Qt::LeftButton);
    QCOMPARE(meter->Position(), 50);
    QCOMPARE(int(meter->TicksLeft), 3);
}

void TestInfoBar::clickIgnoredForEverySecondMeters()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    m_machine->memory = MemoryFigures{100, 90};
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", "1")}), DefaultThemeColors());
    TQuorixBProgressBar *meter = controller.Bars().at(0);
    m_machine->memory = MemoryFigures{100, 50};
    controller.InfoBarProgressClick(meter);
    QCOMPARE(meter->Position(), 10);
}

void TestInfoBar::rebuildRestartsCounters()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    const InfoBarSettings settings = Enabled({Object("1", "RAM:", "30")});
    m_machine->memory = MemoryFigures{100, 90};
    controller.GenerateInfoBar(settings, DefaultThemeColors());
    controller.InfoBarTimerTimer();
    m_machine->memory = MemoryFigures{100, 20};
    controller.GenerateInfoBar(settings, DefaultThemeColors());
    QCOMPARE(controller.Bars().at(0)->Position(), 80);
    QCOMPARE(int(controller.Bars().at(0)->TicksLeft), 29);
    QCOMPARE(bar.infoBar->findChildren<TQuorixBProgressBar *>().size(), 1);
}

void TestInfoBar::shownTextAndClamp()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    m_machine->SetBattery(-1, true); // charge unknown
    m_machine->memory = MemoryFigures{100, 77};
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", "1"), Object("2", "Power:", "1")}),
                               DefaultThemeColors());
    QCOMPARE(controller.Bars().at(0)->DisplayText(), QStringLiteral(" RAM: 23%"));
    QCOMPARE(controller.Bars().at(1)->DisplayText(), QStringLiteral(" Power: 0%"));
    QCOMPARE(controller.Bars().at(0)->Alignment(), Qt::AlignLeft);
}

void TestInfoBar::errorMeters_data()
{
    QTest::addColumn<QString>("object");
    QTest::newRow("no such drive") << "Z";
    QTest::newRow("optical drive") << "E";
    QTest::newRow("remote drive") << "F";
    QTest::newRow("two letters") << "CD";
    QTest::newRow("digit beyond the fixed objects") << "3";
    QTest::newRow("not a letter") << "%";
}

void TestInfoBar::errorMeters()
{
    QFETCH(QString, object);
    m_machine->drives.append(FakeSystemSource::MakeDrive('E', QString(), DriveType::CdRom));
    m_machine->drives.append(FakeSystemSource::MakeDrive('F', QStringLiteral("/mnt/net"), DriveType::Remote));
    RecordingLauncher launcher;
    ScopedService<Launcher> useLauncher(launcher);
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object(object, "X", "1")}), DefaultThemeColors());
    TQuorixBProgressBar *meter = controller.Bars().at(0);
    QCOMPARE(meter->Tag, -1);
    QCOMPARE(meter->DisplayText(), QStringLiteral(" Error 0%"));
    const int diskReads = m_machine->diskReads;
    controller.InfoBarTimerTimer();
    controller.InfoBarProgressClick(meter);
    QCOMPARE(meter->Position(), 0);
    QCOMPARE(m_machine->diskReads, diskReads);
    controller.InfoBarProgressDblClick(meter);
    QVERIFY(launcher.Records().isEmpty());
    QVERIFY(m_messages.isEmpty());
}

void TestInfoBar::processorWithoutFiguresIsErrorMeter()
{
    m_machine->ticks.status = ProcessorTicksReading::NoProcessorObject;
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object("0", "CPU:", "1"), Object("1", "RAM:", "1")}),
                               DefaultThemeColors());
    QCOMPARE(Tags(controller.Bars()), (QList<int>{-1, 1}));
    QCOMPARE(controller.Bars().at(0)->Prefix(), QStringLiteral(" Error "));
    QCOMPARE(m_messages, QStringList{kCpuErrorNoProcessorObject});
}

void TestInfoBar::processorFailureSpareOtherMetersAndShowsOnce()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    m_machine->memory = MemoryFigures{100, 90};
    controller.GenerateInfoBar(Enabled({Object("0", "CPU:", "1"), Object("1", "RAM:", "1")}),
                               DefaultThemeColors());
    m_machine->ticks.status = ProcessorTicksReading::Unreadable;
    for (int second = 1; second <= 3; ++second) {
        m_machine->memory = MemoryFigures{100, quint64(90 - second * 10)};
        controller.InfoBarTimerTimer();
    }
    QCOMPARE(controller.Bars().at(1)->Position(), 40);
    QCOMPARE(m_messages, QStringList{kCpuErrorUnreadable});
    QCOMPARE(int(controller.Bars().at(0)->TicksLeft), 0); // still due

    m_machine->ticks.status = ProcessorTicksReading::Ok;
    controller.InfoBarTimerTimer();
    m_machine->ticks.status = ProcessorTicksReading::Unreadable;
    controller.InfoBarTimerTimer();
    QCOMPARE(m_messages.size(), 2); // a new failure is shown again
}

void TestInfoBar::doubleClick_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("tool");      // placed on PATH; empty for none
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");    // relative to the test home for tools
    QTest::newRow("processor opens the system monitor") << "0" << "xfce4-taskmanager" << "run"
                                                        << "bin/xfce4-taskmanager";
    QTest::newRow("memory opens the system monitor") << "1" << "lxtask" << "run" << "bin/lxtask";
    QTest::newRow("battery opens the power settings") << "2" << "mate-power-preferences" << "run"
                                                      << "bin/mate-power-preferences";
    QTest::newRow("no monitor installed") << "1" << "" << "" << "";
    QTest::newRow("disk opens its folder") << "D" << "" << "open" << "disk";
}

void TestInfoBar::doubleClick()
{
    QFETCH(QString, object);
    QFETCH(QString, tool);
    QFETCH(QString, action);
    QFETCH(QString, target);
    const QByteArray savedPath = qgetenv("PATH");
    const QString bin = m_home->path() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    if (!tool.isEmpty()) {
        const QString program = m_home->writeFile(QStringLiteral("bin/") + tool, "#!/bin/sh\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", bin.toLocal8Bit());
    const QString disk = m_home->path() + QStringLiteral("/disk");
    QDir().mkpath(disk);
    m_machine->drives.append(FakeSystemSource::MakeDrive('D', disk + QLatin1Char('/')));

    RecordingLauncher launcher;

    ScopedService<Launcher> useLauncher(launcher);
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object(object, "X", "5")}), DefaultThemeColors());
    QTest::mouseDClick(controller.Bars().at(0), Qt::LeftButton);
    qputenv("PATH", savedPath);

    if (action.isEmpty()) {
        QVERIFY(launcher.Records().isEmpty());
        return;
    }
    QCOMPARE(launcher.Records().size(), 1);
    const LaunchRecord record = launcher.Records().at(0);
    QCOMPARE(record.action, action);
    if (action == QLatin1String("run"))
        QCOMPARE(record.target, m_home->path() + QLatin1Char('/') + target);
    else
        QCOMPARE(record.target, QUrl::fromLocalFile(disk).toString());
}

void TestInfoBar::themeColours()
{
    ThemeColors theme = DefaultThemeColors();
    theme.infobarColor = RgbColor(1, 2, 3);
    theme.infobarProgressColor = RgbColor(10, 20, 30);
    theme.infobarProgressBorderColor = RgbColor(40, 50, 60);
    theme.infobarProgressColorStart = RgbColor(70, 80, 90);
    theme.infobarProgressColorEnd = RgbColor(100, 110, 120);
    theme.infobarProgressFontColor = RgbColor(200, 0, 0);
    theme.infobarProgressFontStyles = fsBold | fsItalic;
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", "5")}), theme);
    const TQuorixBProgressBar *meter = controller.Bars().at(0);
    QCOMPARE(bar.infoBar->palette().color(QPalette::Window), QColor(1, 2, 3));
    QVERIFY(bar.infoBar->autoFillBackground());
    QCOMPARE(meter->ColorBack(), QColor(10, 20, 30));
    QCOMPARE(meter->ColorBorder(), QColor(40, 50, 60));
    QCOMPARE(meter->ColorStart(), QColor(70, 80, 90));
    QCOMPARE(meter->ColorEnd(), QColor(100, 110, 120));
    QCOMPARE(meter->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    QVERIFY(meter->font().bold());
    QVERIFY(meter->font().italic());
    QVERIFY(!meter->font().underline());
    QCOMPARE(meter->font().pointSize(), 8);
    QVERIFY(meter->toolTip().isEmpty());
}

void TestInfoBar::freeBarsStopsEverything()
{
    Bar bar;
    TInfoBarController controller(bar.infoBar, &bar.infoBarTimer);
    controller.GenerateInfoBar(Enabled({Object("1", "RAM:", "5"), Object("C", "C:", "5")}),
                               DefaultThemeColors());
    QCOMPARE(bar.infoBar->findChildren<TQuorixBProgressBar *>().size(), 2);
    controller.FreeBars();
    QVERIFY(controller.Bars().isEmpty());
    QVERIFY(bar.infoBar->findChildren<TQuorixBProgressBar *>().isEmpty());
    QVERIFY(!bar.infoBarTimer.isActive());
    controller.InfoBarTimerTimer(); // nothing left to refresh
}

void TestInfoBar::rowDestroyedBeforeController()
{
    // The bar window destroys its children in the order it made them: the row and the timer
    // first, the controller after them.
    auto *window = new QWidget;
    auto *infoBar = new QWidget(window);
    auto *timer = new QTimer(window);
    auto *controller = new TInfoBarController(infoBar, timer, window);
    controller->GenerateInfoBar(Enabled({Object("1", "RAM:", "5")}), DefaultThemeColors());
    delete window;
}

QTEST_MAIN(TestInfoBar)
#include "tst_infobar.moc"
