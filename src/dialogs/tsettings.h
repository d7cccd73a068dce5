// TSettings ("Settings"): the one place to change the bar without touching a file. A tree on the
// left chooses a page (General, Alias, Hotkeys, InfoBar, Marquee, Menu, Theme, Alpha Blend,
// Extended Settings); everything is read when the dialog is made and written back, in a fixed
// order, by OK and Apply, which then ask the bar to rebuild itself. Cancel throws the edits away.
//
// The dialog writes onto settings.ini as the file is at that moment: keys it does not show stay as
// they are. Modeless, and there is at most one (the bar's "Settings" entries keep it).
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class IniFile;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class TThemePage;
namespace Ui { class TSettings; }

class TSettings : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TSettings(QWidget *parent = nullptr);
    ~TSettings() override;

    // Shows the dialog in front at the page whose node's text, lower-cased, is pageName
    // ("infobar"); a name that names no page leaves the page as it is.
    void OpenAtPage(const QString &pageName);
    void ShowPage(const QString &pageName);
    // The shown page's node text, or empty before a node was chosen.
    QString CurrentPageName() const;

    // Writes every page back (OK and Apply) and asks the bar to refresh. False when a file could
    // not be written; the user has been told, and that file is left as it was.
    bool Save();

    void Button1Click();   // OK
    void Button5Click();   // Apply
    void Button6Click();   // Insert a marquee function
    void Button7Click();   // Import / Export
    void Button8Click();   // Launch Menu Designer

    TThemePage *ThemePage() const { return m_themePage; }
    // The dialog's own lists, for the editors (and tests).
    QTreeWidget *AliasList() const;       // ListView3
    QTreeWidget *HotkeyList() const;      // ListView4
    QTreeWidget *InfoBarList() const;     // ListView1

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void MakePageTree();
    void MakePopupMenus();
    void ConnectRules();
    void TreeView1Change(QTreeWidgetItem *node);

    void LoadAll();
    void LoadAliases(const IniFile &settings);
    void LoadMarquee(const IniFile &settings);
    void LoadMenu(const IniFile &settings);
    void LoadInfoBar(const IniFile &settings);
    void LoadAlphaBlend(const IniFile &settings);
    void LoadThemePage(const IniFile &settings);
    void LoadStartupEntry();
    void LoadHotkeys();

    bool SaveSettingsFile();
    void SaveAliases(IniFile &settings) const;
    void SaveMarquee(IniFile &settings) const;
    void SaveThemePage(IniFile &settings) const;
    void SaveMenu(IniFile &settings) const;
    void SaveInfoBar(IniFile &settings) const;
    void SaveAlphaBlend(IniFile &settings) const;
    bool SaveStartupEntry();
    bool SaveHotkeys();

    // The rules that tie the controls together.
    void RebuildAutosizeLists();
    void CheckBox12Click();   // "Unlimited"
    void CheckBox6Click();    // "Enable Marquee"
    void CheckBox8Click();    // "Enable InfoBar"
    void ApplyAlphaRule();
    void ComboBox2Select();

    // The list editors and their popup menus.
    void AliasPopupMenuPopup();
    void AddAliasClick();
    void EditAliasClick();
    void DeleteAliasClick();
    void HotKeyPopupPopup();
    void AddHotkeyClick();
    void EditHotkeyClick();
    void DeleteHotkeyClick();
    void InfoBarPopupMenuPopup();
    void AddInfoBarObjectClick();
    void EditInfoBarObjectClick();
    void DeleteInfoBarObjectClick();
    bool InfoBarListKey(const QKeyEvent *key);
    bool InfoBarListDrag(QEvent *event);

    std::unique_ptr<Ui::TSettings> ui;
    QMenu *AliasPopupMenu = nullptr;
    QMenu *HotKeyPopup = nullptr;
    QMenu *InfoBarPopupMenu = nullptr;
    TThemePage *m_themePage = nullptr;
    // False when hotkeys.dat is there but could not be read: saving then leaves it alone.
    bool m_hotkeyFileReadable = true;
    bool m_formCreated = false;
};
