#include "dialogs/taddhotkey.h"

#include "foundation/messages.h"
#include "controls/thotkeyedit.h"
#include "dialogs/hotkeylist.h"
#include "platform/virtualkeys.h"
#include "ui_taddhotkey.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kHelpTopic = QStringLiteral("settings_hotkeys.html");
const QString kExecuteFile = QStringLiteral("ExecuteFile");

} // namespace

TAddHotkey::TAddHotkey(QTreeWidget *listView4, int index, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TAddHotkey>()), m_list(listView4)
{
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
    if (m_list && index >= 0 && index < m_list->topLevelItemCount()) {
        m_rowIndex = index;
        PresetFromRow();
    }
    setWindowTitle(m_rowIndex < 0 ? QStringLiteral("Add Hotkey") : QStringLiteral("Edit Hotkey"));
}

TAddHotkey::~TAddHotkey() = default;

void TAddHotkey::FormCreate()
{
    m_rowIndex = -1;
    ui->setupUi(this);
    HotKey1 = ui->HotKey1;
    ComboBox1 = ui->ComboBox1;
    ComboBox2 = ui->ComboBox2;
    Edit1 = ui->Edit1;
    Label4 = ui->Label4;
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(-1);
    connect(HotKey1, &THotKeyEdit::Changed, this, &TAddHotkey::HotKey1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TAddHotkey::ComboBox2Select);
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    Button2->setEnabled(false);
}

void TAddHotkey::PresetFromRow()
{
    const HotkeyRow row = ReadHotkeyRow(m_list->topLevelItem(m_rowIndex));
    HotKey1->SetVirtualKey(row.virtualKey);
    const int modifier = ComboBox1->findText(row.modifier);
    if (modifier >= 0)
        ComboBox1->setCurrentIndex(modifier);
    ComboBox2->setCurrentIndex(ComboBox2->findText(row.function, Qt::MatchFixedString));
    Edit1->setText(row.params);
    ComboBox2Select();
}

void TAddHotkey::UpdateOkButton()
{
    Button2->setEnabled(HotKey1->VirtualKey() != 0 && ComboBox2->currentIndex() >= 0);
}

void TAddHotkey::HotKey1Change()
{
    UpdateOkButton();
}

void TAddHotkey::FormShow()
{
    UpdateOkButton();
}

void TAddHotkey::ComboBox2Select()
{
    UpdateOkButton();
    if (ComboBox2->currentIndex() < 0)
        return;
    Label4->setText(ComboBox2->currentText() == kExecuteFile ? QStringLiteral("Parameters: (File Location)")
                                                             : QStringLiteral("Parameters: (No Parameters needed)"));
}

bool TAddHotkey::KeyUsedByOtherRow(const QString &keyText) const
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (row != m_rowIndex && m_list->topLevelItem(row)->text(hlcKey) == keyText)
            return true;
    }
    return false;
}

void TAddHotkey::Button2Click()
{
    if (!m_list || HotKey1->VirtualKey() == 0 || ComboBox2->currentIndex() < 0)
        return;
    const QString keyText = VirtualKeyDisplayName(HotKey1->VirtualKey());
    // One key, one hotkey: the same key is refused whatever its modifier.
    if (KeyUsedByOtherRow(keyText)) {
        ShowError(QStringLiteral("There is already hotkey assigned to this key."), this);
        return;
    }
    const HotkeyRow row{HotKey1->VirtualKey(), ComboBox1->currentText(), ComboBox2->currentText(), Edit1->text()};
    QTreeWidgetItem *item = m_rowIndex < 0 ? new QTreeWidgetItem(m_list) : m_list->topLevelItem(m_rowIndex);
    SetHotkeyRow(item, row);
    item->setText(hlcKey, keyText);
    item->setCheckState(hlcKey, Qt::Checked);
    m_list->setCurrentItem(item);
    accept();
}

void TAddHotkey::showEvent(QShowEvent *event)
{
    TQuorixDialog::showEvent(event);
    FormShow();
}

