#include "dialogs/tfindcontact.h"

#include "contacts/addressbook.h"
#include "dialogs/tcontactdetails.h"
#include "ui_tfindcontact.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kHelpTopic = QStringLiteral("themenu_contactsmenu.html");

bool Matches(const VCard &card, const QString &text)
{
    if (text.isEmpty() || card.DisplayName().contains(text, Qt::CaseInsensitive))
        return true;
    for (const VCardValue &email : card.emails) {
        if (email.value.contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

TFindContact::TFindContact(const QString &bookPath, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TFindContact>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    ListBox1 = ui->ListBox1;
    Button1 = ui->Button1;
    AddressBook(bookPath).ForEachCard([this](const ContactId &, VCard &&card) {
        if (!card.isGroup)
            m_cards.append(std::move(card));
        return true;
    });
    connect(Edit1, &QLineEdit::textChanged, this, &TFindContact::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TFindContact::Button1Click);
    connect(ListBox1, &QListWidget::itemActivated, this, &TFindContact::Button1Click);
    // Down from the search field goes to the list, as in every search box.
    Edit1->installEventFilter(this);
    FormReady(ui->buttonBox);
    Edit1Change();
}

TFindContact::~TFindContact() = default;

void TFindContact::Edit1Change()
{
    const QString text = Edit1->text().trimmed();
    ListBox1->clear();
    for (int i = 0; i < m_cards.size(); ++i) {
        if (!Matches(m_cards[i], text))
            continue;
        auto *row = new QListWidgetItem(m_cards[i].DisplayName(), ListBox1);
        row->setData(Qt::UserRole, i);
    }
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    Button1->setEnabled(ListBox1->count() > 0);
}

void TFindContact::Button1Click()
{
    const QListWidgetItem *row = ListBox1->currentItem();
    if (!row)
        return;
    auto *details = new TContactDetails(m_cards[row->data(Qt::UserRole).toInt()], parentWidget());
    details->show();
}

bool TFindContact::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down && ListBox1->count() > 0) {
            ListBox1->setFocus();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ListBox1->currentItem()) {
            Button1Click();
            return true;
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}
