// The application-bar service on X11 desktops whose window manager follows the EWMH: a docked bar
// is a _NET_WM_WINDOW_TYPE_DOCK window that reserves its strip with _NET_WM_STRUT_PARTIAL; the
// window manager shrinks _NET_WORKAREA for everyone else.
//
// Without the xcb platform or without an EWMH window manager every call does nothing and QueryPos
// gives the rectangle back unchanged; only the window kind (dock or normal, on every desktop) is
// still written on the bar's own window, where a window manager started later will find it.
#pragma once

#include "platform/appbarservice.h"
#include "platform/linux/windowmanagerreserve.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>

#include <optional>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

class X11Connection;

class EwmhAppBarService : public AppBarService, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Uses the application's own display connection.
    explicit EwmhAppBarService(QObject *parent = nullptr);
    // Uses the given connection (not owned).
    explicit EwmhAppBarService(X11Connection *x11, QObject *parent = nullptr);
    ~EwmhAppBarService() override;

    // An X display and an EWMH window manager are there.
    bool IsAvailable();

    bool Register(QWidget *bar) override;
    void Remove(QWidget *bar) override;
    QRect QueryPos(QWidget *bar, int edge, const QRect &rect) override;
    QRect SetPos(QWidget *bar, int edge, const QRect &rect) override;
    WId GetAutoHideBar(int edge) override;
    bool SetAutoHideBar(QWidget *bar, int edge, bool claim) override;
    void Activate(QWidget *bar) override;
    void WindowPosChanged(QWidget *bar) override;
    void SetZOrder(QWidget *bar, ZOrder order) override;
    void SetTaskbarEntryVisible(QWidget *bar, bool visible) override;
    void SetWindowDocked(QWidget *bar, bool docked) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // The struts that reserve a bar's rectangle (root pixels) on an edge; all zero for an empty
    // rectangle or an edge that is not a docking edge.
    static xcb_ewmh_wm_strut_partial_t StrutForRect(int edge, const QRect &rect, const QSize &root);
    // Moves the outer side of a rectangle proposed on an edge past every strut on that edge whose
    // range overlaps it.
    static QRect AdjustForStruts(int edge, const QRect &rect,
                                 const QList<xcb_ewmh_wm_strut_partial_t> &struts, const QSize &root);

    // The _NET_WM_STATE requests that give the bar a stacking order, in the order they are sent:
    // ABOVE (above) or BELOW (not above) added (on) or removed.
    struct StackingRequest
    {
        bool above;
        bool on;
        bool operator==(const StackingRequest &) const = default;
    };
    static QList<StackingRequest> StackingRequests(ZOrder order);

private:
    void StartWatching();
    void StopWatching();
    // The struts of the bars a new bar on an edge must keep clear of (see QueryPos).
    QList<xcb_ewmh_wm_strut_partial_t> StrutsToAvoid(xcb_window_t own);
    void WriteStruts(xcb_window_t window, const xcb_ewmh_wm_strut_partial_t &strut);
    void WaitUntilWithdrawn(xcb_window_t window);
    void SetStates(xcb_window_t window, bool on, xcb_atom_t first, xcb_atom_t second = XCB_ATOM_NONE);
    xcb_atom_t AutoHideAtom(int edge);
    QRect ToNative(QWidget *bar, const QRect &rect) const;
    QRect FromNative(QWidget *bar, const QRect &rect) const;
    void ScheduleCheck();
    void RunChecks();
    void CheckWorkArea();
    void CheckClientStruts();
    // The window manager's own reserve on each edge, learnt afresh from the work area.
    QMargins LearnWindowManagerReserve();
    void CheckActiveWindow();
    void CheckFullScreen();

    X11Connection *m_x11;
    std::optional<bool> m_wmPresent;
    bool m_watching = false;
    bool m_checkScheduled = false;
    bool m_workAreaDirty = false;
    bool m_activeDirty = false;
    bool m_wmDirty = false;
    bool m_clientsDirty = false;
    QList<QList<quint32>> m_lastClientStruts;
    WindowManagerReserve m_windowManagerReserve;
    QList<quint32> m_lastWorkArea;
    xcb_window_t m_activeWindow = XCB_WINDOW_NONE;
    bool m_maskAddedOnActive = false;
    bool m_fullScreen = false;
    QHash<xcb_window_t, QList<quint32>> m_writtenStruts;
};
