#include "notes/notedate.h"

#include <QTimeZone>

namespace {

constexpr qint64 kMillisecondsPerSecond = 1000;
// Far beyond any real save, and safe from overflow in the conversions below.
constexpr qint64 kLargestDate = qint64(1) << 40;

// Divides towards minus infinity, so that dates before 1970 round like the rest.
qint64 FloorDivide(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

qint64 RoundHalfEvenToSeconds(qint64 milliseconds)
{
    const qint64 seconds = FloorDivide(milliseconds, kMillisecondsPerSecond);
    const qint64 remainder = milliseconds - seconds * kMillisecondsPerSecond;
    const qint64 half = kMillisecondsPerSecond / 2;
    if (remainder > half || (remainder == half && seconds % 2 != 0))
        return seconds + 1;
    return seconds;
}

// The wall-clock time as if it were UTC: what the stored count is counted on.
QDateTime WallClock(qint64 date)
{
    return QDateTime::fromSecsSinceEpoch(date, QTimeZone::utc());
}

} // namespace

qint64 NoteDateFromLocalTime(const QDateTime &localTime)
{
    const QDateTime local = localTime.toLocalTime();
    const QDateTime wall(local.date(), local.time(), QTimeZone::utc());
    return RoundHalfEvenToSeconds(wall.toMSecsSinceEpoch());
}

qint64 CurrentNoteDate()
{
    return NoteDateFromLocalTime(QDateTime::currentDateTime());
}

QDateTime LocalTimeFromNoteDate(qint64 date)
{
    if (date > kLargestDate || date < -kLargestDate)
        return {};
    const QDateTime wall = WallClock(date);
    return QDateTime(wall.date(), wall.time());
}

QString FormatNoteDate(const QString &storedDate, const QLocale &locale)
{
    bool ok = false;
    const qint64 date = storedDate.trimmed().toLongLong(&ok);
    if (!ok || date > kLargestDate || date < -kLargestDate)
        return {};
    // The wall clock itself: a time that a change to summer time skipped is still shown as stored.
    const QDateTime wall = WallClock(date);
    return locale.toString(wall.date(), QStringLiteral("d. MMMM yyyy")) + QStringLiteral(" - ")
           + locale.toString(wall.time(), QStringLiteral("h:mm"));
}
