#include "platform/linux/gmenutreelisting.h"

#include "platform/applicationsmenu.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <memory>

#define GMENU_I_KNOW_THIS_IS_UNSTABLE
#include <gmenu-tree.h>

namespace {

struct ObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct ItemUnref
{
    void operator()(gpointer item) const { gmenu_tree_item_unref(item); }
};
struct IterUnref
{
    void operator()(GMenuTreeIter *iter) const { gmenu_tree_iter_unref(iter); }
};
using TreePtr = std::unique_ptr<GMenuTree, ObjectUnref>;
using DirectoryPtr = std::unique_ptr<GMenuTreeDirectory, ItemUnref>;
using EntryPtr = std::unique_ptr<GMenuTreeEntry, ItemUnref>;
using AliasPtr = std::unique_ptr<GMenuTreeAlias, ItemUnref>;
using IterPtr = std::unique_ptr<GMenuTreeIter, IterUnref>;

QString Utf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// A theme icon name or an icon file, as the name space keeps icons.
QString IconName(GIcon *icon)
{
    if (!icon)
        return {};
    if (G_IS_THEMED_ICON(icon)) {
        const gchar *const *names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        return names && names[0] ? Utf8(names[0]) : QString();
    }
    if (G_IS_FILE_ICON(icon)) {
        gchar *path = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
        const QString result = Utf8(path);
        g_free(path);
        return result;
    }
    return {};
}

QString DirectoryMenuName(GMenuTreeDirectory *directory)
{
    return Utf8(gmenu_tree_directory_get_menu_id(directory));
}

// The folder below parent whose menu name is name, else the one that shows it; null when none.
DirectoryPtr ChildDirectory(GMenuTreeDirectory *parent, const QString &name)
{
    for (const bool byMenuName : {true, false}) {
        IterPtr iter(gmenu_tree_directory_iter(parent));
        for (GMenuTreeItemType type; (type = gmenu_tree_iter_next(iter.get())) != GMENU_TREE_ITEM_INVALID;) {
            if (type != GMENU_TREE_ITEM_DIRECTORY)
                continue;
            DirectoryPtr child(gmenu_tree_iter_get_directory(iter.get()));
            const QString childName = byMenuName ? DirectoryMenuName(child.get())
                                                 : Utf8(gmenu_tree_directory_get_name(child.get()));
            if (childName.compare(name, Qt::CaseInsensitive) == 0)
                return child;
        }
    }
    return {};
}

ShellItem FolderItem(GMenuTreeDirectory *directory, const QString &parentPath)
{
    const QString name = DirectoryMenuName(directory);
    const QString path = parentPath.isEmpty() ? name : parentPath + QLatin1Char('/') + name;
    return ApplicationsMenuFolderItem(path, Utf8(gmenu_tree_directory_get_name(directory)),
                                      IconName(gmenu_tree_directory_get_icon(directory)));
}

ShellItem ApplicationItem(GMenuTreeEntry *entry)
{
    ShellItem item;
    item.kind = ShellItemKind::DesktopEntry;
    item.location = item.parsingPath = Utf8(gmenu_tree_entry_get_desktop_file_path(entry));
    GDesktopAppInfo *app = gmenu_tree_entry_get_app_info(entry);
    item.displayName = app ? Utf8(g_app_info_get_name(G_APP_INFO(app))) : QString();
    if (item.displayName.isEmpty())
        item.displayName = QFileInfo(item.parsingPath).completeBaseName();
    if (app) {
        gchar *icon = g_desktop_app_info_get_string(app, G_KEY_FILE_DESKTOP_KEY_ICON);
        item.iconName = Utf8(icon);
        g_free(icon);
    }
    return item;
}

void AppendDirectory(FolderListing &listing, GMenuTreeDirectory *directory, const QString &parentPath)
{
    if (!gmenu_tree_directory_get_is_nodisplay(directory))
        listing.items.append(FolderItem(directory, parentPath));
}

void AppendEntry(FolderListing &listing, GMenuTreeEntry *entry)
{
    if (!gmenu_tree_entry_get_is_nodisplay_recurse(entry) && !gmenu_tree_entry_get_is_excluded(entry))
        listing.items.append(ApplicationItem(entry));
}

FolderListing ListDirectory(GMenuTreeDirectory *directory, const QString &path)
{
    FolderListing listing;
    listing.ok = true;
    IterPtr iter(gmenu_tree_directory_iter(directory));
    for (GMenuTreeItemType type; (type = gmenu_tree_iter_next(iter.get())) != GMENU_TREE_ITEM_INVALID;) {
        if (type == GMENU_TREE_ITEM_DIRECTORY) {
            AppendDirectory(listing, DirectoryPtr(gmenu_tree_iter_get_directory(iter.get())).get(), path);
        } else if (type == GMENU_TREE_ITEM_ENTRY) {
            AppendEntry(listing, EntryPtr(gmenu_tree_iter_get_entry(iter.get())).get());
        } else if (type == GMENU_TREE_ITEM_ALIAS) {
            // An entry or folder the menu file shows in a second place (inline menus).
            AliasPtr alias(gmenu_tree_iter_get_alias(iter.get()));
            if (gmenu_tree_alias_get_aliased_item_type(alias.get()) == GMENU_TREE_ITEM_ENTRY)
                AppendEntry(listing, EntryPtr(gmenu_tree_alias_get_aliased_entry(alias.get())).get());
            else if (gmenu_tree_alias_get_aliased_item_type(alias.get()) == GMENU_TREE_ITEM_DIRECTORY)
                AppendDirectory(listing, DirectoryPtr(gmenu_tree_alias_get_aliased_directory(alias.get())).get(), path);
        }
        // Separators and headers have no place in a listing that the menus sort themselves.
    }
    return listing;
}

} // namespace

std::optional<FolderListing> ListMenuTreeFolder(const QString &menuFile, const QString &folderPath)
{
    const QByteArray file = QFile::encodeName(menuFile);
    TreePtr tree(gmenu_tree_new_for_path(file.constData(), GMENU_TREE_FLAGS_NONE));
    GError *error = nullptr;
    if (!gmenu_tree_load_sync(tree.get(), &error)) {
        g_clear_error(&error);
        return std::nullopt;
    }
    DirectoryPtr directory(gmenu_tree_get_root_directory(tree.get()));
    if (!directory)
        return std::nullopt;
    const QString path = NormalizedMenuPath(folderPath);
    QString reached;
    for (const QString &name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        directory = ChildDirectory(directory.get(), name);
        if (!directory)
            return FolderListing{};
        // The path as the menu names it, whichever way the caller named the folders.
        const QString menuName = DirectoryMenuName(directory.get());
        reached = reached.isEmpty() ? menuName : reached + QLatin1Char('/') + menuName;
    }
    return ListDirectory(directory.get(), reached);
}
