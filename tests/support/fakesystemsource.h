// A machine of the test's making: processor ticks, memory, power, disks and uptime as the test sets
// them. It installs itself as the process's figure source for its lifetime and puts back the one
// it replaced; the processor sampler starts afresh both times.
#pragma once

#include "infobar/cpuusagesampler.h"
#include "platform/systemsource.h"

#include <QHash>

class FakeSystemSource : public SystemSource
{
public:
    FakeSystemSource()
    {
        m_previous = SetSystemSource(this);
        ResetProcessorSampling();
        // Two processors, idle; the machine's aggregate first.
        SetTicks({{"cpu", 0, 0}, {"cpu0", 0, 0}, {"cpu1", 0, 0}});
        memory = MemoryFigures{4 * 1024 * 1024, 3 * 1024 * 1024};
        drives = {MakeDrive('C', QStringLiteral("/"))};
        disks.insert(QStringLiteral("/"), DiskSpace{1000, 250, 200});
    }
    ~FakeSystemSource() override
    {
        SetSystemSource(m_previous);
        ResetProcessorSampling();
    }
    FakeSystemSource(const FakeSystemSource &) = delete;
    FakeSystemSource &operator=(const FakeSystemSource &) = delete;

    ProcessorTicksReading ticks;
    std::optional<MemoryFigures> memory;
    PowerStatus power;
    QHash<QString, DiskSpace> disks;   // by mount point
    qint64 uptimeMs = 0;
    QList<DriveInfo> drives;
    int tickReads = 0;
    int memoryReads = 0;
    int powerReads = 0;
    int diskReads = 0;

    void SetTicks(QList<ProcessorTicks> instances)
    {
        ticks.status = ProcessorTicksReading::Ok;
        ticks.instances = std::move(instances);
    }
    // Adds busy and idle ticks to the machine's aggregate (instance 0).
    void Advance(quint64 busy, quint64 idle)
    {
        ticks.instances[0].idle += idle;
        ticks.instances[0].total += busy + idle;
    }
    void SetBattery(int percent, bool onMains)
    {
        power.batteryFlag = PowerStatus::BatteryHigh;
        power.batteryLifePercent = percent;
        power.acOnline = onMains;
    }
    void RemoveBattery() { power = PowerStatus(); }

    static DriveInfo MakeDrive(char letter, const QString &mountPoint,
                               DriveType type = DriveType::Fixed)
    {
        DriveInfo drive;
        drive.letter = QLatin1Char(letter);
        drive.mountPoint = mountPoint;
        drive.type = type;
        return drive;
    }

    ProcessorTicksReading ReadProcessorTicks() override
    {
        ++tickReads;
        return ticks;
    }
    std::optional<MemoryFigures> ReadMemory() override
    {
        ++memoryReads;
        return memory;
    }
    PowerStatus ReadPower() override
    {
        ++powerReads;
        return power;
    }
    std::optional<DiskSpace> ReadDiskSpace(const QString &path) override
    {
        ++diskReads;
        if (!disks.contains(path))
            return std::nullopt;
        return disks.value(path);
    }
    qint64 UptimeMilliseconds() override { return uptimeMs; }
    QList<DriveInfo> ReadDrives() override { return drives; }

private:
    SystemSource *m_previous = nullptr;
};
