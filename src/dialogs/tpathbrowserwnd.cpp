#include "dialogs/tpathbrowserwnd.h"

#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "foundation/tracelog.h"
#include "notes/notestore.h"
#include "platform/xdgpaths.h"
#include "ui_tpathbrowserwnd.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTreeWidget>

Q_DECLARE_METATYPE(ShellItem)

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kItemRole = Qt::UserRole + 1;
constexpr int kPlaceholderRole = Qt::UserRole + 2;
constexpr int kBaseRole = Qt::UserRole;

const QString kCannotCreateHere = QStringLiteral("You cannot create folder at this location");
const QString kFolderExists = QStringLiteral("Folder already exist.");
const QString kFolderNotCreated = QStringLiteral("The folder could not be created.");
const QString kBadFolderName = QStringLiteral("A folder name cannot be \".\" or \"..\" or start with \"/\".");

// A typed name that would leave the chosen folder ("..", "/etc") creates nothing.
bool IsSafeFolderName(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return false;
    for (const QString &part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return !name.split(QLatin1Char('/'), Qt::SkipEmptyParts).isEmpty();
}

} // namespace

TPathBrowserWnd::TPathBrowserWnd(QWidget *parent)
    : TQuorixDialog(QStringLiteral("folder-browser"), parent), ui(std::make_unique<Ui::TPathBrowserWnd>())
{
    ui->setupUi(this);
    ComboBoxEx1 = ui->ComboBoxEx1;
    TreeView1 = ui->TreeView1;
    Button3 = ui->Button3;
    m_context.definitionsFile = DataFilePath(dfMenuSettings);
    m_context.noteCategories = [] { return NoteCategories(); };
    connect(ComboBoxEx1, &QComboBox::currentIndexChanged, this, &TPathBrowserWnd::ComboBoxEx1Select);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &TPathBrowserWnd::TreeView1Expanding);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &TPathBrowserWnd::TreeView1Collapsing);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TPathBrowserWnd::TreeView1Change);
    connect(Button3, &QPushButton::clicked, this, &TPathBrowserWnd::Button3Click);
    FormReady(ui->buttonBox);
    Button1 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button2 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    m_bases = BuildPathBaseObjects();
    FillBaseList();
    Button3->setEnabled(false);
}

TPathBrowserWnd::~TPathBrowserWnd() = default;

// --- the base list ------------------------------------------------------------------------------

void TPathBrowserWnd::FillBaseList()
{
    const int shownBase = ComboBoxEx1->currentIndex() < 0 ? -1 : ComboBoxEx1->currentData(kBaseRole).toInt();
    m_filling = true;
    ComboBoxEx1->clear();
    int reselect = -1;
    for (int i = 0; i < m_bases.size(); ++i) {
        if (!m_bases[i].shown)
            continue;
        if (i == shownBase)
            reselect = ComboBoxEx1->count();
        ComboBoxEx1->addItem(BaseIcon(m_bases[i].path), m_bases[i].EntryText(), i);
    }
    ComboBoxEx1->setCurrentIndex(reselect);
    m_filling = false;
    if (TraceEnabled()) {
        QStringList entries;
        for (int entry = 0; entry < ComboBoxEx1->count(); ++entry)
            entries.append(ComboBoxEx1->itemText(entry));
        TraceLine(QStringLiteral("TPathBrowserWnd: base list: ") + entries.join(QStringLiteral(" | ")));
    }
    ComboBoxEx1Select(reselect);
}

void TPathBrowserWnd::Restrict(const QStringList &basePaths)
{
    for (PathBaseObject &base : m_bases)
        base.shown = basePaths.isEmpty() || basePaths.contains(base.path);
    FillBaseList();
    if (ComboBoxEx1->count() > 0)
        ComboBoxEx1->setCurrentIndex(0);
}

bool TPathBrowserWnd::SelectBase(const QString &text)
{
    for (int entry = 0; entry < ComboBoxEx1->count(); ++entry) {
        const PathBaseObject &base = m_bases[ComboBoxEx1->itemData(entry, kBaseRole).toInt()];
        if (WithoutTrailingSlash(base.path).compare(WithoutTrailingSlash(text), Qt::CaseInsensitive) != 0)
            continue;
        if (ComboBoxEx1->currentIndex() == entry)
            ComboBoxEx1Select(entry); // chosen again: the tree is built afresh all the same
        else
            ComboBoxEx1->setCurrentIndex(entry);
        return true;
    }
    return false;
}

void TPathBrowserWnd::ComboBoxEx1Select(int index)
{
    if (m_filling)
        return;
    TreeView1->clear();
    m_chosenPath.clear();
    if (index < 0 || index >= ComboBoxEx1->count()) {
        Button3->setEnabled(false);
        return;
    }
    const PathBaseObject &base = m_bases[ComboBoxEx1->itemData(index, kBaseRole).toInt()];
    m_context.basePath = WithoutTrailingSlash(base.path);
    m_context.prefixLength = BasePrefixLength(base.path);
    Button3->setEnabled(base.newFolder);
    BrowserNode root{ComboBoxEx1->itemText(index), WithoutTrailingSlash(base.path), BaseIcon(base.path), ShellItem(), true};
    QTreeWidgetItem *node = AddNode(nullptr, root);
    node->setExpanded(true);
}

// --- the tree -----------------------------------------------------------------------------------

