// The edge-docked bar: its geometry rules, the order of its calls to the application-bar service,
// its slides, drags and sizing, against the fake service that records what it is asked.
#include "controls/tappbar.h"
#include "controls/tappbarrules.h"
#include "platform/fake/fakeappbarservice.h"
#include "platform/scopedservice.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

class TestBar : public TAppBar
{
public:
    TestBar() = default;
    using TAppBar::EnterSizeMove;
    using TAppBar::ExitSizeMove;
    using TAppBar::Moving;
    using TAppBar::Sizing;

    QStringList messages;

protected:
    void ShowAppBarMessage(const QString &text) override { messages << text; }
};

// A bar created (registered, window made) but not shown, so every placement is immediate.
void createDocked(TestBar &bar, FakeAppBarService &service, TAppBarEdge edge)
{
    bar.SetEdge(edge);
    bar.CreateAppBar();
    QCoreApplication::processEvents(); // the settling step queued by the creation
    service.log.clear();
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, buttons,
                      modifiers);
    QApplication::sendEvent(target, &event);
}

// Notes every geometry a window takes.
class GeometryRecorder : public QObject
{
public:
    GeometryRecorder(QWidget *widget, QList<QRect> *seen) : m_widget(widget), m_seen(seen)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            m_seen->append(m_widget->geometry());
        return false;
    }

private:
    QWidget *m_widget;
    QList<QRect> *m_seen;
};

} // namespace

class TestTAppBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proposedEdge_data();
    void proposedEdge();
    void dockRectRule_data();
    void dockRectRule();
    void dockRectUsesServiceAdjustment();
    void autoHideRect_data();
    void autoHideRect();
    void snapSize_data();
    void snapSize();
    void snapRectMovesDraggedEdge();
    void minMax_data();
    void minMax();
    void sizingEdges_data();
    void sizingEdges();
    void slideRect_data();
    void slideRect();
    void floatRectAfterUndock();
    void defaults();
    void topDockGivesFullWidthStrip();
    void sequenceDockedToBottom();
    void sequenceFloatAndUnknown();
    void sequenceReRegistersAfterUnknown();
    void autoHideRefusedDocksNormally();
    void autoHideGrantedReservesNothing();
    void autoHideReleasedOnEdgeChange();
    void autoHideShowsOnEnter();
    void autoHideTimerHidesTheBar_data();
    void autoHideTimerHidesTheBar();
    void fullScreenLowersTopMostBar();
    void positionChangeRedocksDockedBarOnly();
    void slideEndsExactlyOnTarget();
    void slideInstantWhenOff();
    void dragToLeftEdgeDocksThere();
    void controlDragFloatsWithCaption();
    void sizingTopBarChangesOnlyHeight();
    void emptyFloatRectTakesWindowSize();
    void platformServiceDegradesWithoutDesktop();
};

void TestTAppBar::proposedEdge_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("expected");
    const int all = abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom | abfAllowFloat;
    const int docks = all & ~abfAllowFloat;
    // Screen and work area 1600 x 900; scroll bars 16 px; the bar is docked at the top.
    QTest::newRow("middle of left edge") << QPoint(5, 450) << false << all << int(abeLeft);
    QTest::newRow("middle of right edge") << QPoint(1595, 450) << false << all << int(abeRight);
    QTest::newRow("middle of top edge") << QPoint(800, 3) << false << all << int(abeTop);
    QTest::newRow("middle of bottom edge") << QPoint(800, 898) << false << all << int(abeBottom);
    QTest::newRow("inside work area floats") << QPoint(20, 450) << false << all << int(abeFloat);
    QTest::newRow("within scroll bar of border") << QPoint(15, 450) << false << all << int(abeLeft);
    // |dx| 700 > |dy| 400, yet 900 * 700 < 1600 * 400: the wide screen's corner belongs to the top.
    QTest::newRow("wide screen corner goes top") << QPoint(100, 50) << false << docks << int(abeTop);
    QTest::newRow("wide screen corner goes left") << QPoint(100, 100) << false << docks << int(abeLeft);
    QTest::newRow("control floats") << QPoint(5, 450) << true << all << int(abeFloat);
    QTest::newRow("control without float allowed") << QPoint(5, 450) << true << docks << int(abeLeft);
    QTest::newRow("no float: centre docks") << QPoint(800, 450) << false << docks << int(abeRight);
    QTest::newRow("left not allowed floats")
        << QPoint(5, 450) << false << (all & ~abfAllowLeft) << int(abeFloat);
    QTest::newRow("left nor float allowed keeps edge")
        << QPoint(5, 450) << false << (docks & ~abfAllowLeft) << int(abeTop);
    QTest::newRow("only float allowed") << QPoint(5, 450) << false << int(abfAllowFloat) << int(abeFloat);
}

