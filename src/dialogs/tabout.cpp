#include "dialogs/tabout.h"

#include "foundation/appinfo.h"
#include "foundation/builtinimages.h"
#include "ui_tabout.h"

#include <QLabel>

TAbout::TAbout(QWidget *parent) : TQuorixDialog(QStringLiteral("general-about"), parent), ui(std::make_unique<Ui::TAbout>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ImageListOrig(biQuorix));
    ui->Image1->setPixmap(windowIcon().pixmap(48, 48));
    ui->Label1->setText(kAppTitle);
    QFont heading = ui->Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    ui->Label1->setFont(heading);
    FormReady(ui->buttonBox);
}

TAbout::~TAbout() = default;
