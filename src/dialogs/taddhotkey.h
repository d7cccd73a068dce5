// "Add Hotkey" / "Edit Hotkey": one hotkey of the settings dialog's hotkey list (ListView4): the
// key, the modifier, the command and its parameter. It writes the row into that list itself.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class THotKeyEdit;
namespace Ui { class TAddHotkey; }

class TAddHotkey : public TQuorixDialog
{
    Q_OBJECT

public:
    // index: the row of listView4 to edit, whose values fill the fields; -1 adds a new row.
    TAddHotkey(QTreeWidget *listView4, int index = -1, QWidget *parent = nullptr);
    ~TAddHotkey() override;

    int RowIndex() const { return m_rowIndex; }

    THotKeyEdit *HotKey1 = nullptr;
    QComboBox *ComboBox1 = nullptr;   // "WIN", "CTRL", "ALT"
    QComboBox *ComboBox2 = nullptr;   // the command
    QLineEdit *Edit1 = nullptr;       // the parameter
    QLabel *Label4 = nullptr;
    QPushButton *Button2 = nullptr;   // OK
    QPushButton *Button3 = nullptr;   // Cancel

public Q_SLOTS:
    void Button2Click();
    void ComboBox2Select();
    void HotKey1Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void PresetFromRow();
    void UpdateOkButton();
    bool KeyUsedByOtherRow(const QString &keyText) const;

    std::unique_ptr<Ui::TAddHotkey> ui;
    QTreeWidget *m_list = nullptr;
    int m_rowIndex = -1;
};