void TestTAppBar::proposedEdge()
{
    QFETCH(QPoint, cursor);
    QFETCH(bool, control);
    QFETCH(int, flags);
    QFETCH(int, expected);
    const QRect screen(0, 0, 1600, 900);
    QCOMPARE(int(ProposedAppBarEdge(cursor, control, TAppBarFlags(flags), abeTop, screen, screen,
                                    QSize(16, 16))),
             expected);
}

void TestTAppBar::dockRectRule_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 0, 1280, 800);
    QTest::newRow("left") << int(abeLeft) << screen << QRect(0, 0, 40, 800);
    QTest::newRow("top") << int(abeTop) << screen << QRect(0, 0, 1280, 22);
    QTest::newRow("right") << int(abeRight) << screen << QRect(1240, 0, 40, 800);
    QTest::newRow("bottom") << int(abeBottom) << screen << QRect(0, 778, 1280, 22);
    // Another bar holds the outer 30 px of the edge.
    QTest::newRow("left past a bar") << int(abeLeft) << QRect(30, 0, 1250, 800) << QRect(30, 0, 40, 800);
    QTest::newRow("top past a bar") << int(abeTop) << QRect(0, 30, 1280, 770) << QRect(0, 30, 1280, 22);
    QTest::newRow("right past a bar") << int(abeRight) << QRect(0, 0, 1250, 800)
                                      << QRect(1210, 0, 40, 800);
    QTest::newRow("bottom past a bar") << int(abeBottom) << QRect(0, 0, 1280, 770)
                                       << QRect(0, 748, 1280, 22);
}

void TestTAppBar::dockRectRule()
{
    QFETCH(int, edge);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(AppBarDockRect(TAppBarEdge(edge), available, 22, 40), expected);
}

void TestTAppBar::dockRectUsesServiceAdjustment()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    const QRect screen = bar.ScreenRect();
    bar.SetHorzDockSize(22);
    QCOMPARE(bar.DockRect(abeBottom), QRect(0, screen.height() - 22, screen.width(), 22));
    service.adjust = [](int edge, const QRect &r) { return edge == abeTop ? r.adjusted(0, 30, 0, 0) : r; };
    service.log.clear();
    QCOMPARE(bar.DockRect(abeTop), QRect(0, 30, screen.width(), 22));
    QCOMPARE(service.log, QStringList{QStringLiteral("QueryPos 1")});
    // An auto-hidden bar overlaps whatever is on its edge: the service is not asked.
    bar.SetAutoHide(true);
    service.log.clear();
    QCOMPARE(bar.DockRect(abeTop), QRect(0, 0, screen.width(), 22));
    QVERIFY(service.log.isEmpty());
}

void TestTAppBar::autoHideRect_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("left shown") << int(abeLeft) << true << QRect(0, 0, 30, 800);
    QTest::newRow("left hidden") << int(abeLeft) << false << QRect(-28, 0, 30, 800);
    QTest::newRow("top shown") << int(abeTop) << true << QRect(0, 0, 1280, 30);
    QTest::newRow("top hidden") << int(abeTop) << false << QRect(0, -28, 1280, 30);
    QTest::newRow("right shown") << int(abeRight) << true << QRect(1250, 0, 30, 800);
    QTest::newRow("right hidden") << int(abeRight) << false << QRect(1278, 0, 30, 800);
    QTest::newRow("bottom shown") << int(abeBottom) << true << QRect(0, 770, 1280, 30);
    QTest::newRow("bottom hidden") << int(abeBottom) << false << QRect(0, 798, 1280, 30);
    QTest::newRow("float untouched") << int(abeFloat) << false << QRect(100, 100, 30, 800);
}

