// The three-state selection tree: what a chosen node does to its subtree and to its ancestors,
// how switching recursion on tidies the tree, which nodes propagation leaves alone, and the mouse
// and the keyboard that change a state.
#include "controls/tstatetreeview.h"

#include <QStyle>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {

// Notes > Work > A, B, C; Notes > Home > D; Menus > M1, M2.
void FillTree(TStateTreeView &tree)
{
    auto add = [](QTreeWidgetItem *parent, const QString &text) {
        auto *node = new QTreeWidgetItem(parent, {text});
        return node;
    };
    auto *notes = new QTreeWidgetItem(&tree, {"Notes"});
    auto *work = add(notes, "Work");
    add(work, "A");
    add(work, "B");
    add(work, "C");
    add(add(notes, "Home"), "D");
    auto *menus = new QTreeWidgetItem(&tree, {"Menus"});
    add(menus, "M1");
    add(menus, "M2");
    tree.expandAll();
}

QTreeWidgetItem *Node(TStateTreeView &tree, const QString &text)
{
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// "Notes=3 Work=3 A=2 ...": every node in tree order with its state.
QString States(TStateTreeView &tree)
{
    QStringList states;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        states << QStringLiteral("%1=%2").arg((*it)->text(0)).arg(TStateTreeView::State(*it));
    return states.join(' ');
}

QPoint BoxCentre(TStateTreeView &tree, QTreeWidgetItem *node)
{
    const QRect row = tree.visualItemRect(node);
    const int half = tree.style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2;
    return {row.left() + half + 3, row.center().y()};
}

} // namespace

class TestStateTreeView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void propagation_data();
    void propagation();
    void switchingRecursionOnNormalises();
    void withoutRecursionOnlyTheNodeChanges();
    void ignoredStateIsLeftAlone();
    void mouseAndKeyboard_data();
    void mouseAndKeyboard();
};

void TestStateTreeView::propagation_data()
{
    QTest::addColumn<QStringList>("toggled");
    QTest::addColumn<QString>("states");

    QTest::newRow("one note makes its category and the group partly checked")
        << QStringList{"A"} << "Notes=3 Work=3 A=2 B=1 C=1 Home=1 D=1 Menus=1 M1=1 M2=1";
    QTest::newRow("all notes of a category check it")
        << QStringList{"A", "B", "C"} << "Notes=3 Work=2 A=2 B=2 C=2 Home=1 D=1 Menus=1 M1=1 M2=1";
    QTest::newRow("every category checks the group")
        << QStringList{"Work", "D"} << "Notes=2 Work=2 A=2 B=2 C=2 Home=2 D=2 Menus=1 M1=1 M2=1";
    QTest::newRow("a group passes its state to its whole subtree")
        << QStringList{"Notes"} << "Notes=2 Work=2 A=2 B=2 C=2 Home=2 D=2 Menus=1 M1=1 M2=1";
    QTest::newRow("a partly checked node becomes unchecked with its subtree")
        << QStringList{"A", "Notes"} << "Notes=1 Work=1 A=1 B=1 C=1 Home=1 D=1 Menus=1 M1=1 M2=1";
    QTest::newRow("unchecking the last checked child clears the ancestors")
        << QStringList{"M1", "M1"} << "Notes=1 Work=1 A=1 B=1 C=1 Home=1 D=1 Menus=1 M1=1 M2=1";
    QTest::newRow("unchecking one child of a checked group leaves it partly checked")
        << QStringList{"Menus", "M2"} << "Notes=1 Work=1 A=1 B=1 C=1 Home=1 D=1 Menus=3 M1=2 M2=1";
}

