#include "platform/localclock.h"

#include <QByteArray>
#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr time_t kZoneRecheckSeconds = 60;

// What the C library's zone was last read for: TZ's value (or its absence) and when.
struct ZoneReading
{
    bool read = false;
    bool hasVariable = false;
    QByteArray variable;
    time_t at = 0;
};

// localtime_r uses the zone the C library read last; tzset reads it again (and with TZ unset,
// looks at /etc/localtime).
void ReadZoneWhenDue(time_t now)
{
    static ZoneReading last;
    const char *variable = std::getenv("TZ");
    const bool hasVariable = variable != nullptr;
    const bool variableChanged = hasVariable != last.hasVariable
        || (hasVariable && last.variable != QByteArrayView(variable));
    if (last.read && !variableChanged && now >= last.at && now - last.at < kZoneRecheckSeconds)
        return;
    ::tzset();
    last.read = true;
    last.hasVariable = hasVariable;
    last.variable = hasVariable ? QByteArray(variable) : QByteArray();
    last.at = now;
}

} // namespace

LocalDateTime LocalClockNow()
{
    timespec now {};
    tm parts {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) {
        const QDateTime fallback = QDateTime::currentDateTime();
        return {fallback.date(), fallback.time()};
    }
    ReadZoneWhenDue(now.tv_sec);
    if (!::localtime_r(&now.tv_sec, &parts)) {
        const QDateTime fallback = QDateTime::currentDateTime();
        return {fallback.date(), fallback.time()};
    }
    // A leap second (":60") shows as the second before it.
    return {QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
            QTime(parts.tm_hour, parts.tm_min, std::min(parts.tm_sec, 59),
                  int(now.tv_nsec / 1000000))};
}