void TestTAppBar::autoHideRect()
{
    QFETCH(int, edge);
    QFETCH(bool, visible);
    QFETCH(QRect, expected);
    const bool vertical = edge == abeLeft || edge == abeRight || edge == abeFloat;
    const QRect rect(100, 100, vertical ? 30 : 1280, vertical ? 800 : 30);
    QCOMPARE(AppBarAutoHideRect(TAppBarEdge(edge), rect, visible, QRect(0, 0, 1280, 800), QSize(1, 1)),
             expected);
}

void TestTAppBar::snapSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    QTest::newRow("step 1") << 33 << 0 << 1 << 33;
    QTest::newRow("step 0 keeps size") << 37 << 10 << 0 << 37;
    QTest::newRow("rounds down below half") << 32 << 22 << 22 << 22;
    QTest::newRow("rounds up from half") << 33 << 22 << 22 << 44;
    QTest::newRow("exact step") << 50 << 10 << 8 << 50;
    QTest::newRow("just under half a step") << 53 << 10 << 8 << 50;
    QTest::newRow("half a step") << 54 << 10 << 8 << 58;
    QTest::newRow("below minimum truncates toward zero") << 5 << 10 << 4 << 10;
}

void TestTAppBar::snapSize()
{
    QFETCH(int, size);
    QFETCH(int, minimum);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(SnapAppBarSize(size, minimum, step), expected);
}

void TestTAppBar::snapRectMovesDraggedEdge()
{
    const QRect rect(100, 200, 53, 33);
    // Dragging the left and top edges keeps the right and bottom edges in place.
    QCOMPARE(SnapAppBarRect(rect, Qt::LeftEdge | Qt::TopEdge, QSize(10, 22), 8, 22),
             QRect(103, 189, 50, 44));
    QCOMPARE(SnapAppBarRect(rect, Qt::RightEdge | Qt::BottomEdge, QSize(10, 22), 8, 22),
             QRect(100, 200, 50, 44));
    // An edge not being dragged keeps its dimension unsnapped.
    QCOMPARE(SnapAppBarRect(rect, Qt::BottomEdge, QSize(10, 22), 8, 22), QRect(100, 200, 53, 44));
}

void TestTAppBar::minMax_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::newRow("float") << int(abeFloat) << QSize(50, 20) << QSize(900, 700);
    QTest::newRow("left") << int(abeLeft) << QSize(16, 12) << QSize(640, 800);
    QTest::newRow("right") << int(abeRight) << QSize(16, 12) << QSize(640, 800);
    QTest::newRow("top") << int(abeTop) << QSize(16, 12) << QSize(1280, 400);
    QTest::newRow("bottom") << int(abeBottom) << QSize(16, 12) << QSize(1280, 400);
}

void TestTAppBar::minMax()
{
    QFETCH(int, edge);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    TAppBarSizeLimits limits;
    limits.MinWidth = 50;
    limits.MinHeight = 20;
    limits.MaxWidth = 900;
    limits.MaxHeight = 700;
    limits.MinVertDockSize = 16;
    limits.MinHorzDockSize = 12;
    limits.MaxVertDockSize = 640;
    limits.MaxHorzDockSize = 400;
    const TAppBarMinMax info = AppBarMinMaxInfo(TAppBarEdge(edge), limits, QSize(1280, 800));
    QCOMPARE(info.minimum, minimum);
    QCOMPARE(info.maximum, maximum);
}

void TestTAppBar::sizingEdges_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("hit");
    QTest::addColumn<int>("horz");
    QTest::addColumn<int>("vert");
    QTest::addColumn<int>("expected");
    const int none = 0;
    QTest::newRow("top: inner edge sizes") << int(abeTop) << int(Qt::BottomEdge) << 1 << 1
                                           << int(Qt::BottomEdge);
    QTest::newRow("top: outer edge does not") << int(abeTop) << int(Qt::TopEdge) << 1 << 1 << none;
    QTest::newRow("top: corner gives inner side")
        << int(abeTop) << int(Qt::BottomEdge | Qt::RightEdge) << 1 << 1 << int(Qt::BottomEdge);
    QTest::newRow("top: no vertical step") << int(abeTop) << int(Qt::BottomEdge) << 1 << 0 << none;
    QTest::newRow("left: inner edge") << int(abeLeft) << int(Qt::RightEdge) << 1 << 1 << int(Qt::RightEdge);
    QTest::newRow("left: no horizontal step") << int(abeLeft) << int(Qt::RightEdge) << 0 << 1 << none;
    QTest::newRow("right: inner edge") << int(abeRight) << int(Qt::LeftEdge) << 1 << 1 << int(Qt::LeftEdge);
    QTest::newRow("bottom: inner edge") << int(abeBottom) << int(Qt::TopEdge) << 1 << 1 << int(Qt::TopEdge);
    QTest::newRow("bottom: side edge") << int(abeBottom) << int(Qt::LeftEdge) << 1 << 1 << none;
    QTest::newRow("float: corner, no horizontal step")
        << int(abeFloat) << int(Qt::TopEdge | Qt::LeftEdge) << 0 << 1 << int(Qt::TopEdge);
    QTest::newRow("float: corner, no steps") << int(abeFloat) << int(Qt::TopEdge | Qt::LeftEdge) << 0 << 0
                                             << none;
    QTest::newRow("float: any side") << int(abeFloat) << int(Qt::LeftEdge) << 4 << 4 << int(Qt::LeftEdge);
}

