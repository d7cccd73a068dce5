#include "dialogs/timportexport.h"

#include "dialogs/exchangecopy.h"
#include "dialogs/exchangefiles.h"
#include "dialogs/exchangetree.h"
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "notes/notestore.h"
#include "ui_timportexport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

namespace {

struct KindTexts
{
    const char *fieldLabel;       // after the action word
    const char *missing;          // import: the file is not there
    const char *invalid;          // import: the file is not one of its kind
    const char *exists;           // export: the question about a file that is there
    const char *filter;
    const char *suffix;
    int dataFile;
};

const KindTexts kKinds[3] = {
    {" Menu File:", "Cannot find menu file", "Menu file is not valid", "Menu file already exists.",
     "*.ini (*.ini);;*.* (*)", "ini", dfMenuSettings},
    {" Note File:", "Cannot find note file", "Note file is not valid", "Notes file already exists.",
     "*.dat (*.dat);;*.* (*)", "dat", dfNotes},
    {" Theme File:", "Cannot find theme file", "Theme file is not valid", "Themes file already exists.",
     "*.ini (*.ini);;*.* (*)", "ini", dfThemes},
};

bool IsValidImportFile(int kind, const QString &path)
{
    switch (kind) {
    case 0: return IsValidMenuFile(path);
    case 1: return IsValidNoteFile(path);
    default: return IsValidThemeFile(path);
    }
}

QString DataFile(int kind)
{
    return DataFilePath(kKinds[kind].dataFile);
}

} // namespace

TImportExport::TImportExport(QWidget *parent)
    : TQuorixDialog(QStringLiteral("import-export"), parent), ui(std::make_unique<Ui::TImportExport>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ImageListOrig(biQuorix));
    ui->Image1->setPixmap(windowIcon().pixmap(16, 16));
    QFont heading = ui->Label41->font();
    heading.setBold(true);
    ui->Label41->setFont(heading);
    // The pages are walked with the buttons, never by tabs.
    ui->PageControl1->tabBar()->hide();
    ui->PageControl1->setFocusPolicy(Qt::NoFocus);
    ui->TreeView1->SetStateIgnore(TStateTreeView::NoState);
    ui->TreeView1->SetStateRecursion(true);

    connect(ui->RadioButton1, &QRadioButton::toggled, this, &TImportExport::RadioButtonClick);
    connect(ui->RadioButton2, &QRadioButton::toggled, this, &TImportExport::RadioButtonClick);
    for (QLineEdit *edit : {ui->Edit1, ui->Edit2, ui->Edit3})
        connect(edit, &QLineEdit::textChanged, this, &TImportExport::EditChange);
    connect(ui->Button1, &QPushButton::clicked, this, [this] { Browse(MenuKind); });
    connect(ui->Button4, &QPushButton::clicked, this, [this] { Browse(NoteKind); });
    connect(ui->Button6, &QPushButton::clicked, this, [this] { Browse(ThemeKind); });
    connect(ui->Button2, &QPushButton::clicked, this, &TImportExport::Button2Click);
    connect(ui->Button7, &QPushButton::clicked, this, &TImportExport::Button7Click);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TImportExport::PageControl1Change);

    FormReady(ui->buttonBox);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
    ShowPage(ChooseActionPage);
    RadioButtonClick();
    PageControl1Change();
    EditChange();
}

TImportExport::~TImportExport() = default;

int TImportExport::ActivePage() const
{
    return ui->PageControl1->currentIndex();
}

void TImportExport::done(int result)
{
    TQuorixDialog::done(ActivePage() == DonePage ? QDialog::Accepted : result);
}

bool TImportExport::IsImport() const
{
    return ui->RadioButton2->isChecked();
}

QString TImportExport::ActionWord() const
{
    return IsImport() ? ui->RadioButton2->text() : ui->RadioButton1->text();
}

QString TImportExport::FileName(Kind kind) const
{
    const QLineEdit *edits[3] = {ui->Edit1, ui->Edit2, ui->Edit3};
    return edits[kind]->text();
}

