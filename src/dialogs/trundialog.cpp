#include "dialogs/trundialog.h"

#include "foundation/builtinimages.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "foundation/pathtoopen.h"
#include "platform/launcher.h"
#include "platform/xdgpaths.h"
#include "ui_trundialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

namespace {

// What was run from this box since Quorix started, newest first.
QStringList &SessionHistory()
{
    static QStringList history;
    return history;
}

void Remember(const QString &text)
{
    QStringList &history = SessionHistory();
    history.removeAll(text);
    history.prepend(text);
    while (history.size() > 25)
        history.removeLast();
}

} // namespace

TRunDialog::TRunDialog(QWidget *parent) : TQuorixDialog(QStringLiteral("runbox"), parent), ui(std::make_unique<Ui::TRunDialog>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ImageListOrig(biRun));
    ui->Image1->setPixmap(windowIcon().pixmap(32, 32));
    ui->ComboBox1->addItems(SessionHistory());
    ui->ComboBox1->setCurrentIndex(-1);
    connect(ui->Button3, &QPushButton::clicked, this, &TRunDialog::Button3Click);
    connect(ui->ComboBox1, &QComboBox::editTextChanged, this, &TRunDialog::ComboBox1EditTextChanged);
    FormReady(ui->buttonBox, [this] { Button1Click(); });
    Button1 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button1->setEnabled(false);
    ui->ComboBox1->setFocus();
}

TRunDialog::~TRunDialog() = default;

QComboBox *TRunDialog::ComboBox() const
{
    return ui->ComboBox1;
}

void TRunDialog::ComboBox1EditTextChanged(const QString &text)
{
    Button1->setEnabled(!text.trimmed().isEmpty());
}

void TRunDialog::Button1Click()
{
    const QString text = ui->ComboBox1->currentText().trimmed();
    if (text.isEmpty())
        return;
    const bool macro = text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1Char('%'));
    QString target = macro ? ExpandPathToOpen(text) : text;
    if (target.startsWith(QLatin1Char('$')))
        target = ResolveUserOrCommonPath(target);
    if (target.isEmpty() || !StartFile(target)) {
        ShowError(QStringLiteral("Quorix cannot find '") + text
                      + QStringLiteral("'. Make sure you typed the name correctly, and then try again."),
                  this);
        return;
    }
    Remember(text);
    accept();
}

void TRunDialog::Button3Click()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Browse"), HomeDir());
    if (file.isEmpty())
        return;
    // Paths with blanks are quoted so that they read as one word.
    ui->ComboBox1->setEditText(file.contains(QLatin1Char(' ')) ? QLatin1Char('"') + file + QLatin1Char('"') : file);
}

