// The figures behind the info bar and the marquee, measured on a fake machine: processor load
// between samples, memory, battery and disk percentages, uptime past 49.7 days, and the exact texts
// of byte sizes and durations.
#include "infobar/cpuusagesampler.h"
#include "infobar/infobarvalue.h"
#include "infobar/metricformats.h"
#include "infobar/systemfigures.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/scopedservice.h"

#include <QHash>
#include <QLocale>
#include <QTest>

namespace {

DriveInfo Drive(char letter, const QString &mountPoint, DriveType type = DriveType::Fixed)
{
    return FakeSystemSource::MakeDrive(letter, mountPoint, type);
}

constexpr qint64 kDay = 86400;

} // namespace

class TestSystemMetrics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadBetweenTwoSamples_data();
    void loadBetweenTwoSamples();
    void firstSampleGivesNoLoad();
    void instanceZeroIsTheWholeMachine();
    void indexOutOfBounds_data();
    void indexOutOfBounds();
    void processorGoneOfflineShowsNoLoad();
    void samplerErrors_data();
    void samplerErrors();
    void oneReadPerSample();
    void anotherSourceStartsSamplingAfresh();

    void infoBarValue_data();
    void infoBarValue();

    void uptimePast49Days();
    void uptimeRoundsHalfToEven_data();
    void uptimeRoundsHalfToEven();

    void formatByteSize_data();
    void formatByteSize();
    void formatByteSizeWithPoint();
    void formatDuration_data();
    void formatDuration();

private:
    FakeSystemSource m_fake;
    ScopedService<SystemSource> *m_useFake = nullptr;
};

void TestSystemMetrics::init()
{
    m_fake = FakeSystemSource();
    m_useFake = new ScopedService<SystemSource>(m_fake);
    ResetProcessorSampling();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestSystemMetrics::cleanup()
{
    delete m_useFake;
    m_useFake = nullptr;
    ResetProcessorSampling();
    QLocale::setDefault(QLocale::c());
}

void TestSystemMetrics::loadBetweenTwoSamples_data()
{
    QTest::addColumn<quint64>("idle1");
    QTest::addColumn<quint64>("total1");
    QTest::addColumn<quint64>("idle2");
    QTest::addColumn<quint64>("total2");
    QTest::addColumn<double>("load");
    QTest::addColumn<int>("percent");

    QTest::newRow("no time passed") << quint64(500) << quint64(1000) << quint64(500) << quint64(1000) << 0.0 << 0;
    QTest::newRow("half busy") << quint64(500) << quint64(1000) << quint64(550) << quint64(1100) << 0.5 << 50;
    QTest::newRow("idle") << quint64(500) << quint64(1000) << quint64(600) << quint64(1100) << 0.0 << 0;
    QTest::newRow("fully busy") << quint64(500) << quint64(1000) << quint64(500) << quint64(1100) << 1.0 << 100;
    QTest::newRow("2.5 rounds down to even") << quint64(0) << quint64(0) << quint64(195) << quint64(200) << 0.025 << 2;
    QTest::newRow("3.5 rounds up to even") << quint64(0) << quint64(0) << quint64(193) << quint64(200) << 0.035 << 4;
    QTest::newRow("96.5 rounds to 96") << quint64(0) << quint64(0) << quint64(7) << quint64(200) << 0.965 << 96;
    QTest::newRow("idle ahead of total") << quint64(500) << quint64(1000) << quint64(601) << quint64(1100) << -0.01 << -1;
    QTest::newRow("counters went back") << quint64(500) << quint64(1000) << quint64(400) << quint64(900) << 0.0 << 0;
    QTest::newRow("idle went back") << quint64(500) << quint64(1000) << quint64(490) << quint64(1100) << 1.0 << 100;
    QTest::newRow("counters wrapped") << quint64(-100) << quint64(-200) << quint64(0) << quint64(200)
                                      << 0.75 << 75;
}

void TestSystemMetrics::loadBetweenTwoSamples()
{
    QFETCH(quint64, idle1);
    QFETCH(quint64, total1);
    QFETCH(quint64, idle2);
    QFETCH(quint64, total2);
    QFETCH(double, load);
    QFETCH(int, percent);

    m_fake.SetTicks({{"cpu", idle1, total1}});
    SampleProcessorLoad();
    m_fake.SetTicks({{"cpu", idle2, total2}});
    SampleProcessorLoad();
    QVERIFY2(qAbs(ProcessorLoad(0) - load) < 1e-12, qPrintable(QString::number(ProcessorLoad(0))));
    QCOMPARE(ProcessorLoadPercent(0), percent);

    // The info bar takes a sample of its own: with the counters unchanged it measures no time.
    QCOMPARE(GetInfoBarValue(0), 0);
}

void TestSystemMetrics::firstSampleGivesNoLoad()
{
    m_fake.SetTicks({{"cpu", 10, 1000}, {"cpu0", 5, 500}, {"cpu1", 5, 500}});
    QCOMPARE(ProcessorLoad(0), 0.0); // takes the first sample itself
    QCOMPARE(m_fake.tickReads, 1);
    QCOMPARE(ProcessorCount(), 3);
    QCOMPARE(m_fake.tickReads, 1);
    QCOMPARE(GetInfoBarValue(0), 0);
}

void TestSystemMetrics::instanceZeroIsTheWholeMachine()
{
    // Two processors: one busy, one idle. The bar shows the machine, not the first processor.
    m_fake.SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
    QCOMPARE(ProcessorCount(), 3);
    m_fake.SetTicks({{"cpu", 100, 200}, {"cpu0", 0, 100}, {"cpu1", 100, 100}});
    QCOMPARE(GetInfoBarValue(0), 50);
    QCOMPARE(ProcessorLoadPercent(1), 100);
    QCOMPARE(ProcessorLoadPercent(2), 0);
}

void TestSystemMetrics::indexOutOfBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 3;
}

