// The Run box's history, "Data/runhisto.dat": plain UTF-8 text, one entry per line (CR LF), the
// most recent first, no two entries equal without regard to case, at most the "runcount" setting.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The entries of a history file's text, in file order. Lines may end with CR LF, LF or CR; empty
// lines are skipped, and a later entry equal to an earlier one (in any case) is dropped, so a file
// edited by hand reads as a valid history.
QStringList ParseRunHistory(const QByteArray &data);
// The file's text: every entry followed by CR LF.
QByteArray FormatRunHistory(const QStringList &entries);

// The history file's entries; empty when the file is missing or cannot be read.
QStringList LoadRunHistory(const QString &path);
// Writes the whole history atomically; false (and the old file kept) when that fails.
bool SaveRunHistory(const QString &path, const QStringList &entries);

// The history after running text: an entry equal to it in any case is removed, text becomes the
// first entry as typed, and entries are cut from the end until at most runCount remain.
QStringList AddToRunHistory(QStringList entries, const QString &text, int runCount);
