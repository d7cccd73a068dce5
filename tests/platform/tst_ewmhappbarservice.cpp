// The strut arithmetic of the X11 application-bar service, and its behaviour without a display.
#include "platform/linux/ewmhappbarservice.h"
#include "platform/linux/windowmanagerreserve.h"
#include "platform/linux/x11connection.h"

#include <QWidget>
#include <QtTest>

#include <cstring>

namespace {

using Strut = xcb_ewmh_wm_strut_partial_t;

// left, right, top, bottom, then the start and end of the left, right, top and bottom ranges.
QList<quint32> values(const Strut &s)
{
    return {s.left,         s.right,      s.top,           s.bottom,
            s.left_start_y, s.left_end_y, s.right_start_y, s.right_end_y,
            s.top_start_x,  s.top_end_x,  s.bottom_start_x, s.bottom_end_x};
}

Strut strut(const QList<quint32> &v)
{
    Strut s;
    std::memset(&s, 0, sizeof(s));
    quint32 *fields[] = {&s.left,         &s.right,      &s.top,           &s.bottom,
                         &s.left_start_y, &s.left_end_y, &s.right_start_y, &s.right_end_y,
                         &s.top_start_x,  &s.top_end_x,  &s.bottom_start_x, &s.bottom_end_x};
    for (int i = 0; i < v.size() && i < 12; ++i)
        *fields[i] = v.at(i);
    return s;
}

const QSize kRoot(1280, 800);

} // namespace

class TestEwmhAppBarService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void strutForRect_data();
    void strutForRect();
    void adjustForStruts_data();
    void adjustForStruts();
    void withoutDisplayEverythingIsInert();
    void stackingRequests_data();
    void stackingRequests();
    void windowManagersOwnBars_data();
    void windowManagersOwnBars();
};

void TestEwmhAppBarService::strutForRect_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QList<quint32>>("expected");
    QTest::newRow("top") << 1 << QRect(0, 0, 1280, 30)
                         << QList<quint32>{0, 0, 30, 0, 0, 0, 0, 0, 0, 1279, 0, 0};
    QTest::newRow("top below another bar") << 1 << QRect(0, 30, 1280, 20)
                                           << QList<quint32>{0, 0, 50, 0, 0, 0, 0, 0, 0, 1279, 0, 0};
    QTest::newRow("top, part of the width") << 1 << QRect(100, 0, 300, 30)
                                            << QList<quint32>{0, 0, 30, 0, 0, 0, 0, 0, 100, 399, 0, 0};
    QTest::newRow("bottom") << 3 << QRect(0, 770, 1280, 30)
                            << QList<quint32>{0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
    QTest::newRow("left") << 0 << QRect(0, 0, 40, 800)
                          << QList<quint32>{40, 0, 0, 0, 0, 799, 0, 0, 0, 0, 0, 0};
    QTest::newRow("right") << 2 << QRect(1240, 0, 40, 800)
                           << QList<quint32>{0, 40, 0, 0, 0, 0, 0, 799, 0, 0, 0, 0};
    QTest::newRow("partly off the screen") << 1 << QRect(0, -5, 1280, 30)
                                           << QList<quint32>{0, 0, 25, 0, 0, 0, 0, 0, 0, 1279, 0, 0};
    QTest::newRow("empty reserves nothing") << 1 << QRect() << QList<quint32>(12, 0);
    QTest::newRow("no edge reserves nothing") << 5 << QRect(0, 0, 1280, 30) << QList<quint32>(12, 0);
}

void TestEwmhAppBarService::strutForRect()
{
    QFETCH(int, edge);
    QFETCH(QRect, rect);
    QFETCH(QList<quint32>, expected);
    QCOMPARE(values(EwmhAppBarService::StrutForRect(edge, rect, kRoot)), expected);
}

void TestEwmhAppBarService::adjustForStruts_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QList<QList<quint32>>>("struts");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 0, 1280, 800);
    const QList<quint32> top30 = {0, 0, 30, 0, 0, 0, 0, 0, 0, 1279, 0, 0};
    const QList<quint32> top50 = {0, 0, 50, 0, 0, 0, 0, 0, 0, 1279, 0, 0};
    QTest::newRow("top past a panel") << 1 << screen << QList<QList<quint32>>{top30}
                                      << QRect(0, 30, 1280, 770);
    QTest::newRow("top past two panels") << 1 << screen << QList<QList<quint32>>{top50, top30}
                                         << QRect(0, 50, 1280, 750);
    QTest::newRow("top beside a short panel")
        << 1 << QRect(0, 0, 800, 800)
        << QList<QList<quint32>>{{0, 0, 30, 0, 0, 0, 0, 0, 900, 1279, 0, 0}} << QRect(0, 0, 800, 800);
    QTest::newRow("top ignores a bottom panel")
        << 1 << screen << QList<QList<quint32>>{{0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 1279}} << screen;
    QTest::newRow("bottom") << 3 << screen
                            << QList<QList<quint32>>{{0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 1279}}
                            << QRect(0, 0, 1280, 760);
    QTest::newRow("left") << 0 << screen << QList<QList<quint32>>{{50, 0, 0, 0, 0, 799}}
                          << QRect(50, 0, 1230, 800);
    QTest::newRow("right") << 2 << screen << QList<QList<quint32>>{{0, 50, 0, 0, 0, 0, 0, 799}}
                           << QRect(0, 0, 1230, 800);
    // A client that fills in no range means the whole edge.
    QTest::newRow("range left at zero") << 1 << screen << QList<QList<quint32>>{{0, 0, 30}}
                                        << QRect(0, 30, 1280, 770);
}

