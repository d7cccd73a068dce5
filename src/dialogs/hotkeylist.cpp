#include "dialogs/hotkeylist.h"

#include "platform/virtualkeys.h"
#include "records/tmlb2.h"

#include <QTreeWidget>

namespace {

// The fields of the hotkey file, by position; position 1 is kept but not used.
const char *const kFieldNames[] = {"id", "shift", "key", "function", "params", "active"};
enum HotkeyField { hfShift = 2, hfKey = 3, hfFunction = 4, hfParams = 5, hfActive = 6 };

// A stored modifier value that has no name (a file edited by hand) rides along with its row, so
// that saving the list does not lose it.
constexpr int kStoredShiftRole = Qt::UserRole + 1;

// The program reads the fields by position and writes them by name: a file whose fields 2 to 6 are
// not those (unreadable, or edited by hand) is written afresh with the default field list. The
// name of field 1 is the file's own.
void EnsureHotkeyLayout(TMlb2 &table)
{
    bool matches = table.FieldCount() >= hfActive;
    for (int field = hfShift; matches && field <= hfActive; ++field)
        matches = table.FieldName(field) == QLatin1String(kFieldNames[field - 1]);
    if (matches)
        return;
    table.Clear();
    for (const char *name : kFieldNames)
        table.AddField(QString::fromLatin1(name));
}

QString StoredShift(const QTreeWidgetItem *item)
{
    const int flag = HotkeyModifierFlag(item->text(hlcShift));
    if (flag != 0)
        return QString::number(flag);
    return item->data(hlcShift, kStoredShiftRole).toString();
}

} // namespace

QString HotkeyModifierName(int shift)
{
    switch (shift) {
    case 8: return QStringLiteral("WIN");
    case 1: return QStringLiteral("ALT");
    case 2: return QStringLiteral("CTRL");
    default: return {};
    }
}

int HotkeyModifierFlag(const QString &name)
{
    if (name == QStringLiteral("WIN"))
        return 8;
    if (name == QStringLiteral("ALT"))
        return 1;
    if (name == QStringLiteral("CTRL"))
        return 2;
    return 0;
}

void SetupHotkeyList(QTreeWidget *list)
{
    list->setColumnCount(5);
    list->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Shift"), QStringLiteral("Function"),
                           QStringLiteral("Parameters"), QString()});
    list->setColumnHidden(hlcCode, true);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

void SetHotkeyRow(QTreeWidgetItem *item, const HotkeyRow &row)
{
    item->setText(hlcKey, VirtualKeyDisplayName(row.virtualKey));
    item->setText(hlcShift, row.modifier);
    item->setText(hlcFunction, row.function);
    item->setText(hlcParams, row.params);
    item->setText(hlcCode, QString::number(row.virtualKey));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
}

QTreeWidgetItem *AddHotkeyRow(QTreeWidget *list, const HotkeyRow &row)
{
    auto *item = new QTreeWidgetItem(list);
    SetHotkeyRow(item, row);
    item->setCheckState(hlcKey, Qt::Checked);
    return item;
}

HotkeyRow ReadHotkeyRow(const QTreeWidgetItem *item)
{
    return {item->text(hlcCode).toInt(), item->text(hlcShift), item->text(hlcFunction), item->text(hlcParams)};
}

bool FillHotkeyList(QTreeWidget *list, const QString &path)
{
    list->clear();
    TMlb2 table;
    if (!table.LoadFromFile(path))
        return false;
    for (int record = 1; record <= table.RecordCount(); ++record) {
        const QString shift = table.Value(hfShift, record);
        const QString key = table.Value(hfKey, record);
        auto *item = new QTreeWidgetItem(list);
        SetHotkeyRow(item, {key.toInt(), HotkeyModifierName(shift.toInt()), table.Value(hfFunction, record),
                            table.Value(hfParams, record)});
        // The code as stored, even when it is no number.
        item->setText(hlcCode, key);
        item->setData(hlcShift, kStoredShiftRole, shift);
        item->setCheckState(hlcKey, table.Value(hfActive, record) == QStringLiteral("1") ? Qt::Checked
                                                                                          : Qt::Unchecked);
    }
    return true;
}

bool SaveHotkeyList(const QTreeWidget *list, const QString &path)
{
    TMlb2 table;
    table.LoadFromFile(path);
    EnsureHotkeyLayout(table);
    for (int record = table.RecordCount(); record >= 1; --record)
        table.DeleteRecord(record);
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        table.AddRecord();
        table.SetFieldByName(QStringLiteral("key"), item->text(hlcCode));
        table.SetFieldByName(QStringLiteral("shift"), StoredShift(item));
        table.SetFieldByName(QStringLiteral("function"), item->text(hlcFunction));
        table.SetFieldByName(QStringLiteral("params"), item->text(hlcParams));
        table.SetFieldByName(QStringLiteral("active"),
                             item->checkState(hlcKey) == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return table.SaveToFile(path);
}