void TestTAppBar::sizingEdges()
{
    QFETCH(int, edge);
    QFETCH(int, hit);
    QFETCH(int, horz);
    QFETCH(int, vert);
    QFETCH(int, expected);
    QCOMPARE(int(AppBarSizingEdges(TAppBarEdge(edge), Qt::Edges(hit), horz, vert)), expected);
}

void TestTAppBar::slideRect_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QRect>("expected");
    // From (0, 0, 800, 300) to (-7, 100, 400, 22) in 400 ms; every coordinate truncates toward zero.
    QTest::newRow("start") << qint64(0) << QRect(0, 0, 800, 300);
    QTest::newRow("quarter") << qint64(100) << QRect(-1, 25, 700, 231);
    QTest::newRow("half") << qint64(200) << QRect(-3, 50, 600, 161);
    QTest::newRow("end") << qint64(400) << QRect(-7, 100, 400, 22);
    QTest::newRow("late timer") << qint64(437) << QRect(-7, 100, 400, 22);
}

void TestTAppBar::slideRect()
{
    QFETCH(qint64, elapsed);
    QFETCH(QRect, expected);
    QCOMPARE(AppBarSlideRect(QRect(0, 0, 800, 300), QRect(-7, 100, 400, 22), elapsed, 400), expected);
}

void TestTAppBar::floatRectAfterUndock()
{
    const QRect work(0, 30, 1280, 770);
    const QRect previous(50, 60, 300, 200);
    QCOMPARE(AppBarFloatRectAfterUndock(QRect(400, 300, 320, 240), previous, work),
             QRect(400, 300, 320, 240));
    // A full-width docked strip would make a useless floating window: keep the earlier size.
    QCOMPARE(AppBarFloatRectAfterUndock(QRect(0, 300, 1280, 30), previous, work),
             QRect(0, 300, 300, 200));
    QCOMPARE(AppBarFloatRectAtCursor(previous, QPoint(500, 400)), QRect(350, 400, 300, 200));
}

void TestTAppBar::defaults()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    const QSize screen = bar.ScreenRect().size();
    QCOMPARE(int(bar.Flags()), 31);
    QCOMPARE(bar.HorzSizeInc(), 1);
    QCOMPARE(bar.VertSizeInc(), 1);
    QCOMPARE(bar.Edge(), abeFloat);
    QVERIFY(!bar.AutoHide());
    QVERIFY(bar.AlwaysOnTop());
    QVERIFY(bar.SlideEffect());
    QCOMPARE(bar.SlideTime(), 400);
    QCOMPARE(bar.HorzDockSize(), 32);
    QCOMPARE(bar.VertDockSize(), 32);
    QCOMPARE(bar.FloatRect(), QRect(0, 0, 0, 0));
    QCOMPARE(bar.MinWidth(), 0);
    QCOMPARE(bar.MinHeight(), 0);
    QCOMPARE(bar.MaxWidth(), screen.width());
    QCOMPARE(bar.MaxHeight(), screen.height());
    QCOMPARE(bar.MinHorzDockSize(), 0);
    QCOMPARE(bar.MinVertDockSize(), 0);
    QCOMPARE(bar.MaxHorzDockSize(), screen.height() / 2);
    QCOMPARE(bar.MaxVertDockSize(), screen.width() / 2);
    QCOMPARE(bar.TaskEntry(), abtFloatDependent);
    QCOMPARE(bar.ProposedEdge(), abeUnknown);
    // Nothing reaches the desktop before the bar is created.
    bar.SetEdge(abeTop);
    QVERIFY(service.log.isEmpty());
}

