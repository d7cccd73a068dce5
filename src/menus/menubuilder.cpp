#include "menus/menubuilder.h"

#include "foundation/datafiles.h"
#include "foundation/desktopfolders.h"
#include "base/inifile.h"
#include "foundation/pathmacros.h"
#include "core/td.h"
#include "menus/contactsmenu.h"
#include "menus/menuactivation.h"
#include "foundation/menuicons.h"
#include "menus/menumasks.h"
#include "menus/notesmenufiller.h"
#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "menus/urlcommands.h"
#include "platform/applicationsmenu.h"
#include "platform/recentlyused.h"
#include "platform/shellnamespace.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kPrograms = QStringLiteral("$PROGRAMS$/");
const QString kDesktop = QStringLiteral("$DESKTOP$/");
const QString kNotes = QStringLiteral("$NOTES$/");
const QString kContacts = QStringLiteral("$CONTACTS$/");
const QString kCustomMenus = QStringLiteral("$CUSMENUS$/");

bool IsExistingFolder(const QString &path)
{
    return QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

// The user's or the system's folder behind a merged menu, with the subfolder path appended; empty
// when this desktop has no such folder.
QString MergedFolder(const QString &macro, const QString &subfolder)
{
    const QString base = ExpandPathMacro(macro);
    if (base.isEmpty() || base.startsWith(QLatin1Char('$')))
        return {};
    return WithTrailingSlash(base) + subfolder;
}

QString FoldedName(const QString &name)
{
    return name.toCaseFolded();
}

// Whether the submenu parent hangs in a generated submenu whose path is that macro: a contacts or
// notes submenu inside one of its own kind shows no command entries again.
bool ParentItemPathIs(const QWidget *parent, const QString &macroFolder)
{
    const auto *outer = qobject_cast<const TBMenuSubItem *>(parent ? parent->parentWidget() : nullptr);
    return outer && WithTrailingSlash(outer->Path()) == macroFolder;
}

} // namespace

MenuBuilder::MenuBuilder(QObject *parent) : QObject(parent) {}

QString MenuBuilder::DefinitionsFile() const
{
    return m_definitionsFile.isEmpty() ? DataFilePath(dfMenuSettings) : m_definitionsFile;
}

bool MenuBuilder::IsTopLevel(const QWidget *parent)
{
    return qobject_cast<const QMenuBar *>(parent) != nullptr;
}