void TestSystemMetrics::indexOutOfBounds()
{
    QFETCH(int, index);
    m_fake.SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
    try {
        ProcessorLoad(index);
        QFAIL("no error");
    } catch (const CpuSamplerError &error) {
        QCOMPARE(error.Message(), QStringLiteral("CPU index out of bounds"));
    }
    QVERIFY_THROWS_EXCEPTION(CpuSamplerError, ProcessorLoadPercent(index));
}

void TestSystemMetrics::processorGoneOfflineShowsNoLoad()
{
    m_fake.SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
    SampleProcessorLoad();
    // cpu0 went offline; cpu1 now stands where cpu0 was.
    m_fake.SetTicks({{"cpu", 50, 100}, {"cpu1", 0, 100}});
    SampleProcessorLoad();
    QCOMPARE(ProcessorCount(), 3);
    QCOMPARE(ProcessorLoadPercent(0), 50);
    QCOMPARE(ProcessorLoadPercent(1), 0);
    QCOMPARE(ProcessorLoadPercent(2), 100);
}

void TestSystemMetrics::samplerErrors_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("unreadable") << int(ProcessorTicksReading::Unreadable)
                                << QStringLiteral("Unable to read performance data");
    QTest::newRow("no processor lines") << int(ProcessorTicksReading::NoProcessorObject)
                                        << QStringLiteral("Unable to locate the \"Processor\" performance object");
    QTest::newRow("no idle counter") << int(ProcessorTicksReading::NoIdleCounter)
                                     << QStringLiteral("Unable to locate the \"% of CPU usage\" performance counter");
}

