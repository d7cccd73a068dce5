// The desktop's name space as the menus see it: folders of the file system with their hidden
// entries left out, applications' desktop entries under their own names, and the virtual folders
// Control Panel, My Computer, Network, Printers, Recycle Bin and Recent Files.
#pragma once

#include "platform/shellitem.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct FolderListing
{
    bool ok = false;               // false: the folder could not be listed at all
    QList<ShellItem> items;        // unsorted
    // File names of desktop entries that exist but are not shown (NoDisplay, Hidden, another
    // desktop's, a missing TryExec): a user's hidden copy still hides the system's.
    QStringList suppressedNames;
};

enum class ListFilter { FoldersAndFiles, FilesOnly };

// Lists a folder, a volume or a virtual folder. Hidden entries (names starting with ".") are left
// out; desktop entries that should not be shown on this desktop are left out.
FolderListing ListFolder(const ShellItem &folder, ListFilter filter = ListFilter::FoldersAndFiles);

// Lists like ListFolder, but a file-system folder's desktop entries are left unread: each stands
// under its file name with entryUnread set, for ReadListedEntry once it is to be shown, so that a
// folder of twenty thousand entries costs no more than the few a menu shows.
FolderListing ListFolderUnread(const ShellItem &folder);
// Reads an unread desktop entry of such a listing (anything else is left as it is); false when
// this desktop does not show it.
bool ReadListedEntry(ShellItem &item);

// The order of the menus: folders before files, then the virtual folders' own order, then the
// display name, case-insensitively with numbers compared by value ("file2" before "file10").
// Negative, zero or positive like a three-way comparison.
int CompareShellItems(const ShellItem &a, const ShellItem &b);
// Sorts with CompareShellItems; fast for tens of thousands of entries.
void SortShellItems(QList<ShellItem> &items);
// Sorts by display name alone (folder or not), numbers by value.
void SortShellItemsByName(QList<ShellItem> &items);
// The positions of items in CompareShellItems order (or by name alone), for callers that sort
// records of their own alongside. Only items that pass keep (when given) take part; with a
// firstCount above 0 only that many leading positions are returned, found without ordering the
// rest (a menu of 125 entries from a folder of 50,000 files).
QList<int> ShellSortOrder(const QList<ShellItem> &items, bool foldersFirst = true, int firstCount = 0,
                          const std::function<bool(const ShellItem &)> &keep = {});

// The item for an absolute path or a virtual folder's "shell:" location; a null item when there is
// no such file or folder.
ShellItem ParsePathToItem(const QString &path);

// The small icon of an item: its own icon name or file, else the theme icon of its content type.
QIcon ShellItemIcon(const ShellItem &item);
// The icon of whatever a path names: an existing file or folder, a program on PATH or a URL.
QIcon IconForPath(const QString &path);
// The theme's folder icon.
QIcon FolderIcon();
