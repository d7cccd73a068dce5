// What a node of the import and export tree stands for. The node keeps it as a value, so it goes
// when the node goes.
#pragma once

#include <QMetaType>
#include <QString>

class QTreeWidgetItem;

struct TImportExportData
{
    enum Kind { MenuSection = 0, Note = 1, ThemeSection = 2, Group = 3 };

    int kind = Group;
    QString sourceName;   // the section name, or the note's id
    QString targetName;   // the section name, or the note's title; changed by Rename
};

Q_DECLARE_METATYPE(TImportExportData)

// A node's data; a group's for a node that carries none.
TImportExportData NodeData(const QTreeWidgetItem *node);
void SetNodeData(QTreeWidgetItem *node, const TImportExportData &data);
