// What a path that the user typed or stored opens when it is started (the Run box, a menu item's
// path, a hotkey target), as opposed to the folder a menu lists for it.
#pragma once

#include <QString>

// The path with its macro expanded; "$RECENTFILES$" alone (the recently used list is kept in the
// data home) stands for the desktop's recent files view, "shell:recent".
QString ExpandPathToOpen(const QString &path);
// True for the name space's virtual folders ("shell:recent"), which StartFile opens too.
bool IsVirtualFolderLocation(const QString &path);
