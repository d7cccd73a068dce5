#include "dialogs/taddcontact.h"

#include "contacts/addressbook.h"
#include "foundation/messages.h"
#include "ui_taddcontact.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kHelpTopic = QStringLiteral("themenu_contactsmenu.html");
const QString kNotAnAddress = QStringLiteral("That is not an e-mail address.");
const QString kNotSaved = QStringLiteral("The contact could not be saved.");

// Enough to catch a name typed into the wrong field; the mail program judges the rest.
bool LooksLikeEmail(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    return at > 0 && at < text.size() - 1 && !text.contains(QLatin1Char(' '));
}

} // namespace

TAddContact::TAddContact(const QString &bookPath, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TAddContact>()), m_bookPath(bookPath)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    Edit2 = ui->Edit2;
    Edit3 = ui->Edit3;
    Edit4 = ui->Edit4;
    Edit5 = ui->Edit5;
    connect(Edit1, &QLineEdit::textChanged, this, &TAddContact::UpdateOkButton);
    connect(Edit2, &QLineEdit::textChanged, this, &TAddContact::UpdateOkButton);
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    UpdateOkButton();
}

TAddContact::~TAddContact() = default;

void TAddContact::UpdateOkButton()
{
    Button2->setEnabled(!Edit1->text().trimmed().isEmpty() || !Edit2->text().trimmed().isEmpty());
}

void TAddContact::Button2Click()
{
    const QString email = Edit3->text().trimmed();
    if (!email.isEmpty() && !LooksLikeEmail(email)) {
        ShowError(kNotAnAddress, this);
        Edit3->setFocus();
        return;
    }
    VCard card;
    card.givenName = Edit1->text().trimmed();
    card.familyName = Edit2->text().trimmed();
    if (card.givenName.isEmpty() && card.familyName.isEmpty())
        return;
    if (!email.isEmpty())
        card.emails.append({email, {}, 100});
    if (const QString tel = Edit4->text().trimmed(); !tel.isEmpty())
        card.telephones.append({tel, {}, 100});
    if (const QString url = Edit5->text().trimmed(); !url.isEmpty())
        card.urls.append({url, {}, 100});
    QString reason;
    if (!AddressBook(m_bookPath).AppendCard(card, &reason)) {
        ShowError(kNotSaved + (reason.isEmpty() ? QString() : QStringLiteral("\r\r") + reason), this);
        return;
    }
    accept();
}
