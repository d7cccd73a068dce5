// Short texts for byte counts and durations, as the marquee shows memory sizes and uptime.
#pragma once

#include <QString>
#include <QtGlobal>

// "1023bytes", "1,5kb", "117mb", "1,99gb": at most four characters of the number in the user's
// decimal notation, then the unit. The gigabyte here is 1073742848 bytes, as limit and as divisor,
// so 1073741824 bytes read "1024mb". Amounts from 2^50 bytes on read in "pb", from 2^60 in "eb".
QString FormatByteSize(qint64 bytes);

// "1hr 2mins 3secs", "1wk 1day 0hrs 0mins 0secs", "0secs": every unit from the largest one that is
// not zero down to the seconds. A month is 31 days, a year 365.5 days, a century 100 such years.
QString FormatDuration(qint64 seconds);
