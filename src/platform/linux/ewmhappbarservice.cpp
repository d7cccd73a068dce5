#include "platform/linux/ewmhappbarservice.h"

#include "platform/linux/windowmanagerreserve.h"
#include "platform/linux/x11connection.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kRight = 2;
constexpr int kBottom = 3;
// How long a window manager may take to let go of an unmapped window.
constexpr int kWithdrawWaitMs = 300;

// Marks the windows of Quorix bars, so that bars of ours can agree on who sits nearer the edge.
const QByteArray kBarMarker = QByteArrayLiteral("_QUORIX_APPBAR");

xcb_ewmh_wm_strut_partial_t zeroStrut()
{
    xcb_ewmh_wm_strut_partial_t strut;
    std::memset(&strut, 0, sizeof(strut));
    return strut;
}

QList<quint32> strutValues(const xcb_ewmh_wm_strut_partial_t &s)
{
    return {s.left,         s.right,      s.top,           s.bottom,
            s.left_start_y, s.left_end_y, s.right_start_y, s.right_end_y,
            s.top_start_x,  s.top_end_x,  s.bottom_start_x, s.bottom_end_x};
}

bool isZero(const xcb_ewmh_wm_strut_partial_t &s)
{
    return s.left == 0 && s.right == 0 && s.top == 0 && s.bottom == 0;
}

// Whether a strut's range [start, end] meets [low, high]; a strut with a reversed range is read
// as covering the whole edge (clients that mean "everything" write 0, 0).
bool rangeMeets(quint32 start, quint32 end, int low, int high)
{
    if (end < start || (start == 0 && end == 0))
        return true;
    return qint64(start) <= high && qint64(end) >= low;
}

// The bar's X window. Qt drops a widget's handle when its window flags change and hands the same
// window out again from winId(), so the handle is asked for rather than read.
xcb_window_t windowOf(QWidget *bar)
{
    return bar ? xcb_window_t(bar->winId()) : xcb_window_t(XCB_WINDOW_NONE);
}

} // namespace

EwmhAppBarService::EwmhAppBarService(QObject *parent)
    : EwmhAppBarService(&X11Connection::Instance(), parent)
{
}

EwmhAppBarService::EwmhAppBarService(X11Connection *x11, QObject *parent)
    : AppBarService(parent), m_x11(x11)
{
}

EwmhAppBarService::~EwmhAppBarService()
{
    StopWatching();
}

bool EwmhAppBarService::IsAvailable()
{
    if (!m_x11 || !m_x11->IsValid() || !m_x11->Ewmh())
        return false;
    if (!m_wmPresent)
        m_wmPresent = m_x11->HasEwmhWindowManager();
    return *m_wmPresent;
}

bool EwmhAppBarService::Register(QWidget *bar)
{
    if (!bar || !m_x11 || !m_x11->IsValid())
        return true;
    m_x11->SetCardinals(windowOf(bar), m_x11->Atom(kBarMarker), {1});
    StartWatching();
    return true;
}

void EwmhAppBarService::Remove(QWidget *bar)
{
    const xcb_window_t window = windowOf(bar);
    if (!m_x11 || !m_x11->IsValid() || window == XCB_WINDOW_NONE)
        return;
    if (m_writtenStruts.contains(window))
        WriteStruts(window, zeroStrut());
    m_writtenStruts.remove(window);
    for (int edge = kLeft; edge <= kBottom; ++edge) {
        if (GetAutoHideBar(edge) == window)
            SetAutoHideBar(bar, edge, false);
    }
    m_x11->DeleteProperty(window, m_x11->Atom(kBarMarker));
    m_x11->Flush();
}

QRect EwmhAppBarService::QueryPos(QWidget *bar, int edge, const QRect &rect)
{
    if (edge < kLeft || edge > kBottom || !IsAvailable())
        return rect;
    const QRect native = ToNative(bar, rect);
    const xcb_window_t own = bar ? xcb_window_t(bar->internalWinId()) : xcb_window_t(XCB_WINDOW_NONE);
    const QSize root = m_x11->RootSize();
    QRect adjusted = AdjustForStruts(edge, native, StrutsToAvoid(own), root);
    // The window manager's own bars (no clients, no struts) show only in the work area.
    adjusted = WindowManagerReserve::Apply(edge, adjusted, LearnWindowManagerReserve(), root);
    return adjusted == native ? rect : FromNative(bar, adjusted);
}

