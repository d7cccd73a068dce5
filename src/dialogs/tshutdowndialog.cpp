#include "dialogs/tshutdowndialog.h"

#include "foundation/builtinimages.h"
#include "foundation/messages.h"
#include "ui_tshutdowndialog.h"

#include <QLabel>
#include <QPushButton>

namespace {

QString Confirmation(SessionAction action)
{
    QString what;
    switch (action) {
    case SessionAction::PowerOff: what = QStringLiteral("The computer will shut down."); break;
    case SessionAction::Reboot: what = QStringLiteral("The computer will restart."); break;
    case SessionAction::LogOut: what = QStringLiteral("Your session will end."); break;
    }
    return what + QStringLiteral(" Programs that are still open may lose unsaved work.\r\rDo you want to continue?");
}

QString Heading(SessionAction action)
{
    switch (action) {
    case SessionAction::PowerOff: return QStringLiteral("Shut down");
    case SessionAction::Reboot: return QStringLiteral("Restart");
    case SessionAction::LogOut: return QStringLiteral("Log out");
    }
    return {};
}

} // namespace

TShutDownDialog::TShutDownDialog(QWidget *parent)
    : TQuorixDialog(QStringLiteral("main-menu"), parent), ui(std::make_unique<Ui::TShutDownDialog>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ImageListOrig(biShutDown));
    ui->Image1->setPixmap(windowIcon().pixmap(32, 32));
    connect(ui->Button1, &QPushButton::clicked, this, [this] { Choose(SessionAction::PowerOff); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { Choose(SessionAction::Reboot); });
    connect(ui->Button3, &QPushButton::clicked, this, [this] { Choose(SessionAction::LogOut); });
    FormReady(ui->buttonBox);
}

TShutDownDialog::~TShutDownDialog() = default;

void TShutDownDialog::Choose(SessionAction action)
{
    if (!AskQuestion(Confirmation(action), this))
        return;
    QString reason;
    if (!RequestSessionAction(action, &reason)) {
        ShowError(Heading(action) + QStringLiteral("\r\r") + reason, this);
        return;
    }
    accept();
}

