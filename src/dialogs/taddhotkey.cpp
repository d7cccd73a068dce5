#include "dialogs/taddhotkey.h"

#include "foundation/formplacement.h"
#include "foundation/messages.h"
#include "controls/thotkeyedit.h"
#include "dialogs/hotkeylist.h"
#include "platform/virtualkeys.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kHelpTopic = QStringLiteral("settings_hotkeys.html");
const QString kExecuteFile = QStringLiteral("ExecuteFile");

QLabel *NamedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TAddHotkey::TAddHotkey(QTreeWidget *listView4, int index, QWidget *parent) : TQuorixDialog(kHelpTopic, parent), m_list(listView4)
{
    setObjectName(QStringLiteral("AddHotkey"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    FormCreate();
    if (m_list && index >= 0 && index < m_list->topLevelItemCount()) {
        m_rowIndex = index;
        PresetFromRow();
    }
    setWindowTitle(m_rowIndex < 0 ? QStringLiteral("Add Hotkey") : QStringLiteral("Edit Hotkey"));
}

void TAddHotkey::FormCreate()
{
    m_rowIndex = -1;
    HotKey1 = new THotKeyEdit(this);
    HotKey1->setObjectName(QStringLiteral("HotKey1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("WIN"), QStringLiteral("CTRL"), QStringLiteral("ALT")});
    ComboBox1->setCurrentIndex(0);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("CloseActiveWindow"), kExecuteFile, QStringLiteral("MaximizeActiveWindow"),
                         QStringLiteral("MinimizeActiveWindow"), QStringLiteral("OpenQuorix")});
    ComboBox2->setCurrentIndex(-1);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);

    QLabel *label1 = NamedLabel("Label1", QStringLiteral("&Key:"), this);
    QLabel *label2 = NamedLabel("Label2", QStringLiteral("&Shift:"), this);
    QLabel *label3 = NamedLabel("Label3", QStringLiteral("&Function:"), this);
    Label4 = NamedLabel("Label4", QStringLiteral("&Parameters:"), this);
    label1->setBuddy(HotKey1);
    label2->setBuddy(ComboBox1);
    label3->setBuddy(ComboBox2);
    Label4->setBuddy(Edit1);

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    Button2->setEnabled(false);
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *form = new QFormLayout;
    form->addRow(label1, HotKey1);
    form->addRow(label2, ComboBox1);
    form->addRow(label3, ComboBox2);
    form->addRow(Label4, Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);

    connect(HotKey1, &THotKeyEdit::Changed, this, &TAddHotkey::HotKey1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TAddHotkey::ComboBox2Select);
    connect(Button2, &QPushButton::clicked, this, &TAddHotkey::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    RestoreFormPosition(this);
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

