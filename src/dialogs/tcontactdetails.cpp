#include "dialogs/tcontactdetails.h"

#include "platform/launcher.h"
#include "ui_tcontactdetails.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QUrl>

namespace {

const QString kHelpTopic = QStringLiteral("themenu_contactsmenu.html");

QString Link(const QString &target, const QString &text)
{
    // Both come from a card someone else wrote: the target is encoded, the text escaped.
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromUtf8(QUrl(target).toEncoded()).toHtmlEscaped(), text.toHtmlEscaped());
}

QString MailLinks(const QList<VCardValue> &emails)
{
    QStringList links;
    for (const VCardValue &email : emails)
        links.append(Link(QStringLiteral("mailto:") + email.value, email.value));
    return links.join(QStringLiteral("<br>"));
}

// A web address written without its scheme ("www.example.org") is a web page all the same.
QString WebAddress(const QString &url)
{
    return url.contains(QLatin1String("://")) ? url : QStringLiteral("http://") + url;
}

QString KindsSuffix(const QStringList &types)
{
    QStringList shown;
    for (const QString &type : types) {
        if (type != QLatin1String("voice") && type != QLatin1String("internet") && type != QLatin1String("x400"))
            shown.append(type);
    }
    return shown.isEmpty() ? QString() : QStringLiteral(" (") + shown.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace

TContactDetails::TContactDetails(const VCard &card, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TContactDetails>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    NameLabel = ui->NameLabel;
    EmailLabel = ui->EmailLabel;
    HomePageLabel = ui->HomePageLabel;
    TelephoneLabel = ui->TelephoneLabel;
    AddressLabel = ui->AddressLabel;
    for (QLabel *links : {EmailLabel, HomePageLabel})
        connect(links, &QLabel::linkActivated, this, &TContactDetails::LinkActivated);
    ShowCard(card);
    FormReady(ui->buttonBox);
}

TContactDetails::~TContactDetails() = default;

void TContactDetails::ShowCard(const VCard &card)
{
    const QString name = card.DisplayName();
    if (!name.isEmpty())
        setWindowTitle(name + QStringLiteral(" - Contact Details"));
    NameLabel->setText(name);
    EmailLabel->setText(MailLinks(card.emails));
    const QString homePage = card.HomePage();
    HomePageLabel->setText(homePage.isEmpty() ? QString() : Link(WebAddress(homePage), homePage));
    QStringList telephones;
    for (const VCardValue &tel : card.telephones)
        telephones.append(tel.value + KindsSuffix(tel.types));
    TelephoneLabel->setText(telephones.join(QLatin1Char('\n')));
    QStringList addresses;
    for (const VCardAddress &address : card.addresses)
        addresses.append(address.Lines().join(QLatin1Char('\n')));
    AddressLabel->setText(addresses.join(QStringLiteral("\n\n")));
}

void TContactDetails::LinkActivated(const QString &link)
{
    OpenUrlInBrowser(link);
}