QRect EwmhAppBarService::SetPos(QWidget *bar, int edge, const QRect &rect)
{
    const xcb_window_t window = windowOf(bar);
    if (window == XCB_WINDOW_NONE || !IsAvailable())
        return rect;
    WriteStruts(window, StrutForRect(edge, ToNative(bar, rect), m_x11->RootSize()));
    return rect;
}

WId EwmhAppBarService::GetAutoHideBar(int edge)
{
    const xcb_atom_t atom = AutoHideAtom(edge);
    if (atom == XCB_ATOM_NONE || !IsAvailable())
        return 0;
    const xcb_window_t holder = m_x11->GetWindow(m_x11->Root(), atom);
    // A bar that died without releasing its edge holds nothing.
    if (holder == XCB_WINDOW_NONE || !m_x11->WindowExists(holder))
        return 0;
    return holder;
}

bool EwmhAppBarService::SetAutoHideBar(QWidget *bar, int edge, bool claim)
{
    const xcb_window_t window = windowOf(bar);
    const xcb_atom_t atom = AutoHideAtom(edge);
    if (window == XCB_WINDOW_NONE || atom == XCB_ATOM_NONE || !IsAvailable())
        return true;
    bool granted = true;
    // Another process may claim the same edge at the same moment: read and write under a grab.
    m_x11->GrabServer();
    const WId holder = GetAutoHideBar(edge);
    if (claim) {
        if (holder != 0 && holder != window)
            granted = false;
        else
            m_x11->SetWindows(m_x11->Root(), atom, {window});
    } else if (holder == window || holder == 0) {
        m_x11->DeleteProperty(m_x11->Root(), atom);
    }
    m_x11->UngrabServer();
    return granted;
}

void EwmhAppBarService::Activate(QWidget *)
{
    // The window manager keeps docks in their layer by itself.
}

void EwmhAppBarService::WindowPosChanged(QWidget *)
{
    // Struts follow SetPos; nothing else depends on the window's place.
}

void EwmhAppBarService::SetZOrder(QWidget *bar, ZOrder order)
{
    const xcb_window_t window = windowOf(bar);
    if (window == XCB_WINDOW_NONE || !IsAvailable())
        return;
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    for (const StackingRequest &request : StackingRequests(order))
        SetStates(window, request.on, request.above ? ewmh->_NET_WM_STATE_ABOVE : ewmh->_NET_WM_STATE_BELOW);
    m_x11->Flush();
}

void EwmhAppBarService::SetTaskbarEntryVisible(QWidget *bar, bool visible)
{
    const xcb_window_t window = windowOf(bar);
    if (window == XCB_WINDOW_NONE || !IsAvailable())
        return;
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    SetStates(window, !visible, ewmh->_NET_WM_STATE_SKIP_TASKBAR, ewmh->_NET_WM_STATE_SKIP_PAGER);
    m_x11->Flush();
}

void EwmhAppBarService::SetWindowDocked(QWidget *bar, bool docked)
{
    const xcb_window_t window = windowOf(bar);
    xcb_ewmh_connection_t *ewmh = m_x11 ? m_x11->Ewmh() : nullptr;
    if (window == XCB_WINDOW_NONE || !ewmh)
        return;
    // Read by the window manager when the window maps; the bar is hidden while this changes. A
    // window manager that is still letting go of the window would erase what is written now.
    WaitUntilWithdrawn(window);
    xcb_atom_t type = docked ? ewmh->_NET_WM_WINDOW_TYPE_DOCK : ewmh->_NET_WM_WINDOW_TYPE_NORMAL;
    xcb_ewmh_set_wm_window_type(ewmh, window, 1, &type);
    xcb_ewmh_set_wm_desktop(ewmh, window, 0xFFFFFFFFu);
    m_x11->Flush();
}

