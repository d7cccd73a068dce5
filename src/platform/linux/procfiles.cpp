#include "platform/linux/procfiles.h"

#include <QByteArrayView>

#include <algorithm>
#include <limits>

namespace {

// A decimal number without sign; nothing when it is empty, holds another character or overflows.
std::optional<quint64> ParseUnsigned(QByteArrayView text)
{
    if (text.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const quint64 digit = quint64(c - '0');
        if (value > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Calls lineFn for every line of text, without its line break.
template<typename Fn>
void ForEachLine(QByteArrayView text, Fn lineFn)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        lineFn(text.sliced(start, end - start));
        start = end + 1;
    }
}

// Splits a line at runs of blanks, keeping at most maxTokens tokens.
QList<QByteArrayView> Tokens(QByteArrayView line, qsizetype maxTokens)
{
    QList<QByteArrayView> tokens;
    qsizetype i = 0;
    while (i < line.size() && tokens.size() < maxTokens) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const qsizetype begin = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > begin)
            tokens.append(line.sliced(begin, i - begin));
    }
    return tokens;
}

// "cpu" or "cpu" followed by digits.
bool IsProcessorName(QByteArrayView name)
{
    if (!name.startsWith("cpu"))
        return false;
    return std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// part / whole as a percentage, halves to the even neighbour; whole must be above 0.
int RoundedPercent(quint64 part, quint64 whole)
{
    const unsigned __int128 scaled = (unsigned __int128)part * 100;
    unsigned __int128 quotient = scaled / whole;
    const unsigned __int128 twice = (scaled % whole) * 2;
    if (twice > whole || (twice == whole && (quotient & 1)))
        ++quotient;
    return int(std::min<unsigned __int128>(quotient, 100));
}

} // namespace

ProcessorTicksReading ParseProcessorStat(const QByteArray &text)
{
    // user nice system idle iowait irq softirq steal guest guest_nice
    constexpr int kTotalFields = 8;
    ProcessorTicksReading reading;
    bool lacksIdle = false;
    ForEachLine(text, [&](QByteArrayView line) {
        if (!line.startsWith("cpu"))
            return;
        const QList<QByteArrayView> tokens = Tokens(line, 1 + kTotalFields);
        if (tokens.isEmpty() || !IsProcessorName(tokens.first()))
            return;
        quint64 fields[kTotalFields] = {};
        int count = 0;
        for (qsizetype t = 1; t < tokens.size(); ++t) {
            const std::optional<quint64> value = ParseUnsigned(tokens[t]);
            if (!value)
                break;
            fields[count++] = *value;
        }
        if (count < 4) {
            lacksIdle = true;
            return;
        }
        const QByteArray name = tokens.first().toByteArray();
        for (const ProcessorTicks &seen : std::as_const(reading.instances)) {
            if (seen.name == name)
                return;
        }
        ProcessorTicks ticks;
        ticks.name = name;
        ticks.idle = fields[3] + fields[4];
        for (int f = 0; f < count; ++f)
            ticks.total += fields[f];
        reading.instances.append(ticks);
    });

    if (lacksIdle) {
        reading.status = ProcessorTicksReading::NoIdleCounter;
        reading.instances.clear();
        return reading;
    }
    if (reading.instances.isEmpty()) {
        reading.status = ProcessorTicksReading::NoProcessorObject;
        return reading;
    }

    // Instance 0 is always the whole machine.
    auto aggregate = std::find_if(reading.instances.begin(), reading.instances.end(),
                                  [](const ProcessorTicks &t) { return t.name == "cpu"; });
    if (aggregate == reading.instances.end()) {
        ProcessorTicks sum;
        sum.name = "cpu";
        for (const ProcessorTicks &t : std::as_const(reading.instances)) {
            sum.idle += t.idle;
            sum.total += t.total;
        }
        reading.instances.prepend(sum);
    } else if (aggregate != reading.instances.begin()) {
        std::rotate(reading.instances.begin(), aggregate, aggregate + 1);
    }
    reading.status = ProcessorTicksReading::Ok;
    return reading;
}

std::optional<MemoryFigures> ParseMemInfo(const QByteArray &text)
{
    std::optional<quint64> total, available, free, buffers, cached;
    ForEachLine(text, [&](QByteArrayView line) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return;
        const QByteArrayView key = line.first(colon);
        std::optional<quint64> *target = nullptr;
        if (key == "MemTotal")
            target = &total;
        else if (key == "MemAvailable")
            target = &available;
        else if (key == "MemFree")
            target = &free;
        else if (key == "Buffers")
            target = &buffers;
        else if (key == "Cached")
            target = &cached;
        if (!target || target->has_value())
            return;
        const QList<QByteArrayView> tokens = Tokens(line.sliced(colon + 1), 2);
        if (tokens.isEmpty())
            return;
        *target = ParseUnsigned(tokens.first());
    });
    if (!total)
        return std::nullopt;
    MemoryFigures figures;
    figures.totalKiB = *total;
    if (available)
        figures.availableKiB = *available;
    else
        figures.availableKiB = free.value_or(0) + buffers.value_or(0) + cached.value_or(0);
    figures.availableKiB = std::min(figures.availableKiB, figures.totalKiB);
    return figures;
}

