// An applications menu of the test's making: folders by path, each with its folders and
// applications.
#pragma once

#include "platform/applicationsmenu.h"

#include <QMap>

class FakeApplicationsMenu : public ApplicationsMenu
{
public:
    // Adds a folder (and the folders above it) and returns its item.
    ShellItem AddFolder(const QString &path, const QString &displayName = {});
    // Adds an application to a folder ("" the top); file is the desktop entry it stands for.
    ShellItem AddApplication(const QString &folderPath, const QString &file, const QString &displayName);

    FolderListing List(const QString &folderPath) override;
    // The paths asked for, in order.
    QStringList requests;

private:
    QMap<QString, QList<ShellItem>> m_folders{{QString(), {}}};
};
