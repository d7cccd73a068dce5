#include "dialogs/tmenudesigner.h"

#include "base/inifile.h"
#include "dialogs/menudesignerrows.h"
#include "dialogs/taddmenu.h"
#include "dialogs/tsettingslistitem.h"
#include "foundation/appinfo.h"
#include "foundation/datafiles.h"
#include "foundation/fileproblemreports.h"
#include "foundation/messages.h"
#include "ui_tmenudesigner.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

const QString kHelpTopic = QStringLiteral("settings_menudesigner.html");
const QString kMainMenu = QStringLiteral("menu");
const QString kHeader = QStringLiteral("header");
const QString kColumnsKey = QStringLiteral("MenuDesigner-Cols");
const QString kRowFormat = QStringLiteral("application/x-quorix-menu-row");
const QString kSaveBeforeLoad =
    QStringLiteral("Your prevous menu has not been saved.\r\rDo you want to save your menu before load the new one?");
const QString kSaveBeforeNew = QStringLiteral(
    "Your prevous menu has not been saved.\r\rDo you want to save your menu before creating the new one?");
const QString kSaveBeforeClose = QStringLiteral("Your menu has not been saved.\r\rDo you want to save your menu ?");
const QString kMenuExists = QStringLiteral("A menu with that name already exists.");
// A section name with a bracket breaks the file; "/" and "\" would split a "$CUSMENUS$/name" path.
const QString kBadMenuName =
    QStringLiteral("Menu name contains invalid letters.\r\rYou can not use [],;=/ or \\.");
const int kDefaultWidths[] = {100, 220, 60, 60, 60};
constexpr int kShownCaptionRole = Qt::UserRole + 1;

enum Answer { aYes = 0, aNo = 1, aCancel = 2 };

QString MenuFile()
{
    return DataFilePath(dfMenuSettings);
}

bool IsMainMenuName(const QString &name)
{
    return name.compare(kMainMenu, Qt::CaseInsensitive) == 0;
}

bool HasInvalidMenuNameLetters(const QString &name)
{
    return HasInvalidMenuLetters(name) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
}

QPointer<TMenuDesigner> &Instance()
{
    static QPointer<TMenuDesigner> designer;
    return designer;
}

} // namespace

TMenuDesigner::TMenuDesigner(QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent, Placement::PositionAndSize), ui(std::make_unique<Ui::TMenuDesigner>())
{
    ui->setupUi(this);
    ComboBox1 = ui->ComboBox1;
    Button2 = ui->Button2;
    Button3 = ui->Button3;
    Button4 = ui->Button4;
    Button5 = ui->Button5;
    ListView1 = ui->ListView1;
    Label3 = ui->Label3;
    Add1 = ui->Add1;
    Edit1 = ui->Edit1;
    AddSeperator1 = ui->AddSeperator1;
    Delete1 = ui->Delete1;

    ui->Image1->setPixmap(QApplication::windowIcon().pixmap(16, 16));
    QFont bold = ui->Label2->font();
    bold.setBold(true);
    ui->Label2->setFont(bold);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({Add1, Edit1, AddSeperator1, Delete1});
    // Insert adds a row wherever the focus is; Delete removes one while the list has the focus.
    addAction(Add1);
    ListView1->addAction(Delete1);
    ListView1->header()->setStretchLastSection(false);
    ListView1->viewport()->setAcceptDrops(true);
    ListView1->viewport()->installEventFilter(this);
    ComboBox1->installEventFilter(this);

    connect(ComboBox1, &QComboBox::activated, this, &TMenuDesigner::ComboBox1Select);
    connect(Button2, &QPushButton::clicked, this, &TMenuDesigner::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TMenuDesigner::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TMenuDesigner::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TMenuDesigner::Button5Click);
    connect(Add1, &QAction::triggered, this, [this] { AddEditClick(Add1); });
    connect(Edit1, &QAction::triggered, this, [this] { AddEditClick(Edit1); });
    connect(AddSeperator1, &QAction::triggered, this, &TMenuDesigner::AddSeperator1Click);
    connect(Delete1, &QAction::triggered, this, &TMenuDesigner::Delete1Click);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        PopupMenu1Popup();
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(position));
    });
    // A double click edits a row, as "Edit..." does where the menu offers it.
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (CanEditSelected())
            AddEditClick(Edit1);
    });
    // A hidden action's key does nothing: the keys work again once the menu is gone.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        Edit1->setVisible(true);
        Delete1->setVisible(true);
    });
    connect(ListView1, &QTreeWidget::itemChanged, this, &TMenuDesigner::ListView1Edited);

    FormReady(ui->buttonBox, [this] { Button1Click(); });
    Button1 = ui->buttonBox->button(QDialogButtonBox::Ok);
    RestoreColumnWidths();
    LoadMenu(QString());
}