void TestTAppBar::topDockGivesFullWidthStrip()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(44);
    bar.SetEdge(abeTop);
    bar.show();
    QVERIFY(bar.IsAppBarCreated());
    QCOMPARE(bar.geometry(), QRect(0, 0, bar.ScreenRect().width(), 44));
    QVERIFY(bar.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(service.log.contains(QStringLiteral("SetWindowDocked dock")));
    // The settling step after creation keeps the size.
    QTRY_VERIFY(service.log.count(QStringLiteral("Activate")) >= 2);
    QCOMPARE(bar.HorzDockSize(), 44);
    QCOMPARE(bar.geometry(), QRect(0, 0, bar.ScreenRect().width(), 44));
}

void TestTAppBar::sequenceDockedToBottom()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(30);
    createDocked(bar, service, abeTop);
    bar.SetEdge(abeBottom);
    const int h = bar.ScreenRect().height();
    const int w = bar.ScreenRect().width();
    const QStringList expected = {
        "GetAutoHideBar 0",
        "GetAutoHideBar 1",
        "GetAutoHideBar 2",
        "GetAutoHideBar 3",
        "QueryPos 3",
        QStringLiteral("SetPos 3 0,%1 %2x30").arg(h - 30).arg(w),
        "SetZOrder TopMost",
        "Activate",
        "SetTaskbarEntryVisible hidden",
    };
    QCOMPARE(service.log, expected);
    QCOMPARE(bar.geometry(), QRect(0, h - 30, w, 30));
}

void TestTAppBar::sequenceFloatAndUnknown()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetAlwaysOnTop(false);
    createDocked(bar, service, abeTop);
    bar.SetFloatRect(QRect(100, 120, 300, 200));
    bar.SetEdge(abeFloat);
    const QStringList toFloat = {
        "GetAutoHideBar 0", "GetAutoHideBar 1", "GetAutoHideBar 2", "GetAutoHideBar 3",
        "SetPos 5 empty", // gives the reserved strip back
        "SetZOrder Normal", "Activate",
        // The window becomes an ordinary one; the desktop forgets its states on the way.
        "SetWindowDocked normal", "SetZOrder Normal", "SetTaskbarEntryVisible shown",
        "SetTaskbarEntryVisible shown",
    };
    QCOMPARE(service.log, toFloat);
    QCOMPARE(bar.geometry(), QRect(100, 120, 300, 200));
    QVERIFY(!(bar.windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(bar.windowFlags() & Qt::WindowTitleHint);

    service.log.clear();
    bar.SetEdge(abeUnknown);
    const QStringList toUnknown = {
        "GetAutoHideBar 0", "GetAutoHideBar 1", "GetAutoHideBar 2", "GetAutoHideBar 3",
        "Remove", "SetZOrder Normal", "Activate",
    };
    QCOMPARE(service.log, toUnknown);
}

void TestTAppBar::sequenceReRegistersAfterUnknown()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    createDocked(bar, service, abeTop);
    bar.SetEdge(abeUnknown);
    service.log.clear();
    bar.SetEdge(abeTop);
    QCOMPARE(service.log.value(4), QStringLiteral("Register"));
    QVERIFY(service.log.indexOf(QStringLiteral("Register")) < service.log.indexOf(QStringLiteral("QueryPos 1")));
}

void TestTAppBar::autoHideRefusedDocksNormally()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(30);
    createDocked(bar, service, abeTop);
    service.refuseClaims = true;
    bar.SetAutoHide(true);
    bar.SetEdge(abeTop);
    QVERIFY(!bar.AutoHide());
    QCOMPARE(bar.messages, QStringList{QString::fromUtf8(TAppBar::AutoHideRefusedText)});
    QCOMPARE(bar.messages.first(),
             QStringLiteral("There is already an auto hidden window on this edge.\n\rOnly one auto "
                            "hidden window is allowed on each edge."));
    const int claim = service.log.indexOf(QStringLiteral("SetAutoHideBar 1 claim"));
    QVERIFY(claim >= 0);
    QCOMPARE(service.log.mid(claim + 1, 2),
             (QStringList{"QueryPos 1", QStringLiteral("SetPos 1 0,0 %1x30").arg(bar.ScreenRect().width())}));
    QCOMPARE(bar.geometry(), QRect(0, 0, bar.ScreenRect().width(), 30));
}

