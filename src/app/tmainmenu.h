// The bar window: a borderless strip docked at the top or bottom of the screen with the menu toolbar "M",
// the marquee panel and the info bar row. It lives from start-up until "Close" > "Quorix".
#pragma once

#include "foundation/barsettings.h"
#include "controls/tappbar.h"
#include "core/databar.h"
#include "controls/tblabel.h"

#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStyle;
class QTimer;
class TBMenuItem;
class TBarPopupPlacer;
class TInfoBarController;
class TMarquee;
class MenuBuilder;
class MainMenuCommands;
class HotkeyTable;
class RunBox;

class TMainMenu : public TAppBar, public DataBar
{
    Q_OBJECT

public:
    explicit TMainMenu(QWidget *parent = nullptr);
    ~TMainMenu() override;

    void ReadSettings();
    void GenerateMenu();
    void GenerateInfoBar();

    const BarSettings &Settings() const { return m_settings; }
    const QStringList &MarqueeLines() const;
    // What the data module sees of the bar.
    QWidget *BarWindow() override { return this; }
    bool OpaqueWhileActive() const override { return m_settings.noAlphaOnActivate; }
    int BlendValue() const override { return m_blendValue; }
    void SetBlend(int value) override;
    QStyle *MenuStyle() const override { return m_menuStyle; }
    QLabel *Marquee() const override { return MarqueeLabel; }
    // The blend value the window shows now.
    int CurrentBlend() const { return m_currentBlend; }

public Q_SLOTS:
    void RefreshMenu1Click() override;
    void Explode1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void ShowAppBarMessage(const QString &text) override;

private:
    void FormCreate();
    void FormClose();
    void FormDestroy();
    void BuildComponents();
    void BuildMainMenu();
    void AddSpecialFolderItems();
    void ApplyFirstUseSteps();
    void OfferAutostart();
    void ApplyGeometry();
    void ApplyMarquee();
    void ApplyMenuTheme();
    void PlaceRunBox();
    // "OpenQuorix": the bar comes forward with "Main" open for the arrow keys.
    void OpenMainMenuFromKeyboard();
    void ApplyTransparency();
    QAction *AddCommand(QMenu *menu, const QString &objectName, const QString &caption, int image = -1);

    BarSettings m_settings;
    int m_blendValue = 255;
    int m_currentBlend = 255;
    QStyle *m_menuStyle = nullptr;
    bool m_closed = false;

    // Components, named as the rest of the program refers to them.
    QMenuBar *M = nullptr;
    QAction *TBItem7 = nullptr;
    QMenu *Main1 = nullptr;
    QAction *TBItem5 = nullptr;
    QMenu *TBSubmenuItem4 = nullptr;
    QMenu *TBSubmenuItem2 = nullptr;
    QAction *RefreshMenu1 = nullptr;
    QMenu *Close1 = nullptr;
    QAction *Explode1 = nullptr;
    QAction *Windows1 = nullptr;
    QAction *TBItem2 = nullptr;
    QAction *TBItem6 = nullptr;
    QWidget *MenuRow = nullptr;
    QWidget *InfoBar = nullptr;
    QWidget *Panel1 = nullptr;
    TBLabel *MarqueeLabel = nullptr;
    TMarquee *m_marquee = nullptr;
    TInfoBarController *m_infoBarController = nullptr;
    QTimer *Timer_Displayer = nullptr;
    QTimer *InfoBarTimer = nullptr;

    // The generated menus and the "Main" menu's commands.
    MenuBuilder *m_menuBuilder = nullptr;
    MainMenuCommands *m_commands = nullptr;
    TBarPopupPlacer *m_popupPlacer = nullptr;
    HotkeyTable *m_hotkeys = nullptr;
    RunBox *RunBox1 = nullptr;
};
