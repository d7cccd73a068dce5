#include "platform/linux/directoryentries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
        struct stat info = {};
        if (::fstatat(fd, entry->d_name, &info, 0) != 0)
            continue; // a broken link, or gone since
        const bool isFolder = S_ISDIR(info.st_mode);
        if ((isFolder && !withFolders) || (!isFolder && !S_ISREG(info.st_mode)))
            continue;
        entries.append({QByteArray(entry->d_name), isFolder});
    }
    ::closedir(dir);
    return entries;
}
