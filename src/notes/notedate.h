// A note's date: the time of its last save as whole seconds since 1 January 1970 00:00, counted on
// the local clock (the local date and time read as if they were UTC), stored as decimal text.
// Stores made on another system hold the same numbers, so a date reads the same everywhere.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The date stored for a local date and time; a half second rounds to the even second.
qint64 NoteDateFromLocalTime(const QDateTime &localTime);
// The date stored for a save made now.
qint64 CurrentNoteDate();
// The local date and time a stored date stands for; invalid when it is out of range.
QDateTime LocalTimeFromNoteDate(qint64 date);
// The date label of the note window, "9. December 2026 - 10:28" in the given locale's month names;
// empty for a stored text that is no date.
QString FormatNoteDate(const QString &storedDate, const QLocale &locale = QLocale());