void TImportExport::ShowPage(Page page)
{
    ui->PageControl1->setCurrentIndex(page);
}

void TImportExport::RadioButtonClick()
{
    const QString word = ActionWord();
    ui->Label1->setText(word + QLatin1String(kKinds[MenuKind].fieldLabel));
    ui->Label3->setText(word + QLatin1String(kKinds[NoteKind].fieldLabel));
    ui->Label4->setText(word + QLatin1String(kKinds[ThemeKind].fieldLabel));
}

void TImportExport::EditChange()
{
    if (ActivePage() != ChooseActionPage)
        return;
    ui->Button2->setEnabled(!FileName(MenuKind).isEmpty() || !FileName(NoteKind).isEmpty()
                            || !FileName(ThemeKind).isEmpty());
}

void TImportExport::Browse(Kind kind)
{
    const KindTexts &texts = kKinds[kind];
    QFileDialog dialog(this, IsImport() ? QStringLiteral("Open") : QStringLiteral("Save"));
    dialog.setAcceptMode(IsImport() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(IsImport() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The wizard asks about an existing file itself (Overwrite or Append).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(QString::fromLatin1(texts.filter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QString::fromLatin1(texts.suffix));
    const QString current = FileName(kind);
    if (!current.isEmpty())
        dialog.setDirectory(QFileInfo(current).absolutePath());
    dialog.selectFile(QFileInfo(DataFile(kind)).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QLineEdit *edits[3] = {ui->Edit1, ui->Edit2, ui->Edit3};
    edits[kind]->setText(dialog.selectedFiles().first());
}

void TImportExport::Button7Click()
{
    if (ActivePage() == SelectionPage)
        ShowPage(ChooseActionPage);
}

void TImportExport::Button2Click()
{
    if (ActivePage() == ChooseActionPage) {
        m_choices.fill(FileChoice::None);
        const bool ready = IsImport() ? CheckImportFiles() : CheckExportFiles() && AskExportChoices();
        if (!ready)
            return;
        FillTree();
        // The keyboard starts on the first group.
        ui->TreeView1->setCurrentItem(ui->TreeView1->topLevelItem(0));
        ShowPage(SelectionPage);
        // Off and on again: every node starts unchecked.
        ui->TreeView1->SetStateRecursion(false);
        ui->TreeView1->SetStateRecursion(true);
    } else if (ActivePage() == SelectionPage) {
        if (CopySelection())
            ShowPage(DonePage);
    }
}

bool TImportExport::CheckImportFiles()
{
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind}) {
        const QString path = FileName(kind);
        if (!path.isEmpty() && !QFileInfo(path).isFile()) {
            ShowError(QString::fromLatin1(kKinds[kind].missing), this);
            return false;
        }
    }
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind}) {
        const QString path = FileName(kind);
        if (!path.isEmpty() && !IsValidImportFile(kind, path)) {
            ShowError(QString::fromLatin1(kKinds[kind].invalid), this);
            return false;
        }
    }
    return true;
}

bool TImportExport::CheckExportFiles()
{
    // A data file is never its own export file: Overwrite would empty it before reading it.
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind}) {
        const QString path = FileName(kind);
        if (!path.isEmpty() && IsSameFile(path, DataFile(kind))) {
            ShowError(QString::fromLatin1(kKinds[kind].invalid), this);
            return false;
        }
    }
    return true;
}

bool TImportExport::AskExportChoices()
{
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind}) {
        const QString path = FileName(kind);
        if (path.isEmpty() || !QFileInfo::exists(path))
            continue;
        const int answer = TCustomMessageBox(QString::fromLatin1(kKinds[kind].exists),
                                             {QStringLiteral("Cancel"), QStringLiteral("Overwrite"),
                                              QStringLiteral("Append")},
                                             0, 0, MessageIcon::Question, this);
        if (answer == 1)
            m_choices[kind] = FileChoice::Overwrite;
        else if (answer == 2)
            m_choices[kind] = FileChoice::Append;
        else
            return false;
    }
    return true;
}