bool EwmhAppBarService::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_watching || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if (X11Connection::EventType(event) != XCB_PROPERTY_NOTIFY)
        return false;
    auto *notify = reinterpret_cast<xcb_property_notify_event_t *>(event);
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    if (notify->window == m_x11->Root()) {
        if (notify->atom == ewmh->_NET_WORKAREA) {
            m_workAreaDirty = true;
            ScheduleCheck();
        } else if (notify->atom == ewmh->_NET_ACTIVE_WINDOW) {
            m_activeDirty = true;
            ScheduleCheck();
        } else if (notify->atom == ewmh->_NET_CLIENT_LIST) {
            // A window manager may announce a panel's work area before the panel is a client.
            m_clientsDirty = true;
            ScheduleCheck();
        } else if (notify->atom == ewmh->_NET_SUPPORTING_WM_CHECK) {
            m_wmDirty = true;
            ScheduleCheck();
        }
    } else if (notify->window == m_activeWindow && notify->atom == ewmh->_NET_WM_STATE) {
        m_activeDirty = true;
        ScheduleCheck();
    }
    return false; // Qt needs these events too
}

xcb_ewmh_wm_strut_partial_t EwmhAppBarService::StrutForRect(int edge, const QRect &rect,
                                                             const QSize &root)
{
    xcb_ewmh_wm_strut_partial_t s = zeroStrut();
    if (rect.isEmpty())
        return s;
    const QRect r = rect.intersected(QRect(QPoint(0, 0), root));
    if (r.isEmpty())
        return s;
    switch (edge) {
    case kLeft:
        s.left = quint32(r.x() + r.width());
        s.left_start_y = quint32(r.top());
        s.left_end_y = quint32(r.bottom());
        break;
    case kTop:
        s.top = quint32(r.y() + r.height());
        s.top_start_x = quint32(r.left());
        s.top_end_x = quint32(r.right());
        break;
    case kRight:
        s.right = quint32(root.width() - r.x());
        s.right_start_y = quint32(r.top());
        s.right_end_y = quint32(r.bottom());
        break;
    case kBottom:
        s.bottom = quint32(root.height() - r.y());
        s.bottom_start_x = quint32(r.left());
        s.bottom_end_x = quint32(r.right());
        break;
    default:
        break;
    }
    return s;
}

QList<EwmhAppBarService::StackingRequest> EwmhAppBarService::StackingRequests(ZOrder order)
{
    // The layer given up goes first: xfwm4 puts a window back in the normal layer when it loses
    // BELOW, whatever it had just been granted, so an "above" asked for before would be lost.
    const bool above = order == ZOrderTopMost;
    const bool below = order == ZOrderBottom;
    QList<StackingRequest> requests;
    if (!above)
        requests.append({true, false});
    if (!below)
        requests.append({false, false});
    if (above)
        requests.append({true, true});
    if (below)
        requests.append({false, true});
    return requests;
}

QRect EwmhAppBarService::AdjustForStruts(int edge, const QRect &rect,
                                         const QList<xcb_ewmh_wm_strut_partial_t> &struts,
                                         const QSize &root)
{
    QRect r = rect;
    for (const xcb_ewmh_wm_strut_partial_t &s : struts) {
        switch (edge) {
        case kLeft:
            if (s.left > 0 && rangeMeets(s.left_start_y, s.left_end_y, rect.top(), rect.bottom()))
                r.setLeft(std::max(r.left(), int(s.left)));
            break;
        case kTop:
            if (s.top > 0 && rangeMeets(s.top_start_x, s.top_end_x, rect.left(), rect.right()))
                r.setTop(std::max(r.top(), int(s.top)));
            break;
        case kRight:
            if (s.right > 0 && rangeMeets(s.right_start_y, s.right_end_y, rect.top(), rect.bottom()))
                r.setRight(std::min(r.right(), root.width() - int(s.right) - 1));
            break;
        case kBottom:
            if (s.bottom > 0
                && rangeMeets(s.bottom_start_x, s.bottom_end_x, rect.left(), rect.right()))
                r.setBottom(std::min(r.bottom(), root.height() - int(s.bottom) - 1));
            break;
        default:
            break;
        }
    }
    return r;
}

