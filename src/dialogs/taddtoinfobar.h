// TAddToInfoBar ("Add to InfoBar"): the small editor for one info bar object, opened by the
// settings dialog's info bar page for a new object (row -1) or for a line of its object list. It
// writes straight into that list.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QPushButton;
class QTreeWidget;
namespace Ui { class TAddToInfoBar; }

class TAddToInfoBar : public TQuorixDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstValue = 1;
    static constexpr int kLastValue = 9999;
    static constexpr int kDefaultInterval = 15;

    // listView is the settings dialog's object list (not owned); row is the index of the line to
    // edit, or -1 (as any index outside the list) for a new object.
    TAddToInfoBar(QTreeWidget *listView, int row, QWidget *parent = nullptr);
    ~TAddToInfoBar() override;

    int Row() const { return m_row; }
    // The interval the arrows step from (1 to 9999).
    int UpDown1Position() const { return m_upDownPosition; }
    void SetUpDown1Position(int position);

    // Presets the controls from the line being edited (run when the dialog is first shown).
    void FormShow();
    // An object was picked: an empty prefix gets the object's default.
    void ComboBox1Select();
    // "OK" is enabled exactly when an object is picked and both boxes hold something usable.
    void ComboBox1Change();
    // "OK": checks the input and writes the line.
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void StepUpDown1(int delta);

    std::unique_ptr<Ui::TAddToInfoBar> ui;
    QTreeWidget *m_list;
    int m_row = -1;
    int m_upDownPosition = kDefaultInterval;
    bool m_shown = false;
    QPushButton *Button2 = nullptr;   // OK
};
