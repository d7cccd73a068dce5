// The desktop's list of recently used files, $XDG_DATA_HOME/recently-used.xbel (an XBEL bookmark
// file shared by the desktop's applications). Only local files count.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

struct RecentEntry
{
    QString path;          // absolute local path
    qint64 timeStamp = 0;  // last use, milliseconds since the epoch; 0 when the file gives none
};

// Every local file's bookmark, each path once (its latest use), in file order. A damaged file
// gives the bookmarks read before the damage.
QList<RecentEntry> ReadRecentlyUsed(const QByteArray &xml);
// The same from a file; empty when it is missing, unreadable or unreasonably large.
QList<RecentEntry> ReadRecentlyUsedFile(const QString &path);