void TestStateTreeView::propagation()
{
    QFETCH(QStringList, toggled);
    QFETCH(QString, states);
    TStateTreeView tree;
    FillTree(tree);
    tree.SetStateRecursion(false);
    tree.SetStateRecursion(true);
    for (const QString &text : toggled)
        tree.ToggleState(Node(tree, text));
    QCOMPARE(States(tree), states);
    QCOMPARE(tree.HasMarkedNodes(), !states.contains("Notes=1 Work=1 A=1 B=1 C=1 Home=1 D=1 Menus=1"));
}

void TestStateTreeView::switchingRecursionOnNormalises()
{
    TStateTreeView tree;
    FillTree(tree);
    QCOMPARE(TStateTreeView::State(Node(tree, "A")), int(TStateTreeView::NoState));
    QVERIFY(!tree.HasMarkedNodes());

    tree.SetStateRecursion(false);
    tree.SetState(Node(tree, "Home"), TStateTreeView::Checked);
    tree.SetStateRecursion(true);
    QCOMPARE(States(tree), QStringLiteral("Notes=3 Work=1 A=1 B=1 C=1 Home=2 D=2 Menus=1 M1=1 M2=1"));
}

void TestStateTreeView::withoutRecursionOnlyTheNodeChanges()
{
    TStateTreeView tree;
    FillTree(tree);
    tree.SetStateRecursion(false);
    tree.SetState(Node(tree, "Work"), TStateTreeView::Checked);
    QCOMPARE(TStateTreeView::State(Node(tree, "Work")), int(TStateTreeView::Checked));
    QCOMPARE(TStateTreeView::State(Node(tree, "A")), int(TStateTreeView::NoState));
    QCOMPARE(TStateTreeView::State(Node(tree, "Notes")), int(TStateTreeView::NoState));
}

void TestStateTreeView::ignoredStateIsLeftAlone()
{
    constexpr int kLocked = 4;
    TStateTreeView tree;
    FillTree(tree);
    tree.SetStateIgnore(kLocked);
    tree.SetStateRecursion(false);
    tree.SetState(Node(tree, "Home"), kLocked);
    tree.SetStateRecursion(true);

    tree.ToggleState(Node(tree, "Notes"));
    QCOMPARE(States(tree), QStringLiteral("Notes=2 Work=2 A=2 B=2 C=2 Home=4 D=1 Menus=1 M1=1 M2=1"));
    tree.ToggleState(Node(tree, "D"));
    QCOMPARE(TStateTreeView::State(Node(tree, "Home")), kLocked);
}

void TestStateTreeView::mouseAndKeyboard_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("recursion");
    QTest::addColumn<int>("state");

    QTest::newRow("a click on the box checks") << "box" << true << int(TStateTreeView::Checked);
    QTest::newRow("a click on the caption only selects") << "caption" << true << int(TStateTreeView::Unchecked);
    QTest::newRow("Space checks the current node") << "space" << true << int(TStateTreeView::Checked);
    QTest::newRow("without recursion a click changes nothing") << "box" << false << int(TStateTreeView::Unchecked);
}

void TestStateTreeView::mouseAndKeyboard()
{
    QFETCH(QString, how);
    QFETCH(bool, recursion);
    QFETCH(int, state);
    TStateTreeView tree;
    FillTree(tree);
    tree.SetStateRecursion(false);
    tree.SetStateRecursion(true);
    tree.SetStateRecursion(recursion);
    tree.resize(300, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));

    QTreeWidgetItem *work = Node(tree, "Work");
    if (how == "space") {
        tree.setCurrentItem(work);
        QTest::keyClick(&tree, Qt::Key_Space);
    } else {
        const QPoint where = how == "box" ? BoxCentre(tree, work) : tree.visualItemRect(work).center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, where);
    }
    QCOMPARE(TStateTreeView::State(work), state);
    QCOMPARE(tree.currentItem(), work);
    if (state == TStateTreeView::Checked)
        QCOMPARE(TStateTreeView::State(Node(tree, "B")), int(TStateTreeView::Checked));
}

QTEST_MAIN(TestStateTreeView)
#include "tst_statetreeview.moc"
