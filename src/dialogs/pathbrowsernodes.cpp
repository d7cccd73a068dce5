#include "dialogs/pathbrowsernodes.h"

#include "base/inifile.h"
#include "foundation/desktopfolders.h"
#include "foundation/pathmacros.h"
#include "platform/applicationsmenu.h"
#include "platform/shellnamespace.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

const QString kContacts = QStringLiteral("$CONTACTS$");
const QString kCustomMenus = QStringLiteral("$CUSMENUS$");
const QString kNotes = QStringLiteral("$NOTES$");
const QString kPrograms = QStringLiteral("$PROGRAMS$");
const QString kDesktop = QStringLiteral("$DESKTOP$");

// A folder that holds at least one folder that is not hidden: worth a placeholder.
bool HasSubfolders(const QString &path)
{
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    return it.hasNext();
}

bool MayHaveChildren(const ShellItem &item)
{
    if (item.kind == ShellItemKind::Folder)
        return HasSubfolders(item.parsingPath);
    return item.isFolder;
}

QList<ShellItem> SortedSubfolders(const ShellItem &folder)
{
    if (folder.IsNull())
        return {};
    FolderListing listing = ListFolder(folder);
    if (!listing.ok)
        return {};
    QList<ShellItem> folders;
    for (ShellItem &child : listing.items) {
        if (child.isFolder)
            folders.append(std::move(child));
    }
    SortShellItems(folders);
    return folders;
}

QList<BrowserNode> ShellChildren(const ShellItem &folder, const BrowserContext &context)
{
    QList<BrowserNode> nodes;
    for (const ShellItem &child : SortedSubfolders(folder)) {
        QString path = child.parsingPath.isEmpty() ? child.location : child.parsingPath;
        // Below a macro the macro word stands for its folder: /home/ann/Docs/Work is $MYDOC$/Work.
        if (context.prefixLength > 0 && path.size() >= context.prefixLength)
            path = context.basePath + QLatin1Char('/') + path.mid(context.prefixLength);
        nodes.append({child.displayName, WithoutTrailingSlash(path), ShellItemIcon(child), child,
                      MayHaveChildren(child)});
    }
    return nodes;
}

bool HasMenuFolders(const QString &menuPath)
{
    const FolderListing listing = Current<ApplicationsMenu>().List(menuPath);
    return std::any_of(listing.items.begin(), listing.items.end(), [](const ShellItem &item) { return item.isFolder; });
}

// $PROGRAMS$ is the desktop's applications menu: its categories, as the Programs menu shows them.
QList<BrowserNode> ApplicationsMenuChildren(const QString &menuPath)
{
    QList<ShellItem> folders;
    for (const ShellItem &item : Current<ApplicationsMenu>().List(menuPath).items) {
        if (item.isFolder)
            folders.append(item);
    }
    SortShellItems(folders);
    QList<BrowserNode> nodes;
    for (const ShellItem &folder : folders) {
        nodes.append({folder.displayName, kPrograms + QLatin1Char('/') + NormalizedMenuPath(folder.location),
                      ShellItemIcon(folder), ShellItem(), HasMenuFolders(folder.location)});
    }
    return nodes;
}

