#include "app/tmainmenu.h"

#include "foundation/fileproblemreports.h"

#include "foundation/appinfo.h"
#include "foundation/barrequests.h"
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "foundation/programfolder.h"
#include "foundation/settingsmodel.h"
#include "base/inifile.h"
#include "foundation/messages.h"
#include "foundation/tracelog.h"
#include "appearance/menustyle.h"
#include "appearance/ttbxquorixtheme.h"
#include "controls/tappbar.h"
#include "core/hotkeycommands.h"
#include "core/hotkeytable.h"
#include "core/td.h"
#include "help/tmanual.h"
#include "infobar/infobar.h"
#include "infobar/marquee.h"
#include "menus/barpopupplacer.h"
#include "menus/mainmenucommands.h"
#include "menus/menuactivation.h"
#include "menus/menubuilder.h"
#include "menus/runbox.h"
#include "menus/tbmenuitem.h"
#include "notes/opennote.h"
#include "platform/registrystore.h"
#include "platform/windowsystem.h"
#include "platform/xdgpaths.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kRegistryKey = QStringLiteral("software\\Brenmoor\\Quorix");
// The bar's own entries (the icon button and "Main") come before the generated ones.
constexpr int kFirstGeneratedEntry = 2;
const QString kAutostartQuestion = QStringLiteral(
    "Quorix is not currently set to start when you log in.\r\rDo you want Quorix to start when you log in?");

// The address book: the configured file, else the desktop's own contacts folder, else none.
QString AddressBookPath(const QString &configured)
{
    if (!configured.isEmpty() && QFileInfo::exists(configured))
        return configured;
    const QString contacts = XdgDataHome() + QStringLiteral("contacts/");
    return QFileInfo::exists(contacts) ? contacts : QString();
}
} // namespace

TMainMenu::TMainMenu(QWidget *parent) : TAppBar(parent)
{
    setObjectName(QStringLiteral("MainMenu"));
    setWindowTitle(QStringLiteral("QuorixMainMenu"));
    setWindowIcon(ImageListOrig(biQuorix));
    setAttribute(Qt::WA_DeleteOnClose, false);
    SetTaskEntry(abtHide);
    BuildComponents();
    if (TD *dataModule = TD::Instance())
        dataModule->AttachBar(this);
    FormCreate();
}

TMainMenu::~TMainMenu()
{
    // The data module outlives the bar: it must not watch a window that is going.
    if (TD *dataModule = TD::Instance(); dataModule && dataModule->Bar() == this)
        dataModule->AttachBar(nullptr);
    if (!m_closed)
        FormClose();
    FormDestroy();
}

QAction *TMainMenu::AddCommand(QMenu *menu, const QString &objectName, const QString &caption, int image)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    if (image >= 0)
        action->setIcon(ImageListOrig(image));
    return action;
}

void TMainMenu::BuildComponents()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    MenuRow = new QWidget(this);
    MenuRow->setObjectName(QStringLiteral("MenuRow"));
    auto *row = new QHBoxLayout(MenuRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    M = new QMenuBar(MenuRow);
    M->setObjectName(QStringLiteral("M"));
    M->setNativeMenuBar(false);
    row->addWidget(M, 1);
    RunBox1 = new RunBox(MenuRow);
    RunBox1->setVisible(false);
    row->addWidget(RunBox1);

    Panel1 = new QWidget(MenuRow);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    MarqueeLabel = new TBLabel(Panel1);
    MarqueeLabel->setObjectName(QStringLiteral("MarqueeLabel"));
    panelLayout->addWidget(MarqueeLabel);
    row->addWidget(Panel1);
    column->addWidget(MenuRow);

    InfoBar = new QWidget(this);
    InfoBar->setObjectName(QStringLiteral("InfoBar"));
    InfoBar->setPalette(white);
    InfoBar->setAutoFillBackground(true);
    column->addWidget(InfoBar);

    Timer_Displayer = new QTimer(this);
    Timer_Displayer->setObjectName(QStringLiteral("Timer_Displayer"));
    Timer_Displayer->setInterval(10000);
    InfoBarTimer = new QTimer(this);
    InfoBarTimer->setObjectName(QStringLiteral("InfoBarTimer"));
    InfoBarTimer->setInterval(1000);
    m_marquee = new TMarquee(Panel1, MarqueeLabel, Timer_Displayer, this);
    m_marquee->SetRows(row, M, InfoBar);
    m_infoBarController = new TInfoBarController(InfoBar, InfoBarTimer, this);
    m_infoBarController->SetMarquee(m_marquee);

    BuildMainMenu();
    m_hotkeys = new HotkeyTable(this);
    if (TD *dataModule = TD::Instance()) {
        connect(m_hotkeys, &HotkeyTable::CommandRequested, dataModule, &TD::ExecuteHotkeyCommand);
        dataModule->HotkeyCommandRunner().SetOpenMainMenu([this] { OpenMainMenuFromKeyboard(); });
    }
}

