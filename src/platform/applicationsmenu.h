// The desktop's applications menu: the applications grouped in folders by category, as every
// Linux desktop shows them. The bar's Programs menu and the folder browser's "Programs" both list
// it; neither sees the applications folders themselves.
#pragma once

#include "platform/currentservice.h"
#include "platform/shellnamespace.h"

#include <QString>

class ApplicationsMenu
{
public:
    virtual ~ApplicationsMenu();
    // The menu tree of the desktop's menu file ($XDG_MENU_PREFIX applications.menu, read with
    // libgnome-menu), or, where there is no menu file, the applications grouped by their main
    // category.
    static ApplicationsMenu &Platform();

    // The folders and applications directly inside one folder of the menu. folderPath names the
    // folder by the names of the folders above it and its own, separated by "/" ("" or "/" is the
    // top, "Games/Board" a folder in a folder); a name is the folder's menu name ("Development")
    // or, failing that, what it shows ("Programming"), in any case.
    // A folder comes as an item of kind MenuFolder whose location is its full folder path; an
    // application as a DesktopEntry item whose parsing path is the desktop entry the menu chose
    // (the user's copy of a file before the system's). Hidden and NoDisplay entries are not listed.
    // ok is false when there is no such folder.
    virtual FolderListing List(const QString &folderPath) = 0;
};

// The folder path normalised: no leading, trailing or doubled "/".
QString NormalizedMenuPath(const QString &folderPath);
// The item of the folder at a menu path, for callers that keep it (the folder browser); its
// display name is the last name of the path.
ShellItem ApplicationsMenuFolderItem(const QString &folderPath, const QString &displayName = {},
                                     const QString &iconName = {});
