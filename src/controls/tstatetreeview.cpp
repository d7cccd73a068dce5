#include "controls/tstatetreeview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidgetItemIterator>

namespace {

// The state is kept beside the check box the view draws, so that "no state" stays apart from
// "unchecked".
constexpr int kStateRole = Qt::UserRole + 0x5154;

Qt::CheckState ShownCheck(int state)
{
    switch (state) {
    case TStateTreeView::Checked: return Qt::Checked;
    case TStateTreeView::PartlyChecked: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

bool CountsAsUnchecked(int state)
{
    return state == TStateTreeView::NoState || state == TStateTreeView::Unchecked;
}

// Switches recursion off for the life of the object, so that the propagation's own changes do
// not propagate again.
class RecursionPause
{
public:
    explicit RecursionPause(bool &flag) : m_flag(flag), m_saved(flag) { m_flag = false; }
    ~RecursionPause() { m_flag = m_saved; }
    RecursionPause(const RecursionPause &) = delete;
    RecursionPause &operator=(const RecursionPause &) = delete;

private:
    bool &m_flag;
    bool m_saved;
};

} // namespace

TStateTreeView::TStateTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
}

void TStateTreeView::SetStateRecursion(bool on)
{
    const bool switchedOn = on && !m_stateRecursion;
    m_stateRecursion = on;
    if (switchedOn)
        Normalise();
}

int TStateTreeView::State(const QTreeWidgetItem *node)
{
    return node ? node->data(0, kStateRole).toInt() : NoState;
}

void TStateTreeView::SetState(QTreeWidgetItem *node, int state)
{
    if (!node)
        return;
    StoreState(node, state);
    if (m_stateRecursion && (state == Unchecked || state == Checked))
        Propagate(node);
}

void TStateTreeView::ToggleState(QTreeWidgetItem *node)
{
    SetState(node, CountsAsUnchecked(State(node)) ? Checked : Unchecked);
}

bool TStateTreeView::HasMarkedNodes() const
{
    for (QTreeWidgetItemIterator it(const_cast<TStateTreeView *>(this)); *it; ++it) {
        const int state = State(*it);
        if (state == Checked || state == PartlyChecked)
            return true;
    }
    return false;
}

void TStateTreeView::StoreState(QTreeWidgetItem *node, int state)
{
    node->setData(0, kStateRole, state);
    node->setData(0, Qt::CheckStateRole, ShownCheck(state));
}

void TStateTreeView::Propagate(QTreeWidgetItem *node)
{
    RecursionPause pause(m_stateRecursion);
    const int state = State(node);
    for (int i = 0; i < node->childCount(); ++i)
        PassDown(node->child(i), state);
    RecomputeAncestors(node);
}

void TStateTreeView::PassDown(QTreeWidgetItem *node, int state)
{
    if (State(node) == m_stateIgnore)
        return;
    StoreState(node, state);
    for (int i = 0; i < node->childCount(); ++i)
        PassDown(node->child(i), state);
}

void TStateTreeView::RecomputeAncestors(QTreeWidgetItem *node)
{
    for (QTreeWidgetItem *ancestor = node->parent(); ancestor; ancestor = ancestor->parent()) {
        if (State(ancestor) != m_stateIgnore)
            StoreState(ancestor, StateFromChildren(ancestor));
    }
}

int TStateTreeView::StateFromChildren(const QTreeWidgetItem *node) const
{
    bool allUnchecked = true;
    bool allChecked = true;
    for (int i = 0; i < node->childCount(); ++i) {
        const int state = State(node->child(i));
        allUnchecked = allUnchecked && CountsAsUnchecked(state);
        allChecked = allChecked && state == Checked;
    }
    if (allUnchecked)
        return Unchecked;
    return allChecked ? Checked : PartlyChecked;
}

void TStateTreeView::Normalise()
{
    QList<QTreeWidgetItem *> checked;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (State(*it) == NoState)
            StoreState(*it, Unchecked);
        else if (State(*it) == Checked)
            checked.append(*it);
    }
    for (QTreeWidgetItem *node : checked) {
        if (State(node) == Checked)
            Propagate(node);
    }
}

QTreeWidgetItem *TStateTreeView::NodeWithBoxAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid() || index.column() != 0)
        return nullptr;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(point) ? itemFromIndex(index) : nullptr;
}

void TStateTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidgetItem *node = event->button() == Qt::LeftButton ? NodeWithBoxAt(event->position().toPoint())
                                                               : nullptr;
    if (!node) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    // The press selects the node first; the state then advances, as on the selected node.
    setCurrentItem(node);
    if (m_stateRecursion) {
        ToggleState(node);
        Q_EMIT StatesChanged();
    }
    event->accept();
}

void TStateTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    // The view's own check box handling must not toggle the node a second time.
    if (NodeWithBoxAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void TStateTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click on the box is a second press, not an expand.
    if (event->button() == Qt::LeftButton && NodeWithBoxAt(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void TStateTreeView::keyPressEvent(QKeyEvent *event)
{
    const bool toggleKey = (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select)
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (toggleKey && currentItem()) {
        if (m_stateRecursion) {
            ToggleState(currentItem());
            Q_EMIT StatesChanged();
        }
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
