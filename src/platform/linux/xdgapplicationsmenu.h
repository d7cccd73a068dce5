// The applications menu of this desktop: the menu file's tree where the desktop has a menu file,
// else the applications grouped by their main category.
#pragma once

#include "platform/applicationsmenu.h"

class XdgApplicationsMenu : public ApplicationsMenu
{
public:
    FolderListing List(const QString &folderPath) override;
};

// The menu file the desktop's applications menu is read from: $XDG_MENU_PREFIX applications.menu
// in menus/ of $XDG_CONFIG_HOME or $XDG_CONFIG_DIRS (the first found; the user's own first), else
// applications.menu without the prefix; empty when there is none.
QString ApplicationsMenuFile();
