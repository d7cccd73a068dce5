// A contact's details, read from its card: the name, the e-mail addresses as mail links, the home
// page as a link, the telephone numbers and the postal addresses. Non-modal; freed when closed.
#pragma once

#include "contacts/vcard.h"
#include "controls/tquorixdialog.h"

#include <memory>

class QLabel;
namespace Ui { class TContactDetails; }

class TContactDetails : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TContactDetails(const VCard &card, QWidget *parent = nullptr);
    ~TContactDetails() override;

    QLabel *NameLabel = nullptr;
    QLabel *EmailLabel = nullptr;
    QLabel *HomePageLabel = nullptr;
    QLabel *TelephoneLabel = nullptr;
    QLabel *AddressLabel = nullptr;

    // A link of the dialog was followed: mail links and web addresses open in their programs.
    void LinkActivated(const QString &link);

private:
    void ShowCard(const VCard &card);

    std::unique_ptr<Ui::TContactDetails> ui;
};
