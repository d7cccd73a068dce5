// Where Quorix's system figures come from: processor ticks, memory, power, disk space, uptime and
// the drive table. The info bar and the marquee read them through Current<SystemSource>(), so tests
// can put a fake in place of the running machine.
#pragma once

#include "platform/currentservice.h"
#include "platform/driveinfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// One processor instance's counters, in clock ticks since boot. Idle time is part of total time.
struct ProcessorTicks
{
    QByteArray name;     // "cpu" for the whole machine, "cpu0", "cpu1", ... for each processor
    quint64 idle = 0;
    quint64 total = 0;

    bool operator==(const ProcessorTicks &) const = default;
};

struct ProcessorTicksReading
{
    enum Status {
        Ok,
        Unreadable,          // the figures could not be read at all
        NoProcessorObject,   // readable, but no processor lines
        NoIdleCounter,       // a processor line lacks its idle time
    };
    Status status = Unreadable;
    // The machine's aggregate first, then each processor in the order the system lists them.
    QList<ProcessorTicks> instances;
};

// Physical memory in KiB.
struct MemoryFigures
{
    quint64 totalKiB = 0;
    quint64 availableKiB = 0;
};

struct PowerStatus
{
    enum : int {
        BatteryHigh = 1,       // more than 66 %
        BatteryLow = 2,        // less than 33 %
        BatteryCritical = 4,   // less than 5 %
        BatteryCharging = 8,
        NoBattery = 128,
        BatteryUnknown = 255,
    };
    int batteryFlag = NoBattery;
    int batteryLifePercent = -1;   // 0..100, -1 when unknown or there is no battery
    bool acOnline = true;          // running on mains power
};

// Sizes of the file system that holds a path, in bytes.
struct DiskSpace
{
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;        // free blocks, including those reserved for the administrator
    quint64 availableBytes = 0;   // free blocks an ordinary user may use
};

class SystemSource
{
public:
    virtual ~SystemSource();
    // The running machine.
    static SystemSource &Platform();

    // One read of the processor counters.
    virtual ProcessorTicksReading ReadProcessorTicks() = 0;
    virtual std::optional<MemoryFigures> ReadMemory() = 0;
    virtual PowerStatus ReadPower() = 0;
    virtual std::optional<DiskSpace> ReadDiskSpace(const QString &path) = 0;
    // Time since the machine started, counting time spent suspended; 0 when unknown.
    virtual qint64 UptimeMilliseconds() = 0;
    // The drive letters as they stand now.
    virtual QList<DriveInfo> ReadDrives() = 0;
};
