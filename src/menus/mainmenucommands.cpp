#include "menus/mainmenucommands.h"

#include "dialogs/tabout.h"
#include "dialogs/trundialog.h"
#include "dialogs/tsettings.h"
#include "dialogs/tshutdowndialog.h"
#include "help/tmanual.h"
#include "menus/menuactivation.h"
#include "menus/menubuilder.h"
#include "menus/tbmenuitem.h"
#include "platform/drivetable.h"
#include "platform/sessionpower.h"
#include "platform/windowsystem.h"

#include <algorithm>

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

// The fixed entries of "Close": "Quorix", a separator, "Shut Down...", a separator.
constexpr int kFixedCloseEntries = 4;

template <typename Dialog>
void ShowSingle(QPointer<Dialog> &dialog, QWidget *owner)
{
    if (!dialog)
        dialog = new Dialog(owner);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ShowIconsIn(QMenu *menu, bool show)
{
    for (QAction *action : menu->actions()) {
        action->setIconVisibleInMenu(show);
        if (action->menu())
            ShowIconsIn(action->menu(), show);
    }
}

QString DriveCaption(const DriveInfo &drive)
{
    const QString name = drive.label.isEmpty() ? QStringLiteral("CD Drive") : drive.label;
    return MenuBuilder::ShellCaption(QStringLiteral("%1 (%2:)").arg(name, drive.letter));
}

} // namespace

MainMenuCommands::MainMenuCommands(const Components &components, QObject *parent)
    : QObject(parent), m_components(components)
{
    const Components &c = m_components;
    if (c.run)
        connect(c.run, &QAction::triggered, this, &MainMenuCommands::TBItem5Click);
    if (c.autoRun)
        connect(c.autoRun, &QMenu::aboutToShow, this, &MainMenuCommands::AutoRunPopup);
    if (c.settings) {
        // The settings pages; entries added later (the special folders) have handlers of their own.
        for (QAction *page : c.settings->actions()) {
            if (!page->isSeparator() && !page->menu())
                connect(page, &QAction::triggered, this, [this, page] { SettingsClick(page); });
        }
    }
    if (c.close)
        connect(c.close, &QMenu::aboutToShow, this, &MainMenuCommands::Close1Popup);
    if (c.windows)
        connect(c.windows, &QAction::triggered, this, &MainMenuCommands::Windows1Click);
    if (c.help)
        connect(c.help, &QAction::triggered, this, &MainMenuCommands::TBItem2Click);
    if (c.about)
        connect(c.about, &QAction::triggered, this, &MainMenuCommands::TBItem6Click);
    if (c.iconButton)
        connect(c.iconButton, &QAction::triggered, this, &MainMenuCommands::TBItem6Click);
}

TAbout *MainMenuCommands::About() const
{
    return m_about;
}

TRunDialog *MainMenuCommands::RunDialog() const
{
    return m_run;
}

void MainMenuCommands::SetShowIcons(bool showIcons)
{
    m_showIcons = showIcons;
    if (m_components.main)
        ShowIconsIn(m_components.main, showIcons);
}

void MainMenuCommands::TBItem5Click()
{
    ShowSingle(m_run, m_components.bar);
}

void MainMenuCommands::AutoRunPopup()
{
    QMenu *menu = m_components.autoRun;
    MenuBuilder::ClearMenuItems(menu);
    for (const DriveInfo &drive : DriveTable()) {
        if (drive.type != DriveType::CdRom)
            continue;
        auto *item = new TBMenuItem(DriveCaption(drive), menu);
        item->SetPath(QString(drive.letter) + QLatin1Char(':'));
        if (m_showIcons)
            item->setIcon(QIcon::fromTheme(QStringLiteral("media-optical")));
        connect(item, &QAction::triggered, this, [this, item] { OpenAutoRunClick(item); });
        menu->addAction(item);
    }
}

void MainMenuCommands::OpenAutoRunClick(QObject *sender)
{
    auto *item = qobject_cast<TBMenuItem *>(sender);
    if (!item || item->Path().isEmpty())
        return;
    const DriveInfo drive = DriveForLetter(item->Path().at(0));
    if (!drive.letter.isNull())
        StartAutoRun(drive.mountPoint);
}

void MainMenuCommands::SettingsClick(QObject *sender)
{
    const auto *page = qobject_cast<const QAction *>(sender);
    if (!page)
        return;
    // "InfoBar..." opens the page "infobar": the caption in lower case without its "...".
    const QString caption = page->text();
    const QString pageName = caption.left(std::max<qsizetype>(0, caption.size() - 3)).toLower();
    if (!m_settings)
        m_settings = new TSettings(m_components.bar);
    m_settings->OpenAtPage(pageName);
}

TSettings *MainMenuCommands::Settings() const
{
    return m_settings;
}

void MainMenuCommands::Close1Popup()
{
    QMenu *menu = m_components.close;
    const QList<QAction *> actions = menu->actions();
    for (qsizetype i = actions.size() - 1; i >= kFixedCloseEntries; --i) {
        menu->removeAction(actions[i]);
        if (actions[i]->parent() == menu)
            delete actions[i];
    }
    const quint32 own = m_components.bar ? quint32(m_components.bar->winId()) : 0;
    for (const DesktopWindow &window : ListClosableWindows(own, m_showIcons)) {
        auto *entry = new QAction(MenuBuilder::ShellCaption(window.title), menu);
        entry->setData(window.id);
        if (m_showIcons)
            entry->setIcon(window.icon);
        connect(entry, &QAction::triggered, this, [this, entry] { CloseProgramClick(entry); });
        menu->addAction(entry);
    }
}

void MainMenuCommands::CloseProgramClick(QObject *sender)
{
    auto *entry = qobject_cast<QAction *>(sender);
    if (entry)
        CloseWindowPolitely(entry->data().toUInt());
}

void MainMenuCommands::Windows1Click()
{
    if (!StartDesktopShutDownDialog())
        ShowSingle(m_shutDown, m_components.bar);
}

void MainMenuCommands::TBItem2Click()
{
    TManual::ShowHelp(QStringLiteral("general-about"));
}

void MainMenuCommands::TBItem6Click()
{
    // Its "Help" asks for "general-about" through BarRequests, as F1 does in every dialog.
    ShowSingle(m_about, m_components.bar);
}