TMenuDesigner::~TMenuDesigner() = default;

// --- the menu list -------------------------------------------------------------------------------

void TMenuDesigner::FillMenuList()
{
    const QString previous = ComboBox1->currentText();
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItems(DesignerMenuList(IniFile(MenuFile())));
    int selected = -1;
    for (int i = 0; i < ComboBox1->count() && selected < 0; ++i) {
        const QString text = ComboBox1->itemText(i);
        if (m_menuName.isEmpty() ? IsMainMenuName(text) : text == m_menuName)
            selected = i;
    }
    if (selected < 0 && !m_menuName.isEmpty())
        selected = ComboBox1->findText(previous, Qt::MatchExactly);
    ComboBox1->setCurrentIndex(selected);
    UpdateMenuButtons();
}

void TMenuDesigner::UpdateMenuButtons()
{
    // Only a custom menu can be deleted or renamed.
    const bool custom = IsCustomMenuLoaded();
    Button4->setEnabled(custom);
    Button5->setEnabled(custom);
    Button2->setEnabled(true);
}

bool TMenuDesigner::IsCustomMenuLoaded() const
{
    return !m_menuName.isEmpty() && m_menuName != kMainMenu && m_menuName != kHeader;
}

void TMenuDesigner::ComboBox1DropDown()
{
    FillMenuList();
}

void TMenuDesigner::ComboBox1Select()
{
    const QString chosen = ComboBox1->currentText();
    if (IsMainMenuName(chosen))
        LoadMenu(QString());
    else if (!chosen.isEmpty() && chosen != m_menuName)
        LoadMenu(chosen);
    // A load the user cancelled leaves the list showing the menu that is still loaded.
    FillMenuList();
}

void TMenuDesigner::ShowTitle(const QString &text)
{
    Label3->setText(text);
}

// --- loading and saving ----------------------------------------------------------------------------