void EwmhAppBarService::StartWatching()
{
    // Watched even without a window manager, so that one starting later is noticed.
    if (m_watching || !qApp || !m_x11 || !m_x11->IsValid() || !m_x11->Ewmh())
        return;
    m_watching = true;
    qApp->installNativeEventFilter(this);
    m_x11->AddEventMask(m_x11->Root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    m_lastWorkArea = m_x11->GetCardinals(m_x11->Root(), m_x11->Ewmh()->_NET_WORKAREA);
    for (const xcb_ewmh_wm_strut_partial_t &s : StrutsToAvoid(XCB_WINDOW_NONE))
        m_lastClientStruts.append(strutValues(s));
    m_activeDirty = true;
    ScheduleCheck();
}

void EwmhAppBarService::StopWatching()
{
    if (!m_watching)
        return;
    m_watching = false;
    if (qApp)
        qApp->removeNativeEventFilter(this);
    if (qApp && m_maskAddedOnActive)
        m_x11->RemoveEventMask(m_activeWindow, XCB_EVENT_MASK_PROPERTY_CHANGE);
    m_maskAddedOnActive = false;
    m_activeWindow = XCB_WINDOW_NONE;
}

QList<xcb_ewmh_wm_strut_partial_t> EwmhAppBarService::StrutsToAvoid(xcb_window_t own)
{
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    const QList<xcb_window_t> clients = m_x11->GetWindows(m_x11->Root(), ewmh->_NET_CLIENT_LIST);
    // Bars of ours yield to the ones that were mapped before them (the client list is in mapping
    // order), so two of them never push each other back and forth; any other panel counts always,
    // since it will not move for us.
    const qsizetype ownIndex = clients.indexOf(own);
    QList<xcb_window_t> candidates;
    for (qsizetype i = 0; i < clients.size(); ++i) {
        const xcb_window_t client = clients.at(i);
        if (client == own)
            continue;
        const bool ours = !m_x11->GetCardinals(client, m_x11->Atom(kBarMarker)).isEmpty();
        if (ours && ownIndex >= 0 && i > ownIndex)
            continue;
        candidates.append(client);
    }
    QList<xcb_get_property_cookie_t> partialCookies;
    QList<xcb_get_property_cookie_t> plainCookies;
    for (xcb_window_t client : candidates) {
        partialCookies.append(xcb_ewmh_get_wm_strut_partial(ewmh, client));
        plainCookies.append(xcb_ewmh_get_wm_strut(ewmh, client));
    }
    const QSize root = m_x11->RootSize();
    QList<xcb_ewmh_wm_strut_partial_t> struts;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        xcb_ewmh_wm_strut_partial_t partial = zeroStrut();
        xcb_ewmh_get_extents_reply_t plain;
        std::memset(&plain, 0, sizeof(plain));
        xcb_generic_error_t *error = nullptr;
        const bool hasPartial =
            xcb_ewmh_get_wm_strut_partial_reply(ewmh, partialCookies.at(i), &partial, &error);
        std::free(error);
        error = nullptr;
        const bool hasPlain = xcb_ewmh_get_wm_strut_reply(ewmh, plainCookies.at(i), &plain, &error);
        std::free(error);
        if (!hasPartial && hasPlain) {
            // The older property reserves the whole length of each edge.
            partial.left = plain.left;
            partial.right = plain.right;
            partial.top = plain.top;
            partial.bottom = plain.bottom;
            partial.left_end_y = partial.right_end_y = quint32(std::max(root.height() - 1, 0));
            partial.top_end_x = partial.bottom_end_x = quint32(std::max(root.width() - 1, 0));
        }
        if ((hasPartial || hasPlain) && !isZero(partial))
            struts.append(partial);
    }
    return struts;
}