void TMainMenu::BuildMainMenu()
{
    TBItem7 = M->addAction(ImageListOrig(biQuorix), QString());
    TBItem7->setObjectName(QStringLiteral("TBItem7"));
    TBItem7->setToolTip(kAppTitle);

    Main1 = M->addMenu(QStringLiteral("&Main"));
    Main1->setObjectName(QStringLiteral("Main1"));
    TBItem5 = AddCommand(Main1, QStringLiteral("TBItem5"), QStringLiteral("Run..."), biRun);
    Main1->addSeparator();
    TBSubmenuItem4 = Main1->addMenu(QStringLiteral("AutoRun"));
    TBSubmenuItem4->setObjectName(QStringLiteral("TBSubmenuItem4"));
    TBSubmenuItem2 = Main1->addMenu(ImageListOrig(biSettings), QStringLiteral("Settings"));
    TBSubmenuItem2->setObjectName(QStringLiteral("TBSubmenuItem2"));
    const char *const settingsPages[] = {"General...", "Alias...", "HotKeys...", "InfoBar...", "Marquee...",
                                         "Menu...", "Theme...", "Alpha Blend...", "Extended Settings..."};
    int page = 0;
    for (const char *caption : settingsPages)
        AddCommand(TBSubmenuItem2, QStringLiteral("Settings%1").arg(++page), QString::fromLatin1(caption));
    TBSubmenuItem2->addSeparator();
    RefreshMenu1 = AddCommand(Main1, QStringLiteral("RefreshMenu1"), QStringLiteral("Refresh Quorix"));
    Main1->addSeparator();
    Close1 = Main1->addMenu(QStringLiteral("Close"));
    Close1->setObjectName(QStringLiteral("Close1"));
    Explode1 = AddCommand(Close1, QStringLiteral("Explode1"), QStringLiteral("Quorix"), biQuorix);
    Close1->addSeparator();
    Windows1 = AddCommand(Close1, QStringLiteral("Windows1"), QStringLiteral("Shut Down..."), biShutDown);
    Close1->addSeparator();
    Main1->addSeparator();
    TBItem2 = AddCommand(Main1, QStringLiteral("TBItem2"), QStringLiteral("Help..."), biHelp);
    TBItem6 = AddCommand(Main1, QStringLiteral("TBItem6"), QStringLiteral("About..."));

    connect(RefreshMenu1, &QAction::triggered, this, &TMainMenu::RefreshMenu1Click);
    connect(&BarRequests::Instance(), &BarRequests::RefreshRequested, this, &TMainMenu::RefreshMenu1Click);
    // F1 in a dialog and the About box's "Help" open the viewer at their page.
    connect(&BarRequests::Instance(), &BarRequests::HelpRequested, this,
            [](const QString &topic) { TManual::ShowHelp(topic); });
    connect(Explode1, &QAction::triggered, this, &TMainMenu::Explode1Click);

    m_popupPlacer = new TBarPopupPlacer(M);
    m_menuBuilder = new MenuBuilder(this);
    m_commands = new MainMenuCommands({this, Main1, TBSubmenuItem4, TBSubmenuItem2, Close1, TBItem5, Windows1, TBItem2,
                                       TBItem6, TBItem7},
                                      this);
}

void TMainMenu::FormCreate()
{
    TraceLine(QStringLiteral("MainMenu.FormCreate: begin"));
    ReadSettings();
    GenerateMenu();
    GenerateInfoBar();
    ApplyFirstUseSteps();
    AddSpecialFolderItems();
    TraceLine(QStringLiteral("MainMenu.FormCreate: end"));
}

