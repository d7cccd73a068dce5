// "Find Contact": the cards of the address book, filtered by name or e-mail address as one types;
// Enter, a double click or "Open" shows the chosen contact's details. Non-modal; freed when closed.
#pragma once

#include "contacts/vcard.h"
#include "controls/tquorixdialog.h"

#include <QList>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;
namespace Ui { class TFindContact; }

class TFindContact : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TFindContact(const QString &bookPath, QWidget *parent = nullptr);
    ~TFindContact() override;

    QLineEdit *Edit1 = nullptr;        // "&Name or e-mail:"
    QListWidget *ListBox1 = nullptr;   // the matching contacts
    QPushButton *Button1 = nullptr;    // "&Open"

    void Edit1Change();
    void Button1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TFindContact> ui;
    QList<VCard> m_cards;
};
