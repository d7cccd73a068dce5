#include "dialogs/tsettings.h"

#include "base/inifile.h"
#include "controls/tbedit.h"
#include "controls/tupdown.h"
#include "dialogs/hotkeylist.h"
#include "dialogs/infobarobjectlist.h"
#include "dialogs/settingsrules.h"
#include "dialogs/taddalias.h"
#include "dialogs/taddhotkey.h"
#include "dialogs/taddtoinfobar.h"
#include "dialogs/timportexport.h"
#include "dialogs/tmenudesigner.h"
#include "dialogs/tsettingslistitem.h"
#include "dialogs/tthemepage.h"
#include "foundation/barrequests.h"
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "foundation/fileproblemreports.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "foundation/programfolder.h"
#include "infobar/marqueevalues.h"
#include "platform/registrystore.h"
#include "ui_tsettings.h"

#include <QDialogButtonBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

struct PageNode
{
    const char *text;
    QWidget *Ui::TSettings::*page;
    const char *topic;
    const char *icon;
};

// The tree's nodes in order, the pages they show and the help pages F1 opens.
const PageNode kPages[] = {
    {"General", &Ui::TSettings::General, "settings_general.html", "preferences-system"},
    {"Alias", &Ui::TSettings::Alias, "settings_alias.html", "folder"},
    {"Hotkeys", &Ui::TSettings::HotKeys, "settings_hotkeys.html", "preferences-desktop-keyboard"},
    {"InfoBar", &Ui::TSettings::InfoBar, "settings_infobar.html", "utilities-system-monitor computer"},
    {"Marquee", &Ui::TSettings::Marquee, "settings_marquee.html", "format-justify-fill"},
    {"Menu", &Ui::TSettings::Menu, "settings_menu.html", "open-menu preferences-system-windows"},
    {"Theme", &Ui::TSettings::Theme, "settings_theme.html", "preferences-desktop-theme"},
    {"Alpha Blend", &Ui::TSettings::Alphablend, "settings_alphablend.html", "preferences-desktop-display"},
    {"Extended Settings", &Ui::TSettings::Extended, "", "preferences-other"},
};
constexpr int kMenuPage = 5;

const QString kMenuSettings = QStringLiteral("menu-settings");
const QString kGeneral = QStringLiteral("general");
const QString kMarqueeSettings = QStringLiteral("marquee-settings");
const QString kMarquee = QStringLiteral("marquee");
const QString kInfoBar = QStringLiteral("infobar");
const QString kInfoBarObjects = QStringLiteral("infobar-objects");
const QString kAlphaBlend = QStringLiteral("alphablend");
const QString kAlias = QStringLiteral("alias");

const QString kDeleteAliasQuestion = QStringLiteral(
    "You are about to delete the selected alias. This can effect the whole system.\r\rDelete anyway?");
const QString kDeleteHotkeyQuestion = QStringLiteral("You are about to delete the selected hotkey.\r\rContinue delete?");
const QString kDeleteObjectQuestion =
    QStringLiteral("You are about to delete the selected progressbar\r\rDo you want to continue?");
const QString kImportExportQuestion = QStringLiteral(
    "This settings dialog will close after finishing import or export.\rAll unsaved settings will be lost. "
    "Sure you want to continue?");

// A Yes/No box with the given icon; true for Yes.
bool AskYesNo(const QString &text, MessageIcon icon, QWidget *parent)
{
    return TCustomMessageBox(text, {QStringLiteral("&Yes"), QStringLiteral("&No")}, 0, 1, icon, parent) == 0;
}

