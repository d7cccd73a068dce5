// The entries of a folder as the file system names them: bytes, not text. A name that is not valid
// UTF-8 (a file copied from an old disk or another system) is listed all the same, and opened by
// its real bytes rather than by a text that names no file.
#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

struct DirectoryEntry
{
    QByteArray name;       // the file name's bytes
    bool isFolder = false;
};

// The regular files (and, with folders, the folders) of a folder, symbolic links followed; names
// starting with "." are left out, as are FIFOs, devices, sockets and broken links. Nothing when
// the folder cannot be listed.
std::optional<QList<DirectoryEntry>> ReadDirectoryEntries(const QByteArray &folder, bool withFolders);
