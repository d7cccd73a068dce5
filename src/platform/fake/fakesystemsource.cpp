#include "platform/fake/fakesystemsource.h"

FakeSystemSource::FakeSystemSource()
{
    // Two processors, idle; the machine's aggregate first.
    SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
    memory = MemoryFigures{4 * 1024 * 1024, 3 * 1024 * 1024};
    drives = {MakeDrive('C', QStringLiteral("/"))};
    disks.insert(QStringLiteral("/"), DiskSpace{1000, 250, 200});
}

void FakeSystemSource::SetTicks(QList<ProcessorTicks> instances)
{
    ticks.status = ProcessorTicksReading::Ok;
    ticks.instances = std::move(instances);
}

void FakeSystemSource::Advance(quint64 busy, quint64 idle)
{
    if (ticks.instances.isEmpty())
        return;
    ticks.instances[0].idle += idle;
    ticks.instances[0].total += busy + idle;
}

void FakeSystemSource::SetBattery(int percent, bool onMains)
{
    power.batteryFlag = PowerStatus::BatteryHigh;
    power.batteryLifePercent = percent;
    power.acOnline = onMains;
}

DriveInfo FakeSystemSource::MakeDrive(char letter, const QString &mountPoint, DriveType type)
{
    DriveInfo drive;
    drive.letter = QLatin1Char(letter);
    drive.mountPoint = mountPoint;
    drive.type = type;
    return drive;
}

ProcessorTicksReading FakeSystemSource::ReadProcessorTicks()
{
    ++tickReads;
    return ticks;
}

std::optional<MemoryFigures> FakeSystemSource::ReadMemory()
{
    ++memoryReads;
    return memory;
}

PowerStatus FakeSystemSource::ReadPower()
{
    ++powerReads;
    return power;
}

std::optional<DiskSpace> FakeSystemSource::ReadDiskSpace(const QString &path)
{
    ++diskReads;
    if (!disks.contains(path))
        return std::nullopt;
    return disks.value(path);
}
