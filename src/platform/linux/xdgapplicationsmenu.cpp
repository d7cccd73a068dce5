#include "platform/linux/xdgapplicationsmenu.h"

#include "platform/linux/gmenutreelisting.h"
#include "platform/linux/maincategorylisting.h"
#include "platform/xdgpaths.h"

#include <QFileInfo>

namespace {

QString FindMenuFile(const QString &name)
{
    QStringList folders{XdgConfigHome()};
    folders += XdgConfigDirs();
    for (const QString &folder : folders) {
        const QString candidate = folder + QStringLiteral("menus/") + name;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace

QString ApplicationsMenuFile()
{
    const QString plain = QStringLiteral("applications.menu");
    const QString prefix = qEnvironmentVariable("XDG_MENU_PREFIX");
    // A prefix is a word such as "gnome-", never a way into another folder.
    if (!prefix.isEmpty() && !prefix.contains(QLatin1Char('/'))) {
        const QString prefixed = FindMenuFile(prefix + plain);
        if (!prefixed.isEmpty())
            return prefixed;
    }
    return FindMenuFile(plain);
}

FolderListing XdgApplicationsMenu::List(const QString &folderPath)
{
    const QString menuFile = ApplicationsMenuFile();
    if (!menuFile.isEmpty()) {
        if (std::optional<FolderListing> listing = ListMenuTreeFolder(menuFile, folderPath))
            return *listing;
        // A menu file that cannot be read still leaves the user a menu of the applications.
    }
    return ListByMainCategory(folderPath);
}
