#include "infobar/marqueevalues.h"

#include "infobar/cpuusagesampler.h"
#include "infobar/marqueeline.h"
#include "infobar/metricformats.h"
#include "infobar/systemfigures.h"
#include "platform/localclock.h"
#include "platform/playertracks.h"

#include <QDate>
#include <QTime>

namespace {

bool Is(QStringView text, QLatin1StringView name)
{
    return text.compare(name, Qt::CaseInsensitive) == 0;
}

QString PercentText(int percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

QString BatteryValue(QStringView parameter)
{
    if (!Is(parameter, QLatin1StringView("LifePercent")))
        return QString();
    const PowerStatus power = SystemPowerStatus();
    // Nothing to show without a battery or on mains power.
    if (power.batteryFlag >= PowerStatus::NoBattery || power.acOnline)
        return QString();
    return PercentText(power.batteryLifePercent);
}

QString CpuValue(QStringView parameter)
{
    if (!Is(parameter, QLatin1StringView("Usage")))
        return QString();
    SampleProcessorLoad();
    const int percent = ProcessorLoadPercent(0);
    StopProcessorSampling();
    return QString::number(percent);
}

QString MemoryValue(QStringView parameter)
{
    const MemoryFigures memory = PhysicalMemory();
    if (memory.totalKiB == 0)
        return QString(); // the figures could not be read
    const quint64 available = std::min(memory.availableKiB, memory.totalKiB);
    const quint64 used = memory.totalKiB - available;
    const auto bytes = [](quint64 kib) { return FormatByteSize(qint64(kib * 1024)); };
    if (Is(parameter, QLatin1StringView("Free")))
        return bytes(available);
    if (Is(parameter, QLatin1StringView("Total")))
        return bytes(memory.totalKiB);
    if (Is(parameter, QLatin1StringView("Used")))
        return bytes(used);
    const int usedPercent = RoundedBytePercent(used, memory.totalKiB);
    if (Is(parameter, QLatin1StringView("UsedPercent")))
        return PercentText(usedPercent);
    if (Is(parameter, QLatin1StringView("FreePercent")))
        return PercentText(100 - usedPercent);
    return QString();
}

QString UptimeValue()
{
    if (SystemUptimeMilliseconds() == 0)
        return QStringLiteral("N/A");
    return FormatDuration(SystemUptimeSeconds());
}

// The clock asks for the format every second; the locale hardly ever changes.
const QString &CachedLongTimeFormat(const QLocale &locale)
{
    static QLocale cachedFor = QLocale::c();
    static QString format;
    static bool cached = false;
    if (!cached || locale != cachedFor) {
        format = LongTimeFormat(locale);
        cachedFor = locale;
        cached = true;
    }
    return format;
}

QString TimeValue()
{
    const QLocale locale;
    return locale.toString(LocalClockNow().time, CachedLongTimeFormat(locale));
}

QString DateValue()
{
    return QLocale().toString(LocalClockNow().date, QLocale::ShortFormat);
}

QString WinampValue(QStringView parameter)
{
    return Is(parameter, QLatin1StringView("Track")) ? PlayingTrackTitle() : QString();
}

} // namespace

QStringList MarqueeObjectNames()
{
    return {QStringLiteral("Battery"), QStringLiteral("CPU"),    QStringLiteral("Date"),
            QStringLiteral("Memory"),  QStringLiteral("Time"),   QStringLiteral("Uptime"),
            QStringLiteral("Winamp")};
}

QStringList MarqueeParameterNames(const QString &object)
{
    if (Is(object, QLatin1StringView("battery")))
        return {QStringLiteral("LifePercent")};
    if (Is(object, QLatin1StringView("cpu")))
        return {QStringLiteral("Usage")};
    if (Is(object, QLatin1StringView("memory")))
        return {QStringLiteral("Free"), QStringLiteral("Total"), QStringLiteral("Used"),
                QStringLiteral("UsedPercent"), QStringLiteral("FreePercent")};
    if (Is(object, QLatin1StringView("winamp")))
        return {QStringLiteral("Track")};
    return {};
}

QString GetMarqueeValue(QStringView object, QStringView parameter)
{
    if (Is(object, QLatin1StringView("Time")))
        return parameter.isEmpty() ? TimeValue() : QString();
    if (Is(object, QLatin1StringView("Date")))
        return parameter.isEmpty() ? DateValue() : QString();
    if (Is(object, QLatin1StringView("Uptime")))
        return parameter.isEmpty() ? UptimeValue() : QString();
    if (Is(object, QLatin1StringView("Memory")))
        return MemoryValue(parameter);
    if (Is(object, QLatin1StringView("CPU")))
        return CpuValue(parameter);
    if (Is(object, QLatin1StringView("Battery")))
        return BatteryValue(parameter);
    if (Is(object, QLatin1StringView("Winamp")))
        return WinampValue(parameter);
    return QString();
}

QString ExpandMarqueeLine(const QString &line)
{
    return ExpandMarqueeLine(QStringView(line), &GetMarqueeValue);
}

QString LongTimeFormat(const QLocale &locale)
{
    // Qt's long format carries the time zone ("HH:mm:ss t"); a clock on the bar shows none.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    result.reserve(format.size());
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.simplified();
}
