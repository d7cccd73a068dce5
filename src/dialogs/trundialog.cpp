#include "dialogs/trundialog.h"

#include "foundation/builtinimages.h"
#include "foundation/formplacement.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "platform/launcher.h"
#include "platform/xdgpaths.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

TRunDialog::TRunDialog(QWidget *parent) : TQuorixDialog(QString(), parent)
{
    setObjectName(QStringLiteral("RunDialog"));
    setWindowTitle(QStringLiteral("Run"));
    setWindowIcon(ImageListOrig(biRun));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

void TRunDialog::FormCreate()
{
    Label1 = new QLabel(QStringLiteral("Type the name of a program, folder, document or Internet address, and "
                                       "Quorix will open it for you."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("&Open:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(SessionHistory());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setMinimumWidth(300);
    Label2->setBuddy(ComboBox1);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("&Browse..."), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *icon = new QLabel(this);
    icon->setPixmap(ImageListOrig(biRun).pixmap(32, 32));
    auto *grid = new QGridLayout;
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addWidget(Label1, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(ComboBox1, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TRunDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TRunDialog::Button3Click);
    connect(ComboBox1, &QComboBox::editTextChanged, this, &TRunDialog::ComboBox1EditTextChanged);
    adjustSize();
    RestoreFormPosition(this);
    ComboBox1->setFocus();
}

void TRunDialog::ComboBox1EditTextChanged(const QString &text)
{
    Button1->setEnabled(!text.trimmed().isEmpty());
}

void TRunDialog::Button1Click()
{
    const QString text = ComboBox1->currentText().trimmed();
    if (text.isEmpty())
        return;
    const bool macro = text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1Char('%'));
    QString target = macro ? ExpandPathMacro(text) : text;
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
    ComboBox1->setEditText(file.contains(QLatin1Char(' ')) ? QLatin1Char('"') + file + QLatin1Char('"') : file);
}

