// "Add Alias" / "Edit Alias": one user alias of the settings dialog's alias list: a word in dollar
// signs ($TOOLS$) that stands for a folder in every path and in the Run box. It checks the name and
// the folder and writes the row into that list itself; the settings dialog saves the list.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QTreeWidget;
namespace Ui { class TAddAlias; }

class TAddAlias : public TQuorixDialog
{
    Q_OBJECT

public:
    // aliasList: the settings dialog's user aliases, name in column 0 and folder in column 1.
    // index: the row being edited, or -1 for a new alias; name and path fill the two fields.
    TAddAlias(QTreeWidget *aliasList, int index, const QString &name = {}, const QString &path = {},
              QWidget *parent = nullptr);
    ~TAddAlias() override;

    int RowIndex() const { return m_rowIndex; }

    QLineEdit *Edit2 = nullptr;       // "&Name:"
    QLineEdit *Edit1 = nullptr;       // "&Path:"
    QPushButton *Button1 = nullptr;   // "..." chooses the folder
    QPushButton *Button2 = nullptr;   // OK
    QPushButton *Button3 = nullptr;   // Cancel

public Q_SLOTS:
    void Button1Click();
    void Button2Click();

protected:
    // The desktop's folder chooser; tests answer it themselves. Empty when nothing was chosen.
    virtual QString ChooseFolder(const QString &title, const QString &startFolder);

    void showEvent(QShowEvent *event) override;

private:
    void UpdateOkButton();
    QString CheckAliasName(const QString &name) const;
    bool NameUsedByOtherRow(const QString &name) const;

    std::unique_ptr<Ui::TAddAlias> ui;
    QTreeWidget *m_list = nullptr;
    int m_rowIndex = -1;
};
