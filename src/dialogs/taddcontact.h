// "Add Contact": a new card for the address book, written atomically (appended to a one-file
// book, a file of its own in a folder book). Non-modal; freed when closed.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QLineEdit;
class QPushButton;
namespace Ui { class TAddContact; }

class TAddContact : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TAddContact(const QString &bookPath, QWidget *parent = nullptr);
    ~TAddContact() override;

    QLineEdit *Edit1 = nullptr;     // "&First name:"
    QLineEdit *Edit2 = nullptr;     // "&Last name:"
    QLineEdit *Edit3 = nullptr;     // "&E-mail:"
    QLineEdit *Edit4 = nullptr;     // "&Telephone:"
    QLineEdit *Edit5 = nullptr;     // "&Home page:"
    QPushButton *Button2 = nullptr; // OK
    QPushButton *Button3 = nullptr; // Cancel

    void Button2Click();

private:
    void UpdateOkButton();

    std::unique_ptr<Ui::TAddContact> ui;
    QString m_bookPath;
};