QString MenuBuilder::ShellCaption(const QString &displayName)
{
    QString caption = displayName;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

QHash<QString, QIcon> &MenuBuilder::IconList(bool topLevel)
{
    if (TD *data = TD::Instance())
        return topLevel ? data->ImageList1RootMenu : data->ImageList1;
    return topLevel ? m_ownRootIcons : m_ownIcons;
}

// --- the top level ------------------------------------------------------------------------------

void MenuBuilder::ClearGeneratedEntries(QMenuBar *bar, int firstGenerated)
{
    const QList<QAction *> actions = bar->actions();
    for (qsizetype i = actions.size() - 1; i >= firstGenerated; --i) {
        QAction *action = actions[i];
        if (QMenu *menu = action->menu()) {
            ClearMenuItems(menu);
            bar->removeAction(action);
            // A refresh can come while one of these menus is open (a theme change): let the
            // toolkit finish with it first.
            if (menu->parent() == bar) {
                menu->hide();
                menu->deleteLater();
            }
        } else {
            bar->removeAction(action);
            if (action->parent() == bar)
                delete action;
        }
    }
}

void MenuBuilder::GenerateMenu(QMenuBar *bar, int firstGenerated)
{
    ClearGeneratedEntries(bar, firstGenerated);
    IconList(true).clear();
    BuildMenuFromDefinitions(bar, QString());
}

// --- definitions --------------------------------------------------------------------------------

void MenuBuilder::BuildMenuFromDefinitions(QWidget *parent, const QString &section)
{
    const QString name = section.isEmpty() ? QStringLiteral("menu") : section;
    if (!IsMenuSection(name) || m_sectionsInProgress.contains(name, Qt::CaseInsensitive))
        return;
    // Expanded custom menus inside expanded custom menus: a hand-made chain thousands deep, or
    // menus that each expand the next twice, would build without end. No menu anyone reads goes
    // deeper or holds more.
    if (m_sectionsInProgress.size() >= kMaxExpandedDepth)
        return;
    // One build reads the definitions once, however many custom menus it expands.
    std::unique_ptr<IniFile> ownFile;
    if (m_sectionsInProgress.isEmpty()) {
        m_definitionEntriesLeft = kMaxDefinitionEntries;
        ownFile = std::make_unique<IniFile>(DefinitionsFile());
        m_buildingFile = ownFile.get();
    }
    m_sectionsInProgress.append(name);
    for (const MenuDefinitionEntry &entry : ReadMenuDefinitions(*m_buildingFile, name)) {
        if (!entry.IsShown())
            continue;
        if (m_definitionEntriesLeft <= 0)
            break;
        --m_definitionEntriesLeft;
        switch (entry.itemType) {
        case metFolder: BuildDefinitionFolder(parent, entry); break;
        case metItem: BuildDefinitionItem(parent, entry); break;
        case metSeparator: AddSeparator(parent); break;
        default: break;
        }
    }
    m_sectionsInProgress.removeLast();
    if (ownFile)
        m_buildingFile = nullptr;
}

void MenuBuilder::BuildDefinitionFolder(QWidget *parent, const MenuDefinitionEntry &entry)
{
    const int limit = entry.ItemLimit(m_maxNumber);
    if (entry.expanded) {
        FillMenuFromPath(parent, entry.path, limit, entry.mask, false);
        return;
    }
    TBMenuSubItem *sub = AddSubmenu(parent, entry.name);
    sub->SetPath(entry.path);
    sub->SetMask(entry.mask);
    sub->SetLimit(limit);
    if (m_showIcons && !IsTopLevel(parent)) {
        const QIcon icon = DefinitionIcon(entry.iconFile, entry.iconIndex, IconList(false));
        sub->setIcon(icon.isNull() ? FolderIcon() : icon);
    }
}

void MenuBuilder::BuildDefinitionItem(QWidget *parent, const MenuDefinitionEntry &entry)
{
    TBMenuItem *item = AddItem(parent, entry.name);
    item->SetPath(entry.path);
    // Macro paths stand for places that have no file of their own to take an icon from.
    if (!m_showIcons || entry.path.startsWith(QLatin1Char('$')))
        return;
    const QIcon icon = DefinitionIcon(entry.iconFile, entry.iconIndex, IconList(IsTopLevel(parent)));
    item->setIcon(icon.isNull() ? IconForPath(ExpandPathMacro(entry.path)) : icon);
}

// --- opening a submenu --------------------------------------------------------------------------

void MenuBuilder::GetMenuPopup(TBMenuSubItem *item)
{
    ClearMenuItems(item);
    if (IsTopLevel(item->parentWidget()))
        IconList(false).clear();
    FillMenuFromPath(item, item->Path(), -1, QStringLiteral("*.*"), true);
}

void MenuBuilder::FillMenuFromPath(QWidget *parent, const QString &path, int limit, const QString &mask,
                                   bool commands)
{
    Q_UNUSED(commands) // the notes and contacts menus' command entries come with those menus
    // Inside a generated submenu its own mask and limit apply.
    auto *sub = qobject_cast<TBMenuSubItem *>(parent);
    QString effectiveMask = mask;
    if (sub) {
        effectiveMask = sub->Mask();
        limit = sub->Limit();
    }
    const int code = VirtualFolderCsidl(path);
    // F: the full expansion; E: the expansion cut before its rest R when it stays symbolic.
    QString full = path;
    QString cut = path;
    QString rest;
    if (code == 0 && (path.startsWith(QLatin1Char('$')) || path.startsWith(QLatin1Char('%')))) {
        full = cut = ExpandPathMacro(path);
        const qsizetype slash = full.indexOf(QLatin1Char('/'));
        if (full.startsWith(QLatin1Char('$')) && slash >= 0) {
            rest = full.mid(slash + 1);
            cut = full.left(slash);
        }
    }
    cut = WithTrailingSlash(cut);
    full = WithTrailingSlash(full);

    if (cut == kPrograms || cut == kDesktop) {
        FillMergedFolder(parent, full, limit, effectiveMask);
    } else if (sub && sub->HasItem()) {
        FillFromShellFolder(parent, sub->Item(), limit, effectiveMask);
    } else if (code != 0) {
        const ShellItem folder = SpecialFolderItem(code);
        if (!folder.IsNull())
            FillFromShellFolder(parent, folder, limit, effectiveMask);
    } else if (cut == kNotes) {
        NotesMenuFiller(m_maxNumber, m_showIcons, this, [this](TBMenuSubItem *sub) { GetMenuPopup(sub); })
            .FillFromPath(parent, path, limit, commands);
    } else if (cut == kContacts) {
        FillContactsMenu(parent, {m_addressBookPath, EffectiveLimit(limit),
                                  commands && !ParentItemPathIs(parent, kContacts), m_showIcons});
    } else if (cut == kCustomMenus) {
        if (!rest.isEmpty())
            BuildMenuFromDefinitions(parent, rest.endsWith(QLatin1Char('/')) ? rest.chopped(1) : rest);
    } else if (IsExistingFolder(cut)) {
        const ShellItem folder = ParsePathToItem(cut);
        if (folder.IsNull())
            return;
        if (path.startsWith(QLatin1String("$URLS$"))) {
            if (!IsTopLevel(parent))
                AddUrlCommands(parent, m_showIcons);
            FillFromShellFolder(parent, folder, limit, QStringLiteral("*.url"));
        } else if (path.startsWith(QLatin1String("$RECENTFILES$"))) {
            FillRecentFiles(parent, folder, limit, effectiveMask);
        } else {
            FillFromShellFolder(parent, folder, limit, effectiveMask);
        }
    }
}

// --- fillers ------------------------------------------------------------------------------------

void MenuBuilder::FillFromShellFolder(QWidget *parent, const ShellItem &folder, int limit, const QString &mask)
{
    FolderListing listing = ListFolderUnread(folder);
    if (listing.ok)
        BuildFolderEntries(parent, ShownFolderItems(std::move(listing.items), EffectiveLimit(limit), mask), {},
                           limit, mask);
    else
        AddUnreadableFolderEntry(parent);
}

// The items of a listing whose desktop entries are unread that the menu will show, their entries
// read. When all fit in the limit, all are read and the menu orders them by their names. When the
// folder holds more, the entries that make the menu are chosen in file-name order (an entry's file
// is named after its application) and only those are read, so that opening the menu costs what it
// shows rather than what the folder holds.
QList<ShellItem> MenuBuilder::ShownFolderItems(QList<ShellItem> items, int limit, const QString &mask)
{
    const auto shown = [&mask](const ShellItem &item) {
        return item.isFolder || MatchesMaskList(item.FileName(), mask);
    };
    QList<ShellItem> result;
    const qsizetype candidates = std::count_if(items.cbegin(), items.cend(), shown);
    if (limit <= 0 || candidates <= limit) {
        for (ShellItem &item : items) {
            if (ReadListedEntry(item))
                result.append(std::move(item));
        }
        return result;
    }
    // Only the first entries in menu order are sorted: twice as many as the menu shows, and the
    // next ones after them only when hidden desktop entries among them left the menu short.
    std::vector<bool> sortedAlready(size_t(items.size()), false);
    const auto waiting = [&](const ShellItem &item) {
        return !sortedAlready[size_t(&item - items.constData())] && shown(item);
    };
    qsizetype sorted = 0;
    for (qsizetype batch = 2 * qsizetype(limit); result.size() < limit && sorted < candidates; batch *= 2) {
        const QList<int> order = ShellSortOrder(items, true, int(std::min(batch, candidates - sorted)), waiting);
        for (int index : order)
            sortedAlready[size_t(index)] = true;
        for (qsizetype i = 0; i < order.size() && result.size() < limit; ++i) {
            ShellItem &item = items[order[i]];
            if (ReadListedEntry(item) && shown(item))
                result.append(std::move(item));
        }
        sorted += order.size();
    }
    return result;
}

void MenuBuilder::FillMergedFolder(QWidget *parent, const QString &macroPath, int limit, const QString &mask)
{
    const QString word = LeadingMacroWord(macroPath);
    const bool programs = word == QLatin1String("$PROGRAMS$");
    QString subfolder = macroPath.mid(word.size());
    while (subfolder.startsWith(QLatin1Char('/')))
        subfolder.remove(0, 1);
    // On Linux the applications folders are flat: Programs is the desktop's applications menu.
    if (programs) {
        FillApplicationsMenu(parent, subfolder, limit, mask);
        return;
    }
    const QString folders[] = {
        MergedFolder(programs ? QStringLiteral("$MYPROGRAMS$") : QStringLiteral("$MYDESKTOP$"), subfolder),
        MergedFolder(programs ? QStringLiteral("$COMMONPROGRAMS$") : QStringLiteral("$COMMONDESKTOP$"), subfolder)};

    QList<ShellItem> items;
    QStringList macroPaths;
    QSet<QString> seen;
    for (int i = 0; i < 2; ++i) {
        const bool user = i == 0;
        if (!IsExistingFolder(folders[i]))
            continue;
        const FolderListing listing = ListFolder(ParsePathToItem(folders[i]));
        if (!listing.ok) {
            if (user) {
                AddUnreadableFolderEntry(parent); // nothing else is built
                return;
            }
            continue;
        }
        for (const ShellItem &item : listing.items) {
            const QString name = item.FileName();
            if (!user && seen.contains(FoldedName(name)))
                continue; // the user's copy wins
            if (user)
                seen.insert(FoldedName(name));
            items.append(item);
            macroPaths.append(word + QLatin1Char('/') + subfolder + name);
        }
        // A desktop entry the user hid keeps the system's copy of it hidden too.
        if (user) {
            for (const QString &name : listing.suppressedNames)
                seen.insert(FoldedName(name));
        }
    }
    BuildFolderEntries(parent, items, macroPaths, limit, mask);
}

void MenuBuilder::FillApplicationsMenu(QWidget *parent, const QString &menuPath, int limit, const QString &mask)
{
    const FolderListing listing = Current<ApplicationsMenu>().List(menuPath);
    if (!listing.ok)
        return;
    // Categories open as Programs paths again; applications open their own desktop entry.
    QStringList macroPaths;
    for (const ShellItem &item : listing.items)
        macroPaths.append(item.isFolder ? QStringLiteral("$PROGRAMS$/") + item.location : QString());
    BuildFolderEntries(parent, listing.items, macroPaths, limit, mask);
}

void MenuBuilder::FillRecentFiles(QWidget *parent, const ShellItem &folder, int limit, const QString &mask)
{
    QList<RecentEntry> entries = ReadRecentlyUsedFile(folder.parsingPath + QStringLiteral("recently-used.xbel"));
    // Newest first, and only as many files looked at as the menu shows: a list of a hundred
    // thousand bookmarks costs no more than one of a hundred.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecentEntry &a, const RecentEntry &b) { return a.timeStamp > b.timeStamp; });
    limit = EffectiveLimit(limit);
    // Bookmarks of files long gone are skipped, but no more of them are looked at than a few
    // times what the menu shows: each costs a look at the disk.
    const qsizetype examined =
        limit > 0 ? qMin<qsizetype>(entries.size(), 4 * qsizetype(limit) + 1000) : entries.size();
    QList<ShellItem> recent;
    for (const RecentEntry &entry : entries.first(examined)) {
        if (limit > 0 && recent.size() >= limit)
            break;
        // The mask applies to the used file's own name.
        const QString name = entry.path.mid(entry.path.lastIndexOf(QLatin1Char('/')) + 1);
        if (!MatchesMaskList(name, mask))
            continue;
        ShellItem item = ParsePathToItem(entry.path);
        if (item.IsNull())
            continue;
        item.timeStamp = entry.timeStamp;
        recent.append(item);
    }
    SortShellItemsByName(recent);
    for (const ShellItem &shellItem : recent) {
        TBMenuItem *item = AddItem(parent, ShellCaption(shellItem.displayName));
        item->SetItem(shellItem);
        item->SetPath(shellItem.parsingPath);
        if (m_showIcons)
            item->setIcon(ShellItemIcon(shellItem));
    }
}

// Builds at most limit entries, folders and files counted together, in menu order. Files the mask
// leaves out do not count; only what is built is ordered fully and costs an entry and an icon.
void MenuBuilder::BuildFolderEntries(QWidget *parent, const QList<ShellItem> &items, const QStringList &macroPaths,
                                     int limit, const QString &mask)
{
    limit = EffectiveLimit(limit);
    const bool topLevel = IsTopLevel(parent);
    const auto shown = [&mask](const ShellItem &item) {
        return item.isFolder || MatchesMaskList(item.FileName(), mask);
    };
    for (int index : ShellSortOrder(items, true, qMax(limit, 0), shown)) {
        const ShellItem &shellItem = items[index];
        const QString macroPath = macroPaths.isEmpty() ? QString() : macroPaths[index];
        const QString caption = ShellCaption(shellItem.displayName);
        if (shellItem.isFolder) {
            TBMenuSubItem *sub = AddSubmenu(parent, caption);
            sub->SetMask(mask);
            sub->SetLimit(limit);
            // A merged subfolder merges again when it opens; any other opens its own item.
            if (macroPath.isEmpty())
                sub->SetItem(shellItem);
            else
                sub->SetPath(macroPath);
            if (m_showIcons && !topLevel)
                sub->setIcon(ShellItemIcon(shellItem));
            continue;
        }
        TBMenuItem *item = AddItem(parent, caption);
        if (macroPath.isEmpty()) {
            item->SetItem(shellItem);
            item->SetPath(shellItem.parsingPath);
        } else {
            item->SetPath(macroPath); // resolved to the user's or the system's copy when chosen
        }
        if (m_showIcons)
            item->setIcon(ShellItemIcon(shellItem));
    }
}

// --- entries ------------------------------------------------------------------------------------

TBMenuSubItem *MenuBuilder::AddSubmenu(QWidget *parent, const QString &caption)
{
    auto *sub = new TBMenuSubItem(caption, parent);
    connect(sub, &QMenu::aboutToShow, this, [this, sub] { GetMenuPopup(sub); });
    parent->addAction(sub->menuAction());
    return sub;
}

TBMenuItem *MenuBuilder::AddItem(QWidget *parent, const QString &caption)
{
    auto *item = new TBMenuItem(caption, parent);
    connect(item, &QAction::triggered, item, [item] { OpenProgramClick(item); });
    parent->addAction(item);
    return item;
}

void MenuBuilder::AddUnreadableFolderEntry(QWidget *parent)
{
    // Says why the menu is empty; choosing it does nothing.
    auto *entry = new QAction(QString::fromLatin1(kUnreadableFolderCaption), parent);
    entry->setEnabled(false);
    parent->addAction(entry);
}

void MenuBuilder::AddSeparator(QWidget *parent)
{
    auto *separator = new QAction(parent);
    separator->setSeparator(true);
    parent->addAction(separator);
}

void MenuBuilder::ClearMenuItems(QWidget *menu)
{
    const QList<QAction *> actions = menu->actions();
    for (qsizetype i = actions.size() - 1; i >= 0; --i) {
        QAction *action = actions[i];
        menu->removeAction(action);
        if (QMenu *sub = action->menu()) {
            ClearMenuItems(sub);
            if (sub->parent() == menu)
                delete sub;
        } else if (action->parent() == menu) {
            delete action;
        }
    }
}