// $DESKTOP$: the user's desktop folders and the shared desktop's, a folder of both shown once.
// Their nodes keep the macro path and carry no item, so that each expansion merges again.
QList<BrowserNode> MergedChildren(const QString &nodePath)
{
    const qsizetype slash = nodePath.indexOf(QLatin1Char('/'));
    const QString macro = slash < 0 ? nodePath : nodePath.left(slash);
    const QString rest = slash < 0 ? QString() : nodePath.mid(slash + 1);
    if (macro == kPrograms)
        return ApplicationsMenuChildren(rest);
    const QString words[] = {QStringLiteral("$MYDESKTOP$"), QStringLiteral("$COMMONDESKTOP$")};
    QList<ShellItem> folders;
    QSet<QString> seen;
    for (const QString &word : words) {
        const QString base = ExpandPathMacro(word);
        if (base.isEmpty() || base.startsWith(QLatin1Char('$')))
            continue;
        const QString folder = WithTrailingSlash(base) + rest;
        if (!QFileInfo(folder).isDir())
            continue;
        for (const ShellItem &child : SortedSubfolders(ParsePathToItem(folder))) {
            const QString key = child.FileName().toCaseFolded();
            if (seen.contains(key))
                continue; // the user's copy of a folder stands for both
            seen.insert(key);
            folders.append(child);
        }
    }
    SortShellItems(folders);
    QList<BrowserNode> nodes;
    for (const ShellItem &child : folders) {
        nodes.append({child.displayName, WithoutTrailingSlash(nodePath) + QLatin1Char('/') + child.FileName(),
                      ShellItemIcon(child), ShellItem(), MayHaveChildren(child)});
    }
    return nodes;
}

QList<BrowserNode> CustomMenuChildren(const BrowserContext &context)
{
    QList<BrowserNode> nodes;
    const IniFile file(context.definitionsFile);
    for (const QString &section : file.Sections()) {
        if (section.compare(QLatin1String("header"), Qt::CaseInsensitive) == 0
            || section.compare(QLatin1String("menu"), Qt::CaseInsensitive) == 0)
            continue;
        nodes.append({section, kCustomMenus + QLatin1Char('/') + section, FolderIcon(), ShellItem(), true});
    }
    return nodes;
}

QList<BrowserNode> NoteCategoryChildren(const BrowserContext &context)
{
    QList<BrowserNode> nodes;
    if (!context.noteCategories)
        return nodes;
    for (const QString &category : context.noteCategories())
        nodes.append({category, kNotes + QLatin1Char('/') + category, FolderIcon(), ShellItem(), true});
    return nodes;
}

} // namespace

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

int BasePrefixLength(const QString &basePath)
{
    if (!basePath.startsWith(QLatin1Char('$')) || VirtualFolderCsidl(basePath) != 0)
        return 0;
    const QString expanded = ExpandPathMacro(basePath);
    return expanded.startsWith(QLatin1Char('$')) ? 0 : int(WithTrailingSlash(expanded).size());
}

QList<BrowserNode> ListNodeChildren(const QString &nodePath, const ShellItem &item, const BrowserContext &context)
{
    if (const int code = VirtualFolderCsidl(nodePath); code != 0)
        return ShellChildren(SpecialFolderItem(code), context);
    if (!item.IsNull())
        return ShellChildren(item, context);
    const QString path = WithMacroSeparators(nodePath);
    const QString expanded = WithoutTrailingSlash(ExpandPathMacro(path));
    if (expanded == kContacts)
        return {};
    if (expanded == kCustomMenus)
        return CustomMenuChildren(context);
    if (path.startsWith(kDesktop) || path.startsWith(kPrograms))
        return MergedChildren(WithoutTrailingSlash(path));
    if (expanded == kNotes)
        return NoteCategoryChildren(context);
    if (!expanded.startsWith(QLatin1Char('$')) && QDir::isAbsolutePath(expanded))
        return ShellChildren(ParsePathToItem(expanded), context);
    return {};
}

QIcon BaseIcon(const QString &basePath)
{
    if (const int code = VirtualFolderCsidl(basePath); code != 0) {
        const QIcon icon = ShellItemIcon(SpecialFolderItem(code));
        if (!icon.isNull())
            return icon;
    }
    QString iconPath = ExpandPathMacro(basePath);
    if (iconPath.startsWith(QLatin1Char('$')))
        iconPath = ResolveUserOrCommonPath(basePath);
    if (!iconPath.isEmpty() && !iconPath.startsWith(QLatin1Char('$')) && QFileInfo(iconPath).isDir()) {
        const QIcon icon = ShellItemIcon(ParsePathToItem(WithoutTrailingSlash(iconPath)));
        if (!icon.isNull())
            return icon;
    }
    return FolderIcon();
}