QString Bool(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// The check box from a stored bool.
void Tick(QAbstractButton *box, const IniFile &settings, const QString &section, const QString &key, bool byDefault)
{
    box->setChecked(settings.ReadBool(section, key, byDefault));
}

void WriteTick(IniFile &settings, const QString &section, const QString &key, const QAbstractButton *box)
{
    settings.WriteString(section, key, Bool(box->isChecked()));
}

// A number field with its arrows, set from a stored integer.
void SetNumber(TUpDown *upDown, const IniFile &settings, const QString &section, const QString &key, int byDefault)
{
    upDown->SetPosition(settings.ReadInteger(section, key, byDefault));
}

// Writes a number field when it holds a whole number, kept inside its arrows' range; a field that
// holds none leaves the stored value as it is.
void WriteNumber(IniFile &settings, const QString &section, const QString &key, const TUpDown *upDown)
{
    const QString text = upDown->Associate()->text();
    if (!IsWholeNumber(text))
        return;
    bool fits = false;
    const long long typed = text.toLongLong(&fits);
    const int value = fits ? int(std::clamp<long long>(typed, upDown->Minimum(), upDown->Maximum()))
                           : upDown->Maximum();
    settings.WriteString(section, key, QString::number(value));
}

// Empties a section where it stands in the file, so that writing it again keeps the file's order.
void EmptySection(IniFile &settings, const QString &section)
{
    for (const QString &key : settings.Keys(section))
        settings.DeleteKey(section, key);
}

// Shows text in a combo box when it offers it; false when it does not.
bool ShowChoice(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

// The line under the selection, or null when none is selected.
QTreeWidgetItem *SelectedLine(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

int SelectedIndex(const QTreeWidget *list)
{
    QTreeWidgetItem *line = SelectedLine(list);
    return line ? list->indexOfTopLevelItem(line) : -1;
}

// Runs a small editor modally; it frees itself when it closes.
void RunEditor(QDialog *editor)
{
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->exec();
}

// The pointer shows the hourglass while the object lives.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

// The first of the blank-separated icon names that the desktop's theme has, else the bar's
// settings picture, so that every node of the page tree carries one.
QIcon ThemeIcon(const char *names)
{
    for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    return ImageListOrig(biSettings);
}

} // namespace

TSettings::TSettings(QWidget *parent)
    : TQuorixDialog(QString::fromLatin1(kPages[kMenuPage].topic), parent), ui(std::make_unique<Ui::TSettings>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    FormCreate();
    LoadAll();
    FormReady(ui->buttonBox, [this] { Button1Click(); });
    connect(ui->buttonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &TSettings::Button5Click);
}

TSettings::~TSettings() = default;

QTreeWidget *TSettings::AliasList() const
{
    return ui->ListView3;
}

QTreeWidget *TSettings::HotkeyList() const
{
    return ui->ListView4;
}

QTreeWidget *TSettings::InfoBarList() const
{
    return ui->ListView1;
}

void TSettings::FormCreate()
{
    setWindowIcon(ImageListOrig(biSettings));
    ui->Image1->setPixmap(ImageListOrig(biQuorix).pixmap(16, 16));
    ui->titleBand->setBackgroundRole(QPalette::Base);
    MakePageTree();
    // The dialog opens on the Menu page, titled "Settings", until a node is chosen; the tree's
    // cursor starts on that node, so that the keyboard arriving in the tree leaves the page be.
    ui->PageControl1->setCurrentWidget(ui->Menu);
    {
        const QSignalBlocker quiet(ui->TreeView1);
        ui->TreeView1->setCurrentItem(ui->TreeView1->topLevelItem(kMenuPage));
    }

    struct Number { TBEdit *field; TUpDown *arrows; int digits; int minimum; int maximum; };
    const Number numbers[] = {
        {ui->BEdit2, ui->UpDown7, 4, 1, 9999}, {ui->BEdit7, ui->UpDown8, 3, 1, 999},
        {ui->BEdit3, ui->UpDown3, 4, 1, 9999}, {ui->BEdit1, ui->UpDown2, 3, 1, 999},
        {ui->BEdit6, ui->UpDown6, 3, 1, 999},  {ui->BEdit4, ui->UpDown4, 4, 1, 9999},
        {ui->BEdit5, ui->UpDown5, 3, 1, 999},  {ui->Edit3, ui->UpDown1, 2, 0, 99},
    };
    for (const Number &number : numbers) {
        number.arrows->SetAssociate(number.field, number.digits);
        number.arrows->SetRange(number.minimum, number.maximum);
    }

    ui->ListView2->setColumnCount(2);
    ui->ListView2->setHeaderLabels({QStringLiteral("Alias"), QStringLiteral("Description")});
    ui->ListView2->setSelectionMode(QAbstractItemView::NoSelection);
    ui->ListView3->setColumnCount(2);
    ui->ListView3->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Path")});
    for (QTreeWidget *aliases : {ui->ListView2, ui->ListView3})
        aliases->header()->resizeSection(0, 170);
    SetupHotkeyList(ui->ListView4);
    ui->ListView4->setColumnWidth(hlcKey, 90);
    ui->ListView4->setColumnWidth(hlcShift, 60);
    ui->ListView4->setColumnWidth(hlcFunction, 140);
    PrepareInfoBarObjectList(ui->ListView1);
    ui->ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->ListView1->setDragEnabled(true);
    ui->ListView1->setAcceptDrops(true);
    ui->ListView1->setDragDropMode(QAbstractItemView::DragDrop);
    ui->ListView1->viewport()->installEventFilter(this);
    ui->ListView1->installEventFilter(this);

    // Clicking a caption of the Extended page puts the focus into its field.
    for (QLabel *caption : ui->extendedRows->findChildren<QLabel *>()) {
        if (caption->buddy())
            caption->installEventFilter(this);
    }

    // The Theme page is an editor of its own, filled with the named themes when it is made.
    m_themePage = new TThemePage(ui->Theme);
    ui->themePageLayout->addWidget(m_themePage);
    // Its fields follow the page tree in the Tab order, as every page's do.
    QWidgetList themeFields;
    for (QWidget *field = m_themePage->nextInFocusChain(); m_themePage->isAncestorOf(field);
         field = field->nextInFocusChain()) {
        if (field->focusPolicy() & Qt::TabFocus)
            themeFields << field;
    }
    QWidget *previous = ui->TreeView1;
    for (QWidget *field : themeFields) {
        setTabOrder(previous, field);
        previous = field;
    }

    MakePopupMenus();
    ConnectRules();
    m_formCreated = true;
}

void TSettings::MakePageTree()
{
    QFont bold = ui->Label41->font();
    bold.setBold(true);
    ui->Label41->setFont(bold);
    for (const PageNode &node : kPages) {
        auto *item = new QTreeWidgetItem(ui->TreeView1, {QString::fromLatin1(node.text)});
        item->setIcon(0, ThemeIcon(node.icon));
    }
    ui->TreeView1->expandAll();
    connect(ui->TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { TreeView1Change(node); });
}

void TSettings::MakePopupMenus()
{
    const auto add = [](QMenu *menu, const char *name, const QString &text, const char *icon) {
        QAction *action = menu->addAction(ThemeIcon(icon), text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    const auto popupAt = [](QTreeWidget *list, QMenu *menu) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                         [list, menu](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    };

    AliasPopupMenu = new QMenu(this);
    AliasPopupMenu->setObjectName(QStringLiteral("AliasPopupMenu"));
    connect(add(AliasPopupMenu, "AddAlias1", QStringLiteral("Add"), "list-add"), &QAction::triggered, this,
            &TSettings::AddAliasClick);
    connect(add(AliasPopupMenu, "EditAlias1", QStringLiteral("Edit..."), "document-edit"), &QAction::triggered, this,
            &TSettings::EditAliasClick);
    connect(add(AliasPopupMenu, "DeleteAlias1", QStringLiteral("Delete"), "edit-delete"), &QAction::triggered, this,
            &TSettings::DeleteAliasClick);
    connect(AliasPopupMenu, &QMenu::aboutToShow, this, &TSettings::AliasPopupMenuPopup);
    popupAt(ui->ListView3, AliasPopupMenu);
    connect(ui->ListView3, &QTreeWidget::itemDoubleClicked, this, &TSettings::EditAliasClick);

    HotKeyPopup = new QMenu(this);
    HotKeyPopup->setObjectName(QStringLiteral("HotKeyPopup"));
    connect(add(HotKeyPopup, "AddHotkey1", QStringLiteral("Add..."), "list-add"), &QAction::triggered, this,
            &TSettings::AddHotkeyClick);
    connect(add(HotKeyPopup, "EditHotkey1", QStringLiteral("Edit..."), "document-edit"), &QAction::triggered, this,
            &TSettings::EditHotkeyClick);
    connect(add(HotKeyPopup, "DeleteHotkey1", QStringLiteral("Delete"), "edit-delete"), &QAction::triggered, this,
            &TSettings::DeleteHotkeyClick);
    connect(HotKeyPopup, &QMenu::aboutToShow, this, &TSettings::HotKeyPopupPopup);
    popupAt(ui->ListView4, HotKeyPopup);
    connect(ui->ListView4, &QTreeWidget::itemDoubleClicked, this, &TSettings::EditHotkeyClick);

    InfoBarPopupMenu = new QMenu(this);
    InfoBarPopupMenu->setObjectName(QStringLiteral("InfoBarPopupMenu"));
    connect(add(InfoBarPopupMenu, "AddObject1", QStringLiteral("Add..."), "list-add"), &QAction::triggered, this,
            &TSettings::AddInfoBarObjectClick);
    connect(add(InfoBarPopupMenu, "EditObject1", QStringLiteral("Edit..."), "document-edit"), &QAction::triggered,
            this, &TSettings::EditInfoBarObjectClick);
    connect(add(InfoBarPopupMenu, "DeleteObject1", QStringLiteral("Delete"), "edit-delete"), &QAction::triggered,
            this, &TSettings::DeleteInfoBarObjectClick);
    connect(InfoBarPopupMenu, &QMenu::aboutToShow, this, &TSettings::InfoBarPopupMenuPopup);
    popupAt(ui->ListView1, InfoBarPopupMenu);
    connect(ui->ListView1, &QTreeWidget::itemDoubleClicked, this, &TSettings::EditInfoBarObjectClick);
}

void TSettings::ConnectRules()
{
    connect(ui->ComboBox9, &QComboBox::currentIndexChanged, this, &TSettings::RebuildAutosizeLists);
    connect(ui->CheckBox12, &QCheckBox::toggled, this, &TSettings::CheckBox12Click);
    connect(ui->CheckBox6, &QCheckBox::toggled, this, &TSettings::CheckBox6Click);
    connect(ui->CheckBox8, &QCheckBox::toggled, this, &TSettings::CheckBox8Click);
    connect(ui->Edit3, &QLineEdit::textChanged, this, &TSettings::ApplyAlphaRule);
    connect(ui->UpDown1, &TUpDown::Changing, this, &TSettings::ApplyAlphaRule);
    connect(ui->ComboBox2, &QComboBox::activated, this, &TSettings::ComboBox2Select);
    connect(ui->Button6, &QPushButton::clicked, this, &TSettings::Button6Click);
    connect(ui->Button7, &QPushButton::clicked, this, &TSettings::Button7Click);
    connect(ui->Button8, &QPushButton::clicked, this, &TSettings::Button8Click);
}

// ---- pages

void TSettings::TreeView1Change(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const int index = ui->TreeView1->indexOfTopLevelItem(node);
    if (index < 0 || index >= int(std::size(kPages)))
        return;
    ui->PageControl1->setCurrentWidget(ui.get()->*kPages[index].page);
    // The nodes have no parents: the title is the node's own text.
    ui->Label41->setText(node->text(0));
    SetHelpTopic(QString::fromLatin1(kPages[index].topic));
}

void TSettings::ShowPage(const QString &pageName)
{
    for (int i = 0; i < ui->TreeView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem *node = ui->TreeView1->topLevelItem(i);
        if (node->text(0).toLower() == pageName) {
            ui->TreeView1->setCurrentItem(node);
            TreeView1Change(node);
            return;
        }
    }
}

void TSettings::OpenAtPage(const QString &pageName)
{
    ShowPage(pageName);
    show();
    raise();
    activateWindow();
    // The keyboard starts in the page tree: the arrows walk the pages, Tab enters the page.
    ui->TreeView1->setFocus(Qt::ActiveWindowFocusReason);
}

QString TSettings::CurrentPageName() const
{
    const QTreeWidgetItem *node = ui->TreeView1->currentItem();
    return node ? node->text(0) : QString();
}

// ---- loading

void TSettings::LoadAll()
{
    const IniFile settings(DataFilePath(dfSettings));
    if (!settings.IsReadable())
        FileProblemReports::ReportNotRead(settings.FileName(), settings.ReadError());
    LoadAliases(settings);
    LoadMarquee(settings);
    LoadMenu(settings);
    LoadInfoBar(settings);
    LoadAlphaBlend(settings);
    LoadThemePage(settings);
    LoadStartupEntry();
    LoadHotkeys();
    CheckBox6Click();
}

void TSettings::LoadAliases(const IniFile &settings)
{
    for (const auto &[word, description] : MacroDisplayNames())
        new QTreeWidgetItem(ui->ListView2, {word, description});
    for (const auto &[name, path] : settings.SectionValues(kAlias))
        new QTreeWidgetItem(ui->ListView3, {name, path});
    ui->ListView3->sortItems(0, Qt::AscendingOrder);
}

void TSettings::LoadMarquee(const IniFile &settings)
{
    Tick(ui->CheckBox6, settings, kMarqueeSettings, QStringLiteral("showmarquee"), true);
    SetNumber(ui->UpDown2, settings, kMarqueeSettings, QStringLiteral("marqueeframelength"), 10);
    Tick(ui->CheckBox3, settings, kMarqueeSettings, QStringLiteral("marqueetimer"), true);
    SetNumber(ui->UpDown6, settings, kMarqueeSettings, QStringLiteral("width"), 200);
    const bool onInfoBar = settings.ReadInteger(kMarqueeSettings, QStringLiteral("position"), 0) == 1;
    ui->ComboBox9->setCurrentIndex(onInfoBar ? 1 : 0);
    RebuildAutosizeLists();
    if (settings.ReadBool(kMarqueeSettings, QStringLiteral("autosize"), false)) {
        if (!ShowChoice(ui->ComboBox10, kAutosizeMarquee))
            ShowChoice(ui->ComboBox11, kAutosizeMarquee);
    }

    QStringList lines;
    for (int i = 0;; ++i) {
        const QString line = settings.ReadString(kMarquee, QStringLiteral("line%1").arg(i));
        if (line.isEmpty())
            break;
        lines << line;
    }
    ui->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    ui->ComboBox2->addItems(MarqueeObjectNames());
    ui->ComboBox2->setCurrentIndex(-1);
    ui->ComboBox3->hide();
}

void TSettings::LoadMenu(const IniFile &settings)
{
    Tick(ui->CheckBox1, settings, kMenuSettings, QStringLiteral("ShowIcons"), true);
    Tick(ui->CheckBox2, settings, kMenuSettings, QStringLiteral("AlwaysOnTop"), true);
    const int maxNumber = settings.ReadInteger(kMenuSettings, QStringLiteral("maxnumber"), 125);
    ui->CheckBox12->setChecked(maxNumber == 0);
    ui->UpDown7->SetPosition(maxNumber == 0 ? 125 : maxNumber);
    CheckBox12Click();
    if (settings.ReadString(kGeneral, QStringLiteral("position")) == QLatin1String("bottom"))
        ui->RadioButton2->setChecked(true);
    Tick(ui->CheckBox10, settings, kMenuSettings, QStringLiteral("showrun"), false);
    SetNumber(ui->UpDown8, settings, kMenuSettings, QStringLiteral("runcount"), 25);
    SetNumber(ui->UpDown3, settings, kMenuSettings, QStringLiteral("runwidth"), 100);
    if (settings.ReadBool(kMenuSettings, QStringLiteral("runautosize"), false))
        ShowChoice(ui->ComboBox11, kAutosizeRun);
}

void TSettings::LoadInfoBar(const IniFile &settings)
{
    Tick(ui->CheckBox8, settings, kInfoBar, QStringLiteral("enabled"), false);
    if (settings.ReadBool(kInfoBar, QStringLiteral("progressbar-autosize"), false))
        ShowChoice(ui->ComboBox10, kAutosizeProgressBars);
    SetNumber(ui->UpDown4, settings, kInfoBar, QStringLiteral("width"), 150);
    SetNumber(ui->UpDown5, settings, kInfoBar, QStringLiteral("margin"), 10);
    LoadInfoBarObjects(ui->ListView1, settings);
    CheckBox8Click();
}

void TSettings::LoadAlphaBlend(const IniFile &settings)
{
    SetNumber(ui->UpDown1, settings, kAlphaBlend, QStringLiteral("menu_alpha"), 0);
    Tick(ui->CheckBox13, settings, kAlphaBlend, QStringLiteral("menu_noalphaonactivate"), false);
    Tick(ui->CheckBox7, settings, kAlphaBlend, QStringLiteral("menu_dropshadow"), true);
    ApplyAlphaRule();
}

void TSettings::LoadThemePage(const IniFile &settings)
{
    m_themePage->LoadCurrentTheme(settings);
}

void TSettings::LoadStartupEntry()
{
    // Ticked only when the entry starts this very program: another copy's entry is not ours.
    ui->CheckBox5->setChecked(AutostartProgram() == ProgramFilePath());
}

void TSettings::LoadHotkeys()
{
    const QString path = DataFilePath(dfHotkeys);
    m_hotkeyFileReadable = FillHotkeyList(ui->ListView4, path) || !QFile::exists(path);
    // A hotkey file that is there but cannot be read is never written over with an empty list.
    if (!m_hotkeyFileReadable)
        FileProblemReports::ReportNotRead(path, QStringLiteral("it is no hotkey file"));
}

// ---- saving

bool TSettings::Save()
{
    const BusyPointer busy;
    bool saved = SaveSettingsFile();
    saved = SaveStartupEntry() && saved;
    saved = SaveHotkeys() && saved;
    BarRequests::RequestRefresh();
    return saved;
}

bool TSettings::SaveSettingsFile()
{
    // Read again now: whatever changed the file since the dialog opened (a dialog's place, a note
    // window's font) stays.
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    const QByteArray before = settings.ToData();
    SaveAliases(settings);
    SaveMarquee(settings);
    SaveThemePage(settings);
    SaveMenu(settings);
    SaveInfoBar(settings);
    SaveAlphaBlend(settings);
    WriteTick(settings, kMenuSettings, QStringLiteral("AlwaysOnTop"), ui->CheckBox2);
    settings.WriteString(kGeneral, QStringLiteral("position"),
                         ui->RadioButton2->isChecked() ? QStringLiteral("bottom") : QStringLiteral("top"));
    // Nothing changed: the file stays byte for byte as it is, blank lines and all.
    if (settings.IsReadable() && settings.ToData() == before)
        return true;
    // Told afresh each time OK or Apply fails, once (the file's watcher may have told it already).
    FileProblemReports::ForgetFile(settings.FileName());
    if (settings.UpdateFile())
        return true;
    FileProblemReports::ReportNotSaved(settings.FileName(), settings.IsReadable()
                                                                ? QStringLiteral("it could not be written")
                                                                : settings.ReadError());
    return false;
}

void TSettings::SaveAliases(IniFile &settings) const
{
    EmptySection(settings, kAlias);
    for (int i = 0; i < ui->ListView3->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *line = ui->ListView3->topLevelItem(i);
        const QString key = UserAliasKey(line->text(0));
        if (!key.isEmpty())
            settings.WriteString(kAlias, key, line->text(1));
    }
}

void TSettings::SaveMarquee(IniFile &settings) const
{
    WriteTick(settings, kMarqueeSettings, QStringLiteral("showmarquee"), ui->CheckBox6);
    WriteNumber(settings, kMarqueeSettings, QStringLiteral("marqueeframelength"), ui->UpDown2);
    WriteTick(settings, kMarqueeSettings, QStringLiteral("marqueetimer"), ui->CheckBox3);
    settings.WriteString(kMarqueeSettings, QStringLiteral("position"), QString::number(ui->ComboBox9->currentIndex() == 1));
    const bool autoSized = ui->ComboBox10->currentText() == kAutosizeMarquee
                           || ui->ComboBox11->currentText() == kAutosizeMarquee;
    settings.WriteString(kMarqueeSettings, QStringLiteral("autosize"), Bool(autoSized));
    WriteNumber(settings, kMarqueeSettings, QStringLiteral("width"), ui->UpDown6);

    EmptySection(settings, kMarquee);
    const QStringList lines = MarqueeContentLines(ui->Memo1->toPlainText());
    for (qsizetype i = 0; i < lines.size(); ++i)
        settings.WriteString(kMarquee, QStringLiteral("line%1").arg(i), lines[i]);
}

void TSettings::SaveThemePage(IniFile &settings) const
{
    m_themePage->SaveCurrentTheme(settings);
}

void TSettings::SaveMenu(IniFile &settings) const
{
    WriteTick(settings, kMenuSettings, QStringLiteral("ShowIcons"), ui->CheckBox1);
    if (ui->CheckBox12->isChecked())
        settings.WriteString(kMenuSettings, QStringLiteral("maxnumber"), QStringLiteral("0"));
    else {
        ui->UpDown7->TakeFieldText();
        settings.WriteString(kMenuSettings, QStringLiteral("maxnumber"), QString::number(ui->UpDown7->Position()));
    }
    WriteTick(settings, kMenuSettings, QStringLiteral("showrun"), ui->CheckBox10);
    WriteNumber(settings, kMenuSettings, QStringLiteral("runwidth"), ui->UpDown3);
    WriteNumber(settings, kMenuSettings, QStringLiteral("runcount"), ui->UpDown8);
    settings.WriteString(kMenuSettings, QStringLiteral("runautosize"), Bool(ui->ComboBox11->currentText() == kAutosizeRun));
}

void TSettings::SaveInfoBar(IniFile &settings) const
{
    WriteTick(settings, kInfoBar, QStringLiteral("enabled"), ui->CheckBox8);
    settings.WriteString(kInfoBar, QStringLiteral("progressbar-autosize"),
                         Bool(ui->ComboBox10->currentText() == kAutosizeProgressBars));
    WriteNumber(settings, kInfoBar, QStringLiteral("width"), ui->UpDown4);
    WriteNumber(settings, kInfoBar, QStringLiteral("margin"), ui->UpDown5);

    EmptySection(settings, kInfoBarObjects);
    const QStringList objects = InfoBarObjectTexts(ui->ListView1);
    for (qsizetype i = 0; i < objects.size(); ++i)
        settings.WriteString(kInfoBarObjects, QStringLiteral("progress%1").arg(i, 4, 10, QLatin1Char('0')), objects[i]);
}

void TSettings::SaveAlphaBlend(IniFile &settings) const
{
    WriteNumber(settings, kAlphaBlend, QStringLiteral("menu_alpha"), ui->UpDown1);
    WriteTick(settings, kAlphaBlend, QStringLiteral("menu_noalphaonactivate"), ui->CheckBox13);
    WriteTick(settings, kAlphaBlend, QStringLiteral("menu_dropshadow"), ui->CheckBox7);
}

bool TSettings::SaveStartupEntry()
{
    const bool saved = ui->CheckBox5->isChecked() ? SetAutostartProgram(ProgramFilePath()) : RemoveAutostartProgram();
    if (!saved)
        FileProblemReports::ReportNotSaved(AutostartEntryPath(), QStringLiteral("the start-up entry could not be changed"));
    return saved;
}

bool TSettings::SaveHotkeys()
{
    if (!m_hotkeyFileReadable)
        return true;
    const QString path = DataFilePath(dfHotkeys);
    FileProblemReports::ForgetFile(path);
    if (SaveHotkeyList(ui->ListView4, path))
        return true;
    FileProblemReports::ReportNotSaved(path, QStringLiteral("it could not be written"));
    return false;
}

// ---- buttons

void TSettings::Button1Click()
{
    // A failed save keeps the dialog open, so that nothing typed is lost.
    if (!Save())
        return;
    hide();
    accept();
}

void TSettings::Button5Click()
{
    Save();
}

void TSettings::Button6Click()
{
    const bool withParameter = !ui->ComboBox3->isHidden();
    if (ui->ComboBox2->currentIndex() < 0 || (withParameter && ui->ComboBox3->currentIndex() < 0))
        return;
    const QString parameter = withParameter ? ui->ComboBox3->currentText() : QString();
    ui->Memo1->textCursor().insertText(QStringLiteral("[%1(%2)]").arg(ui->ComboBox2->currentText(), parameter));
    ui->Memo1->setFocus();
}

void TSettings::Button7Click()
{
    if (!AskYesNo(kImportExportQuestion, MessageIcon::Question, this))
        return;
    QPointer<TImportExport> wizard = new TImportExport(this);
    wizard->setWindowModality(Qt::ApplicationModal);
    if (wizard->exec() == QDialog::Accepted)
        reject();
}

void TSettings::Button8Click()
{
    // The designer is a window of its own that outlives this dialog: the bar owns it.
    ShowMenuDesigner(parentWidget());
}

// ---- rules

void TSettings::RebuildAutosizeLists()
{
    const bool onInfoBar = ui->ComboBox9->currentIndex() == 1;
    const auto rebuild = [](QComboBox *list, const QStringList &choices) {
        const QString previous = list->currentText();
        list->clear();
        list->addItems(choices);
        if (!ShowChoice(list, previous))
            list->setCurrentIndex(0);
    };
    rebuild(ui->ComboBox10, InfoBarAutosizeChoices(onInfoBar));
    rebuild(ui->ComboBox11, MenuBarAutosizeChoices(onInfoBar));
}

void TSettings::CheckBox12Click()
{
    const bool limited = !ui->CheckBox12->isChecked();
    ui->BEdit2->setEnabled(limited);
    ui->UpDown7->setEnabled(limited);
}

void TSettings::CheckBox6Click()
{
    const bool enabled = ui->CheckBox6->isChecked();
    for (QWidget *control : ui->Marquee->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control != ui->CheckBox6)
            control->setEnabled(enabled);
    }
}

void TSettings::CheckBox8Click()
{
    const bool enabled = ui->CheckBox8->isChecked();
    ui->Label28->setEnabled(enabled);
    ui->ListView1->setEnabled(enabled);
    QPalette colours = ui->ListView1->palette();
    const QPalette standard = QGuiApplication::palette();
    const QColor background = enabled ? standard.color(QPalette::Base) : standard.color(QPalette::Button);
    colours.setColor(QPalette::Active, QPalette::Base, background);
    colours.setColor(QPalette::Inactive, QPalette::Base, background);
    colours.setColor(QPalette::Disabled, QPalette::Base, background);
    ui->ListView1->setPalette(colours);
}

void TSettings::ApplyAlphaRule()
{
    ui->CheckBox13->setEnabled(ui->Edit3->text() != QLatin1String("0"));
}

void TSettings::ComboBox2Select()
{
    const QStringList parameters = MarqueeParameterNames(ui->ComboBox2->currentText());
    ui->ComboBox3->clear();
    ui->ComboBox3->addItems(parameters);
    ui->ComboBox3->setCurrentIndex(-1);
    ui->ComboBox3->setVisible(!parameters.isEmpty());
}

// ---- lists

void TSettings::AliasPopupMenuPopup()
{
    const bool selected = SelectedLine(ui->ListView3);
    for (QAction *action : AliasPopupMenu->actions())
        action->setVisible(selected || action->objectName() == QLatin1String("AddAlias1"));
}

void TSettings::AddAliasClick()
{
    RunEditor(new TAddAlias(ui->ListView3, -1, {}, {}, this));
}

void TSettings::EditAliasClick()
{
    QTreeWidgetItem *line = SelectedLine(ui->ListView3);
    if (line)
        RunEditor(new TAddAlias(ui->ListView3, SelectedIndex(ui->ListView3), line->text(0), line->text(1), this));
}

void TSettings::DeleteAliasClick()
{
    QTreeWidgetItem *line = SelectedLine(ui->ListView3);
    if (line && AskYesNo(kDeleteAliasQuestion, MessageIcon::Warning, this))
        delete line;
}

void TSettings::HotKeyPopupPopup()
{
    const bool selected = SelectedLine(ui->ListView4);
    for (QAction *action : HotKeyPopup->actions())
        action->setVisible(selected || action->objectName() == QLatin1String("AddHotkey1"));
}

void TSettings::AddHotkeyClick()
{
    RunEditor(new TAddHotkey(ui->ListView4, -1, this));
}

void TSettings::EditHotkeyClick()
{
    if (SelectedLine(ui->ListView4))
        RunEditor(new TAddHotkey(ui->ListView4, SelectedIndex(ui->ListView4), this));
}

void TSettings::DeleteHotkeyClick()
{
    QTreeWidgetItem *line = SelectedLine(ui->ListView4);
    if (line && AskYesNo(kDeleteHotkeyQuestion, MessageIcon::Information, this))
        delete line;
}

void TSettings::InfoBarPopupMenuPopup()
{
    const bool selected = SelectedLine(ui->ListView1);
    for (QAction *action : InfoBarPopupMenu->actions())
        action->setVisible(selected || action->objectName() == QLatin1String("AddObject1"));
}

void TSettings::AddInfoBarObjectClick()
{
    RunEditor(new TAddToInfoBar(ui->ListView1, -1, this));
}

void TSettings::EditInfoBarObjectClick()
{
    if (SelectedLine(ui->ListView1))
        RunEditor(new TAddToInfoBar(ui->ListView1, SelectedIndex(ui->ListView1), this));
}

void TSettings::DeleteInfoBarObjectClick()
{
    QTreeWidgetItem *line = SelectedLine(ui->ListView1);
    if (line && AskYesNo(kDeleteObjectQuestion, MessageIcon::Question, this))
        delete line;
}

bool TSettings::InfoBarListKey(const QKeyEvent *key)
{
    if (key->modifiers() != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Insert) {
        AddInfoBarObjectClick();
        return true;
    }
    if (key->key() == Qt::Key_Delete) {
        DeleteInfoBarObjectClick();
        return true;
    }
    return false;
}

bool TSettings::InfoBarListDrag(QEvent *event)
{
    // Only lines of this list are dragged here, with the left button and no modifier key.
    auto *drag = static_cast<QDropEvent *>(event);
    const bool ownLine = drag->source() == ui->ListView1 && drag->modifiers() == Qt::NoModifier;
    if (event->type() != QEvent::Drop) {
        if (ownLine)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (ownLine) {
        QTreeWidgetItem *target = ui->ListView1->itemAt(drag->position().toPoint());
        QTreeWidgetItem *dragged = ui->ListView1->currentItem();
        if (target && dragged)
            MoveLineBefore(ui->ListView1, ui->ListView1->indexOfTopLevelItem(dragged),
                           ui->ListView1->indexOfTopLevelItem(target));
    }
    // The line has been moved here; a move answer would make the list delete the dragged line.
    drag->setDropAction(Qt::IgnoreAction);
    drag->accept();
    return true;
}

bool TSettings::eventFilter(QObject *watched, QEvent *event)
{
    // The base watches the whole application, from before the form is made.
    if (!m_formCreated)
        return TQuorixDialog::eventFilter(watched, event);
    if (watched == ui->ListView1->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return InfoBarListDrag(event);
        default:
            break;
        }
    } else if (watched == ui->ListView1 && event->type() == QEvent::KeyPress) {
        if (InfoBarListKey(static_cast<QKeyEvent *>(event)))
            return true;
    } else if (event->type() == QEvent::MouseButtonPress) {
        auto *caption = qobject_cast<QLabel *>(watched);
        if (caption && caption->buddy() && ui->extendedRows->isAncestorOf(caption)) {
            caption->buddy()->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}
