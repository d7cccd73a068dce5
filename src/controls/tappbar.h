// TAppBar: a top-level window that docks to an edge of the primary screen and reserves its strip
// from the work area of other windows, floats as an ordinary captioned window, hides itself against
// its edge, slides when it moves and follows the user's dragging from edge to edge.
//
// Property setters only store their value, except Edge: assigning it docks, floats or
// unregisters the bar; Redock applies the other properties. The bar registers with the desktop's
// application-bar service when it is first shown (or at CreateAppBar) and docks there.
#pragma once

#include "controls/tappbartypes.h"

#include <QElapsedTimer>
#include <QRect>
#include <QWidget>

#include <memory>

class AppBarService;
class QTimer;
struct TAppBarMinMax;
struct TAppBarSizeLimits;

class TAppBar : public QWidget
{
    Q_OBJECT

public:
    // The message shown when another bar already hides itself on the chosen edge.
    static const char *const AutoHideRefusedText;
    // Width of the zone along a docked bar's inner edge that sizes it.
    static constexpr int SizeGripWidth = 4;

    // The bar talks to Current<AppBarService>() as it stands when the bar is made; a stand-in
    // installed for a test must outlive the bar.
    explicit TAppBar(QWidget *parent = nullptr);
    ~TAppBar() override;

    TAppBarFlags Flags() const { return m_flags; }
    void SetFlags(TAppBarFlags flags) { m_flags = flags; }
    int HorzSizeInc() const { return m_horzSizeInc; }
    void SetHorzSizeInc(int step);
    int VertSizeInc() const { return m_vertSizeInc; }
    void SetVertSizeInc(int step);
    TAppBarEdge Edge() const { return m_edge; }
    void SetEdge(TAppBarEdge edge);
    bool AutoHide() const { return m_autoHide; }
    void SetAutoHide(bool autoHide);
    bool AlwaysOnTop() const { return m_alwaysOnTop; }
    void SetAlwaysOnTop(bool onTop) { m_alwaysOnTop = onTop; }
    bool SlideEffect() const { return m_slideEffect; }
    void SetSlideEffect(bool slide) { m_slideEffect = slide; }
    int SlideTime() const { return m_slideTime; }
    void SetSlideTime(int milliseconds);
    int HorzDockSize() const { return m_horzDockSize; }
    void SetHorzDockSize(int size) { m_horzDockSize = size; }
    int VertDockSize() const { return m_vertDockSize; }
    void SetVertDockSize(int size) { m_vertDockSize = size; }
    int FloatLeft() const { return m_floatLeft; }
    void SetFloatLeft(int value) { m_floatLeft = value; }
    int FloatTop() const { return m_floatTop; }
    void SetFloatTop(int value) { m_floatTop = value; }
    int FloatRight() const { return m_floatRight; }
    void SetFloatRight(int value) { m_floatRight = value; }
    int FloatBottom() const { return m_floatBottom; }
    void SetFloatBottom(int value) { m_floatBottom = value; }
    // FloatLeft..FloatBottom as a rectangle (right and bottom exclusive).
    QRect FloatRect() const;
    void SetFloatRect(const QRect &rect);
    int MinWidth() const;
    void SetMinWidth(int value);
    int MinHeight() const;
    void SetMinHeight(int value);
    int MaxWidth() const;
    void SetMaxWidth(int value);
    int MaxHeight() const;
    void SetMaxHeight(int value);
    int MinHorzDockSize() const;
    void SetMinHorzDockSize(int value);
    int MinVertDockSize() const;
    void SetMinVertDockSize(int value);
    int MaxHorzDockSize() const;
    void SetMaxHorzDockSize(int value);
    int MaxVertDockSize() const;
    void SetMaxVertDockSize(int value);
    TAppBarTaskEntry TaskEntry() const { return m_taskEntry; }
    void SetTaskEntry(TAppBarTaskEntry entry) { m_taskEntry = entry; }

    // Run-time state.
    // The edge a drag or sizing under way proposes; abeUnknown when none is under way.
    TAppBarEdge ProposedEdge() const { return m_proposedEdge; }
    // The proposed edge while a drag is under way, otherwise Edge.
    TAppBarEdge EffectiveEdge() const;
    // True while the desktop reports a full-screen program.
    bool FullScreen() const { return m_fullScreen; }
    // Whether an auto-hidden bar is shown at the moment.
    bool AutoHideVisible() const { return m_autoHideVisible; }
    bool IsSliding() const;
    // Where the window is, or where a slide under way will leave it.
    QRect TargetRect() const;
    // Where the bar put its window last (or is sliding it to), whether or not the window manager
    // has reported the window there yet; empty before the bar placed it.
    QRect PlacedRect() const { return IsSliding() ? m_slideTarget : m_placedRect; }
    bool IsAppBarCreated() const { return m_created; }
    AppBarService *Service() const { return m_service; }

