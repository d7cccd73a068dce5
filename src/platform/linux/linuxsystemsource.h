// The running machine's figures: /proc, /sys, statvfs and the boot clock.
#pragma once

#include "platform/linux/keptopenfile.h"
#include "platform/linux/powersupplyfiles.h"
#include "platform/systemsource.h"

class LinuxSystemSource : public SystemSource
{
public:
    ProcessorTicksReading ReadProcessorTicks() override;
    std::optional<MemoryFigures> ReadMemory() override;
    PowerStatus ReadPower() override;
    std::optional<DiskSpace> ReadDiskSpace(const QString &path) override;
    qint64 UptimeMilliseconds() override;
    QList<DriveInfo> ReadDrives() override;

private:
    // Read every second by the info bar and the marquee.
    KeptOpenFile m_processorStat{QStringLiteral("/proc/stat")};
    KeptOpenFile m_memInfo{QStringLiteral("/proc/meminfo")};
    PowerSupplyFiles m_powerSupplies;
};
