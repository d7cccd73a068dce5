// The places the folder browser starts from: the drives, Quorix's own path macros and the user's
// aliases. A path picked below a macro keeps its macro word ("$MYDOC$/Work"), so a stored menu
// row still works when the folder behind the macro moves.
#pragma once

#include <QList>
#include <QString>

// What a menu row with such a path may be.
enum PathObjectType { ptFolder = 1, ptItem = 2 };

struct PathBaseObject
{
    QString path;          // a drive's mount point ("/", "/media/usb/"), a macro word or an alias word
    QString displayName;
    int types = ptFolder | ptItem;
    bool newFolder = true; // "New Folder..." may create folders below it
    bool shown = true;

    // The base list's text: the display name, and the macro word in brackets for a macro.
    QString EntryText() const;
};

// The base list in its order: every mounted drive of the drive table (its mount point as its
// name), the fixed macro entries, then one entry per user alias sorted by name.
QList<PathBaseObject> BuildPathBaseObjects();

// The types a menu row with this path may have: a plain path may be a folder or an item; a path
// that starts with a macro takes the types of the base object of exactly that word. A word that
// names no base object is a folder, and an item too when it stands for an existing folder.
int ClassifyPath(const QList<PathBaseObject> &bases, const QString &path);
