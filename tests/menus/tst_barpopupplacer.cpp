// The bar's menus open against their bar item: below it on a bar at the top, above it on a bar at
// the bottom, also while the window manager has not yet reported where the bar's window is.
#include "controls/tappbar.h"
#include "menus/barpopupplacer.h"
#include "platform/fake/fakeappbarservice.h"
#include "platform/scopedservice.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

class TestBarPopupPlacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menusOpenAgainstTheirItem_data();
    void menusOpenAgainstTheirItem();
};

void TestBarPopupPlacer::menusOpenAgainstTheirItem_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<bool>("reported");

    QTest::newRow("top") << int(abeTop) << true;
    QTest::newRow("bottom") << int(abeBottom) << true;
    QTest::newRow("top, place not reported yet") << int(abeTop) << false;
    QTest::newRow("bottom, place not reported yet") << int(abeBottom) << false;
}

void TestBarPopupPlacer::menusOpenAgainstTheirItem()
{
    QFETCH(int, edge);
    QFETCH(bool, reported);
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TAppBar bar;
    auto *menuBar = new QMenuBar(&bar);
    menuBar->addAction(QStringLiteral("Icon"));
    QMenu *menu = menuBar->addMenu(QStringLiteral("&Main"));
    menu->addAction(QStringLiteral("Run..."));
    menu->addAction(QStringLiteral("Settings"));
    bar.SetEdge(TAppBarEdge(edge));
    bar.CreateAppBar();
    QCoreApplication::processEvents();
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    menuBar->setGeometry(0, 0, bar.width(), bar.height());
    const QRect placed = bar.PlacedRect();
    QVERIFY(!placed.isEmpty());
    if (!reported)
        bar.move(0, 0); // where Qt sees the window until the window manager's answer comes
    TBarPopupPlacer placer(menuBar);
    placer.WatchBarMenus();

    menu->popup(QPoint(300, 300));
    QVERIFY(menu->isVisible());
    const QRect item = menuBar->actionGeometry(menu->menuAction());
    const int expectedY = edge == abeBottom ? placed.y() + item.y() - menu->height() : placed.y() + item.bottom() + 1;
    QCOMPARE(menu->pos(), QPoint(placed.x() + item.x(), expectedY));
    menu->hide();
}

QTEST_MAIN(TestBarPopupPlacer)
#include "tst_barpopupplacer.moc"
