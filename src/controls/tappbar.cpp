#include "controls/tappbar.h"

#include "controls/tappbarrules.h"
#include "platform/appbarservice.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>

namespace {

// One pixel, the width and height of a window border on the desktops the bar was made for.
const QSize kBorder(1, 1);
// The frame interval of a slide.
constexpr int kSlideFrameMs = 15;
// The auto-hide timer's interval when SlideTime gives none.
constexpr int kDefaultSlideTime = 400;

constexpr Qt::WindowFlags kDockedFlags = Qt::Window | Qt::FramelessWindowHint;
// A caption with the system menu and a close box; the bar is never minimised or maximised.
constexpr Qt::WindowFlags kFloatingFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

const char *const TAppBar::AutoHideRefusedText =
    "There is already an auto hidden window on this edge.\n\rOnly one auto hidden window is allowed "
    "on each edge.";

TAppBar::TAppBar(QWidget *parent)
    : QWidget(parent, kFloatingFlags),
      m_service(&Current<AppBarService>()),
      m_flags(abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom | abfAllowFloat),
      m_limits(std::make_unique<TAppBarSizeLimits>())
{
    const QSize screen = ScreenRect().size();
    m_limits->MaxWidth = screen.width();
    m_limits->MaxHeight = screen.height();
    m_limits->MaxHorzDockSize = screen.height() / 2;
    m_limits->MaxVertDockSize = screen.width() / 2;

    m_autoHideTimer = new QTimer(this);
    m_autoHideTimer->setInterval(m_slideTime);
    connect(m_autoHideTimer, &QTimer::timeout, this, &TAppBar::AutoHideTimerTick);
    m_slideTimer = new QTimer(this);
    m_slideTimer->setInterval(kSlideFrameMs);
    connect(m_slideTimer, &QTimer::timeout, this, &TAppBar::SlideStep);

    connect(m_service, &AppBarService::PositionChanged, this, [this] {
        if (m_created)
            ShellPositionChanged();
    });
    connect(m_service, &AppBarService::FullScreenAppChanged, this, [this](bool open) {
        if (m_created)
            FullScreenAppChanged(open);
    });
    connect(m_service, &AppBarService::WindowsArranged, this,
            [this](bool beginning) { WindowsArranged(beginning); });
    // A changed screen is a changed work area.
    auto screenChanged = [this] {
        if (m_created)
            ShellPositionChanged();
    };
    if (QScreen *primary = QGuiApplication::primaryScreen())
        connect(primary, &QScreen::geometryChanged, this, screenChanged);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this, screenChanged](QScreen *s) {
        if (s)
            connect(s, &QScreen::geometryChanged, this, screenChanged, Qt::UniqueConnection);
        screenChanged();
    });

    m_grip = new QWidget(this);
    m_grip->setObjectName(QStringLiteral("SizeGrip"));
    m_grip->setAttribute(Qt::WA_NoSystemBackground);
    m_grip->hide();
    m_grip->installEventFilter(this);
}

TAppBar::~TAppBar()
{
    m_autoHideTimer->stop();
    m_slideTimer->stop();
    if (m_created)
        SetEdge(abeUnknown);
}

void TAppBar::SetHorzSizeInc(int step)
{
    m_horzSizeInc = step;
    UpdateGrip();
}

void TAppBar::SetVertSizeInc(int step)
{
    m_vertSizeInc = step;
    UpdateGrip();
}

void TAppBar::SetSlideTime(int milliseconds)
{
    m_slideTime = milliseconds;
    // A zero interval would spin the timer; the slide itself is instant then.
    m_autoHideTimer->setInterval(milliseconds > 0 ? milliseconds : kDefaultSlideTime);
}

QRect TAppBar::FloatRect() const
{
    return QRect(m_floatLeft, m_floatTop, m_floatRight - m_floatLeft, m_floatBottom - m_floatTop);
}

void TAppBar::SetFloatRect(const QRect &rect)
{
    m_floatLeft = rect.x();
    m_floatTop = rect.y();
    m_floatRight = rect.x() + rect.width();
    m_floatBottom = rect.y() + rect.height();
}

