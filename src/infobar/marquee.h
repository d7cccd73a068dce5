// The marquee: a one-line text at the right end of the menu row (or of the info bar row) that shows
// one of the user's marquee lines at a time, with its tokens ("[Time()]", "[Memory(Free)]", ...)
// replaced by their current values, and moves on to the next line every frame. The last line is
// always the application's title.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QTimer;
class QWidget;
class TBLabel;
struct BarSettings;

class TMarquee : public QObject
{
    Q_OBJECT

public:
    // panel holds label (the panel's layout sizes the label to it); timer is the frame timer.
    // None is owned. The label gets the marquee's font, alignment and hover style here; its
    // colours come from the theme.
    TMarquee(QWidget *panel, TBLabel *label, QTimer *timer, QObject *parent = nullptr);
    ~TMarquee() override;

    // The two rows the panel can sit on: the menu row's layout, which holds the menu toolbar (on
    // the menu row the panel is the last item, at the right end), and the info bar. Without them
    // the panel stays where it is.
    void SetRows(QBoxLayout *menuRowLayout, QWidget *menuToolbar, QWidget *infoBar);

    // Applies the marquee settings: the lines (the title added last), visibility, rotation, frame
    // length, placement and width; shows the first frame at once when visible. The current line
    // is kept across reads.
    void ReadSettings(const BarSettings &settings);

    // One frame: moves on to the next line whose tokens all have values (with rotation on) or
    // refreshes the current one, and restarts the frame timer. Also what a click on the label does.
    void Timer_DisplayerTimer();

    // Stops the frames (the bar window closing).
    void Stop();

    const QStringList &Lines() const { return m_lines; }
    int Index() const { return m_index; }
    bool Rotation() const { return m_rotation; }
    // Shown according to the settings (also while the bar window itself is not shown yet).
    bool IsVisible() const { return m_visible; }
    bool AutoSize() const { return m_autoSize; }
    bool OnInfoBar() const;
    int PanelWidth() const;
    // The width the panel claims before the info bar's layout sizes it: its fixed width, or for an
    // auto-sized panel the width its text needs.
    int ClaimedWidth() const;
    // The width of an auto-sized panel on the info bar row, set by the info bar's layout.
    void SetWidthOnInfoBar(int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlacePanel(int position);
    void ApplyWidthAndAlignment(int width);
    void PlaceLabel();
    void AlignOnInfoBar();
    void ShowCaption(const QString &text);

    QWidget *m_panel;
    TBLabel *m_label;
    QTimer *m_timer;
    QPointer<QBoxLayout> m_menuRowLayout;
    QPointer<QWidget> m_menuToolbar;
    QPointer<QWidget> m_infoBar;

    QStringList m_lines;
    int m_index = 0;
    int m_frameLength = 10; // seconds; 0 or less: the frame never changes by itself
    bool m_rotation = false;
    bool m_visible = false;
    bool m_autoSize = false;
};
