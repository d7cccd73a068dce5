#include "platform/linux/maincategorylisting.h"

#include "platform/applicationsmenu.h"
#include "platform/linux/desktopentry.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <initializer_list>

namespace {

struct CategoryFolder
{
    const char *name;         // the folder's menu name, used in paths ("$PROGRAMS$/Development")
    const char *displayName;  // what the menu shows
    const char *iconName;
    std::initializer_list<const char *> categories;
};

// The main categories, in the names and with the icons the desktops' own menus give them.
const CategoryFolder kFolders[] = {
    {"Accessories", "Accessories", "applications-accessories", {"Utility"}},
    {"Development", "Programming", "applications-development", {"Development"}},
    {"Education", "Education", "applications-education", {"Education"}},
    {"Games", "Games", "applications-games", {"Game"}},
    {"Graphics", "Graphics", "applications-graphics", {"Graphics"}},
    {"Internet", "Internet", "applications-internet", {"Network"}},
    {"Multimedia", "Sound & Video", "applications-multimedia", {"AudioVideo", "Audio", "Video"}},
    {"Office", "Office", "applications-office", {"Office"}},
    {"Science", "Science", "applications-science", {"Science"}},
    {"Settings", "Settings", "preferences-desktop", {"Settings"}},
    {"System", "System Tools", "applications-system", {"System"}},
    {"Other", "Other", "applications-other", {}},
};

const CategoryFolder &OtherFolder()
{
    return kFolders[std::size(kFolders) - 1];
}

const CategoryFolder *FolderNamed(const QString &name)
{
    for (const CategoryFolder &folder : kFolders) {
        if (name.compare(QLatin1String(folder.name), Qt::CaseInsensitive) == 0)
            return &folder;
    }
    for (const CategoryFolder &folder : kFolders) {
        if (name.compare(QString::fromUtf8(folder.displayName), Qt::CaseInsensitive) == 0)
            return &folder;
    }
    return nullptr;
}

// What was read from each desktop entry, kept while the file stays as it was: every opening of
// Programs looks at every application, and reading hundreds of entries afresh each time shows.
struct ReadEntry
{
    QDateTime modified;
    qint64 size = -1;
    DesktopEntryInfo info;
};

DesktopEntryInfo ReadDesktopEntryCached(const QString &file)
{
    static QHash<QString, ReadEntry> cache;
    const QFileInfo now(file);
    const auto found = cache.constFind(file);
    if (found != cache.constEnd() && found->modified == now.lastModified() && found->size == now.size())
        return found->info;
    // A desktop with thousands of entries renamed again and again must not grow this for ever.
    constexpr qsizetype kMaxCached = 20000;
    if (cache.size() >= kMaxCached)
        cache.clear();
    ReadEntry entry{now.lastModified(), now.size(), ReadDesktopEntry(file)};
    cache.insert(file, entry);
    return entry.info;
}

ShellItem ApplicationItem(const QString &file, const DesktopEntryInfo &entry)
{
    ShellItem item;
    item.kind = ShellItemKind::DesktopEntry;
    item.location = item.parsingPath = file;
    item.displayName = entry.name.isEmpty() ? QFileInfo(file).completeBaseName() : entry.name;
    item.iconName = entry.icon;
    return item;
}

ShellItem FolderItem(const CategoryFolder &folder)
{
    return ApplicationsMenuFolderItem(QString::fromLatin1(folder.name), QString::fromUtf8(folder.displayName),
                                      QString::fromLatin1(folder.iconName));
}

} // namespace

QString MainCategoryFolder(const QStringList &categories)
{
    // The first main category the entry names decides; the standard asks for one only.
    for (const QString &category : categories) {
        for (const CategoryFolder &folder : kFolders) {
            for (const char *main : folder.categories) {
                if (category == QLatin1String(main))
                    return QString::fromLatin1(folder.name);
            }
        }
    }
    return QString::fromLatin1(OtherFolder().name);
}

FolderListing ListByMainCategory(const QString &folderPath)
{
    const QString path = NormalizedMenuPath(folderPath);
    const CategoryFolder *wanted = nullptr;
    if (!path.isEmpty()) {
        wanted = FolderNamed(path);
        if (!wanted)
            return {}; // the folders hold no folders of their own
    }
    FolderListing listing;
    listing.ok = true;
    QSet<QString> foldersInUse;
    // The user's copy of an entry comes first and takes its file ID: when it is hidden, the
    // system's copy stays hidden too.
    for (const QString &file : AllApplicationEntryFiles()) {
        const DesktopEntryInfo entry = ReadDesktopEntryCached(file);
        if (entry.kind != DesktopEntryInfo::Application || !entry.visible)
            continue;
        const QString folder = MainCategoryFolder(entry.categories);
        if (!wanted)
            foldersInUse.insert(folder);
        else if (folder == QLatin1String(wanted->name))
            listing.items.append(ApplicationItem(file, entry));
    }
    for (const CategoryFolder &folder : kFolders) {
        if (foldersInUse.contains(QLatin1String(folder.name)))
            listing.items.append(FolderItem(folder));
    }
    return listing;
}