int TAppBar::MinWidth() const { return m_limits->MinWidth; }
void TAppBar::SetMinWidth(int value) { m_limits->MinWidth = value; }
int TAppBar::MinHeight() const { return m_limits->MinHeight; }
void TAppBar::SetMinHeight(int value) { m_limits->MinHeight = value; }
int TAppBar::MaxWidth() const { return m_limits->MaxWidth; }
void TAppBar::SetMaxWidth(int value) { m_limits->MaxWidth = value; }
int TAppBar::MaxHeight() const { return m_limits->MaxHeight; }
void TAppBar::SetMaxHeight(int value) { m_limits->MaxHeight = value; }
int TAppBar::MinHorzDockSize() const { return m_limits->MinHorzDockSize; }
void TAppBar::SetMinHorzDockSize(int value) { m_limits->MinHorzDockSize = value; }
int TAppBar::MinVertDockSize() const { return m_limits->MinVertDockSize; }
void TAppBar::SetMinVertDockSize(int value) { m_limits->MinVertDockSize = value; }
int TAppBar::MaxHorzDockSize() const { return m_limits->MaxHorzDockSize; }
void TAppBar::SetMaxHorzDockSize(int value) { m_limits->MaxHorzDockSize = value; }
int TAppBar::MaxVertDockSize() const { return m_limits->MaxVertDockSize; }
void TAppBar::SetMaxVertDockSize(int value) { m_limits->MaxVertDockSize = value; }

TAppBarEdge TAppBar::EffectiveEdge() const
{
    return m_proposedEdge != abeUnknown ? m_proposedEdge : m_edge;
}

bool TAppBar::IsSliding() const
{
    return m_slideTimer->isActive();
}

QRect TAppBar::TargetRect() const
{
    return IsSliding() ? m_slideTarget : geometry();
}

void TAppBar::setVisible(bool visible)
{
    // The window's kind must be settled before it maps: the desktop reads it only then.
    if (visible && !m_created)
        CreateAppBar();
    // A window whose position Qt leaves "automatic" is placed by the window manager when it maps
    // (openbox centres it), and the bar would then slide in from there: state the position.
    if (visible && windowHandle())
        windowHandle()->setPosition(TargetRect().topLeft());
    QWidget::setVisible(visible);
}

void TAppBar::CreateAppBar()
{
    if (m_created)
        return;
    m_created = true;
    m_creating = true;
    winId();
    const QRect rect = geometry();
    const QSize floatSize = FloatRect().size();
    m_floatLeft = rect.x();
    m_floatTop = rect.y();
    if (floatSize.isEmpty()) {
        // A float rectangle without area would give a window without one: use the window's size.
        m_floatRight = rect.x() + rect.width();
        m_floatBottom = rect.y() + rect.height();
    }
    UpdateAutoHideTimer();
    RegisterWithService();
    Redock();
    m_creating = false;
    // Settles the sizes from where the window really ended up, as a finished drag does.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_dragMode != DragNone)
                return;
            EnterSizeMove();
            ExitSizeMove();
        },
        Qt::QueuedConnection);
}

void TAppBar::RegisterWithService()
{
    m_service->Register(this);
    m_registered = true;
}

void TAppBar::Redock()
{
    SetEdge(EffectiveEdge());
}

void TAppBar::SetEdge(TAppBarEdge edge)
{
    if (!m_created) {
        // Applied when the bar is created.
        m_edge = edge;
        return;
    }
    const WId own = winId();
    for (int e = abeLeft; e <= abeBottom; ++e) {
        if (m_service->GetAutoHideBar(e) == own)
            m_service->SetAutoHideBar(this, e, false);
    }
    m_edge = edge;
    if (edge == abeUnknown) {
        m_service->Remove(this);
        m_registered = false;
    } else {
        // An unregistered bar reserves nothing: register again before taking a place.
        if (!m_registered)
            RegisterWithService();
        if (edge == abeFloat) {
            m_service->SetPos(this, AppBarService::NoEdge, QRect());
            QRect rect = FloatRect();
            if (rect.isEmpty())
                rect = QRect(rect.topLeft(), TargetRect().size());
            m_slideTimer->stop();
            PlaceWindow(rect);
        } else {
            ApplyDockEdge(edge);
        }
    }
    ApplyZOrder();
    m_service->Activate(this);
    ApplyFrameStyle(false, edge);
    ApplyTaskEntry(edge);
    if (!IsSliding())
        ApplySizeConstraints();
    UpdateGrip();
}

