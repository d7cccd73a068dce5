// "Path Browser": picks a path for a menu row or a URL folder, starting from a base object (a
// drive, a path macro or an alias). Paths below a macro come back in macro form. It also tells the
// menu item editor what a path may be (Classify) and creates folders ("New Folder...").
//
// Its users keep one browser and show it modally as often as they like: the base list is built
// once, the tree is rebuilt whenever a base is chosen and kept between showings.
#pragma once

#include "controls/tquorixdialog.h"
#include "dialogs/pathbaseobject.h"
#include "dialogs/pathbrowsernodes.h"

#include <QList>
#include <memory>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui { class TPathBrowserWnd; }

class TPathBrowserWnd : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TPathBrowserWnd(QWidget *parent = nullptr);
    ~TPathBrowserWnd() override;

    QComboBox *ComboBoxEx1 = nullptr;   // "Select &base object:"
    QTreeWidget *TreeView1 = nullptr;
    QPushButton *Button1 = nullptr;     // OK
    QPushButton *Button2 = nullptr;     // Cancel
    QPushButton *Button3 = nullptr;     // "&New Folder..."

    const QList<PathBaseObject> &BaseObjects() const { return m_bases; }
    int Classify(const QString &path) const { return ClassifyPath(m_bases, path); }

    // Shows only the base objects with these paths (all when empty), selects the first one shown
    // and builds its tree.
    void Restrict(const QStringList &basePaths);
    // Chooses the first shown base object whose path, without a trailing "/", is text (in any
    // case). False when there is none.
    bool SelectBase(const QString &text);
    // Expands the tree of the chosen base down to path and selects the deepest node found.
    void OpenAtPath(const QString &path);
    // Both: the base that path starts with (its macro word, or the drive holding it), then the path.
    bool OpenPath(const QString &path);

    // The path of the selected node; empty when none is selected.
    QString ChosenPath() const { return m_chosenPath; }

    // Where the note categories come from (the note store).
    void SetNoteCategories(std::function<QStringList()> categories) { m_context.noteCategories = std::move(categories); }

    void ComboBoxEx1Select(int index);
    void TreeView1Expanding(QTreeWidgetItem *node);
    void TreeView1Collapsing(QTreeWidgetItem *node);
    void TreeView1Change(QTreeWidgetItem *node);
    void Button3Click();

private:
    void FillBaseList();
    QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, const BrowserNode &node);
    static void AddPlaceholder(QTreeWidgetItem *node);
    static QString NodePath(const QTreeWidgetItem *node);
    void CollapseAll();
    QString BaseWordOf(const QString &path) const;

    std::unique_ptr<Ui::TPathBrowserWnd> ui;
    QList<PathBaseObject> m_bases;
    BrowserContext m_context;
    QString m_chosenPath;
    bool m_filling = false;
};