QTreeWidgetItem *TPathBrowserWnd::AddNode(QTreeWidgetItem *parent, const BrowserNode &node)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView1);
    item->setText(0, node.caption);
    item->setIcon(0, node.icon);
    item->setData(0, kPathRole, node.path);
    if (!node.item.IsNull())
        item->setData(0, kItemRole, QVariant::fromValue(node.item));
    if (node.hasChildren)
        AddPlaceholder(item);
    return item;
}

void TPathBrowserWnd::AddPlaceholder(QTreeWidgetItem *node)
{
    auto *placeholder = new QTreeWidgetItem(node);
    placeholder->setData(0, kPlaceholderRole, true);
}

QString TPathBrowserWnd::NodePath(const QTreeWidgetItem *node)
{
    return node ? node->data(0, kPathRole).toString() : QString();
}

void TPathBrowserWnd::TreeView1Expanding(QTreeWidgetItem *node)
{
    // Read afresh every time: the folders may have changed since the node was last open.
    qDeleteAll(node->takeChildren());
    const ShellItem item = node->data(0, kItemRole).value<ShellItem>();
    for (const BrowserNode &child : ListNodeChildren(NodePath(node), item, m_context))
        AddNode(node, child);
}

void TPathBrowserWnd::TreeView1Collapsing(QTreeWidgetItem *node)
{
    const bool hadChildren = node->childCount() > 0;
    qDeleteAll(node->takeChildren());
    if (hadChildren)
        AddPlaceholder(node);
}

void TPathBrowserWnd::TreeView1Change(QTreeWidgetItem *node)
{
    m_chosenPath = NodePath(node);
}

void TPathBrowserWnd::CollapseAll()
{
    QList<QTreeWidgetItem *> expanded;
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        if ((*it)->isExpanded())
            expanded.append(*it);
    }
    // Last to first: a node's children go before the node itself.
    for (qsizetype i = expanded.size() - 1; i >= 0; --i)
        expanded[i]->setExpanded(false);
}

void TPathBrowserWnd::OpenAtPath(const QString &path)
{
    m_chosenPath = path;
    if (path.isEmpty() || TreeView1->topLevelItemCount() == 0)
        return;
    const QString wanted = WithTrailingSlash(WithMacroSeparators(path));
    CollapseAll();
    QTreeWidgetItem *node = nullptr;
    QString rest;
    for (int i = 0; i < TreeView1->topLevelItemCount() && !node; ++i) {
        QTreeWidgetItem *root = TreeView1->topLevelItem(i);
        const QString rootPath = WithTrailingSlash(NodePath(root));
        if (wanted.startsWith(rootPath, Qt::CaseInsensitive)) {
            node = root;
            rest = wanted.mid(rootPath.size());
        }
    }
    if (!node)
        return;
    node->setExpanded(true);
    TreeView1->setCurrentItem(node);
    m_chosenPath = path;
    for (const QString &segment : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QTreeWidgetItem *found = nullptr;
        for (int i = 0; i < node->childCount() && !found; ++i) {
            if (node->child(i)->text(0).compare(segment, Qt::CaseInsensitive) == 0)
                found = node->child(i);
        }
        if (!found)
            break;
        node = found;
        node->setExpanded(true);
        TreeView1->setCurrentItem(node);
        m_chosenPath = NodePath(node);
    }
    TreeView1->scrollToItem(node);
}

// The base a path starts from: its macro word, or the mount point of the drive that holds it.
QString TPathBrowserWnd::BaseWordOf(const QString &path) const
{
    const QString word = LeadingMacroWord(path);
    if (!word.isEmpty())
        return word;
    QString best;
    for (const PathBaseObject &base : m_bases) {
        if (base.shown && !base.path.startsWith(QLatin1Char('$')) && WithTrailingSlash(path).startsWith(base.path)
            && base.path.size() > best.size())
            best = base.path;
    }
    return best;
}

bool TPathBrowserWnd::OpenPath(const QString &path)
{
    if (!SelectBase(BaseWordOf(path)))
        return false;
    OpenAtPath(path);
    return true;
}

// --- New Folder ---------------------------------------------------------------------------------

void TPathBrowserWnd::Button3Click()
{
    QString parent = ExpandPathMacro(m_chosenPath);
    if (parent.size() > 1)
        parent = WithTrailingSlash(parent);
    if (parent.size() < 2 || parent.startsWith(QLatin1Char('$')) || !QFileInfo(parent).isDir()) {
        ShowError(kCannotCreateHere, this);
        return;
    }
    QString name;
    if (!InputQuery(QStringLiteral("New Folder"), QStringLiteral("Please specify a new folder name"), name, this)
        || name.isEmpty())
        return;
    if (!IsSafeFolderName(name)) {
        ShowError(kBadFolderName, this);
        return;
    }
    ShowMessage(parent + QLatin1Char('\r') + name, this);
    const QString folder = parent + name;
    if (QFileInfo(folder).isDir()) {
        ShowError(kFolderExists, this);
        return;
    }
    if (!QDir().mkpath(folder)) {
        ShowError(kFolderNotCreated, this);
        return;
    }
    if (QTreeWidgetItem *selected = TreeView1->currentItem()) {
        selected->setExpanded(false);
        // A folder that had no subfolders gets its first one now.
        if (selected->childCount() == 0)
            AddPlaceholder(selected);
        selected->setExpanded(true);
    }
}