void TAppBar::ApplyDockEdge(TAppBarEdge edge)
{
    const TAppBarEdge effective = EffectiveEdge();
    if (m_autoHide && !m_service->SetAutoHideBar(this, effective, true)) {
        m_autoHide = false;
        UpdateAutoHideTimer();
        AutoHideRefused();
    }
    QRect rect = DockRect(effective);
    if (m_autoHide) {
        // An auto-hidden bar reserves no space.
        m_service->SetPos(this, abeLeft, QRect());
    } else {
        rect = m_service->SetPos(this, edge, rect);
    }
    SlideWindow(AutoHideRect(effective, rect, m_autoHideVisible));
}

void TAppBar::ApplyZOrder()
{
    AppBarService::ZOrder order = AppBarService::ZOrderNormal;
    if (m_alwaysOnTop)
        order = m_fullScreen ? AppBarService::ZOrderBottom : AppBarService::ZOrderTopMost;
    m_service->SetZOrder(this, order);
}

void TAppBar::ApplyTaskEntry(TAppBarEdge edge)
{
    switch (m_taskEntry) {
    case abtShow:
        m_service->SetTaskbarEntryVisible(this, true);
        break;
    case abtHide:
        m_service->SetTaskbarEntryVisible(this, false);
        break;
    case abtFloatDependent:
        if (edge == abeFloat)
            m_service->SetTaskbarEntryVisible(this, true);
        else if (IsDockingEdge(edge))
            m_service->SetTaskbarEntryVisible(this, false);
        break;
    }
}

void TAppBar::ApplyFrameStyle(bool proposed, TAppBarEdge edge)
{
    if (proposed || edge == abeUnknown || !m_created)
        return;
    const FrameStyle style = IsDockingEdge(edge) ? FrameDocked : FrameFloating;
    if (style == m_frameStyle)
        return;
    m_frameStyle = style;
    const bool wasVisible = isVisible();
    const QRect rect = TargetRect();
    // Changing the flags unmaps a shown window; the desktop reads the new kind when it maps again.
    // Qt would also move a shown or moved window back to its old position counted with the frame,
    // which places a framed window off by its frame: the rectangle is set again below instead.
    if (wasVisible)
        hide();
    setAttribute(Qt::WA_Moved, false);
    setWindowFlags(style == FrameDocked ? kDockedFlags : kFloatingFlags);
    winId(); // the same native window, handed back to the widget
    m_service->SetWindowDocked(this, style == FrameDocked);
    // The desktop forgets an unmapped window's stacking and task bar states.
    ApplyZOrder();
    ApplyTaskEntry(edge);
    if (!IsSliding())
        PlaceWindow(rect);
    if (wasVisible)
        show();
}

void TAppBar::AutoHideRefused()
{
    ShowAppBarMessage(QString::fromUtf8(AutoHideRefusedText));
}

void TAppBar::FullScreenAppChanged(bool open)
{
    m_fullScreen = open;
    Redock();
}

void TAppBar::ShellPositionChanged()
{
    if (m_edge != abeFloat && !m_autoHide && m_dragMode != DragMoving && m_dragMode != DragSizing)
        Redock();
}

void TAppBar::WindowsArranged(bool) {}

void TAppBar::ShowAppBarMessage(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, this);
    box.exec();
}

bool TAppBar::AutoHideApplies(TAppBarEdge edge) const
{
    return m_autoHide && IsDockingEdge(edge);
}

QRect TAppBar::ScreenRect() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect TAppBar::WorkAreaRect() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect TAppBar::DockRect(TAppBarEdge edge) const
{
    QRect available = ScreenRect();
    if (!m_autoHide && IsDockingEdge(edge))
        available = m_service->QueryPos(const_cast<TAppBar *>(this), edge, available);
    return AppBarDockRect(edge, available, m_horzDockSize, m_vertDockSize);
}