void TestTAppBar::autoHideGrantedReservesNothing()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(30);
    createDocked(bar, service, abeBottom);
    bar.SetAutoHide(true);
    bar.SetEdge(abeBottom);
    QVERIFY(bar.AutoHide());
    QVERIFY(bar.messages.isEmpty());
    QVERIFY(bar.winId() != 0);
    QVERIFY(service.log.contains(QStringLiteral("SetAutoHideBar 3 claim")));
    QVERIFY(!service.log.contains(QStringLiteral("QueryPos 3")));
    QVERIFY(service.log.contains(QStringLiteral("SetPos 0 empty")));
    QCOMPARE(service.holders[abeBottom], bar.winId());
    // Hidden: two one-pixel borders stay on the screen.
    const QRect screen = bar.ScreenRect();
    QCOMPARE(bar.geometry(), QRect(0, screen.height() - 2, screen.width(), 30));
    QVERIFY(!bar.AutoHideVisible());
}

void TestTAppBar::autoHideReleasedOnEdgeChange()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    createDocked(bar, service, abeTop);
    bar.SetAutoHide(true);
    bar.SetEdge(abeTop);
    QCOMPARE(service.holders[abeTop], bar.winId());
    bar.SetAutoHide(false);
    service.log.clear();
    bar.SetEdge(abeLeft);
    QCOMPARE(service.log.mid(0, 3),
             (QStringList{"GetAutoHideBar 0", "GetAutoHideBar 1", "SetAutoHideBar 1 release"}));
    QCOMPARE(service.holders[abeTop], WId(0));
}

void TestTAppBar::autoHideShowsOnEnter()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(30);
    bar.SetSlideEffect(false);
    bar.SetAutoHide(true);
    bar.SetEdge(abeTop);
    bar.show();
    QCoreApplication::processEvents();
    const int width = bar.ScreenRect().width();
    QCOMPARE(bar.geometry(), QRect(0, -28, width, 30));
    QEnterEvent enter(QPointF(5, 29), QPointF(5, 1), QPointF(5, 1));
    QApplication::sendEvent(&bar, &enter);
    QVERIFY(bar.AutoHideVisible());
    QCOMPARE(bar.geometry(), QRect(0, 0, width, 30));
    bar.ShowAutoHideBar(false);
    QCOMPARE(bar.geometry(), QRect(0, -28, width, 30));
}

void TestTAppBar::autoHideTimerHidesTheBar_data()
{
    QTest::addColumn<bool>("beforeShown");
    QTest::addColumn<bool>("offAndOnAgain");

    QTest::newRow("auto-hide set before the bar is shown") << true << false;
    QTest::newRow("auto-hide turned on while docked") << false << false;
    QTest::newRow("auto-hide turned off and on again") << true << true;
}

// A shown auto-hidden bar hides again once the pointer is away from it, however auto-hide came on.
void TestTAppBar::autoHideTimerHidesTheBar()
{
    QFETCH(bool, beforeShown);
    QFETCH(bool, offAndOnAgain);
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetHorzDockSize(30);
    bar.SetSlideEffect(false);
    bar.SetSlideTime(20);
    if (beforeShown)
        bar.SetAutoHide(true);
    bar.SetEdge(abeTop);
    bar.show();
    QCoreApplication::processEvents();
    if (!beforeShown) {
        bar.SetAutoHide(true);
        bar.Redock();
    }
    if (offAndOnAgain) {
        bar.SetAutoHide(false);
        bar.SetAutoHide(true);
    }
    // Another window is the active one, and the pointer is over it.
    QWidget other;
    other.setGeometry(400, 300, 200, 200);
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!bar.isActiveWindow());
    QCursor::setPos(500, 400);
    bar.ShowAutoHideBar(true);
    QVERIFY(bar.AutoHideVisible());
    QTRY_VERIFY(!bar.AutoHideVisible());
}

