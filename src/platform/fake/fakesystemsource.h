// A machine of the test's making: processor ticks, memory, power, disks, uptime and drive letters
// as the test sets them, and how often each was read. A fresh one has two idle processors, 4 GiB
// of memory of which 3 GiB are available, no battery, and drive C at "/" (1000 bytes, 250 free,
// 200 available).
#pragma once

#include "platform/systemsource.h"

#include <QHash>

class FakeSystemSource : public SystemSource
{
public:
    FakeSystemSource();

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

    void SetTicks(QList<ProcessorTicks> instances);
    // Adds busy and idle ticks to the machine's aggregate (instance 0).
    void Advance(quint64 busy, quint64 idle);
    void SetBattery(int percent, bool onMains);
    void RemoveBattery() { power = PowerStatus(); }

    static DriveInfo MakeDrive(char letter, const QString &mountPoint, DriveType type = DriveType::Fixed);

    ProcessorTicksReading ReadProcessorTicks() override;
    std::optional<MemoryFigures> ReadMemory() override;
    PowerStatus ReadPower() override;
    std::optional<DiskSpace> ReadDiskSpace(const QString &path) override;
    qint64 UptimeMilliseconds() override { return uptimeMs; }
    QList<DriveInfo> ReadDrives() override { return drives; }
};