void TestSystemMetrics::samplerErrors()
{
    QFETCH(int, status);
    QFETCH(QString, message);

    const ProcessorTicksReading broken{ProcessorTicksReading::Status(status), {}};
    m_fake.ticks = broken;
    try {
        GetInfoBarValue(0);
        QFAIL("no error");
    } catch (const CpuSamplerError &error) {
        QCOMPARE(error.Message(), message);
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
    QVERIFY_THROWS_EXCEPTION(CpuSamplerError, ProcessorCount());

    // A failed sample leaves the sampler as it was.
    m_fake.SetTicks({{"cpu", 0, 0}});
    SampleProcessorLoad();
    m_fake.SetTicks({{"cpu", 25, 100}});
    SampleProcessorLoad();
    m_fake.ticks = broken;
    QVERIFY_THROWS_EXCEPTION(CpuSamplerError, SampleProcessorLoad());
    QCOMPARE(ProcessorLoadPercent(0), 75);
    QCOMPARE(ProcessorCount(), 1);
}

void TestSystemMetrics::oneReadPerSample()
{
    m_fake.SetTicks({{"cpu", 0, 0}});
    GetInfoBarValue(0);
    GetInfoBarValue(0);
    GetInfoBarValue(0);
    QCOMPARE(m_fake.tickReads, 3);
}

void TestSystemMetrics::anotherSourceStartsSamplingAfresh()
{
    m_fake.SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
    SampleProcessorLoad();
    m_fake.SetTicks({{"cpu", 50, 100}, {"cpu0", 50, 50}, {"cpu1", 0, 50}});
    SampleProcessorLoad();
    QCOMPARE(ProcessorLoadPercent(0), 50);
    {
        // One processor, far along: never measured against the other machine's counters.
        FakeSystemSource other;
        other.SetTicks({{"cpu", 9000, 10000}});
        ScopedService<SystemSource> useOther(other);
        QCOMPARE(ProcessorCount(), 1);
        QCOMPARE(ProcessorLoadPercent(0), 0);
        other.SetTicks({{"cpu", 9010, 10100}});
        SampleProcessorLoad();
        QCOMPARE(ProcessorLoadPercent(0), 90);
        QCOMPARE(other.tickReads, 2);
    }
    // Back on the first machine, which went on counting: afresh again, with its three instances.
    m_fake.SetTicks({{"cpu", 100, 300}, {"cpu0", 50, 150}, {"cpu1", 50, 150}});
    QCOMPARE(ProcessorCount(), 3);
    QCOMPARE(ProcessorLoadPercent(0), 0);
}

void TestSystemMetrics::infoBarValue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    QTest::newRow("memory 75%") << 1 << 75;
    QTest::newRow("battery") << 2 << 87;
    QTest::newRow("disk C uses all free blocks") << 67 << 75;
    QTest::newRow("disk c in lower case") << 99 << 75;
    QTest::newRow("disk D rounds 12.5 to 12") << 68 << 12;
    QTest::newRow("disk E rounds 13.5 to 14") << 69 << 14;
    QTest::newRow("empty disk") << 70 << 0;
    QTest::newRow("disk that cannot be read") << 71 << 0;
    QTest::newRow("optical drive without disc") << 72 << 0;
    QTest::newRow("no such drive") << 81 << 0;
    QTest::newRow("64") << 64 << 0;
    QTest::newRow("error bar") << -1 << 0;
    QTest::newRow("beyond characters") << 0x110000 << 0;
}

void TestSystemMetrics::infoBarValue()
{
    QFETCH(int, code);
    QFETCH(int, expected);

    m_fake.memory = MemoryFigures{8000, 2000};
    m_fake.power.batteryFlag = PowerStatus::BatteryHigh;
    m_fake.power.batteryLifePercent = 87;
    m_fake.drives = {Drive('C', "/"), Drive('D', "/data/"), Drive('E', "/home/"),
                     Drive('F', "/mnt/empty/"), Drive('G', "/mnt/gone/"),
                     Drive('H', QString(), DriveType::CdRom)};
    m_fake.disks.insert("/", DiskSpace{1000, 250, 100});
    m_fake.disks.insert("/data/", DiskSpace{1000, 875, 875});
    m_fake.disks.insert("/home/", DiskSpace{1000, 865, 0});
    m_fake.disks.insert("/mnt/empty/", DiskSpace{0, 0, 0});
    QCOMPARE(GetInfoBarValue(code), expected);
}

void TestSystemMetrics::uptimePast49Days()
{
    // 2^32 ms is 49.7 days: the bar keeps counting past it.
    m_fake.uptimeMs = 50 * kDay * 1000;
    QCOMPARE(SystemUptimeMilliseconds(), 4320000000LL);
    QCOMPARE(SystemUptimeSeconds(), 50 * kDay);
    QCOMPARE(FormatDuration(SystemUptimeSeconds()), QStringLiteral("1mth 2wks 5days 0hrs 0mins 0secs"));
}

