// What a node of the folder browser's tree holds when it is expanded. Only folders are listed:
// the browser picks places, never files. Every expansion reads the folders afresh.
#pragma once

#include "platform/shellitem.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct BrowserNode
{
    QString caption;
    QString path;        // what choosing the node returns ("$MYDOC$/Work", "/home/ann/Work")
    QIcon icon;
    ShellItem item;      // the folder itself, for nodes found in a folder listing
    bool hasChildren = false;
};

struct BrowserContext
{
    QString basePath;         // the base object's path ("$MYDOC$", "/")
    int prefixLength = 0;     // the length of the base's expansion when it is a plain macro, else 0
    QString definitionsFile;  // menusettings.ini, for the custom menus
    // The note categories, sorted; the note store's unless a caller gives others.
    std::function<QStringList()> noteCategories;
};

// The path without the slashes it ends with ("/" stays "/"): how nodes and bases are compared.
QString WithoutTrailingSlash(QString path);

// The prefix length of a base: the length of its expansion when it is a macro that stands for a
// folder, 0 for drives, virtual folders and symbolic macros.
int BasePrefixLength(const QString &basePath);

// The children of a node with that path (and item, for nodes found in a listing).
QList<BrowserNode> ListNodeChildren(const QString &nodePath, const ShellItem &item, const BrowserContext &context);

// The icon of a base object or of a root node: its folder's when it has one, else the virtual
// folder's, else the folder icon.
QIcon BaseIcon(const QString &basePath);