void TestTAppBar::fullScreenLowersTopMostBar()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    createDocked(bar, service, abeTop);
    service.EmitFullScreen(true);
    QVERIFY(bar.FullScreen());
    QVERIFY(service.log.contains(QStringLiteral("SetZOrder Bottom")));
    service.log.clear();
    service.EmitFullScreen(false);
    QVERIFY(service.log.contains(QStringLiteral("SetZOrder TopMost")));
    // A bar that is not kept on top is not lowered either.
    bar.SetAlwaysOnTop(false);
    service.log.clear();
    service.EmitFullScreen(true);
    QVERIFY(service.log.contains(QStringLiteral("SetZOrder Normal")));
}

void TestTAppBar::positionChangeRedocksDockedBarOnly()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    createDocked(bar, service, abeTop);
    service.adjust = [](int, const QRect &r) { return r.adjusted(0, 25, 0, 0); };
    service.EmitPositionChanged();
    QCOMPARE(bar.geometry().top(), 25);
    bar.SetEdge(abeFloat);
    service.log.clear();
    service.EmitPositionChanged();
    QVERIFY(service.log.isEmpty());
}

void TestTAppBar::slideEndsExactlyOnTarget()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.setGeometry(200, 200, 300, 100); // where the floating bar is created
    bar.SetHorzDockSize(37);
    bar.show();
    QCoreApplication::processEvents();
    const QRect start(200, 200, 300, 100);
    QCOMPARE(bar.geometry(), start);
    QList<QRect> seen;
    GeometryRecorder recorder(&bar, &seen);
    const QRect target(0, 0, bar.ScreenRect().width(), 37);
    bar.SetEdge(abeTop);
    QVERIFY(bar.IsSliding());
    QCOMPARE(bar.TargetRect(), target);
    QTRY_VERIFY_WITH_TIMEOUT(!bar.IsSliding(), 5000);
    QCOMPARE(bar.geometry(), target);
    // The window went through places between the two.
    QVERIFY(std::any_of(seen.cbegin(), seen.cend(),
                        [&](const QRect &r) { return r != start && r != target; }));
}

void TestTAppBar::slideInstantWhenOff()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetSlideEffect(false);
    bar.setGeometry(200, 200, 300, 100);
    bar.show();
    QCoreApplication::processEvents();
    bar.SetEdge(abeBottom);
    QVERIFY(!bar.IsSliding());
    QCOMPARE(bar.geometry().bottom(), bar.ScreenRect().bottom());
    // A slide time of 0 is instant too (and divides nothing by zero).
    bar.SetSlideEffect(true);
    bar.SetSlideTime(0);
    bar.SetEdge(abeTop);
    QVERIFY(!bar.IsSliding());
    QCOMPARE(bar.geometry().top(), 0);
}

void TestTAppBar::dragToLeftEdgeDocksThere()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetSlideEffect(false);
    bar.SetHorzDockSize(30);
    bar.SetVertDockSize(50);
    bar.SetEdge(abeTop);
    bar.show();
    QCoreApplication::processEvents();
    const QRect screen = bar.ScreenRect();
    const QPoint press(screen.width() / 2, 10);
    sendMouse(&bar, QEvent::MouseButtonPress, press, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, press + QPoint(0, 40), Qt::NoButton);
    QCOMPARE(bar.ProposedEdge(), abeFloat); // in the middle of the work area
    const QPoint leftMiddle(2, screen.height() / 2);
    sendMouse(&bar, QEvent::MouseMove, leftMiddle, Qt::NoButton);
    QCOMPARE(bar.ProposedEdge(), abeLeft);
    QCOMPARE(bar.EffectiveEdge(), abeLeft);
    QCOMPARE(bar.geometry(), QRect(0, 0, 50, screen.height())); // the dock rectangle as preview
    QCOMPARE(bar.Edge(), abeTop);
    sendMouse(&bar, QEvent::MouseButtonRelease, leftMiddle, Qt::LeftButton);
    QCOMPARE(bar.Edge(), abeLeft);
    QCOMPARE(bar.ProposedEdge(), abeUnknown);
    QCOMPARE(bar.geometry(), QRect(0, 0, 50, screen.height()));
    QCOMPARE(bar.HorzDockSize(), 30);
}

