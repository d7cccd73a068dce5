#include "dialogs/tsettingslistitem.h"

#include <QTreeWidget>

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

void MoveLineBefore(QTreeWidget *list, int from, int target)
{
    const int count = list->topLevelItemCount();
    if (from < 0 || from >= count || target < 0 || target >= count || from == target)
        return;
    QTreeWidgetItem *line = list->takeTopLevelItem(from);
    // Taking the line out moved every line after it one up.
    list->insertTopLevelItem(target > from ? target - 1 : target, line);
    list->setCurrentItem(line);
}
