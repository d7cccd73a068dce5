// "Add Menu Item" / "Edit Menu Item": the menu designer's editor of one row, a folder or an item,
// with its folder options and its icon. Modal; made for one Add or Edit. It reads the designer's
// list to refuse a name the menu already has.
#pragma once

#include "base/namedvalues.h"
#include "controls/tquorixdialog.h"
#include "dialogs/pathbaseobject.h"

#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;
class TBEdit;
class TBLabel;
namespace Ui { class TAddMenu; }

class TAddMenu : public TQuorixDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstLimit = 1;
    static constexpr int kLastLimit = 9999;
    static constexpr int kDefaultLimit = 125;
    static constexpr int kPreviewDelay = 800;   // ms after the last change of Path

    // listView: the designer's rows (not owned); index: the line edited, -1 for a new row.
    TAddMenu(QTreeWidget *listView, int index, QWidget *parent = nullptr);
    ~TAddMenu() override;

    QLineEdit *Edit1 = nullptr;        // "&Name:"
    QLineEdit *Edit2 = nullptr;        // "&Path"
    QLineEdit *Edit3 = nullptr;        // "&Mask:"
    QComboBox *ComboBox1 = nullptr;    // "&Object type:"
    QCheckBox *CheckBox1 = nullptr;    // "&Expanded"
    QCheckBox *CheckBox2 = nullptr;    // "&Active"
    QCheckBox *CheckBox7 = nullptr;    // "Use &global"
    QCheckBox *CheckBox8 = nullptr;    // "Un&limited"
    TBEdit *BEdit1 = nullptr;          // "Maximum n&umber of items:"
    QWidget *UpDown1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;   // "&Default icon"
    QRadioButton *RadioButton2 = nullptr;   // "Cu&stom Icon"
    TBLabel *BLabel1 = nullptr;        // the icon file
    QLabel *Image1 = nullptr;          // 32 x 32 preview
    QLabel *Image2 = nullptr;          // 16 x 16 preview
    QPushButton *Button1 = nullptr;    // OK
    QPushButton *Button2 = nullptr;    // Cancel
    QPushButton *Button3 = nullptr;    // "..." (folder browser)
    QPushButton *Button4 = nullptr;    // "&Change..."
    QTimer *Timer1 = nullptr;          // the preview's wait

    int Index() const { return m_index; }
    // The chosen icon: a file (or a theme icon's name) and the picture's index within it.
    QString IconFile() const { return m_iconFile; }
    int IconIndex() const { return m_iconIndex; }
    void SetIcon(const QString &file, int index);
    // The spinner's value (1 to 9999).
    int UpDown1Position() const;

    // Fills the controls from a row's properties.
    void LoadRow(const NamedValueList &row);
    // Writes the controls into a row's properties, in their order; the folder options whatever
    // the type.
    void StoreRow(NamedValueList &row) const;

    void Button1Click();   // OK: checks the input
    void Button3Click();   // "...": the folder browser
    void Button4Click();   // "&Change...": the icon chooser
    void Timer1Timer();    // the previews
    void ComboBox1Change();   // the type rule
    void UpdateOkButton();    // the OK rule
    // The types the path may have, keeping the shown one when it is still offered.
    void RebuildTypes();

protected:
    // The path chosen in the folder browser opened at start; empty when cancelled.
    virtual QString BrowsePath(const QString &start);
    // The icon chooser opened at the current icon; false when cancelled.
    virtual bool ChooseIcon(QString &file, int &index);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UpdateCountRule();
    void UpdateIconRule();
    void StepUpDown1(int delta);
    void SetUpDown1Position(int position);
    QStringList OtherCaptions() const;

    std::unique_ptr<Ui::TAddMenu> ui;
    QTreeWidget *m_list;
    int m_index = -1;
    QList<PathBaseObject> m_bases;
    QString m_iconFile;
    int m_iconIndex = 0;
    bool m_shown = false;
};
