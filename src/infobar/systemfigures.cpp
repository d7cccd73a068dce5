#include "infobar/systemfigures.h"

#include "platform/drivetable.h"

#include <algorithm>
#include <climits>

namespace {

// round(part × 100 / whole) with halves to even, for whole > 0.
__int128 PercentHalfEven(__int128 part, __int128 whole)
{
    const __int128 scaled = part * 100;
    __int128 quotient = scaled / whole;
    __int128 remainder = scaled % whole;
    if (remainder < 0) {   // floor division
        quotient -= 1;
        remainder += whole;
    }
    const __int128 twice = remainder * 2;
    if (twice > whole || (twice == whole && (quotient & 1) != 0))
        quotient += 1;
    return quotient;
}

int ToInt(__int128 value)
{
    return int(std::clamp<__int128>(value, INT_MIN, INT_MAX));
}

} // namespace

int RoundedPercent(qint64 part, qint64 whole)
{
    return whole > 0 ? ToInt(PercentHalfEven(part, whole)) : 0;
}

int RoundedBytePercent(quint64 part, quint64 whole)
{
    return whole > 0 ? ToInt(PercentHalfEven(part, whole)) : 0;
}

MemoryFigures PhysicalMemory()
{
    return Current<SystemSource>().ReadMemory().value_or(MemoryFigures());
}

int MemoryLoadPercent()
{
    const MemoryFigures memory = PhysicalMemory();
    if (memory.totalKiB == 0)
        return 0;
    const quint64 used = memory.totalKiB - std::min(memory.availableKiB, memory.totalKiB);
    return RoundedBytePercent(used, memory.totalKiB);
}

PowerStatus SystemPowerStatus()
{
    return Current<SystemSource>().ReadPower();
}

int DiskUsagePercent(QChar letter)
{
    // C is always the root, so the most common disk object needs no look at the mount table.
    const QString mountPoint = letter.toUpper() == QLatin1Char('C') ? QStringLiteral("/")
                                                                    : DriveForLetter(letter).mountPoint;
    if (mountPoint.isEmpty())
        return 0;
    const std::optional<DiskSpace> space = Current<SystemSource>().ReadDiskSpace(mountPoint);
    if (!space || space->totalBytes == 0)
        return 0;
    const quint64 used = space->totalBytes - std::min(space->freeBytes, space->totalBytes);
    return RoundedBytePercent(used, space->totalBytes);
}

qint64 SystemUptimeMilliseconds()
{
    return std::max<qint64>(0, Current<SystemSource>().UptimeMilliseconds());
}

qint64 SystemUptimeSeconds()
{
    const qint64 ms = SystemUptimeMilliseconds();
    qint64 seconds = ms / 1000;
    const qint64 rest = ms % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 != 0))
        ++seconds;
    return seconds;
}
