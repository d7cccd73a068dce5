#include "dialogs/tshutdowndialog.h"

#include "foundation/builtinimages.h"
#include "foundation/formplacement.h"
#include "foundation/messages.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

TShutDownDialog::TShutDownDialog(QWidget *parent) : TQuorixDialog(QString(), parent)
{
    setObjectName(QStringLiteral("ShutDown"));
    setWindowTitle(QStringLiteral("Shut Down"));
    setWindowIcon(ImageListOrig(biShutDown));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

void TShutDownDialog::FormCreate()
{
    auto *icon = new QLabel(this);
    icon->setPixmap(ImageListOrig(biShutDown).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("What do you want the computer to do?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Button1 = new QPushButton(QStringLiteral("&Shut down"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Restart"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("&Log out"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(QStringLiteral("Cancel"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(Label1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addSpacing(12);
    buttons->addWidget(Button4);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { Choose(SessionAction::PowerOff); });
    connect(Button2, &QPushButton::clicked, this, [this] { Choose(SessionAction::Reboot); });
    connect(Button3, &QPushButton::clicked, this, [this] { Choose(SessionAction::LogOut); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    RestoreFormPosition(this);
}

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

