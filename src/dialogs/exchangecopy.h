// Copying the checked entries of one group of the import and export tree from a source file into
// a destination file: menu or theme sections between INI files, notes between record files. An
// entry the destination already has is settled by the user (Cancel, Skip, Skip All, Rename or
// Overwrite). The destination is written once, whole and atomically, when the group is done, also
// after Cancel: what was copied before it stays copied, and a failed write leaves the old file.
#pragma once

#include <QString>

class QTreeWidgetItem;
class QWidget;

enum class SectionKind { Menu, Theme };

// The answers to "The menu "x" already exists.", in the order of their buttons.
enum class ConflictAnswer { Cancel = 0, Skip = 1, SkipAll = 2, Rename = 3, Overwrite = 4 };

struct CopyResult
{
    int copied = 0;     // entries that reached the destination file
    QString failure;    // why a file was refused and nothing copied; empty otherwise
};

// How the destination starts: with what it holds (Append, or a file that is not there yet), or
// empty (Overwrite), whatever it held.
enum class DestinationStart { Existing, Empty };

// Menus also stamp the destination's [header] with this program's title and format version.
CopyResult CopySections(QTreeWidgetItem *group, SectionKind kind, const QString &source,
                        const QString &destination, DestinationStart start, QWidget *parent = nullptr);

// Each copied note gets the id one above the largest in the destination and keeps its date,
// category and text; its title is the node's target name. Cancel ends the copying of all notes.
CopyResult CopyNotes(QTreeWidgetItem *group, const QString &source, const QString &destination,
                     DestinationStart start, QWidget *parent = nullptr);
