// The kernel's figure files as the bar reads them: processor ticks from /proc/stat, memory from
// /proc/meminfo and the power status from the power supplies' uevent files.
#include "platform/linux/procfiles.h"

#include <QTest>

namespace {

// "cpu:idle/total|cpu0:idle/total"
QString Describe(const ProcessorTicksReading &reading)
{
    QStringList parts;
    for (const ProcessorTicks &t : reading.instances)
        parts.append(QStringLiteral("%1:%2/%3").arg(QString::fromLatin1(t.name)).arg(t.idle).arg(t.total));
    return parts.join(QLatin1Char('|'));
}

QByteArray Battery(const QByteArray &status, const QByteArray &figures)
{
    return "POWER_SUPPLY_NAME=BAT0\nPOWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_PRESENT=1\n"
           "POWER_SUPPLY_STATUS=" + status + "\n" + figures;
}

QByteArray Mains(bool online)
{
    return QByteArray("POWER_SUPPLY_NAME=AC\nPOWER_SUPPLY_TYPE=Mains\nPOWER_SUPPLY_ONLINE=")
        + (online ? "1" : "0") + "\n";
}

} // namespace

class TestProcFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void processorStat_data();
    void processorStat();
    void memInfo_data();
    void memInfo();
    void power_data();
    void power();
};

void TestProcFiles::processorStat_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("instances");

    QTest::newRow("two processors")
        << QByteArray("cpu  69101 0 23644 167836 470 0 371 0 0 0\n"
                      "cpu0 29974 0 10457 90018 59 0 149 0 0 0\n"
                      "cpu1 39127 0 13186 77817 410 0 222 0 0 0\n"
                      "intr 7331 0 9 0 0\nctxt 1234\nbtime 1700000000\n")
        << int(ProcessorTicksReading::Ok)
        << "cpu:168306/261422|cpu0:90077/130657|cpu1:78227/130762";
    QTest::newRow("guest time is counted once")
        << QByteArray("cpu 10 20 30 40 50 60 70 80 90 100\n") << int(ProcessorTicksReading::Ok)
        << "cpu:90/360";
    QTest::newRow("old kernel with four fields")
        << QByteArray("cpu 1 2 3 4\ncpu0 1 2 3 4\n") << int(ProcessorTicksReading::Ok) << "cpu:4/10|cpu0:4/10";
    QTest::newRow("the whole machine comes first")
        << QByteArray("cpu0 1 1 1 1\ncpu 2 2 2 2\ncpu1 1 1 1 1\n") << int(ProcessorTicksReading::Ok)
        << "cpu:2/8|cpu0:1/4|cpu1:1/4";
    QTest::newRow("the whole machine summed when missing")
        << QByteArray("cpu0 1 0 0 1\ncpu1 1 0 0 3\n") << int(ProcessorTicksReading::Ok)
        << "cpu:4/6|cpu0:1/2|cpu1:3/4";
    QTest::newRow("repeated line ignored")
        << QByteArray("cpu 1 1 1 1\ncpu 9 9 9 9\n") << int(ProcessorTicksReading::Ok) << "cpu:1/4";
    QTest::newRow("empty") << QByteArray() << int(ProcessorTicksReading::NoProcessorObject) << "";
    QTest::newRow("no processor lines") << QByteArray("intr 1 2 3\ncpufreq 1 2 3 4\n")
                                        << int(ProcessorTicksReading::NoProcessorObject) << "";
    QTest::newRow("no idle field") << QByteArray("cpu 1 2 3\ncpu0 1 2 3 4\n")
                                   << int(ProcessorTicksReading::NoIdleCounter) << "";
    QTest::newRow("number too large") << QByteArray("cpu 1 2 3 99999999999999999999\n")
                                      << int(ProcessorTicksReading::NoIdleCounter) << "";
}

void TestProcFiles::processorStat()
{
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(QString, instances);
    const ProcessorTicksReading reading = ParseProcessorStat(text);
    QCOMPARE(int(reading.status), status);
    QCOMPARE(Describe(reading), instances);
}

