#include "dialogs/timportexportdata.h"

#include <QTreeWidgetItem>

namespace {
constexpr int kDataRole = Qt::UserRole + 1;
}

TImportExportData NodeData(const QTreeWidgetItem *node)
{
    if (!node)
        return {};
    return node->data(0, kDataRole).value<TImportExportData>();
}

void SetNodeData(QTreeWidgetItem *node, const TImportExportData &data)
{
    node->setData(0, kDataRole, QVariant::fromValue(data));
}