void TImportExport::FillTree()
{
    TStateTreeView &tree = *ui->TreeView1;
    tree.clear();
    m_groups.fill(nullptr);
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind}) {
        const QString chosen = FileName(kind);
        if (chosen.isEmpty())
            continue;
        const QString source = IsImport() ? chosen : DataFile(kind);
        if (!QFileInfo::exists(source))
            continue;
        switch (kind) {
        case MenuKind: m_groups[kind] = FillMenus(tree, source); break;
        case NoteKind: m_groups[kind] = FillNotes(tree, source); break;
        case ThemeKind: m_groups[kind] = FillThemes(tree, source); break;
        }
    }
}

bool TImportExport::CopySelection()
{
    m_copied.fill(0);
    if (!ui->TreeView1->HasMarkedNodes()) {
        ShowError(QStringLiteral("Nothing selected"), this);
        return false;
    }
    for (const Kind kind : {MenuKind, NoteKind, ThemeKind})
        m_copied[kind] = CopyKind(kind);
    return true;
}

int TImportExport::CopyKind(Kind kind)
{
    QTreeWidgetItem *group = m_groups[kind];
    const bool overwrite = !IsImport() && m_choices[kind] == FileChoice::Overwrite;
    const QString chosen = FileName(kind);
    if (!group || group->childCount() == 0) {
        // Nothing of this kind to copy: an export file the user chose to overwrite is still gone.
        if (overwrite)
            QFile::remove(chosen);
        return 0;
    }
    const QString source = IsImport() ? chosen : DataFile(kind);
    const QString destination = IsImport() ? DataFile(kind) : chosen;
    const DestinationStart start = overwrite ? DestinationStart::Empty : DestinationStart::Existing;
    CopyResult result;
    switch (kind) {
    case MenuKind: result = CopySections(group, SectionKind::Menu, source, destination, start, this); break;
    case NoteKind: result = CopyNotes(group, source, destination, start, this); break;
    case ThemeKind: result = CopySections(group, SectionKind::Theme, source, destination, start, this); break;
    }
    if (!result.failure.isEmpty())
        ShowError(result.failure, this);
    return result.copied;
}

void TImportExport::PageControl1Change()
{
    const QString word = ActionWord();
    const QString lowerWord = word.toLower();
    QPushButton *close = ui->buttonBox->button(QDialogButtonBox::Cancel);
    switch (ActivePage()) {
    case ChooseActionPage:
        ui->Label41->setText(QStringLiteral("Import/Export - Step 1 / 2"));
        ui->Button2->setText(QStringLiteral("&Next >"));
        ui->Button7->setEnabled(false);
        EditChange();
        ui->Button2->setDefault(true);
        break;
    case SelectionPage:
        ui->Label41->setText(word + QStringLiteral(" - Step 2 / 2"));
        ui->Button2->setText(QStringLiteral("&Finish"));
        ui->Button2->setEnabled(true);
        ui->Button7->setEnabled(true);
        ui->Button2->setDefault(true);
        ui->Label2->setText(QStringLiteral("Select which objects you want to ") + lowerWord
                            + QStringLiteral(", from the tree to the left."));
        ui->TreeView1->setFocus();
        break;
    case DonePage:
        ui->Label41->setText(word + QStringLiteral(" - Finished"));
        ui->Button2->setEnabled(false);
        ui->Button7->setEnabled(false);
        ui->Label5->setText(DisplayText(
            QStringLiteral("%1 menus %4.\r%2 notes %4.\r%3 themes %4.\r\rYou can now close this window.")
                .arg(m_copied[MenuKind])
                .arg(m_copied[NoteKind])
                .arg(m_copied[ThemeKind])
                .arg(lowerWord + QStringLiteral("ed"))));
        close->setText(QStringLiteral("&Close"));
        close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        close->setDefault(true);
        close->setFocus();
        break;
    }
}
