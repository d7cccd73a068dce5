// One entry of the desktop's name space: a file, a folder, an application's desktop entry, a volume,
// a printer, an item in the trash or one of the virtual folders (Control Panel, My Computer,
// Network, Printers, Recycle Bin, Recent Files). A plain value: copy it, keep it, drop it.
#pragma once

#include <QString>
#include <QtGlobal>

enum class ShellItemKind {
    None,           // no item (a failed lookup)
    File,           // a document, program or any other file
    Folder,         // a folder of the file system
    DesktopEntry,   // an application's .desktop file (shown by its Name)
    LinkEntry,      // a .desktop file of Type=Link (shown by its Name, opens its URL)
    Volume,         // a mounted volume of My Computer or Network
    Printer,
    TrashItem,      // a file or folder in the trash
    VirtualFolder,  // Control Panel, My Computer, Network, Printers, Recycle Bin, Recent Files
    MenuFolder,     // a folder (category) of the applications menu; its location is its menu path
};

// Locations of the virtual folders.
inline const char *const kShellControlPanel = "shell:controlpanel";
inline const char *const kShellMyComputer = "shell:mycomputer";
inline const char *const kShellNetwork = "shell:network";
inline const char *const kShellPrinters = "shell:printers";
inline const char *const kShellTrash = "shell:trash";
inline const char *const kShellRecent = "shell:recent";

struct ShellItem
{
    ShellItemKind kind = ShellItemKind::None;
    // Where the item is: an absolute path, a virtual folder's "shell:" location, or
    // "printer:<name>" for a printer.
    QString location;
    // The file the item stands for (the parsing path): the absolute path for file-system items,
    // the printer's queue name for printers, empty for virtual folders.
    QString parsingPath;
    // What the menus show: the file name, a desktop entry's localized Name, a volume's label.
    QString displayName;
    // A theme icon name or an absolute icon file; empty: derived from the file's content type.
    QString iconName;
    // Milliseconds since the epoch; 0 when unknown (listings do not read it).
    qint64 timeStamp = 0;
    // Can be opened as a submenu (folders, volumes, virtual folders, folders in the trash).
    bool isFolder = false;
    // Virtual folders list their items in their own order (drive letters); 0 for everything else.
    int order = 0;
    // For a Type=Link desktop entry: the URL it opens.
    QString linkUrl;
    // A desktop entry listed but not read yet (ListFolderUnread): it stands under its file name.
    bool entryUnread = false;

    bool IsNull() const { return kind == ShellItemKind::None; }
    // The name part of the parsing path ("notes.txt", "firefox.desktop").
    QString FileName() const;
    bool operator==(const ShellItem &) const = default;
};