void TestSystemMetrics::uptimeRoundsHalfToEven_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("500") << qint64(500) << qint64(0);
    QTest::newRow("1500") << qint64(1500) << qint64(2);
    QTest::newRow("2500") << qint64(2500) << qint64(2);
    QTest::newRow("2501") << qint64(2501) << qint64(3);
}

void TestSystemMetrics::uptimeRoundsHalfToEven()
{
    QFETCH(qint64, ms);
    QFETCH(qint64, seconds);
    m_fake.uptimeMs = ms;
    QCOMPARE(SystemUptimeSeconds(), seconds);
}

void TestSystemMetrics::formatByteSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << qint64(0) << "0bytes";
    QTest::newRow("1023") << qint64(1023) << "1023bytes";
    QTest::newRow("1024") << qint64(1024) << "1kb";
    QTest::newRow("1536") << qint64(1536) << "1,5kb";
    QTest::newRow("1048575") << qint64(1048575) << "1023kb";
    QTest::newRow("1048576") << qint64(1048576) << "1mb";
    QTest::newRow("123456789") << qint64(123456789) << "117mb";
    QTest::newRow("a binary gigabyte is 1024mb") << qint64(1073741824) << "1024mb";
    QTest::newRow("last megabytes") << qint64(1073742847) << "1024mb";
    QTest::newRow("the gigabyte") << qint64(1073742848) << "1gb";
    QTest::newRow("1.5 gigabytes") << qint64(1610614272) << "1,5gb";
    QTest::newRow("16 GiB") << qint64(17179869184) << "15,9gb";
    QTest::newRow("below 2^40") << (qint64(1) << 40) - 1 << "1023gb";
    QTest::newRow("2^40") << (qint64(1) << 40) << "1tb";
    QTest::newRow("2^50") << (qint64(1) << 50) << "1pb";
    QTest::newRow("2^60") << (qint64(1) << 60) << "1eb";
}

void TestSystemMetrics::formatByteSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(FormatByteSize(bytes), text);
}

void TestSystemMetrics::formatByteSizeWithPoint()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(FormatByteSize(1536), QStringLiteral("1.5kb"));
    // "117.7" cut to four characters: the separator does not stay behind.
    QCOMPARE(FormatByteSize(123456789), QStringLiteral("117mb"));
    QCOMPARE(FormatByteSize(1000000000000), QStringLiteral("931gb"));
}

void TestSystemMetrics::formatDuration_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << qint64(0) << "0secs";
    QTest::newRow("1") << qint64(1) << "1sec";
    QTest::newRow("59") << qint64(59) << "59secs";
    QTest::newRow("60") << qint64(60) << "1min 0secs";
    QTest::newRow("3723") << qint64(3723) << "1hr 2mins 3secs";
    QTest::newRow("90061") << qint64(90061) << "1day 1hr 1min 1sec";
    QTest::newRow("691200") << qint64(691200) << "1wk 1day 0hrs 0mins 0secs";
    QTest::newRow("31 days") << qint64(2678400) << "1mth 0wks 0days 0hrs 0mins 0secs";
    QTest::newRow("30 days") << qint64(30 * kDay) << "4wks 2days 0hrs 0mins 0secs";
    QTest::newRow("2^32 ms") << qint64(4294968) << "1mth 2wks 4days 17hrs 2mins 48secs";
    QTest::newRow("365.5 days") << qint64(31579200) << "1year 0mths 0wks 0days 0hrs 0mins 0secs";
    QTest::newRow("365 days") << qint64(365 * kDay)
                              << "11mths 3wks 3days 0hrs 0mins 0secs";
    QTest::newRow("century") << qint64(3157920000) << "1century 0years 0mths 0wks 0days 0hrs 0mins 0secs";
    QTest::newRow("centuries") << qint64(6315840001) << "2centuries 0years 0mths 0wks 0days 0hrs 0mins 1sec";
}

void TestSystemMetrics::formatDuration()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatDuration(seconds), text);
}

QTEST_GUILESS_MAIN(TestSystemMetrics)
#include "tst_systemmetrics.moc"
