// The values of the marquee's tokens: clock, date, uptime, memory, processor load, battery charge
// and the playing track, read on demand from the running machine (or a test's fake source).
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

// The objects the settings dialog offers for the marquee, in the order it lists them.
QStringList MarqueeObjectNames();
// The parameters of an object (any case); empty for an object without parameters or unknown.
QStringList MarqueeParameterNames(const QString &object);

// The value of one token; names and parameters match without regard to case. An unknown object, a
// parameter the object does not take, or a missing source (no battery, no player) gives an empty
// value. Throws CpuSamplerError when the processor load cannot be read.
QString GetMarqueeValue(QStringView object, QStringView parameter);

// A marquee line with every token replaced by its current value; empty when any token's value is
// empty. Throws CpuSamplerError as GetMarqueeValue does.
QString ExpandMarqueeLine(const QString &line);

// The locale's long time format without its time zone: the clock with seconds ("HH:mm:ss").
QString LongTimeFormat(const QLocale &locale = QLocale());
