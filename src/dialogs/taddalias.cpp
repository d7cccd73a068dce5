#include "dialogs/taddalias.h"

#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "ui_taddalias.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kHelpTopic = QStringLiteral("settings_alias.html");
const QString kIllegalLetters = QStringLiteral("You are using illegal letters in your alias name. You cannot use =,[]")
                                + QLatin1Char('"') + QStringLiteral(" or spaces.");
const QString kNoName = QStringLiteral("You must specify a name for your alias.");
const QString kDuplicate = QStringLiteral("There is already an alias with that name.");
const QString kReserved = QStringLiteral("There is already a hard coded alias with that name. That name is reserved.");
const QString kNoFolder = QStringLiteral("Path not found.");

// Letters that would break the settings file's "name=value" lines, or the name as one word of a
// path ("/" and "\" separate a macro word from the rest of the path).
bool HasIllegalLetter(const QString &name)
{
    static const QString illegal = QStringLiteral(" =,[]\"/\\");
    for (const QChar c : name) {
        if (illegal.contains(c) || c.isSpace())
            return true;
    }
    return false;
}

// The built-in macro words. Those without a display name ($PROJECTS$, $SYSTEM$) are built in too:
// an alias of that name would never take effect.
bool IsReservedName(const QString &name)
{
    if (name == QStringLiteral("$PROJECTS$") || name == QStringLiteral("$SYSTEM$"))
        return true;
    const NameValueList reserved = MacroDisplayNames();
    return std::any_of(reserved.begin(), reserved.end(), [&name](const auto &pair) { return pair.first == name; });
}

QString WithDollarSigns(QString name)
{
    if (!name.startsWith(QLatin1Char('$')))
        name.prepend(QLatin1Char('$'));
    if (!name.endsWith(QLatin1Char('$')))
        name.append(QLatin1Char('$'));
    return name;
}

// The name between its dollar signs: "$" or "$$" alone names nothing.
bool IsEmptyName(const QString &name)
{
    QString core = name;
    while (core.startsWith(QLatin1Char('$')))
        core.remove(0, 1);
    while (core.endsWith(QLatin1Char('$')))
        core.chop(1);
    return core.isEmpty();
}

// An existing folder, named absolutely: a relative path would depend on where the bar was started.
bool NamesFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir();
}

} // namespace

TAddAlias::TAddAlias(QTreeWidget *aliasList, int index, const QString &name, const QString &path, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TAddAlias>()), m_list(aliasList)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    Edit2 = ui->Edit2;
    Edit1 = ui->Edit1;
    Button1 = ui->Button1;
    // The path decides whether OK is possible; typing, pasting and browsing all change it.
    connect(Edit1, &QLineEdit::textChanged, this, &TAddAlias::UpdateOkButton);
    connect(Edit2, &QLineEdit::textChanged, this, &TAddAlias::UpdateOkButton);
    connect(Button1, &QPushButton::clicked, this, &TAddAlias::Button1Click);
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);

    if (m_list && index >= 0 && index < m_list->topLevelItemCount())
        m_rowIndex = index;
    setWindowTitle(m_rowIndex < 0 ? QStringLiteral("Add Alias") : QStringLiteral("Edit Alias"));
    Edit2->setText(name);
    Edit1->setText(path);
    UpdateOkButton();
}

TAddAlias::~TAddAlias() = default;

void TAddAlias::UpdateOkButton()
{
    Button2->setEnabled(!Edit1->text().isEmpty());
}

QString TAddAlias::ChooseFolder(const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(this, title, startFolder);
}

void TAddAlias::Button1Click()
{
    const QString folder = ChooseFolder(QStringLiteral("Select a folder."), Edit1->text());
    if (!folder.isEmpty())
        Edit1->setText(folder);
    UpdateOkButton();
}

bool TAddAlias::NameUsedByOtherRow(const QString &name) const
{
    if (!m_list)
        return false;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        // Settings keys match without regard to case: $Tools$ and $TOOLS$ would be one key.
        if (row != m_rowIndex && m_list->topLevelItem(row)->text(0).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The first fault of the name (already in capitals, with its dollar signs); empty when none.
QString TAddAlias::CheckAliasName(const QString &name) const
{
    if (NameUsedByOtherRow(name))
        return kDuplicate;
    if (IsReservedName(name))
        return kReserved;
    return {};
}

void TAddAlias::Button2Click()
{
    QString name = Edit2->text().toUpper();
    QString error;
    if (HasIllegalLetter(name))
        error = kIllegalLetters;
    else if (IsEmptyName(name))
        error = kNoName;
    name = WithDollarSigns(name);
    if (error.isEmpty())
        error = CheckAliasName(name);
    if (error.isEmpty() && !NamesFolder(Edit1->text()))
        error = kNoFolder;
    Edit2->setText(name);
    if (!error.isEmpty()) {
        ShowError(error, this);
        return;
    }
    if (m_list) {
        QTreeWidgetItem *item = m_rowIndex < 0 ? new QTreeWidgetItem(m_list) : m_list->topLevelItem(m_rowIndex);
        item->setText(0, name);
        item->setText(1, Edit1->text());
        if (m_rowIndex < 0)
            m_list->setCurrentItem(item);
    }
    accept();
}

void TAddAlias::showEvent(QShowEvent *event)
{
    TQuorixDialog::showEvent(event);
    UpdateOkButton();
}

