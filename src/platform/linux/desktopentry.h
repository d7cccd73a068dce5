// Reading applications' .desktop files through GIO: their localized name, icon and categories and
// whether this desktop shows them.
#pragma once

#include <QString>
#include <QStringList>

struct DesktopEntryInfo
{
    enum Kind { Invalid, Application, Link };
    Kind kind = Invalid;
    // False for NoDisplay or Hidden entries, entries of other desktops (OnlyShowIn/NotShowIn) and
    // applications whose program is missing (TryExec, Exec).
    bool visible = false;
    QString name;          // localized Name
    QString icon;          // Icon=: a theme icon name or an absolute file
    QStringList categories;
    QString url;           // Type=Link: the URL it opens
};

// Invalid for anything but a regular file of at most 64 KiB that reads as a desktop entry.
DesktopEntryInfo ReadDesktopEntry(const QString &path);
// The same from the file's bytes (tests, fuzzing).
DesktopEntryInfo ReadDesktopEntryData(const QByteArray &data);

// Every desktop entry file of the applications folders of $XDG_DATA_HOME and $XDG_DATA_DIRS, each
// desktop file ID once (the user's copy first), as absolute paths.
QStringList AllApplicationEntryFiles();
