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
