#include "infobar/metricformats.h"

#include <QLocale>

#include <iterator>
#include <limits>

QString FormatByteSize(qint64 bytes)
{
    if (bytes < 1024)
        return QString::number(bytes) + QStringLiteral("bytes");

    struct Unit
    {
        qint64 below;
        qint64 divisor;
        const char *name;
    };
    static constexpr Unit kUnits[] = {
        {1048576, 1024, "kb"},
        {1073742848, 1048576, "mb"},
        {qint64(1) << 40, 1073742848, "gb"},
        {qint64(1) << 50, qint64(1) << 40, "tb"},
        {qint64(1) << 60, qint64(1) << 50, "pb"},
        {std::numeric_limits<qint64>::max(), qint64(1) << 60, "eb"},
    };
    const Unit *unit = &kUnits[std::size(kUnits) - 1];
    for (const Unit &candidate : kUnits) {
        if (bytes < candidate.below) {
            unit = &candidate;
            break;
        }
    }

    const QString separator = QLocale().decimalPoint();
    QString number = QString::number(double(bytes) / double(unit->divisor), 'g', 15);
    number.replace(QLatin1Char('.'), separator);
    number.truncate(4);
    // "117.7" cut to "117." loses its separator too.
    if (!separator.isEmpty() && number.endsWith(separator))
        number.chop(separator.size());
    return number + QLatin1String(unit->name);
}

QString FormatDuration(qint64 seconds)
{
    struct Unit
    {
        qint64 seconds;
        const char *singular;
        const char *plural;
    };
    static constexpr Unit kUnits[] = {
        {3157920000, "century ", "centuries "},
        {31579200, "year ", "years "},
        {2678400, "mth ", "mths "},
        {604800, "wk ", "wks "},
        {86400, "day ", "days "},
        {3600, "hr ", "hrs "},
        {60, "min ", "mins "},
    };
    qint64 counts[std::size(kUnits)] = {};
    qint64 rest = seconds;
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        counts[i] = rest / kUnits[i].seconds;
        rest -= counts[i] * kUnits[i].seconds;
    }

    QString text;
    bool started = false;
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        started = started || counts[i] != 0;
        if (started)
            text += QString::number(counts[i])
                + QLatin1String(counts[i] == 1 ? kUnits[i].singular : kUnits[i].plural);
    }
    return text + QString::number(rest) + QLatin1String(rest == 1 ? "sec" : "secs");
}