void TMainMenu::ApplyFirstUseSteps()
{
    IniFile settings(DataFilePath(dfSettings));
    // A settings file that exists but cannot be read is no first start: ReadSettings has said
    // why, and nothing is written over it.
    if (!settings.IsReadable())
        return;
    settings.SetAutoSave(false);
    const bool firstUse = settings.ReadBool(QStringLiteral("generel"), QStringLiteral("firstuse"), true);
    const QString header = QStringLiteral("header");
    // Written only when something is new: a start should not rewrite the file it just read.
    const bool stamped = settings.ReadString(QStringLiteral("generel"), QStringLiteral("firstuse")) == QLatin1String("0")
                         && settings.ReadString(header, QStringLiteral("versionstring")) == kAppTitle
                         && settings.ReadString(header, QStringLiteral("version")) == kFormatVersion;
    if (!stamped) {
        settings.WriteBool(QStringLiteral("generel"), QStringLiteral("firstuse"), false);
        settings.WriteString(header, QStringLiteral("versionstring"), kAppTitle);
        settings.WriteString(header, QStringLiteral("version"), kFormatVersion);
        settings.UpdateFile();
    }
    if (firstUse)
        OfferAutostart();
}

void TMainMenu::OfferAutostart()
{
    const QString program = ProgramFilePath();
    if (AutostartProgram().compare(program, Qt::CaseInsensitive) == 0)
        return;
    if (AskQuestion(kAutostartQuestion, this) && !SetAutostartProgram(program))
        ShowError(QStringLiteral("The autostart entry could not be written:\r") + AutostartEntryPath(), this);
}

void TMainMenu::AddSpecialFolderItems()
{
    struct Entry { const char *caption; const char *macro; int image; };
    static const Entry entries[] = {{"Control Panel", "$CONTROLPANEL$", biControlPanel},
                                    {"My Computer", "$MYCOMPUTER$", biMyComputer},
                                    {"Printers", "$PRINTERS$", biPrinters},
                                    {"Recycle Bin", "$RECYCLE$", biRecycleBin}};
    for (const Entry &entry : entries) {
        auto *item = new TBMenuItem(QString::fromLatin1(entry.caption), TBSubmenuItem2);
        item->SetPath(QString::fromLatin1(entry.macro));
        item->setIcon(ImageListOrig(entry.image));
        item->setIconVisibleInMenu(m_settings.showIcons);
        connect(item, &QAction::triggered, item, [item] { OpenProgramClick(item); });
        TBSubmenuItem2->addAction(item);
    }
}

void TMainMenu::ReadSettings()
{
    TraceLine(QStringLiteral("ReadSettings: begin"));
    const SettingsModel &model = ReloadSettings();
    if (!model.File().IsReadable())
        FileProblemReports::ReportNotRead(model.Path(), model.File().ReadError());
    m_settings = model.bar;
    m_settings.wabFileName = AddressBookPath(m_settings.wabFileName);
    if (TD *dataModule = TD::Instance())
        dataModule->CheckTaskbar();
    ApplyGeometry();
    ApplyMarquee();
    m_hotkeys->LoadHotkeys(DataFilePath(dfHotkeys));
    ApplyMenuTheme();
    ApplyTransparency();
    if (auto *painter = qobject_cast<TTBXQuorixTheme *>(m_menuStyle))
        painter->SetDropShadow(m_settings.dropShadow);
    TraceLine(QStringLiteral("ReadSettings: end"));
}

void TMainMenu::ApplyGeometry()
{
    MenuRow->setFixedHeight(m_settings.height);
    M->setFixedHeight(m_settings.height); // the painter's highlight fills the whole row
    InfoBar->setFixedHeight(m_settings.height);
    InfoBar->setVisible(m_settings.infoBarEnabled);
    InfoBar->setEnabled(m_settings.infoBarEnabled);
    SetAlwaysOnTop(m_settings.alwaysOnTop);
    SetHorzDockSize(m_settings.BarHeight());
    // Assigning the edge docks the bar with the size and stacking just set.
    SetEdge(m_settings.dockAtBottom ? abeBottom : abeTop);
}

