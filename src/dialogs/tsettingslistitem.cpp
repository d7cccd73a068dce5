#include "dialogs/tsettingslistitem.h"

TSettingsListItem::TSettingsListItem()
    : QTreeWidgetItem(kType)
{
}

TSettingsListItem::TSettingsListItem(QTreeWidget *list)
    : QTreeWidgetItem(list, kType)
{
}

TSettingsListItem::~TSettingsListItem() = default;

QTreeWidgetItem *TSettingsListItem::clone() const
{
    auto *copy = new TSettingsListItem;
    *static_cast<QTreeWidgetItem *>(copy) = *this;
    copy->Values = Values;
    return copy;
}
