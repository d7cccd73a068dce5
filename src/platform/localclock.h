// The wall clock in the user's time zone, read every second by a marquee clock. Qt's reading
// looks at /etc/localtime again on every call; this one looks again when TZ changes and once a
// minute otherwise, so a new system time zone shows on the clock within a minute.
#pragma once

#include <QDate>
#include <QTime>

struct LocalDateTime
{
    QDate date;
    QTime time;
};

// Now, in local time, to the millisecond. For the bar's main thread.
LocalDateTime LocalClockNow();
