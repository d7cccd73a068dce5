#include "platform/shellnamespace.h"

#include "platform/applicationsmenu.h"
#include "platform/drivetable.h"
#include "platform/linux/desktopentry.h"
#include "platform/linux/trashinfo.h"
#include "platform/printingsystem.h"
#include "platform/recentlyused.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QUrl>

namespace {

bool IsDesktopEntryName(const QString &name)
{
    return name.endsWith(QLatin1String(".desktop"));
}

// Fills in what a desktop entry shows; false when this desktop does not show it (a broken entry
// stays a plain file).
bool ApplyDesktopEntry(ShellItem &item)
{
    const DesktopEntryInfo entry = ReadDesktopEntry(item.parsingPath);
    if (entry.kind == DesktopEntryInfo::Invalid)
        return false;
    item.kind = entry.kind == DesktopEntryInfo::Link ? ShellItemKind::LinkEntry : ShellItemKind::DesktopEntry;
    if (!entry.name.isEmpty())
        item.displayName = entry.name;
    item.iconName = entry.icon;
    item.linkUrl = entry.url;
    return entry.visible;
}

ShellItem FileSystemItem(const QFileInfo &info, ShellItemKind fileKind, ShellItemKind folderKind)
{
    ShellItem item;
    item.isFolder = info.isDir();
    item.kind = item.isFolder ? folderKind : fileKind;
    item.parsingPath = info.filePath();
    item.location = item.parsingPath;
    item.displayName = info.fileName();
    return item;
}

FolderListing ListDirectory(const QString &folder, ListFilter filter,
                            ShellItemKind fileKind = ShellItemKind::File,
                            ShellItemKind folderKind = ShellItemKind::Folder, bool readEntries = true)
{
    FolderListing listing;
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() || !folderInfo.isReadable() || !folderInfo.isExecutable())
        return listing;
    listing.ok = true;
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (filter == ListFilter::FoldersAndFiles)
        filters |= QDir::Dirs;
    QDirIterator it(QDir::cleanPath(folderInfo.absoluteFilePath()), filters);
    while (it.hasNext()) {
        it.next();
        ShellItem item = FileSystemItem(it.fileInfo(), fileKind, folderKind);
        const bool entry = !item.isFolder && fileKind == ShellItemKind::File && IsDesktopEntryName(item.displayName);
        if (entry && !readEntries) {
            item.entryUnread = true;
        } else if (entry && !ApplyDesktopEntry(item)) {
            listing.suppressedNames.append(it.fileName());
            continue;
        }
        listing.items.append(std::move(item));
    }
    return listing;
}

FolderListing ListControlPanel()
{
    FolderListing listing;
    listing.ok = true;
    for (const QString &file : AllApplicationEntryFiles()) {
        const DesktopEntryInfo entry = ReadDesktopEntry(file);
        if (entry.kind != DesktopEntryInfo::Application || !entry.visible
            || !entry.categories.contains(QStringLiteral("Settings")))
            continue;
        ShellItem item;
        item.kind = ShellItemKind::DesktopEntry;
        item.location = item.parsingPath = file;
        item.displayName = entry.name.isEmpty() ? QFileInfo(file).completeBaseName() : entry.name;
        item.iconName = entry.icon;
        listing.items.append(item);
    }
    return listing;
}

QString DriveIconName(DriveType type)
{
    switch (type) {
    case DriveType::CdRom: return QStringLiteral("media-optical");
    case DriveType::Removable: return QStringLiteral("drive-removable-media");
    case DriveType::Remote: return QStringLiteral("folder-remote");
    case DriveType::Fixed: break;
    }
    return QStringLiteral("drive-harddisk");
}

ShellItem VolumeItem(const QString &mountPoint, const QString &name, const QString &icon, int order)
{
    ShellItem item;
    item.kind = ShellItemKind::Volume;
    item.isFolder = true;
    item.location = item.parsingPath = mountPoint;
    item.displayName = name;
    item.iconName = icon;
    item.order = order;
    return item;
}

ShellItem DriveItem(const DriveInfo &drive)
{
    QString name = drive.label;
    if (name.isEmpty())
        name = QFileInfo(QDir::cleanPath(drive.mountPoint)).fileName();
    if (name.isEmpty())
        name = drive.mountPoint;
    const int order = 2 + (drive.letter.unicode() - 'A');
    return VolumeItem(drive.mountPoint, QStringLiteral("%1 (%2:)").arg(name, drive.letter), DriveIconName(drive.type),
                      order);
}

FolderListing ListMyComputer()
{
    FolderListing listing;
    listing.ok = true;
    listing.items.append(VolumeItem(QStringLiteral("/"), QStringLiteral("File System"),
                                    QStringLiteral("drive-harddisk"), 0));
    listing.items.append(VolumeItem(HomeDir(), QStringLiteral("Home"), QStringLiteral("user-home"), 1));
    for (const DriveInfo &drive : DriveTable()) {
        if (!drive.mountPoint.isEmpty() && drive.mountPoint != QStringLiteral("/"))
            listing.items.append(DriveItem(drive));
    }
    return listing;
}

FolderListing ListNetwork()
{
    FolderListing listing;
    listing.ok = true;
    for (const DriveInfo &drive : DriveTable()) {
        if (drive.type == DriveType::Remote && !drive.mountPoint.isEmpty())
            listing.items.append(DriveItem(drive));
    }
    return listing;
}

