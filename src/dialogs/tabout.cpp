#include "dialogs/tabout.h"

#include "foundation/appinfo.h"
#include "foundation/builtinimages.h"
#include "foundation/formplacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kThanks =
    "Quorix gives you one place from which to start programs and open documents, folders, notes, "
    "contacts and web addresses.\n\n"
    "Thanks to everyone who sent ideas, reported problems and tried the test versions, and to the "
    "people behind Qt, GLib and the freedesktop.org standards that Quorix builds on.";
}

TAbout::TAbout(QWidget *parent) : TQuorixDialog(QStringLiteral("general-about"), parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Quorix"));
    setWindowIcon(ImageListOrig(biQuorix));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

void TAbout::FormCreate()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImageListOrig(biQuorix).pixmap(48, 48));
    Image1->setAlignment(Qt::AlignTop);

    Label1 = new QLabel(kAppTitle, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    Label1->setFont(heading);

    Label2 = new QLabel(QString::fromLatin1(kThanks), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setMinimumWidth(320);

    Button1 = new QPushButton(QStringLiteral("Help"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(Label2);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TQuorixDialog::RequestHelp);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    RestoreFormPosition(this);
}

