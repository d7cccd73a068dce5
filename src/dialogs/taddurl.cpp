#include "dialogs/taddurl.h"

#include "dialogs/tpathbrowserwnd.h"
#include "foundation/appinfo.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "platform/internetshortcut.h"
#include "platform/xdgpaths.h"
#include "ui_taddurl.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString kHelpTopic = QStringLiteral("themenu_urlsmenu.html");
const QString kUrls = QStringLiteral("$URLS$");
const QString kNoName = QStringLiteral("You must specify a name for your URL");
const QString kNoAddress = QStringLiteral("You must specify a address for your URL");
const QString kExists = QStringLiteral("An URL with that name already exists in that folder.");
const QString kNotCreated = QStringLiteral("The folder could not be created.");
const QString kNotSaved = QStringLiteral("Unknown Error\r\rThe URL could not be saved.");
const QString kBadName = QStringLiteral("The name of your URL cannot contain \"/\" or be \".\" or \"..\".");
const QString kOutsideFolder = QStringLiteral("The sub folder must lie inside your URLs folder.");

// A sub folder as typed: "\" separates as "/" does (folders named on Windows), and no part may
// climb out of the URLs folder.
QString NormalizedSubFolder(const QString &typed, bool *inside)
{
    QStringList parts;
    *inside = true;
    for (const QString &part : QString(typed).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            *inside = false;
        else if (part != QLatin1String("."))
            parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

bool IsSafeFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

QString WithDefaultScheme(const QString &address)
{
    const QString text = address.trimmed();
    // "scheme:" where the rest is not a port number ("localhost:8080" has no scheme).
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    return scheme.match(text).hasMatch() ? text : QStringLiteral("http://") + text;
}

TAddURL::TAddURL(QWidget *parent) : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TAddURL>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    Edit2 = ui->Edit2;
    Edit3 = ui->Edit3;
    Button1 = ui->Button1;
    connect(Edit1, &QLineEdit::textChanged, this, &TAddURL::UpdateOkButton);
    connect(Edit2, &QLineEdit::textChanged, this, &TAddURL::UpdateOkButton);
    connect(Button1, &QPushButton::clicked, this, &TAddURL::Button1Click);
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    UpdateOkButton();
}

TAddURL::~TAddURL() = default;

void TAddURL::UpdateOkButton()
{
    Button2->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty());
}

QString TAddURL::BrowseUrlFolder()
{
    TPathBrowserWnd browser(this);
    browser.Restrict({kUrls});
    if (!Edit3->text().isEmpty())
        browser.OpenPath(kUrls + QLatin1Char('/') + Edit3->text());
    return browser.exec() == QDialog::Accepted ? browser.ChosenPath() : QString();
}

void TAddURL::Button1Click()
{
    const QString chosen = BrowseUrlFolder();
    if (chosen.isEmpty())
        return;
    // "$URLS$/Daily/" is the sub folder "Daily".
    QString subFolder = chosen.mid(kUrls.size() + 1);
    while (subFolder.endsWith(QLatin1Char('/')))
        subFolder.chop(1);
    Edit3->setText(subFolder);
}

QString TAddURL::TargetFolder() const
{
    bool inside = true;
    const QString subFolder = NormalizedSubFolder(Edit3->text(), &inside);
    QString folder = WithTrailingSlash(ExpandPathMacro(kUrls));
    if (!subFolder.isEmpty())
        folder += subFolder + QLatin1Char('/');
    return folder;
}

QString TAddURL::ShortcutFile() const
{
    return TargetFolder() + Edit1->text() + QStringLiteral(".url");
}

void TAddURL::Button2Click()
{
    bool inside = true;
    NormalizedSubFolder(Edit3->text(), &inside);
    if (!inside) {
        ShowError(kOutsideFolder, this);
        return;
    }
    if (!IsSafeFileName(Edit1->text())) {
        ShowError(kBadName, this);
        return;
    }
    const QString folder = TargetFolder();
    if (!QFileInfo(folder).isDir()) {
        const QString question = QStringLiteral("Folder does not exist\r\rThe folder ") + QLatin1Char('"') + folder
                                 + QLatin1Char('"') + QStringLiteral(" does not exist. Do you want to create it?");
        if (!AskQuestion(question, this))
            return;
        if (!QDir().mkpath(folder)) {
            ShowError(kNotCreated, this);
            return;
        }
    }
    const QString name = Edit1->text();
    if (name.isEmpty()) {
        ShowError(kNoName, this);
        return;
    }
    if (Edit2->text().isEmpty()) {
        ShowError(kNoAddress, this);
        return;
    }
    const QString file = ShortcutFile();
    if (QFileInfo::exists(file)) {
        ShowError(kExists, this);
        return;
    }
    if (!WriteInternetShortcut(file, WithDefaultScheme(Edit2->text()))) {
        ShowMessageBox(kAppTitle, kNotSaved, MessageIcon::Error, this);
        return;
    }
    accept();
}
