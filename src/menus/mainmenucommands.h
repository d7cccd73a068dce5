// The commands of the bar's "Main" menu: "Run...", the "AutoRun" list of optical drives, the
// "Settings" pages, the "Close" list of open windows and "Shut Down...", "Help..." and "About...".
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class TAbout;
class TRunDialog;
class TSettings;
class TShutDownDialog;

class MainMenuCommands : public QObject
{
    Q_OBJECT

public:
    // The bar's components the commands work with.
    struct Components
    {
        QWidget *bar = nullptr;            // the bar window: owner of dialogs, left out of "Close"
        QMenu *main = nullptr;             // Main1
        QMenu *autoRun = nullptr;          // TBSubmenuItem4
        QMenu *settings = nullptr;         // TBSubmenuItem2
        QMenu *close = nullptr;            // Close1
        QAction *run = nullptr;            // TBItem5
        QAction *windows = nullptr;        // Windows1
        QAction *help = nullptr;           // TBItem2
        QAction *about = nullptr;          // TBItem6
        QAction *iconButton = nullptr;     // TBItem7
    };

    MainMenuCommands(const Components &components, QObject *parent = nullptr);

    // Whether the "Main" menu and the lists made here show icons.
    void SetShowIcons(bool showIcons);

    void TBItem5Click();
    void AutoRunPopup();
    void OpenAutoRunClick(QObject *sender);
    // The settings dialog (one at a time) at the page the entry names.
    void SettingsClick(QObject *sender);
    void Close1Popup();
    void CloseProgramClick(QObject *sender);
    void Windows1Click();
    void TBItem2Click();
    void TBItem6Click();

    // The dialogs while they are open (tests).
    TAbout *About() const;
    TRunDialog *RunDialog() const;
    TSettings *Settings() const;

private:
    Components m_components;
    bool m_showIcons = true;
    QPointer<TAbout> m_about;
    QPointer<TRunDialog> m_run;
    QPointer<TShutDownDialog> m_shutDown;
    QPointer<TSettings> m_settings;
};