void TestProcFiles::memInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("available");

    QTest::newRow("current kernel")
        << QByteArray("MemTotal:       16314372 kB\nMemFree:         1000000 kB\n"
                      "MemAvailable:    8000000 kB\nBuffers:          200000 kB\nCached:          3000000 kB\n"
                      "HugePages_Total:       0\n")
        << true << quint64(16314372) << quint64(8000000);
    QTest::newRow("kernel without MemAvailable")
        << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 30 kB\nSwapCached: 5 kB\n")
        << true << quint64(1000) << quint64(150);
    QTest::newRow("no total") << QByteArray("MemFree: 100 kB\n") << false << quint64(0) << quint64(0);
    QTest::newRow("available above total") << QByteArray("MemTotal: 100 kB\nMemAvailable: 150 kB\n")
                                           << true << quint64(100) << quint64(100);
}

void TestProcFiles::memInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    const std::optional<MemoryFigures> figures = ParseMemInfo(text);
    QCOMPARE(figures.has_value(), valid);
    if (valid) {
        QTEST(figures->totalKiB, "total");
        QTEST(figures->availableKiB, "available");
    }
}

void TestProcFiles::power_data()
{
    QTest::addColumn<QByteArrayList>("supplies");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("online");

    const QByteArray energy87 = "POWER_SUPPLY_ENERGY_NOW=43500000\nPOWER_SUPPLY_ENERGY_FULL=50000000\n"
                                "POWER_SUPPLY_CAPACITY=86\n";
    QTest::newRow("no power supplies") << QByteArrayList() << 128 << -1 << true;
    QTest::newRow("desktop on mains") << QByteArrayList{Mains(true)} << 128 << -1 << true;
    QTest::newRow("laptop on battery")
        << QByteArrayList{Mains(false), Battery("Discharging", energy87)} << 1 << 87 << false;
    QTest::newRow("charging and low")
        << QByteArrayList{Mains(true), Battery("Charging", "POWER_SUPPLY_CHARGE_NOW=1000\nPOWER_SUPPLY_CHARGE_FULL=5000\n")}
        << 2 + 8 << 20 << true;
    QTest::newRow("critical")
        << QByteArrayList{Mains(false), Battery("Discharging", "POWER_SUPPLY_CAPACITY=4\n")} << 2 + 4 << 4 << false;
    QTest::newRow("half full")
        << QByteArrayList{Mains(false), Battery("Discharging", "POWER_SUPPLY_CAPACITY=50\n")} << 0 << 50 << false;
    QTest::newRow("two batteries weighed by size")
        << QByteArrayList{Battery("Full", "POWER_SUPPLY_ENERGY_NOW=20\nPOWER_SUPPLY_ENERGY_FULL=20\n"),
                          Battery("Discharging", "POWER_SUPPLY_ENERGY_NOW=30\nPOWER_SUPPLY_ENERGY_FULL=80\n")}
        << 0 << 50 << false;
    QTest::newRow("charge not known") << QByteArrayList{Mains(true), Battery("Unknown", "")} << 255 << -1 << true;
    QTest::newRow("battery of a mouse")
        << QByteArrayList{Mains(true), "POWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_SCOPE=Device\nPOWER_SUPPLY_CAPACITY=40\n"}
        << 128 << -1 << true;
    QTest::newRow("battery bay empty")
        << QByteArrayList{"POWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_PRESENT=0\n"} << 128 << -1 << true;
    QTest::newRow("no mains supply listed, charging")
        << QByteArrayList{Battery("Charging", "POWER_SUPPLY_CAPACITY=70\n")} << 1 + 8 << 70 << true;
    QTest::newRow("USB-C power online")
        << QByteArrayList{"POWER_SUPPLY_TYPE=USB\nPOWER_SUPPLY_ONLINE=1\n", Mains(false),
                          Battery("Not charging", "POWER_SUPPLY_CAPACITY=80\n")}
        << 1 << 80 << true;
    QTest::newRow("energy above full counts as full")
        << QByteArrayList{Battery("Full", "POWER_SUPPLY_ENERGY_NOW=110\nPOWER_SUPPLY_ENERGY_FULL=100\n")}
        << 1 << 100 << true;
}

void TestProcFiles::power()
{
    QFETCH(QByteArrayList, supplies);
    QList<PowerSupplyValues> values;
    for (const QByteArray &text : supplies)
        values.append(ParsePowerSupplyUevent(text));
    const PowerStatus status = CombinePowerSupplies(values);
    QTEST(status.batteryFlag, "flag");
    QTEST(status.batteryLifePercent, "percent");
    QTEST(status.acOnline, "online");
}

QTEST_GUILESS_MAIN(TestProcFiles)
#include "tst_procfiles.moc"