QMargins EwmhAppBarService::LearnWindowManagerReserve()
{
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    const QList<quint32> workAreas = m_x11->GetCardinals(m_x11->Root(), ewmh->_NET_WORKAREA);
    const QList<quint32> current = m_x11->GetCardinals(m_x11->Root(), ewmh->_NET_CURRENT_DESKTOP);
    qsizetype desktop = current.isEmpty() ? 0 : qsizetype(current.first());
    if ((desktop + 1) * 4 > workAreas.size())
        desktop = 0;
    if (workAreas.size() < 4)
        return m_windowManagerReserve.Known();
    const QRect workArea{int(workAreas[desktop * 4]), int(workAreas[desktop * 4 + 1]),
                         int(workAreas[desktop * 4 + 2]), int(workAreas[desktop * 4 + 3])};
    // Every client's strut, our bars' included: what they explain is not the window manager's.
    // Ours are counted from what we wrote, since fluxbox leaves docks out of its client list.
    QMargins clients;
    const auto include = [&clients](quint32 left, quint32 right, quint32 top, quint32 bottom) {
        clients = QMargins(std::max(clients.left(), int(left)), std::max(clients.top(), int(top)),
                           std::max(clients.right(), int(right)), std::max(clients.bottom(), int(bottom)));
    };
    for (const xcb_ewmh_wm_strut_partial_t &s : StrutsToAvoid(XCB_WINDOW_NONE))
        include(s.left, s.right, s.top, s.bottom);
    for (const QList<quint32> &written : std::as_const(m_writtenStruts))
        include(written.value(0), written.value(1), written.value(2), written.value(3));
    return m_windowManagerReserve.Update(workArea, m_x11->RootSize(), clients);
}

void EwmhAppBarService::WriteStruts(xcb_window_t window, const xcb_ewmh_wm_strut_partial_t &strut)
{
    const QList<quint32> values = strutValues(strut);
    // Rewriting unchanged struts would make the window manager announce a new work area, which
    // makes every bar dock again.
    if (m_writtenStruts.value(window) == values && m_writtenStruts.contains(window))
        return;
    m_writtenStruts.insert(window, values);
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    xcb_ewmh_set_wm_strut_partial(ewmh, window, strut);
    xcb_ewmh_set_wm_strut(ewmh, window, strut.left, strut.right, strut.top, strut.bottom);
    m_x11->Flush();
}

void EwmhAppBarService::SetStates(xcb_window_t window, bool on, xcb_atom_t first, xcb_atom_t second)
{
    xcb_ewmh_connection_t *ewmh = m_x11->Ewmh();
    // A window the window manager does not manage yet (no WM_STATE) carries its wishes in the
    // property, read when it is mapped; a managed one must ask the window manager.
    if (m_x11->GetProperty(window, m_x11->Atom("WM_STATE"), XCB_GET_PROPERTY_TYPE_ANY, 32).isEmpty()) {
        QList<xcb_atom_t> states = m_x11->GetAtoms(window, ewmh->_NET_WM_STATE);
        const QList<xcb_atom_t> before = states;
        for (xcb_atom_t atom : {first, second}) {
            if (atom == XCB_ATOM_NONE)
                continue;
            if (on && !states.contains(atom))
                states.append(atom);
            else if (!on)
                states.removeAll(atom);
        }
        if (states != before)
            m_x11->SetAtoms(window, ewmh->_NET_WM_STATE, states);
    }
    xcb_ewmh_request_change_wm_state(ewmh, m_x11->ScreenNumber(), window,
                                     on ? XCB_EWMH_WM_STATE_ADD : XCB_EWMH_WM_STATE_REMOVE, first,
                                     second, XCB_EWMH_CLIENT_SOURCE_TYPE_NORMAL);
}

void EwmhAppBarService::WaitUntilWithdrawn(xcb_window_t window)
{
    if (!IsAvailable() || m_x11->IsMapped(window))
        return;
    // ICCCM: the window manager removes WM_STATE (or sets it to Withdrawn) once it has let go.
    const xcb_atom_t wmState = m_x11->Atom("WM_STATE");
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWithdrawWaitMs) {
        const QByteArray state = m_x11->GetProperty(window, wmState, XCB_GET_PROPERTY_TYPE_ANY, 32);
        if (state.size() < 4 || *reinterpret_cast<const quint32 *>(state.constData()) == 0)
            return;
        QThread::msleep(2);
    }
}

xcb_atom_t EwmhAppBarService::AutoHideAtom(int edge)
{
    static const char *const names[] = {"LEFT", "TOP", "RIGHT", "BOTTOM"};
    if (edge < kLeft || edge > kBottom || !m_x11 || !m_x11->IsValid())
        return XCB_ATOM_NONE;
    return m_x11->Atom(QByteArrayLiteral("_QUORIX_AUTOHIDE_") + names[edge]);
}