bool TMenuDesigner::AskToSave(const QString &question)
{
    if (!m_modified)
        return true;
    const int answer = TCustomMessageBox(question, {QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")},
                                         aYes, aCancel, MessageIcon::Question, this);
    // A box closed without an answer keeps the rows, as Cancel does.
    if (answer == aCancel || answer < 0)
        return false;
    return answer == aNo || SaveMenu(m_menuName);
}

bool TMenuDesigner::LoadMenu(const QString &name)
{
    if (!AskToSave(kSaveBeforeLoad))
        return false;
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    m_menuName = name;
    ShowTitle(name.isEmpty() ? kMainMenu : name);
    const IniFile file(MenuFile());
    // A damaged file shows no rows and is never written over; the user hears of it once.
    if (!file.IsReadable())
        FileProblemReports::ReportNotRead(file.FileName(), file.ReadError());
    for (const NamedValueList &row : ReadMenuRows(file, name))
        AddLine(row);
    ListView1->setUpdatesEnabled(true);
    FillMenuList();
    m_modified = false;
    return true;
}

void TMenuDesigner::AddLine(const NamedValueList &row)
{
    auto *line = new TSettingsListItem(ListView1);
    line->Values = row;
    m_refreshing = true;
    RefreshLine(line);
    m_refreshing = false;
}

void TMenuDesigner::RefreshLine(TSettingsListItem *line)
{
    const NamedValueList &row = line->Values;
    const bool separator = IsSeparatorRow(row);
    const QString caption = separator ? QStringLiteral("Separator") : row.Value(QStringLiteral("name"));
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    if (!separator)
        flags |= Qt::ItemIsEditable;
    line->setFlags(flags);
    line->setData(0, kShownCaptionRole, caption);
    line->setText(0, caption);
    line->setCheckState(0, row.Value(QStringLiteral("active")) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
    line->setText(1, row.Value(QStringLiteral("path")));
    line->setText(2, RowTypeText(row));
    line->setText(3, row.Value(QStringLiteral("expanded")) == QLatin1String("1") ? QStringLiteral("Yes")
                                                                                 : QStringLiteral("No"));
    line->setText(4, row.Value(QStringLiteral("mask")));
}

bool TMenuDesigner::SaveMenu(const QString &name)
{
    QList<NamedValueList> rows;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        auto *line = static_cast<TSettingsListItem *>(ListView1->topLevelItem(i));
        line->Values.SetValue(QStringLiteral("active"),
                              line->checkState(0) == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
        rows.append(line->Values);
    }
    if (!WriteMenuRows(MenuFile(), name, rows))
        return false;
    if (ComboBox1->currentText() != (name.isEmpty() ? kMainMenu : name))
        FillMenuList();
    m_modified = false;
    return true;
}

void TMenuDesigner::Button2Click()
{
    SaveMenu(m_menuName);
}

// --- new, delete, rename -------------------------------------------------------------------------

QString TMenuDesigner::AskMenuName(const QString &caption, const QString &prompt, const QString &value)
{
    QString answer = value;
    if (!InputQuery(caption, prompt, answer, this))
        return {};
    // The file keeps no blanks around a section name.
    answer = answer.trimmed();
    if (HasInvalidMenuNameLetters(answer)) {
        ShowError(kBadMenuName, this);
        return {};
    }
    return answer;
}

void TMenuDesigner::Button3Click()
{
    if (!AskToSave(kSaveBeforeNew))
        return;
    const QString name = AskMenuName(QStringLiteral("Menu name"), QStringLiteral("Please specify a name for the new menu"),
                                     QString());
    if (name.isEmpty())
        return;
    if (MenuExists(MenuFile(), name)) {
        ShowError(kMenuExists, this);
        return;
    }
    ListView1->clear();
    m_menuName = name;
    ComboBox1->setCurrentIndex(-1);
    ShowTitle(QStringLiteral("New Menu: ") + name);
    UpdateMenuButtons();
}

void TMenuDesigner::Button4Click()
{
    if (!IsCustomMenuLoaded())
        return;
    const QString question =
        QStringLiteral("You are about to delete the menu called ") + m_menuName + QStringLiteral("\r\rDo you want to continue?");
    if (!AskQuestion(question, this))
        return;
    if (!EraseMenu(MenuFile(), m_menuName))
        return;
    m_modified = false;
    LoadMenu(QString());
}

void TMenuDesigner::Button5Click()
{
    if (!IsCustomMenuLoaded())
        return;
    const QString old = m_menuName;
    const QString name =
        AskMenuName(QStringLiteral("Rename menu"), QStringLiteral("Please specify a new name for the menu"), old);
    if (name.isEmpty() || name == old || name == kMainMenu || name == kHeader)
        return;
    if (MenuExists(MenuFile(), name)) {
        ShowError(kMenuExists, this);
        return;
    }
    // The rows are written under the new name before the old section goes, so that a failed
    // save loses nothing.
    if (!SaveMenu(name))
        return;
    EraseMenu(MenuFile(), old);
    m_modified = false;
    LoadMenu(name);
}

// --- rows ------------------------------------------------------------------------------------------

TSettingsListItem *TMenuDesigner::SelectedLine() const
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<TSettingsListItem *>(selected.first());
}

bool TMenuDesigner::RunEditor(TAddMenu &editor)
{
    return editor.exec() == QDialog::Accepted;
}

void TMenuDesigner::AddEditClick(QObject *sender)
{
    TSettingsListItem *line = sender == Edit1 ? SelectedLine() : nullptr;
    const int index = line ? ListView1->indexOfTopLevelItem(line) : -1;
    TAddMenu editor(ListView1, index, this);
    if (line) {
        line->Values.SetValue(QStringLiteral("active"),
                              line->checkState(0) == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
        editor.LoadRow(line->Values);
    }
    if (!RunEditor(editor))
        return;
    if (!line)
        line = new TSettingsListItem(ListView1);
    editor.StoreRow(line->Values);
    m_refreshing = true;
    RefreshLine(line);
    m_refreshing = false;
    ListView1->setCurrentItem(line);
    m_modified = true;
}

void TMenuDesigner::AddSeperator1Click()
{
    AddLine(SeparatorRow());
    m_modified = true;
}

void TMenuDesigner::Delete1Click()
{
    TSettingsListItem *line = SelectedLine();
    if (!line)
        return;
    const QString question = QStringLiteral("You are about to delete the menu item ") + line->text(0)
                             + QStringLiteral("\r\rDo you want to continue?");
    if (!AskQuestion(question, this))
        return;
    delete line;
    m_modified = true;
}

bool TMenuDesigner::CanEditSelected() const
{
    const TSettingsListItem *line = SelectedLine();
    return line && line->Values.Value(QStringLiteral("itemtype")) != QLatin1String("2");
}

void TMenuDesigner::PopupMenu1Popup()
{
    Edit1->setVisible(CanEditSelected());
    Delete1->setVisible(SelectedLine() != nullptr);
}

void TMenuDesigner::ListView1Edited(QTreeWidgetItem *item, int column)
{
    if (m_refreshing || column != 0)
        return;
    auto *line = static_cast<TSettingsListItem *>(item);
    const QString shown = line->data(0, kShownCaptionRole).toString();
    const QString typed = line->text(0);
    if (typed == shown)
        return; // the tick changed, which is written with the next save
    const QString fault = MenuItemFault(typed, {}, {}, {}, {});
    if (typed.isEmpty() || !fault.isEmpty()) {
        if (!fault.isEmpty())
            ShowMessageBox(kAppTitle, fault, MessageIcon::Error, this);
        m_refreshing = true;
        line->setText(0, shown);
        m_refreshing = false;
        return;
    }
    line->Values.SetValue(QStringLiteral("name"), typed);
    m_refreshing = true;
    line->setData(0, kShownCaptionRole, typed);
    m_refreshing = false;
    m_modified = true;
}

// --- drag and drop ---------------------------------------------------------------------------------

void TMenuDesigner::ListView1MouseDown(int row)
{
    m_dragIndex = row;
}

void TMenuDesigner::ListView1DragDrop(int targetRow)
{
    const int count = ListView1->topLevelItemCount();
    if (m_dragIndex < 0 || m_dragIndex >= count || targetRow < 0 || targetRow >= count)
        return;
    if (targetRow == m_dragIndex) {
        m_dragIndex = -1;
        return; // onto itself: the list stays as it is, nothing to save
    }
    m_refreshing = true;
    MoveLineBefore(ListView1, m_dragIndex, targetRow);
    m_refreshing = false;
    m_dragIndex = -1;
    m_modified = true;
}

void TMenuDesigner::StartDrag()
{
    auto *drag = new QDrag(ListView1);
    auto *data = new QMimeData;
    data->setData(kRowFormat, QByteArray::number(m_dragIndex));
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

bool TMenuDesigner::ViewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_dragIndex = -1;
        if (mouse->button() == Qt::LeftButton && SelectedLine()) {
            if (QTreeWidgetItem *line = ListView1->itemAt(mouse->position().toPoint()))
                ListView1MouseDown(ListView1->indexOfTopLevelItem(line));
        }
        m_pressPosition = mouse->position().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragIndex < 0 || !(mouse->buttons() & Qt::LeftButton)
            || (mouse->position().toPoint() - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
            return false;
        StartDrag();
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        static_cast<QDropEvent *>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        QTreeWidgetItem *target = ListView1->itemAt(drop->position().toPoint());
        if (drop->source() == ListView1 && drop->mimeData()->hasFormat(kRowFormat) && target)
            ListView1DragDrop(ListView1->indexOfTopLevelItem(target));
        return true;
    }
    default: return false;
    }
}

bool TMenuDesigner::eventFilter(QObject *watched, QEvent *event)
{
    if (ListView1 && watched == ListView1->viewport() && ViewportEvent(event))
        return true;
    if (ComboBox1 && watched == ComboBox1) {
        // The list is read afresh whenever it is about to drop down.
        if (event->type() == QEvent::MouseButtonPress)
            ComboBox1DropDown();
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_F4
                || ((key->modifiers() & Qt::AltModifier) && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)))
                ComboBox1DropDown();
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}

