// Builds the bar's generated menus: the top level from the menu definitions, and every generated
// submenu afresh each time it opens, from a definition section, a folder, a virtual folder, the
// merged user and system Programs or Desktop folders, or the recently used files.
#pragma once

#include "menus/menudefinitions.h"
#include "platform/shellitem.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>

class IniFile;
class QMenuBar;
class QWidget;
class TBMenuItem;
class TBMenuSubItem;

// The one inert entry of a menu whose folder cannot be read (no permission, gone meanwhile).
inline const char *const kUnreadableFolderCaption = "Error: Folder Cannot Be Read";

class MenuBuilder : public QObject
{
    Q_OBJECT

public:
    explicit MenuBuilder(QObject *parent = nullptr);

    // The settings the menus follow: the default item limit and whether entries show icons.
    void SetMaxNumber(int maxNumber) { m_maxNumber = maxNumber; }
    int MaxNumber() const { return m_maxNumber; }
    void SetShowIcons(bool showIcons) { m_showIcons = showIcons; }
    bool ShowIcons() const { return m_showIcons; }
    // The address book of the contacts menus: a .vcf file or a folder of them.
    void SetAddressBookPath(const QString &path) { m_addressBookPath = path; }
    // The definitions file; Data/menusettings.ini of the data folder unless set.
    void SetDefinitionsFile(const QString &path) { m_definitionsFile = path; }
    QString DefinitionsFile() const;

    // Removes the bar's entries from position firstGenerated on and builds [menu] after the rest.
    void GenerateMenu(QMenuBar *bar, int firstGenerated);
    // Removes (and frees) the bar's entries from position firstGenerated on.
    void ClearGeneratedEntries(QMenuBar *bar, int firstGenerated);

    // Adds the shown entries of a definition section (empty: [menu]) to parent, a QMenuBar or a
    // QMenu.
    void BuildMenuFromDefinitions(QWidget *parent, const QString &section);
    // The popup handler of every generated submenu: clear it and fill it from its path.
    void GetMenuPopup(TBMenuSubItem *item);
    // Adds the content behind a path to parent. Inside a generated submenu the submenu's own mask
    // and limit apply; limit -1 is the maxnumber setting, 0 or below no limit. The commands flag
    // allows the command entries of the notes and contacts menus.
    void FillMenuFromPath(QWidget *parent, const QString &path, int limit, const QString &mask, bool commands);

    // The fillers.
    void FillFromShellFolder(QWidget *parent, const ShellItem &folder, int limit, const QString &mask);
    void FillMergedFolder(QWidget *parent, const QString &macroPath, int limit, const QString &mask);
    // The desktop's applications menu behind $PROGRAMS$: the folder at menuPath ("" the top).
    void FillApplicationsMenu(QWidget *parent, const QString &menuPath, int limit, const QString &mask);
    void FillRecentFiles(QWidget *parent, const ShellItem &folder, int limit, const QString &mask);

    // Removes and frees every entry of a menu, submenus first.
    static void ClearMenuItems(QWidget *menu);
    // A name from the file system shown as it is: "&" doubled so it marks no accelerator.
    static QString ShellCaption(const QString &displayName);
    static bool IsTopLevel(const QWidget *parent);

private:
    int EffectiveLimit(int limit) const { return limit == -1 ? m_maxNumber : limit; }
    // Builds folder entries in menu order; macroPaths, when not empty, holds the merged menus'
    // path of each item.
    void BuildFolderEntries(QWidget *parent, const QList<ShellItem> &items, const QStringList &macroPaths,
                            int limit, const QString &mask);
    static QList<ShellItem> ShownFolderItems(QList<ShellItem> items, int limit, const QString &mask);
    TBMenuSubItem *AddSubmenu(QWidget *parent, const QString &caption);
    TBMenuItem *AddItem(QWidget *parent, const QString &caption);
    void AddSeparator(QWidget *parent);
    void AddUnreadableFolderEntry(QWidget *parent);
    void BuildDefinitionFolder(QWidget *parent, const MenuDefinitionEntry &entry);
    void BuildDefinitionItem(QWidget *parent, const MenuDefinitionEntry &entry);
    QHash<QString, QIcon> &IconList(bool topLevel);

    int m_maxNumber = 125;
    bool m_showIcons = true;
    QString m_definitionsFile;
    QString m_addressBookPath;
    // Sections being built right now (a stack): a custom menu that, through expanded entries,
    // contains itself is built once instead of forever.
    QStringList m_sectionsInProgress;
    // How deep expanded custom menus nest, and how many definition entries one build makes.
    static constexpr int kMaxExpandedDepth = 16;
    static constexpr int kMaxDefinitionEntries = 5000;
    int m_definitionEntriesLeft = kMaxDefinitionEntries;
    const IniFile *m_buildingFile = nullptr; // the definitions while a build runs
    QHash<QString, QIcon> m_ownIcons;
    QHash<QString, QIcon> m_ownRootIcons;
};
