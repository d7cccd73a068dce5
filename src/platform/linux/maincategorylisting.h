// The applications menu of a desktop without a menu file: one folder for each main category of
// the freedesktop menu standard (Office, Games, Internet, ...) holding the applications that
// name it, "Other" for the rest.
#pragma once

#include "platform/shellnamespace.h"

#include <QString>
#include <QStringList>

// The folders (those that hold an application) at the top, the applications of one folder inside
// it (see ApplicationsMenu::List).
FolderListing ListByMainCategory(const QString &folderPath);
// The menu name of the folder an application with these categories goes into ("Other" when it
// names no main category).
QString MainCategoryFolder(const QStringList &categories);