QRect EwmhAppBarService::ToNative(QWidget *bar, const QRect &rect) const
{
    const qreal scale = bar ? bar->devicePixelRatioF() : 1.0;
    if (qFuzzyCompare(scale, 1.0))
        return rect;
    return QRect(qRound(rect.x() * scale), qRound(rect.y() * scale), qRound(rect.width() * scale),
                 qRound(rect.height() * scale));
}

QRect EwmhAppBarService::FromNative(QWidget *bar, const QRect &rect) const
{
    const qreal scale = bar ? bar->devicePixelRatioF() : 1.0;
    if (qFuzzyCompare(scale, 1.0))
        return rect;
    return QRect(qRound(rect.x() / scale), qRound(rect.y() / scale), qRound(rect.width() / scale),
                 qRound(rect.height() / scale));
}

void EwmhAppBarService::ScheduleCheck()
{
    // Property changes come in bursts and arrive inside Qt's event dispatch: react once, later.
    if (m_checkScheduled)
        return;
    m_checkScheduled = true;
    QTimer::singleShot(0, this, &EwmhAppBarService::RunChecks);
}

void EwmhAppBarService::RunChecks()
{
    m_checkScheduled = false;
    if (!m_watching)
        return;
    if (m_wmDirty) {
        m_wmDirty = false;
        const bool before = m_wmPresent.value_or(false);
        m_wmPresent.reset();
        if (IsAvailable() && !before) {
            // A window manager arrived: the bars reserve their strips again.
            m_workAreaDirty = true;
            m_activeDirty = true;
            m_writtenStruts.clear();
            Q_EMIT PositionChanged();
        }
    }
    if (!IsAvailable())
        return;
    if (m_workAreaDirty) {
        m_workAreaDirty = false;
        CheckWorkArea();
    }
    if (m_clientsDirty) {
        m_clientsDirty = false;
        CheckClientStruts();
    }
    if (m_activeDirty) {
        m_activeDirty = false;
        CheckActiveWindow();
        CheckFullScreen();
    }
}

void EwmhAppBarService::CheckWorkArea()
{
    const QList<quint32> workArea = m_x11->GetCardinals(m_x11->Root(), m_x11->Ewmh()->_NET_WORKAREA);
    // Window managers rewrite the property even when nothing changed.
    if (workArea == m_lastWorkArea)
        return;
    m_lastWorkArea = workArea;
    Q_EMIT PositionChanged();
}

void EwmhAppBarService::CheckClientStruts()
{
    QList<QList<quint32>> struts;
    for (const xcb_ewmh_wm_strut_partial_t &s : StrutsToAvoid(XCB_WINDOW_NONE))
        struts.append(strutValues(s));
    // Windows come and go all the time; only a new or vanished strut moves bars.
    if (struts == m_lastClientStruts)
        return;
    m_lastClientStruts = struts;
    Q_EMIT PositionChanged();
}

void EwmhAppBarService::CheckActiveWindow()
{
    const xcb_window_t active = m_x11->GetWindow(m_x11->Root(), m_x11->Ewmh()->_NET_ACTIVE_WINDOW);
    if (active == m_activeWindow)
        return;
    if (m_maskAddedOnActive)
        m_x11->RemoveEventMask(m_activeWindow, XCB_EVENT_MASK_PROPERTY_CHANGE);
    m_activeWindow = active;
    // Watch the active window's state, so a program that turns full-screen later is noticed too.
    m_maskAddedOnActive = m_x11->AddEventMask(active, XCB_EVENT_MASK_PROPERTY_CHANGE);
}

void EwmhAppBarService::CheckFullScreen()
{
    bool fullScreen = false;
    if (m_activeWindow != XCB_WINDOW_NONE) {
        fullScreen = m_x11->GetAtoms(m_activeWindow, m_x11->Ewmh()->_NET_WM_STATE)
                         .contains(m_x11->Ewmh()->_NET_WM_STATE_FULLSCREEN);
    }
    if (fullScreen == m_fullScreen)
        return;
    m_fullScreen = fullScreen;
    Q_EMIT FullScreenAppChanged(fullScreen);
}
