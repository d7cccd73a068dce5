// The mappings of a process that hold nothing but a file's unchanged pages, read from the text
// of /proc/<pid>/smaps: their pages can be dropped at any time and come back from the file.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QtGlobal>

struct AddressRange
{
    quintptr start = 0;
    quintptr end = 0; // past the last byte
    bool operator==(const AddressRange &) const = default;
};

// The private read-only ("r--p") mappings of files (an inode) with resident pages of which none
// is anonymous (a page copied on write would be the process's own data). Executable code stays
// mapped; shared mappings (the X server's images, caches) are never listed.
QList<AddressRange> UnchangedReadOnlyMappings(QByteArrayView smaps);