PowerSupplyValues ParsePowerSupplyUevent(const QByteArray &text)
{
    PowerSupplyValues values;
    ForEachLine(text, [&](QByteArrayView line) {
        if (!line.startsWith("POWER_SUPPLY_"))
            return;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return;
        const qsizetype nameStart = qsizetype(sizeof("POWER_SUPPLY_") - 1);
        if (equals <= nameStart)
            return;
        QByteArrayView value = line.sliced(equals + 1);
        if (value.endsWith('\r'))
            value.chop(1);
        values.insert(line.sliced(nameStart, equals - nameStart).toByteArray(), value.toByteArray());
    });
    return values;
}

namespace {

bool IsSystemSupply(const PowerSupplyValues &supply)
{
    return supply.value("SCOPE") != "Device";
}

bool IsMainsSupply(const PowerSupplyValues &supply)
{
    const QByteArray type = supply.value("TYPE");
    return type == "Mains" || type.startsWith("USB") || type == "BrickID" || type == "Wireless";
}

// The sum of a pair of now/full values over every battery; nothing unless every battery has both.
std::optional<int> PercentFromSums(const QList<PowerSupplyValues> &batteries, const char *now,
                                   const char *full)
{
    quint64 nowSum = 0;
    quint64 fullSum = 0;
    for (const PowerSupplyValues &battery : batteries) {
        const std::optional<quint64> n = ParseUnsigned(battery.value(now));
        const std::optional<quint64> f = ParseUnsigned(battery.value(full));
        if (!n || !f || *f == 0 || *n > (quint64(1) << 48) || *f > (quint64(1) << 48))
            return std::nullopt;
        nowSum += *n;
        fullSum += *f;
    }
    return RoundedPercent(nowSum, fullSum);
}

std::optional<int> MeanCapacity(const QList<PowerSupplyValues> &batteries)
{
    quint64 sum = 0;
    for (const PowerSupplyValues &battery : batteries) {
        const std::optional<quint64> capacity = ParseUnsigned(battery.value("CAPACITY"));
        if (!capacity)
            return std::nullopt;
        sum += std::min<quint64>(*capacity, 100);
    }
    return RoundedPercent(sum, quint64(batteries.size()) * 100);
}

int LevelFlags(int percent)
{
    if (percent > 66)
        return PowerStatus::BatteryHigh;
    if (percent < 5)
        return PowerStatus::BatteryLow | PowerStatus::BatteryCritical;
    if (percent < 33)
        return PowerStatus::BatteryLow;
    return 0;
}

} // namespace

PowerStatus CombinePowerSupplies(const QList<PowerSupplyValues> &supplies)
{
    QList<PowerSupplyValues> batteries;
    bool anyMains = false;
    bool mainsOnline = false;
    for (const PowerSupplyValues &supply : supplies) {
        if (!IsSystemSupply(supply))
            continue;
        if (supply.value("TYPE") == "Battery") {
            if (supply.value("PRESENT", "1") != "0")
                batteries.append(supply);
        } else if (IsMainsSupply(supply)) {
            anyMains = true;
            mainsOnline = mainsOnline || supply.value("ONLINE") == "1";
        }
    }

    PowerStatus status;
    bool discharging = false;
    bool charging = false;
    for (const PowerSupplyValues &battery : std::as_const(batteries)) {
        discharging = discharging || battery.value("STATUS") == "Discharging";
        charging = charging || battery.value("STATUS") == "Charging";
    }
    // Without a mains supply in the list the batteries tell whether the machine is on mains.
    status.acOnline = anyMains ? mainsOnline : !discharging;
    if (batteries.isEmpty())
        return status;

    std::optional<int> percent = PercentFromSums(batteries, "ENERGY_NOW", "ENERGY_FULL");
    if (!percent)
        percent = PercentFromSums(batteries, "CHARGE_NOW", "CHARGE_FULL");
    if (!percent)
        percent = MeanCapacity(batteries);
    if (!percent) {
        status.batteryFlag = PowerStatus::BatteryUnknown;
        status.batteryLifePercent = -1;
        return status;
    }
    status.batteryLifePercent = *percent;
    status.batteryFlag = LevelFlags(*percent) | (charging ? PowerStatus::BatteryCharging : 0);
    return status;
}
