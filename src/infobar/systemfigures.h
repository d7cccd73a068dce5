// The machine's figures as the info bar and the marquee show them: physical memory, battery,
// disk usage and the time since the machine started. Read on demand, never in the background.
#pragma once

#include "platform/systemsource.h"

#include <QChar>
#include <QtGlobal>

// round(part / whole × 100), halves to the even neighbour; 0 when whole is not above 0.
int RoundedPercent(qint64 part, qint64 whole);
// The same for byte counts, which may exceed the signed range.
int RoundedBytePercent(quint64 part, quint64 whole);

// Total and available physical memory in KiB; both 0 when they cannot be read.
MemoryFigures PhysicalMemory();
// Physical memory in use: round((total - available) / total × 100); 0 when unknown.
int MemoryLoadPercent();

// Battery flag, battery life percent (-1 when unknown or no battery) and mains power.
PowerStatus SystemPowerStatus();

// Used share of the drive with that letter, counting every free block (also those kept for the
// administrator); 0 when there is no such drive or its size cannot be read.
int DiskUsagePercent(QChar letter);

// Time since the machine started, in 64 bits: it does not wrap after 49.7 days.
qint64 SystemUptimeMilliseconds();
// The same in whole seconds, the milliseconds rounded (halves to even).
qint64 SystemUptimeSeconds();
