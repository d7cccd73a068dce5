// "Change Icon": chooses the icon of a menu entry, either an icon of the desktop's icon theme by
// its name (with a filter on the names) or a picture file (png, svg, xpm, ico) and, in a file that
// holds several pictures, the index of one. The menus store a theme icon as its bare name in
// iconfile, with iconindex 0.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
namespace Ui { class TIconChooser; }

class TIconChooser : public TQuorixDialog
{
    Q_OBJECT

public:
    // file, index: the entry's icon now (a file, a theme icon's name, or nothing).
    TIconChooser(const QString &file, int index, QWidget *parent = nullptr);
    ~TIconChooser() override;

    QLineEdit *Edit1 = nullptr;       // "&Filter:"
    QListWidget *ListBox1 = nullptr;  // the theme's icons
    QLineEdit *Edit2 = nullptr;       // "Icon fi&le:"
    QPushButton *Button1 = nullptr;   // "&Browse..."
    QSpinBox *SpinBox1 = nullptr;     // "&Index:"
    QLabel *Image1 = nullptr;         // the chosen icon
    QPushButton *Button2 = nullptr;   // OK
    QPushButton *Button3 = nullptr;   // Cancel

    // The theme icon names offered (the desktop's theme by default).
    void SetIconNames(const QStringList &names);
    // The choice: the file typed or browsed for, else the name of the theme icon selected.
    QString IconFile() const;
    int IconIndex() const;

    void Edit1Change();     // the filter
    void Button1Click();    // "&Browse..."
    void Button2Click();    // OK: a file must hold the picture

protected:
    // The file chosen in an open dialog; empty when cancelled.
    virtual QString BrowseIconFile(const QString &start);
    void showEvent(QShowEvent *event) override;

private:
    void ShowChoice();
    void FileChanged();
    void LoadVisibleIcons();

    std::unique_ptr<Ui::TIconChooser> ui;
    QString m_initialName;
};
