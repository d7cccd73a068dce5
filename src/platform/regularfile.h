// Reading files that anyone may have put in a folder the menus list. Only a regular file is ever
// opened, never blocking (a FIFO or a device named like a desktop entry or an icon would wait
// forever for a writer), and no more than a cap is read, so a huge file is refused instead of
// filling the memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What each kind of file the menus read may weigh at most.
inline constexpr qint64 kMaxDesktopEntrySize = 64 * 1024;      // a desktop entry, a .url file
inline constexpr qint64 kMaxIconFileSize = 4 * 1024 * 1024;    // a picture shown as a menu icon

struct RegularFileRead
{
    bool ok = false;      // the file is a regular file of at most the cap, read whole
    QByteArray data;
    QString error;        // why not, for a message or a trace line
};

// True when path (after symbolic links) is a regular file of at most maxSize bytes. Opens nothing.
bool IsSmallRegularFile(const QString &path, qint64 maxSize);
// Reads a regular file of at most maxSize bytes whole; anything else is refused unread.
RegularFileRead ReadRegularFile(const QString &path, qint64 maxSize);
// The same from raw path bytes, for names that are not valid text.
RegularFileRead ReadRegularFileBytes(const QByteArray &path, qint64 maxSize);
