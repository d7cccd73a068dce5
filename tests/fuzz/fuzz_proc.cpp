// The kernel's figure files and mount tables as any text: reading must never crash or hang, and
// what comes out must keep the promises the info bar relies on.
#include "platform/linux/drivetable.h"
#include "platform/linux/procfiles.h"

#include <QByteArray>
#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void FuzzProcessorStat(const QByteArray &text)
{
    const ProcessorTicksReading reading = ParseProcessorStat(text);
    if (reading.status != ProcessorTicksReading::Ok) {
        Require(reading.instances.isEmpty());
        return;
    }
    Require(!reading.instances.isEmpty());
    Require(reading.instances.first().name == "cpu");
    QSet<QByteArray> names;
    for (const ProcessorTicks &ticks : reading.instances) {
        Require(!names.contains(ticks.name));
        names.insert(ticks.name);
    }
}

void FuzzMemInfo(const QByteArray &text)
{
    if (const std::optional<MemoryFigures> figures = ParseMemInfo(text))
        Require(figures->availableKiB <= figures->totalKiB);
}

void FuzzPower(const QByteArray &text)
{
    QList<PowerSupplyValues> supplies;
    for (const QByteArray &part : text.split('\f'))
        supplies.append(ParsePowerSupplyUevent(part));
    const PowerStatus status = CombinePowerSupplies(supplies);
    Require(status.batteryLifePercent >= -1 && status.batteryLifePercent <= 100);
    const bool unknown = status.batteryFlag == PowerStatus::NoBattery
        || status.batteryFlag == PowerStatus::BatteryUnknown;
    Require(unknown == (status.batteryLifePercent == -1));
    Require(unknown || (status.batteryFlag & ~0xF) == 0);
}

void FuzzMountTable(const QByteArray &text)
{
    const QList<MountEntry> mounts = ParseMountTable(text);
    QStringList optical;
    for (const MountEntry &mount : mounts) {
        Require(mount.mountPoint.startsWith(QLatin1Char('/')));
        if (mount.device.size() % 3 == 0)
            optical.append(mount.device);
    }
    const QList<DriveInfo> table = BuildDriveTable(mounts, optical, [](const MountEntry &mount) {
        return mount.device.size() % 2 == 0;
    });
    Require(!table.isEmpty() && table.size() <= 24);
    Require(table.first().letter == QLatin1Char('C') && table.first().mountPoint == QLatin1String("/"));
    for (qsizetype i = 1; i < table.size(); ++i) {
        Require(table[i].letter.unicode() == table[i - 1].letter.unicode() + 1);
        if (table[i].type != DriveType::CdRom)
            Require(table[i].mountPoint.startsWith(QLatin1Char('/'))
                    && table[i].mountPoint.endsWith(QLatin1Char('/')));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    FuzzProcessorStat(bytes);
    FuzzMemInfo(bytes);
    FuzzPower(bytes);
    FuzzMountTable(bytes);
    return 0;
}