void TestEwmhAppBarService::adjustForStruts()
{
    QFETCH(int, edge);
    QFETCH(QRect, rect);
    QFETCH(QList<QList<quint32>>, struts);
    QFETCH(QRect, expected);
    QList<Strut> list;
    for (const QList<quint32> &s : struts)
        list.append(strut(s));
    QCOMPARE(EwmhAppBarService::AdjustForStruts(edge, rect, list, kRoot), expected);
}

void TestEwmhAppBarService::withoutDisplayEverythingIsInert()
{
    // The offscreen platform has no X display.
    X11Connection &x11 = X11Connection::Instance();
    QVERIFY(!x11.IsValid());
    QCOMPARE(x11.Atom("_NET_WORKAREA"), xcb_atom_t(XCB_ATOM_NONE));
    QVERIFY(x11.GetCardinals(x11.Root(), 1).isEmpty());
    EwmhAppBarService service;
    QVERIFY(!service.IsAvailable());
    QWidget bar;
    QVERIFY(service.Register(&bar));
    const QRect rect(0, 0, 800, 600);
    QCOMPARE(service.QueryPos(&bar, 1, rect), rect);
    QCOMPARE(service.SetPos(&bar, 1, QRect(0, 0, 800, 30)), QRect(0, 0, 800, 30));
    QVERIFY(service.SetAutoHideBar(&bar, 1, true));
    QCOMPARE(service.GetAutoHideBar(1), WId(0));
    service.SetZOrder(&bar, AppBarService::ZOrderTopMost);
    service.SetTaskbarEntryVisible(&bar, false);
    service.SetWindowDocked(&bar, true);
    service.Remove(&bar);
}

void TestEwmhAppBarService::stackingRequests_data()
{
    using Request = EwmhAppBarService::StackingRequest;
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<Request>>("requests"); // {above, on}

    // BELOW goes before ABOVE comes: xfwm4 drops ABOVE when BELOW is removed after it.
    QTest::newRow("always on top") << int(AppBarService::ZOrderTopMost)
                                   << QList<Request>{{false, false}, {true, true}};
    QTest::newRow("below a full-screen program") << int(AppBarService::ZOrderBottom)
                                                 << QList<Request>{{true, false}, {false, true}};
    QTest::newRow("normal") << int(AppBarService::ZOrderNormal) << QList<Request>{{true, false}, {false, false}};
}

void TestEwmhAppBarService::stackingRequests()
{
    using Request = EwmhAppBarService::StackingRequest;
    QFETCH(int, order);
    QFETCH(QList<Request>, requests);
    QCOMPARE(EwmhAppBarService::StackingRequests(AppBarService::ZOrder(order)), requests);
}

void TestEwmhAppBarService::windowManagersOwnBars_data()
{
    // Each step: the announced work area, the largest client strut on each edge, and where a bar
    // proposed over the whole screen on the bottom (3) or top (1) edge may go.
    QTest::addColumn<QList<QRect>>("workAreas");
    QTest::addColumn<QList<QMargins>>("clientStruts");
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("placed");

    const QRect screen(0, 0, 1280, 800);
    QTest::newRow("icewm's task bar at the bottom, before the bar docks")
        << QList<QRect>{{0, 0, 1280, 770}} << QList<QMargins>{{}} << 3 << QRect(0, 0, 1280, 770);
    QTest::newRow("the bar's own strut does not push it further")
        << QList<QRect>{{0, 0, 1280, 770}, {0, 0, 1280, 748}} << QList<QMargins>{{}, {0, 0, 0, 52}} << 3
        << QRect(0, 0, 1280, 770);
    QTest::newRow("fluxbox's tool bar at the top") << QList<QRect>{{0, 24, 1280, 776}} << QList<QMargins>{{}} << 1
                                                 << QRect(0, 24, 1280, 776);
    QTest::newRow("a client panel's strut is the panel's, not the window manager's")
        << QList<QRect>{{0, 0, 1280, 770}} << QList<QMargins>{{0, 0, 0, 30}} << 3 << screen;
    QTest::newRow("the window manager's bar grows past the clients")
        << QList<QRect>{{0, 0, 1280, 770}, {0, 0, 1280, 700}} << QList<QMargins>{{}, {0, 0, 0, 52}} << 3
        << QRect(0, 0, 1280, 700);
    QTest::newRow("openbox: the work area is the struts alone")
        << QList<QRect>{screen, {0, 22, 1280, 778}} << QList<QMargins>{{}, {0, 22, 0, 0}} << 1 << screen;
    QTest::newRow("no work area announced") << QList<QRect>{{}} << QList<QMargins>{{}} << 3 << screen;
}

void TestEwmhAppBarService::windowManagersOwnBars()
{
    QFETCH(QList<QRect>, workAreas);
    QFETCH(QList<QMargins>, clientStruts);
    QFETCH(int, edge);
    QFETCH(QRect, placed);
    WindowManagerReserve reserve;
    QMargins known;
    for (qsizetype i = 0; i < workAreas.size(); ++i)
        known = reserve.Update(workAreas[i], kRoot, clientStruts[i]);
    QCOMPARE(WindowManagerReserve::Apply(edge, QRect(QPoint(0, 0), kRoot), known, kRoot), placed);
}

QTEST_MAIN(TestEwmhAppBarService)
#include "tst_ewmhappbarservice.moc"
