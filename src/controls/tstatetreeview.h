// A tree whose nodes carry a three-way state: unchecked, checked or partly checked. With state
// recursion on, a state set on a node passes down to its whole subtree and every ancestor follows
// its children, so a group shows at a glance whether all, some or none of it is chosen. The user
// changes a node's state with a click on its box or with Space.
#pragma once

#include <QTreeWidget>

class TStateTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    // The state values; a node as created has none and counts as unchecked.
    enum NodeState { NoState = 0, Unchecked = 1, Checked = 2, PartlyChecked = 3 };

    explicit TStateTreeView(QWidget *parent = nullptr);

    bool StateRecursion() const { return m_stateRecursion; }
    // Switching recursion on normalises the tree: nodes without a state become unchecked and every
    // checked node passes its state down and up.
    void SetStateRecursion(bool on);

    // Nodes in this state, and their subtrees, are left alone by every propagation.
    int StateIgnore() const { return m_stateIgnore; }
    void SetStateIgnore(int state) { m_stateIgnore = state; }

    static int State(const QTreeWidgetItem *node);
    // Sets the state; with recursion on, unchecked and checked propagate down and up.
    void SetState(QTreeWidgetItem *node, int state);
    // What a click or Space does to a node: unchecked becomes checked, anything else unchecked.
    void ToggleState(QTreeWidgetItem *node);

    // True when at least one node is checked or partly checked.
    bool HasMarkedNodes() const;

Q_SIGNALS:
    // After a change by the user, once the propagation has run.
    void StatesChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void StoreState(QTreeWidgetItem *node, int state);
    void Propagate(QTreeWidgetItem *node);
    void PassDown(QTreeWidgetItem *node, int state);
    void RecomputeAncestors(QTreeWidgetItem *node);
    int StateFromChildren(const QTreeWidgetItem *node) const;
    void Normalise();
    // The node whose state box lies under the point, or null.
    QTreeWidgetItem *NodeWithBoxAt(const QPoint &point) const;

    bool m_stateRecursion = true;
    int m_stateIgnore = NoState;
};
