// One folder of a freedesktop menu file's tree, read with libgnome-menu: its merges, its
// .directory names and icons and the user's edits applied.
#pragma once

#include "platform/shellnamespace.h"

#include <QString>

#include <optional>

// The folders and applications in the folder at folderPath (see ApplicationsMenu::List); no
// value when the menu file cannot be loaded at all, a listing that is not ok when the file has no
// such folder.
std::optional<FolderListing> ListMenuTreeFolder(const QString &menuFile, const QString &folderPath);
