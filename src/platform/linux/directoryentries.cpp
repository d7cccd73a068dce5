#include "platform/linux/directoryentries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// True for a folder, false for a regular file, nothing for anything else (a FIFO, a device, a
// socket, a broken link, an entry gone since). The listing names the type of most entries itself,
// so a folder of 50,000 files costs no look at each file; links, and file systems that do not
// name types, are looked at (links followed).
std::optional<bool> IsFolderOrFile(int folderFd, const dirent &entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return true;
    case DT_REG:
        return false;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return std::nullopt;
    }
    struct stat info = {};
    if (::fstatat(folderFd, entry.d_name, &info, 0) != 0)
        return std::nullopt;
    if (S_ISDIR(info.st_mode))
        return true;
    if (S_ISREG(info.st_mode))
        return false;
    return std::nullopt;
}

} // namespace

std::optional<QList<DirectoryEntry>> ReadDirectoryEntries(const QByteArray &folder, bool withFolders)
{
    if (folder.isEmpty() || ::access(folder.constData(), R_OK | X_OK) != 0)
        return std::nullopt;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return std::nullopt;
    QList<DirectoryEntry> entries;
    const int fd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::optional<bool> isFolder = IsFolderOrFile(fd, *entry);
        if (!isFolder || (*isFolder && !withFolders))
            continue;
        entries.append({QByteArray(entry->d_name), *isFolder});
    }
    ::closedir(dir);
    return entries;
}