    // Creates the native window, registers with the service and docks at Edge; the first show does
    // this by itself. Call it earlier to have the window's geometry before it is shown.
    void CreateAppBar();
    // Assigns the effective edge to Edge again: re-applies position, size and stacking.
    void Redock();
    // Shows or hides an auto-hidden bar; a bar that does not hide marks itself shown.
    void ShowAutoHideBar(bool show);
    // Moves the window to a rectangle, animated when SlideEffect is on; the window ends exactly
    // there.
    void SlideWindow(const QRect &target);

    // The computations behind docking, for the bar's current properties.
    QRect ScreenRect() const;
    QRect WorkAreaRect() const;
    QRect DockRect(TAppBarEdge edge) const;
    QRect AutoHideRect(TAppBarEdge edge, const QRect &rect, bool visible) const;
    TAppBarEdge ProposedEdgeAt(const QPoint &globalCursor, bool controlDown) const;
    TAppBarSizeLimits SizeLimits() const;
    TAppBarMinMax MinMaxInfo() const;

    void setVisible(bool visible) override;

protected:
    // Window style for an edge: a caption when floating, none when docked. proposed is true while
    // a drag only previews the edge; the style then stays, since changing it means re-mapping the
    // window, which would end the drag.
    virtual void ApplyFrameStyle(bool proposed, TAppBarEdge edge);
    // Auto-hide was refused on the chosen edge; the bar docks normally.
    virtual void AutoHideRefused();
    virtual void FullScreenAppChanged(bool open);
    virtual void ShellPositionChanged();
    virtual void WindowsArranged(bool beginning);
    // Every message of the bar goes through here (information icon, OK button); "\r" and "\n\r"
    // are line breaks.
    virtual void ShowAppBarMessage(const QString &text);

    // The steps of a drag or a sizing by the user; the mouse handlers drive them.
    void EnterSizeMove();
    // The rectangle the window takes for a drag step to a cursor position.
    QRect Moving(const QPoint &globalCursor, bool controlDown, const QRect &movingRect);
    // The rectangle the window takes for a sizing step dragging the given edges.
    QRect Sizing(Qt::Edges edges, const QRect &rect) const;
    void ExitSizeMove();

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum DragMode { DragNone, DragPending, DragMoving, DragSizing };
    enum FrameStyle { FrameUnknown, FrameFloating, FrameDocked };

    void RegisterWithService();
    void ApplyDockEdge(TAppBarEdge edge);
    void ApplyZOrder();
    void ApplyTaskEntry(TAppBarEdge edge);
    bool AutoHideApplies(TAppBarEdge edge) const;
    void PlaceWindow(const QRect &rect);
    void SlideStep();
    void FinishSlide();
    void ApplySizeConstraints();
    void ClearSizeConstraints();
    void UpdateGrip();
    void AutoHideTimerTick();
    // The auto-hide timer runs only while auto-hide is on: a docked bar that never hides does not
    // wake up twice a second for nothing.
    void UpdateAutoHideTimer();
    void BeginMove();
    void FinishDrag();
    void RememberFloatRect();

    AppBarService *m_service = nullptr;

    TAppBarFlags m_flags;
    int m_horzSizeInc = 1;
    int m_vertSizeInc = 1;
    TAppBarEdge m_edge = abeFloat;
    bool m_autoHide = false;
    bool m_alwaysOnTop = true;
    bool m_slideEffect = true;
    int m_slideTime = 400;
    int m_horzDockSize = 32;
    int m_vertDockSize = 32;
    int m_floatLeft = 0;
    int m_floatTop = 0;
    int m_floatRight = 0;
    int m_floatBottom = 0;
    std::unique_ptr<TAppBarSizeLimits> m_limits;
    TAppBarTaskEntry m_taskEntry = abtFloatDependent;

    TAppBarEdge m_proposedEdge = abeUnknown;
    bool m_fullScreen = false;
    bool m_autoHideVisible = false;
    QTimer *m_autoHideTimer = nullptr;

    bool m_created = false;
    bool m_registered = false;
    bool m_creating = false;
    bool m_constrained = false;
    FrameStyle m_frameStyle = FrameUnknown;

    QTimer *m_slideTimer = nullptr;
    QElapsedTimer m_slideClock;
    QRect m_slideFrom;
    QRect m_slideTarget;

    DragMode m_dragMode = DragNone;
    QPoint m_pressGlobal;
    QPoint m_lastCursor;
    QRect m_dragRect;
    Qt::Edges m_sizingEdges;
    QWidget *m_grip = nullptr;
    QRect m_placedRect;
};
