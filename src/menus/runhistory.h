// The Run box's history, "Data/runhisto.dat": plain UTF-8 text, one entry per line (CR LF), the
// most recent first, no two entries equal without regard to case, at most the "runcount" setting.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A line longer than this is no command anyone typed (the system refuses a single argument of
// more than 128 KiB anyway): it is left out instead of freezing the Run list that shows it.
inline constexpr qsizetype kMaxRunHistoryLine = 8192;
// At most 999 entries of that length, with room to spare; a larger file is not read.
inline constexpr qint64 kMaxRunHistoryFile = 16 * 1024 * 1024;

// The entries of a history file's text, in file order. Lines may end with CR LF, LF or CR; empty
// lines and lines over kMaxRunHistoryLine bytes are skipped, a line that is not valid UTF-8 reads
// as Windows-1252, and a later entry equal to an earlier one (in any case) is dropped, so a file
// edited by hand reads as a valid history.
QStringList ParseRunHistory(const QByteArray &data);
// The file's text: every entry followed by CR LF.
QByteArray FormatRunHistory(const QStringList &entries);

// The history file's entries; empty when the file is missing or cannot be read. *readable (when
// given) is false for a file that is there but was refused (not a plain file, far too large): it
// must then not be written over.
QStringList LoadRunHistory(const QString &path, bool *readable = nullptr);
// Writes the whole history atomically; false (and the old file kept) when that fails.
bool SaveRunHistory(const QString &path, const QStringList &entries);

// The history after running text: an entry equal to it in any case is removed, text becomes the
// first entry as typed, and entries are cut from the end until at most runCount remain.
QStringList AddToRunHistory(QStringList entries, const QString &text, int runCount);
