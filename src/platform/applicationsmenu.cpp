#include "platform/applicationsmenu.h"

#include <QStringList>

ApplicationsMenu::~ApplicationsMenu() = default;

QString NormalizedMenuPath(const QString &folderPath)
{
    return folderPath.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

ShellItem ApplicationsMenuFolderItem(const QString &folderPath, const QString &displayName, const QString &iconName)
{
    ShellItem item;
    item.kind = ShellItemKind::MenuFolder;
    item.isFolder = true;
    item.location = NormalizedMenuPath(folderPath);
    item.displayName = displayName.isEmpty() ? item.location.section(QLatin1Char('/'), -1) : displayName;
    item.iconName = iconName.isEmpty() ? QStringLiteral("applications-other") : iconName;
    return item;
}
