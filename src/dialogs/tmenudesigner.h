// "Menu Designer": composes the bar's main menu ([menu] of menusettings.ini) and the custom menus
// (every other section but [header]) as ordered lists of folders, items and separators, one menu
// at a time, and writes the loaded menu back when asked. One window at most, not modal; it keeps
// its place and size, and its column widths under "MenuDesigner-Cols".
#pragma once

#include "base/namedvalues.h"
#include "controls/tquorixdialog.h"

#include <QPoint>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TAddMenu;
class TSettingsListItem;
namespace Ui { class TMenuDesigner; }

class TMenuDesigner : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TMenuDesigner(QWidget *parent = nullptr);
    ~TMenuDesigner() override;

    QComboBox *ComboBox1 = nullptr;     // "Select &menu:"
    QPushButton *Button1 = nullptr;     // OK: closes
    QPushButton *Button2 = nullptr;     // "&Save"
    QPushButton *Button3 = nullptr;     // "&New..."
    QPushButton *Button4 = nullptr;     // "&Delete"
    QPushButton *Button5 = nullptr;     // "&Rename..."
    QTreeWidget *ListView1 = nullptr;   // the rows
    QLabel *Label3 = nullptr;           // the title band's menu name
    QMenu *PopupMenu1 = nullptr;
    QAction *Add1 = nullptr;            // "Add..." (Insert)
    QAction *Edit1 = nullptr;           // "Edit..."
    QAction *AddSeperator1 = nullptr;   // "Add Seperator"
    QAction *Delete1 = nullptr;         // "Delete" (Delete)

    // The loaded menu: empty for the main menu.
    QString LoadedMenu() const { return m_menuName; }
    bool Modified() const { return m_modified; }

    // Loads a menu (empty: the main menu), first asking whether to save the modified one. False
    // when the user cancelled or the modified menu could not be saved.
    bool LoadMenu(const QString &name);
    // Writes the rows into the menu's section (empty: the main menu). False when it failed; the
    // rows then stay modified.
    bool SaveMenu(const QString &name);

    void ComboBox1DropDown();
    void ComboBox1Select();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void AddEditClick(QObject *sender);
    void AddSeperator1Click();
    void Delete1Click();
    void PopupMenu1Popup();
    // Drag and drop: the press records the row under the pointer, the drop onto a row puts the
    // recorded row directly before it.
    void ListView1MouseDown(int row);
    void ListView1DragDrop(int targetRow);
    void ListView1Edited(QTreeWidgetItem *line, int column);

    // The designer's line for a row, filled from its property list.
    static void RefreshLine(TSettingsListItem *line);

public Q_SLOTS:
    // The close question: closes unless the user cancels it.
    void reject() override;

protected:
    // Shows the item editor; true when it closed with OK.
    virtual bool RunEditor(TAddMenu &editor);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillMenuList();
    void UpdateMenuButtons();
    void ShowTitle(const QString &text);
    void AddLine(const NamedValueList &row);
    TSettingsListItem *SelectedLine() const;
    bool CanEditSelected() const;
    bool AskToSave(const QString &question);
    bool IsCustomMenuLoaded() const;
    QString AskMenuName(const QString &caption, const QString &prompt, const QString &value);
    void RestoreColumnWidths();
    void SaveColumnWidths();
    void StartDrag();
    bool ViewportEvent(QEvent *event);

    std::unique_ptr<Ui::TMenuDesigner> ui;
    QString m_menuName;
    bool m_modified = false;
    int m_dragIndex = -1;
    QPoint m_pressPosition;
    bool m_refreshing = false;
};

// Opens the one menu designer, or brings it to the front when it is open; does not wait.
void ShowMenuDesigner(QWidget *parent);
// The open menu designer; null when there is none.
TMenuDesigner *MenuDesignerWindow();
