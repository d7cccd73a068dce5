#include "platform/linux/linuxsystemsource.h"

#include "platform/linux/drivetable.h"
#include "platform/linux/procfiles.h"

#include <QFile>

#include <sys/statvfs.h>
#include <time.h>

ProcessorTicksReading LinuxSystemSource::ReadProcessorTicks()
{
    // Only the leading "cpu" lines are wanted; the interrupt counts after them can be long.
    const QByteArray text = m_processorStat.Read("cpu");
    if (text.isNull())
        return {};
    return ParseProcessorStat(text);
}

std::optional<MemoryFigures> LinuxSystemSource::ReadMemory()
{
    const QByteArray text = m_memInfo.Read({}, 65536);
    if (text.isEmpty())
        return std::nullopt;
    return ParseMemInfo(text);
}

PowerStatus LinuxSystemSource::ReadPower()
{
    QList<PowerSupplyValues> supplies;
    for (const QByteArray &text : m_powerSupplies.Read())
        supplies.append(ParsePowerSupplyUevent(text));
    return CombinePowerSupplies(supplies);
}

std::optional<DiskSpace> LinuxSystemSource::ReadDiskSpace(const QString &path)
{
    struct statvfs figures {};
    if (path.isEmpty() || ::statvfs(QFile::encodeName(path).constData(), &figures) != 0)
        return std::nullopt;
    const quint64 unit = figures.f_frsize ? figures.f_frsize : figures.f_bsize;
    DiskSpace space;
    space.totalBytes = quint64(figures.f_blocks) * unit;
    space.freeBytes = quint64(figures.f_bfree) * unit;
    space.availableBytes = quint64(figures.f_bavail) * unit;
    return space;
}

qint64 LinuxSystemSource::UptimeMilliseconds()
{
    timespec now {};
    if (::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return 0;
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

QList<DriveInfo> LinuxSystemSource::ReadDrives()
{
    return ReadDriveTable();
}
