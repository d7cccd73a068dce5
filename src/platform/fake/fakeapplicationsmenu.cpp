#include "platform/fake/fakeapplicationsmenu.h"

ShellItem FakeApplicationsMenu::AddFolder(const QString &path, const QString &displayName)
{
    const QString folder = NormalizedMenuPath(path);
    const QString parent = folder.section(QLatin1Char('/'), 0, -2);
    if (!m_folders.contains(parent))
        AddFolder(parent);
    const ShellItem item = ApplicationsMenuFolderItem(folder, displayName);
    if (!m_folders.contains(folder)) {
        m_folders.insert(folder, {});
        m_folders[parent].append(item);
    }
    return item;
}

ShellItem FakeApplicationsMenu::AddApplication(const QString &folderPath, const QString &file,
                                               const QString &displayName)
{
    const QString folder = NormalizedMenuPath(folderPath);
    if (!m_folders.contains(folder))
        AddFolder(folder);
    ShellItem item;
    item.kind = ShellItemKind::DesktopEntry;
    item.location = item.parsingPath = file;
    item.displayName = displayName;
    m_folders[folder].append(item);
    return item;
}

FolderListing FakeApplicationsMenu::List(const QString &folderPath)
{
    requests.append(folderPath);
    const auto found = m_folders.constFind(NormalizedMenuPath(folderPath));
    if (found == m_folders.constEnd())
        return {};
    return {true, *found, {}};
}