QRect TAppBar::AutoHideRect(TAppBarEdge edge, const QRect &rect, bool visible) const
{
    if (!AutoHideApplies(edge))
        return rect;
    return AppBarAutoHideRect(edge, rect, visible, ScreenRect(), kBorder);
}

TAppBarEdge TAppBar::ProposedEdgeAt(const QPoint &globalCursor, bool controlDown) const
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return ProposedAppBarEdge(globalCursor, controlDown, m_flags, m_edge, ScreenRect(), WorkAreaRect(),
                              QSize(scrollBar, scrollBar));
}

TAppBarSizeLimits TAppBar::SizeLimits() const
{
    return *m_limits;
}

TAppBarMinMax TAppBar::MinMaxInfo() const
{
    return AppBarMinMaxInfo(EffectiveEdge(), *m_limits, ScreenRect().size());
}

void TAppBar::ShowAutoHideBar(bool show)
{
    const QRect rect = TargetRect();
    m_autoHideVisible = true;
    const TAppBarEdge edge = EffectiveEdge();
    if (AutoHideApplies(edge)) {
        m_autoHideVisible = show;
        SlideWindow(AppBarAutoHideRect(edge, rect, show, ScreenRect(), kBorder));
    }
}

void TAppBar::SlideWindow(const QRect &target)
{
    // A slide already on its way there goes on undisturbed.
    if (IsSliding() && target == m_slideTarget)
        return;
    const QRect current = geometry();
    // Hidden windows and windows being created have nothing to show on the way.
    const bool animate = m_slideEffect && m_slideTime > 0 && target != current && isVisible()
                         && !m_creating;
    if (!animate) {
        m_slideTimer->stop();
        PlaceWindow(target);
        return;
    }
    m_slideFrom = current;
    m_slideTarget = target;
    m_slideClock.start();
    m_slideTimer->start();
}

void TAppBar::SlideStep()
{
    const qint64 elapsed = m_slideClock.elapsed();
    if (elapsed >= m_slideTime) {
        FinishSlide();
        return;
    }
    PlaceWindow(AppBarSlideRect(m_slideFrom, m_slideTarget, elapsed, m_slideTime));
}

void TAppBar::FinishSlide()
{
    m_slideTimer->stop();
    // Whatever the timer's resolution, the slide ends exactly on its target.
    PlaceWindow(m_slideTarget);
    ApplySizeConstraints();
}

void TAppBar::PlaceWindow(const QRect &rect)
{
    // Qt would clamp the rectangle to the floating limits: lift them when they are in the way.
    const QSize size = rect.size();
    if (m_constrained && size != size.expandedTo(minimumSize()).boundedTo(maximumSize()))
        ClearSizeConstraints();
    m_placedRect = rect;
    setGeometry(rect);
}

void TAppBar::ApplySizeConstraints()
{
    // Docked sizes are kept by the bar's own sizing; the window manager sizes a floating bar, so
    // it is told the limits and steps.
    if (m_edge != abeFloat || m_dragMode != DragNone) {
        ClearSizeConstraints();
        return;
    }
    const TAppBarMinMax limits = AppBarMinMaxInfo(abeFloat, *m_limits, ScreenRect().size());
    const Qt::Edges sizable =
        AppBarSizingEdges(abeFloat, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge,
                          m_horzSizeInc, m_vertSizeInc);
    const QSize size = geometry().size();
    QSize minimum = limits.minimum;
    QSize maximum = limits.maximum.expandedTo(minimum);
    if (!(sizable & Qt::LeftEdge)) {
        minimum.setWidth(size.width());
        maximum.setWidth(size.width());
    }
    if (!(sizable & Qt::TopEdge)) {
        minimum.setHeight(size.height());
        maximum.setHeight(size.height());
    }
    setMinimumSize(minimum);
    setMaximumSize(maximum);
    setBaseSize(limits.minimum);
    setSizeIncrement(qMax(m_horzSizeInc, 0), qMax(m_vertSizeInc, 0));
    m_constrained = true;
}

