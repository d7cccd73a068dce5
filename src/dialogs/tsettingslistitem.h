// TSettingsListItem: one line of a settings list (info bar objects, menu entries) that carries the
// whole record it shows as a name/value list. Copying a line copies its record.
#pragma once

#include "base/namedvalues.h"

#include <QTreeWidgetItem>

class TSettingsListItem : public QTreeWidgetItem
{
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;

    TSettingsListItem();
    explicit TSettingsListItem(QTreeWidget *list);
    ~TSettingsListItem() override;

    // The record behind the line.
    NamedValueList Values;

    QTreeWidgetItem *clone() const override;
};

// Moves a line of the list so that it lands directly before the line at target (a drop in the
// info bar's object list or the menu designer's rows); the line keeps its record and tick. A line
// dropped on itself stays.
void MoveLineBefore(QTreeWidget *list, int from, int target);