void TMainMenu::ShowAppBarMessage(const QString &text)
{
    ShowMessageBox(kAppTitle, text, MessageIcon::Information, this);
}

void TMainMenu::ApplyMarquee()
{
    m_marquee->ReadSettings(m_settings);
}

const QStringList &TMainMenu::MarqueeLines() const
{
    return m_marquee->Lines();
}

void TMainMenu::ApplyMenuTheme()
{
    m_menuStyle = SelectMenuTheme(QStringLiteral("Quorix"));
    ApplyMenuStyle(this, m_menuStyle);
    if (TD *dataModule = TD::Instance())
        dataModule->ApplyTheme(this);
}

void TMainMenu::ApplyTransparency()
{
    m_blendValue = BlendValueForAlpha(m_settings.menuAlpha);
    SetBlend(m_blendValue);
}

void TMainMenu::SetBlend(int value)
{
    m_currentBlend = value;
    setWindowOpacity(value < 255 ? value / 255.0 : 1.0);
}

void TMainMenu::GenerateMenu()
{
    TraceLine(QStringLiteral("GenerateMenu: begin"));
    m_menuBuilder->SetMaxNumber(m_settings.maxNumber);
    m_menuBuilder->SetShowIcons(m_settings.showIcons);
    m_menuBuilder->SetAddressBookPath(m_settings.wabFileName);
    m_commands->SetShowIcons(m_settings.showIcons);
    m_menuBuilder->GenerateMenu(M, kFirstGeneratedEntry);
    m_popupPlacer->WatchBarMenus();
    PlaceRunBox();
    TraceLine(QStringLiteral("GenerateMenu: end"));
}

void TMainMenu::PlaceRunBox()
{
    RunBox1->setVisible(m_settings.showRun);
    RunBox1->SetRunCount(m_settings.runCount);
    int width = m_settings.runWidth;
    if (m_settings.runAutoSize) {
        // The bar spans its edge whether or not it is shown yet: the width comes from where it
        // docks, not from the window, which has no size of its own before its first show.
        const int barWidth = DockRect(Edge()).width();
        const bool marqueeOnRow = !Panel1->isHidden() && Panel1->parentWidget() == MenuRow;
        const int marquee = marqueeOnRow ? Panel1->minimumWidth() : 0;
        width = barWidth - marquee - M->sizeHint().width() - 10;
    }
    RunBox1->SetEditWidth(width);
}

void TMainMenu::OpenMainMenuFromKeyboard()
{
    raise();
    activateWindow();
    ActivateWindow(quint32(winId()));
    M->setActiveAction(Main1->menuAction());
    const auto actions = Main1->actions();
    for (QAction *action : actions) {
        if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
            Main1->setActiveAction(action);
            break;
        }
    }
}

void TMainMenu::GenerateInfoBar()
{
    const TD *dataModule = TD::Instance();
    m_infoBarController->GenerateInfoBar(dataModule ? dataModule->CurrentTheme() : DefaultThemeColors());
}

void TMainMenu::RefreshMenu1Click()
{
    ReadSettings();
    GenerateMenu();
    GenerateInfoBar();
}

void TMainMenu::Explode1Click()
{
    // Open notes first, each with its own question: the bar ends only when none stays open.
    if (!CloseNoteWindows())
        return;
    close();
}

void TMainMenu::closeEvent(QCloseEvent *event)
{
    if (!m_closed)
        FormClose();
    m_closed = true;
    event->accept();
}

void TMainMenu::FormClose()
{
    // The user guide goes with the bar: Quorix ends when its bar closes, not when its last window does.
    if (TManual *viewer = TManual::Instance())
        viewer->close();
    m_menuBuilder->ClearGeneratedEntries(M, kFirstGeneratedEntry);
    m_marquee->Stop();
    m_infoBarController->FreeBars();
}

void TMainMenu::FormDestroy()
{
    m_hotkeys->ReleaseHotkeys();
    if (TD *dataModule = TD::Instance())
        dataModule->HotkeyCommandRunner().SetOpenMainMenu({});
    RegistryWriteString(kRegistryKey, objectName() + QStringLiteral("-H"), QString::number(height()));
}
