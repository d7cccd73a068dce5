// Readers of the kernel's text files for the system figures: /proc/stat, /proc/meminfo and the
// power supplies' uevent files. Pure functions over the file text, so any text is safe to feed.
#pragma once

#include "platform/systemsource.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <optional>

// The "cpu" lines of /proc/stat. Idle time is idle plus I/O wait; total time is every field up to
// steal (guest time is already counted in user time). The aggregate line comes first.
ProcessorTicksReading ParseProcessorStat(const QByteArray &text);

// MemTotal and MemAvailable of /proc/meminfo in KiB; kernels without MemAvailable count free
// memory plus buffers and page cache. Nothing when MemTotal is missing.
std::optional<MemoryFigures> ParseMemInfo(const QByteArray &text);

// A power supply's uevent file: its POWER_SUPPLY_* values keyed by the name after that prefix.
using PowerSupplyValues = QHash<QByteArray, QByteArray>;
PowerSupplyValues ParsePowerSupplyUevent(const QByteArray &text);

// The machine's power status from all its power supplies. Batteries of devices (mice, keyboards)
// do not count; several system batteries are combined.
PowerStatus CombinePowerSupplies(const QList<PowerSupplyValues> &supplies);