void TAppBar::ClearSizeConstraints()
{
    if (!m_constrained)
        return;
    m_constrained = false;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setBaseSize(0, 0);
    setSizeIncrement(0, 0);
}

void TAppBar::UpdateGrip()
{
    if (!m_grip)
        return;
    const Qt::Edges inner = AppBarInnerEdge(m_edge);
    const bool sizable = m_created && IsDockingEdge(m_edge)
                         && AppBarSizingEdges(m_edge, inner, m_horzSizeInc, m_vertSizeInc) != Qt::Edges();
    if (!sizable) {
        if (m_dragMode != DragSizing)
            m_grip->hide();
        return;
    }
    const QRect r = rect();
    const int w = SizeGripWidth;
    if (inner == Qt::BottomEdge)
        m_grip->setGeometry(0, r.height() - w, r.width(), w);
    else if (inner == Qt::TopEdge)
        m_grip->setGeometry(0, 0, r.width(), w);
    else if (inner == Qt::RightEdge)
        m_grip->setGeometry(r.width() - w, 0, w, r.height());
    else
        m_grip->setGeometry(0, 0, w, r.height());
    m_grip->setCursor((inner & (Qt::TopEdge | Qt::BottomEdge)) ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    m_grip->raise();
    m_grip->show();
}

void TAppBar::SetAutoHide(bool autoHide)
{
    m_autoHide = autoHide;
    UpdateAutoHideTimer();
}

void TAppBar::UpdateAutoHideTimer()
{
    if (!m_created || !m_autoHide)
        m_autoHideTimer->stop();
    else if (!m_autoHideTimer->isActive())
        m_autoHideTimer->start();
}

void TAppBar::AutoHideTimerTick()
{
    if (!AutoHideApplies(EffectiveEdge()) || !m_autoHideVisible || m_dragMode != DragNone)
        return;
    if (isActiveWindow())
        return;
    // The pointer may stray a little beyond the bar before it hides.
    const int margin = 2 * QGuiApplication::styleHints()->mouseDoubleClickDistance();
    const QRect around = TargetRect().adjusted(-margin, -margin, margin, margin);
    if (!around.contains(QCursor::pos()))
        ShowAutoHideBar(false);
}

void TAppBar::EnterSizeMove()
{
    m_proposedEdge = EffectiveEdge();
}

QRect TAppBar::Moving(const QPoint &globalCursor, bool controlDown, const QRect &movingRect)
{
    const TAppBarEdge proposed = ProposedEdgeAt(globalCursor, controlDown);
    QRect rect = movingRect;
    if (proposed == abeFloat && IsDockingEdge(m_proposedEdge)) {
        QRect floatRect = FloatRect();
        if (floatRect.isEmpty())
            floatRect.setSize(TargetRect().size());
        rect = AppBarFloatRectAtCursor(floatRect, globalCursor);
    }
    m_proposedEdge = proposed;
    if (IsDockingEdge(proposed))
        rect = DockRect(proposed);
    ApplyFrameStyle(true, proposed);
    return rect;
}

QRect TAppBar::Sizing(Qt::Edges edges, const QRect &rect) const
{
    const TAppBarMinMax limits = MinMaxInfo();
    QRect sized = ClampAppBarRect(rect, edges, limits);
    sized = SnapAppBarRect(sized, edges, limits.minimum, m_horzSizeInc, m_vertSizeInc);
    return ClampAppBarRect(sized, edges, limits);
}

void TAppBar::ExitSizeMove()
{
    const TAppBarEdge edge = m_proposedEdge;
    m_proposedEdge = abeUnknown;
    if (edge == abeUnknown)
        return;
    const QRect rect = TargetRect();
    if (edge == m_edge) {
        if (edge == abeTop || edge == abeBottom)
            m_horzDockSize = rect.height();
        else if (edge == abeLeft || edge == abeRight)
            m_vertDockSize = rect.width();
    }
    if (edge == abeFloat) {
        if (m_edge == abeFloat)
            SetFloatRect(rect);
        else
            SetFloatRect(AppBarFloatRectAfterUndock(rect, FloatRect(), WorkAreaRect()));
    }
    SetEdge(edge);
}

void TAppBar::BeginMove()
{
    if (IsSliding())
        FinishSlide();
    m_dragMode = DragMoving;
    m_lastCursor = m_pressGlobal;
    m_dragRect = geometry();
    EnterSizeMove();
}

void TAppBar::FinishDrag()
{
    const bool dragged = m_dragMode == DragMoving || m_dragMode == DragSizing;
    m_dragMode = DragNone;
    if (dragged)
        ExitSizeMove();
}

bool TAppBar::event(QEvent *event)
{
    // Children added later (the bar's contents) must not cover the sizing zone.
    if (event->type() == QEvent::ChildAdded && m_grip && !m_grip->isHidden())
        m_grip->raise();
    return QWidget::event(event);
}

bool TAppBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_grip)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || m_dragMode != DragNone)
            return false;
        if (IsSliding())
            FinishSlide();
        m_dragMode = DragSizing;
        m_sizingEdges = AppBarSizingEdges(m_edge, AppBarInnerEdge(m_edge), m_horzSizeInc, m_vertSizeInc);
        m_pressGlobal = mouse->globalPosition().toPoint();
        m_dragRect = geometry();
        EnterSizeMove();
        return true;
    }
    case QEvent::MouseMove: {
        if (m_dragMode != DragSizing)
            return false;
        const QPoint delta =
            static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_pressGlobal;
        QRect rect = m_dragRect;
        if (m_sizingEdges & Qt::LeftEdge)
            rect.setLeft(rect.left() + delta.x());
        if (m_sizingEdges & Qt::RightEdge)
            rect.setRight(rect.right() + delta.x());
        if (m_sizingEdges & Qt::TopEdge)
            rect.setTop(rect.top() + delta.y());
        if (m_sizingEdges & Qt::BottomEdge)
            rect.setBottom(rect.bottom() + delta.y());
        PlaceWindow(Sizing(m_sizingEdges, rect.normalized()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_dragMode != DragSizing)
            return false;
        FinishDrag();
        return true;
    case QEvent::Enter:
        if (AutoHideApplies(EffectiveEdge()) && !m_autoHideVisible)
            ShowAutoHideBar(true);
        return false;
    default:
        return false;
    }
}

void TAppBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !m_created)
        return;
    if (!isActiveWindow())
        ShowAutoHideBar(false);
    m_service->Activate(this);
}

void TAppBar::enterEvent(QEnterEvent *event)
{
    if (m_created && AutoHideApplies(EffectiveEdge()) && !m_autoHideVisible)
        ShowAutoHideBar(true);
    QWidget::enterEvent(event);
}

void TAppBar::mousePressEvent(QMouseEvent *event)
{
    // Empty parts of the bar drag it; whatever lies on top of the bar keeps its clicks.
    if (event->button() == Qt::LeftButton && m_created && m_dragMode == DragNone
        && !childAt(event->position().toPoint())) {
        m_dragMode = DragPending;
        m_pressGlobal = event->globalPosition().toPoint();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TAppBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint cursor = event->globalPosition().toPoint();
    if (m_dragMode == DragPending
        && (cursor - m_pressGlobal).manhattanLength() >= QApplication::startDragDistance())
        BeginMove();
    if (m_dragMode != DragMoving) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    m_dragRect.translate(cursor - m_lastCursor);
    m_lastCursor = cursor;
    m_dragRect = Moving(cursor, event->modifiers() & Qt::ControlModifier, m_dragRect);
    PlaceWindow(m_dragRect);
    event->accept();
}

void TAppBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragMode != DragNone) {
        FinishDrag();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TAppBar::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_created)
        return;
    RememberFloatRect();
    m_service->WindowPosChanged(this);
}

void TAppBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateGrip();
    if (!m_created)
        return;
    RememberFloatRect();
    m_service->WindowPosChanged(this);
}

void TAppBar::RememberFloatRect()
{
    // A floating bar moved or sized by the window manager (its caption, its frame) floats there
    // from now on; the bar's own moves have set the float rectangle already.
    if (m_edge == abeFloat && m_dragMode == DragNone && !IsSliding() && isVisible()
        && m_frameStyle == FrameFloating)
        SetFloatRect(geometry());
}