// --- closing ---------------------------------------------------------------------------------------

void TMenuDesigner::Button1Click()
{
    close();
}

void TMenuDesigner::reject()
{
    if (!AskToSave(kSaveBeforeClose))
        return;
    ListView1->clear();
    m_modified = false;
    SaveColumnWidths();
    TQuorixDialog::reject();
}

void TMenuDesigner::RestoreColumnWidths()
{
    for (int column = 0; column < int(std::size(kDefaultWidths)); ++column)
        ListView1->setColumnWidth(column, kDefaultWidths[column]);
    const IniFile settings(DataFilePath(dfSettings));
    const QStringList pieces = settings.ReadString(QStringLiteral("sizes"), kColumnsKey).split(QLatin1Char(','));
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    for (int column = 0; column < pieces.size() && column < ListView1->columnCount(); ++column) {
        if (!integer.match(pieces[column]).hasMatch())
            continue;
        // A width of nothing would hide the column for good.
        const int width = pieces[column].toInt();
        if (width > 0)
            ListView1->setColumnWidth(column, width);
    }
}

void TMenuDesigner::SaveColumnWidths()
{
    QStringList widths;
    for (int column = 0; column < ListView1->columnCount(); ++column)
        widths << QString::number(ListView1->columnWidth(column));
    IniFile settings(DataFilePath(dfSettings));
    settings.WriteString(QStringLiteral("sizes"), kColumnsKey, widths.join(QLatin1Char(',')));
}

// --- the one window --------------------------------------------------------------------------------

void ShowMenuDesigner(QWidget *parent)
{
    QPointer<TMenuDesigner> &designer = Instance();
    if (!designer) {
        designer = new TMenuDesigner(parent);
        designer->setAttribute(Qt::WA_DeleteOnClose);
    }
    designer->show();
    designer->raise();
    designer->activateWindow();
}

TMenuDesigner *MenuDesignerWindow()
{
    return Instance();
}