void TestTAppBar::controlDragFloatsWithCaption()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetSlideEffect(false);
    bar.setGeometry(10, 10, 240, 120); // becomes the float rectangle at creation
    bar.SetEdge(abeBottom);
    bar.show();
    QCoreApplication::processEvents();
    QVERIFY(bar.windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = bar.ScreenRect();
    const QPoint press(screen.width() / 2, screen.height() - 20);
    const QPoint cursor(screen.width() / 2, screen.height() - 2); // still at the bottom edge
    sendMouse(&bar, QEvent::MouseButtonPress, press, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, cursor, Qt::NoButton, Qt::ControlModifier);
    QCOMPARE(bar.ProposedEdge(), abeFloat);
    // Off the edge, the bar hangs from the cursor in its float size.
    QCOMPARE(bar.geometry(), QRect(cursor.x() - 120, cursor.y(), 240, 120));
    sendMouse(&bar, QEvent::MouseButtonRelease, cursor, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(bar.Edge(), abeFloat);
    QVERIFY(!(bar.windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(bar.windowFlags() & Qt::WindowTitleHint);
    QCOMPARE(bar.FloatRect(), QRect(cursor.x() - 120, cursor.y(), 240, 120));
    QVERIFY(service.log.contains(QStringLiteral("SetPos 5 empty")));
}

void TestTAppBar::sizingTopBarChangesOnlyHeight()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.SetSlideEffect(false);
    bar.SetHorzDockSize(30);
    bar.SetVertSizeInc(10);
    bar.SetMinHorzDockSize(20);
    bar.SetMaxHorzDockSize(100);
    bar.SetEdge(abeTop);
    bar.show();
    QCoreApplication::processEvents();
    auto *grip = bar.findChild<QWidget *>(QStringLiteral("SizeGrip"));
    QVERIFY(grip);
    QVERIFY(grip->isVisible());
    QCOMPARE(grip->geometry(), QRect(0, 30 - TAppBar::SizeGripWidth, bar.width(), TAppBar::SizeGripWidth));
    const int width = bar.ScreenRect().width();
    const QPoint press(width / 2, 28);
    sendMouse(grip, QEvent::MouseButtonPress, press, Qt::LeftButton);
    sendMouse(grip, QEvent::MouseMove, press + QPoint(-80, 26), Qt::NoButton);
    // 56 px snaps to 20 + 10 * 4; the width and the top stay.
    QCOMPARE(bar.geometry(), QRect(0, 0, width, 60));
    QCOMPARE(bar.HorzDockSize(), 30);
    sendMouse(grip, QEvent::MouseMove, press + QPoint(0, 500), Qt::NoButton);
    QCOMPARE(bar.geometry(), QRect(0, 0, width, 100)); // MaxHorzDockSize
    sendMouse(grip, QEvent::MouseMove, press + QPoint(0, 12), Qt::NoButton);
    sendMouse(grip, QEvent::MouseButtonRelease, press + QPoint(0, 12), Qt::LeftButton);
    QCOMPARE(bar.HorzDockSize(), 40);
    QCOMPARE(bar.Edge(), abeTop);
    QCOMPARE(bar.geometry(), QRect(0, 0, width, 40));
    QVERIFY(service.log.contains(QStringLiteral("SetPos 1 0,0 %1x40").arg(width)));
}

void TestTAppBar::emptyFloatRectTakesWindowSize()
{
    FakeAppBarService service;
    ScopedService<AppBarService> useService(service);
    TestBar bar;
    bar.setGeometry(70, 80, 320, 90);
    bar.CreateAppBar();
    // A float rectangle without area would make a window without one.
    QCOMPARE(bar.FloatRect(), QRect(70, 80, 320, 90));
    QCOMPARE(bar.geometry(), QRect(70, 80, 320, 90));
}

void TestTAppBar::platformServiceDegradesWithoutDesktop()
{
    // Under the offscreen platform there is no X display: the bar docks on the whole screen.
    TAppBar bar;
    QCOMPARE(bar.Service(), &AppBarService::Platform());
    bar.SetSlideEffect(false);
    bar.SetHorzDockSize(26);
    bar.SetEdge(abeBottom);
    bar.show();
    QCoreApplication::processEvents();
    const QRect screen = bar.ScreenRect();
    QCOMPARE(bar.geometry(), QRect(0, screen.height() - 26, screen.width(), 26));
    bar.SetAutoHide(true);
    bar.SetEdge(abeBottom);
    QVERIFY(bar.AutoHide()); // nobody to refuse it
    QCOMPARE(bar.Service()->GetAutoHideBar(abeBottom), WId(0));
}

QTEST_MAIN(TestTAppBar)
#include "tst_tappbar.moc"
