// Tells the user, once, when a file of theirs could not be saved or read: the file's path and the
// system's reason, in one box per file rather than one per attempt (a setting saved every second
// to a full disk must not bury the desktop in boxes). A file that is saved again later is
// reported afresh when it fails again.
#pragma once

#include <QSet>
#include <QString>

class FileProblemReports
{
public:
    // Reports every failed write of WriteFileAtomically from now on (the program calls it once).
    static void WatchAtomicWrites();

    // A file that could not be saved; its old contents stay.
    static void ReportNotSaved(const QString &path, const QString &reason);
    // A file that could not be read; the program goes on with defaults and leaves it as it is.
    static void ReportNotRead(const QString &path, const QString &reason);
    // The file was saved: a later failure is news again.
    static void ForgetFile(const QString &path);

    // The texts of the boxes.
    static QString NotSavedText(const QString &path, const QString &reason);
    static QString NotReadText(const QString &path, const QString &reason);

private:
    static QSet<QString> &Reported();
    static void ReportOnce(const QString &key, const QString &text);
};