FolderListing ListPrinters()
{
    FolderListing listing;
    listing.ok = true;
    const QList<PrinterEntry> printers = Current<PrintingSystem>().Printers();
    for (const PrinterEntry &printer : printers) {
        ShellItem item;
        item.kind = ShellItemKind::Printer;
        item.location = QStringLiteral("printer:") + printer.name;
        item.parsingPath = printer.name;
        item.displayName = printer.description.isEmpty() ? printer.name : printer.description;
        item.iconName = QStringLiteral("printer");
        listing.items.append(item);
    }
    return listing;
}

FolderListing ListRecent()
{
    FolderListing listing;
    listing.ok = true;
    const QList<RecentEntry> entries = ReadRecentlyUsedFile(XdgDataHome() + QStringLiteral("recently-used.xbel"));
    for (const RecentEntry &entry : entries) {
        ShellItem item = ParsePathToItem(entry.path);
        if (item.IsNull())
            continue;
        item.timeStamp = entry.timeStamp;
        listing.items.append(item);
    }
    return listing;
}

struct VirtualFolder
{
    const char *location;
    const char *displayName;
    const char *iconName;
};

const VirtualFolder kVirtualFolders[] = {
    {kShellControlPanel, "Control Panel", "preferences-system"},
    {kShellMyComputer, "My Computer", "computer"},
    {kShellNetwork, "Network", "network-workgroup"},
    {kShellPrinters, "Printers", "printer"},
    {kShellTrash, "Recycle Bin", "user-trash"},
    {kShellRecent, "Recent Files", "document-open-recent"},
};

ShellItem VirtualFolderItem(const QString &location)
{
    ShellItem item;
    for (const VirtualFolder &folder : kVirtualFolders) {
        if (location == QLatin1String(folder.location)) {
            item.kind = ShellItemKind::VirtualFolder;
            item.isFolder = true;
            item.location = location;
            item.displayName = QString::fromLatin1(folder.displayName);
            item.iconName = QString::fromLatin1(folder.iconName);
        }
    }
    return item;
}

QString TrashFilesFolder()
{
    return XdgDataHome() + QStringLiteral("Trash/files/");
}

// The trash under the names its files had: "report.2.txt" on disk is the "report.txt" the user
// threw away.
FolderListing ListTrash(ListFilter filter)
{
    FolderListing listing = ListDirectory(TrashFilesFolder(), filter, ShellItemKind::TrashItem, ShellItemKind::TrashItem);
    for (ShellItem &item : listing.items) {
        const QString original = TrashedFileOriginalName(item.parsingPath);
        if (!original.isEmpty())
            item.displayName = original;
    }
    return listing;
}

} // namespace

FolderListing ListFolder(const ShellItem &folder, ListFilter filter)
{
    if (folder.kind == ShellItemKind::VirtualFolder) {
        const QString &where = folder.location;
        if (where == QLatin1String(kShellControlPanel))
            return ListControlPanel(); // settings panels are never folders
        if (where == QLatin1String(kShellMyComputer))
            return filter == ListFilter::FoldersAndFiles ? ListMyComputer() : FolderListing{true, {}, {}};
        if (where == QLatin1String(kShellNetwork))
            return filter == ListFilter::FoldersAndFiles ? ListNetwork() : FolderListing{true, {}, {}};
        if (where == QLatin1String(kShellPrinters))
            return ListPrinters();
        if (where == QLatin1String(kShellTrash))
            return ListTrash(filter);
        if (where == QLatin1String(kShellRecent))
            return ListRecent();
        return {};
    }
    if (folder.kind == ShellItemKind::MenuFolder) {
        FolderListing listing = Current<ApplicationsMenu>().List(folder.location);
        if (filter == ListFilter::FilesOnly)
            listing.items.removeIf([](const ShellItem &item) { return item.isFolder; });
        return listing;
    }
    if (!folder.isFolder)
        return {};
    return ListDirectory(folder.parsingPath, filter);
}

FolderListing ListFolderUnread(const ShellItem &folder)
{
    if (folder.kind == ShellItemKind::VirtualFolder || !folder.isFolder)
        return ListFolder(folder);
    return ListDirectory(folder.parsingPath, ListFilter::FoldersAndFiles, ShellItemKind::File,
                         ShellItemKind::Folder, false);
}

bool ReadListedEntry(ShellItem &item)
{
    if (!item.entryUnread)
        return true;
    item.entryUnread = false;
    return ApplyDesktopEntry(item);
}

ShellItem ParsePathToItem(const QString &path)
{
    if (path.startsWith(QLatin1String("shell:")))
        return VirtualFolderItem(path);
    if (!QDir::isAbsolutePath(path))
        return {};
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    ShellItem item = FileSystemItem(info, ShellItemKind::File, ShellItemKind::Folder);
    item.parsingPath = item.location = QDir::cleanPath(info.absoluteFilePath());
    if (item.parsingPath == QStringLiteral("/"))
        item.displayName = QStringLiteral("/");
    if (item.isFolder)
        item.location = item.parsingPath = WithTrailingSlash(item.parsingPath);
    else if (IsDesktopEntryName(item.displayName))
        ApplyDesktopEntry(item); // shown or not, a path given directly is that entry
    return item;
}
