// The info bar: the bar window's second row with one gradient meter per active info bar object
// (processor load, memory in use, battery charge, disk usage), each refreshed on its own interval by
// one shared one-second timer. The bar window owns the controller; the controller owns the meters.
#pragma once

#include "infobar/infobarsettings.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;
class QWidget;
class TMarquee;
class TQuorixBProgressBar;
struct ThemeColors;

class TInfoBarController : public QObject
{
    Q_OBJECT

public:
    // infoBar is the row the meters sit on; infoBarTimer drives the refreshes (its interval is
    // set to one second). Neither is owned.
    TInfoBarController(QWidget *infoBar, QTimer *infoBarTimer, QObject *parent = nullptr);
    ~TInfoBarController() override;

    // The marquee, whose panel may sit on the info bar row and then takes its share of it.
    void SetMarquee(TMarquee *marquee);

    // Rebuilds every meter from settings.ini with the theme's info bar colours.
    void GenerateInfoBar(const ThemeColors &theme);
    // The same from settings already read.
    void GenerateInfoBar(const InfoBarSettings &settings, const ThemeColors &theme);

    // One tick: counts every meter down and refreshes those that are due.
    void InfoBarTimerTimer();
    // A click refreshes the meter at once unless it is refreshed every second anyway.
    void InfoBarProgressClick(TQuorixBProgressBar *bar);
    // A double click opens the system monitor (processor, memory), the power settings (battery) or
    // the disk's folder in the file manager.
    void InfoBarProgressDblClick(TQuorixBProgressBar *bar);

    // Stops the timer and frees every meter (the bar window closing, or before a rebuild).
    void FreeBars();

    const QList<TQuorixBProgressBar *> &Bars() const { return m_bars; }

protected:
    // The meters follow the bar window's width: it is often set only when the bar docks, after
    // the meters were built.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Layout
    {
        int barWidth = 0;
        int marqueeWidth = -1; // -1: leave the marquee panel as it is
    };
    Layout ComputeLayout(const InfoBarSettings &settings, int count) const;
    void ApplyLayout();
    bool MarqueeOnInfoBar() const;
    int ObjectCode(const QString &object);
    TQuorixBProgressBar *CreateBar(const QString &text, const ThemeColors &theme);
    void ApplyTheme(TQuorixBProgressBar *bar, const ThemeColors &theme) const;
    int ValueOrError(TQuorixBProgressBar *bar, QString *error);
    void ReportError(const QString &message);

    // The bar window may destroy the row and the timer before the controller.
    QPointer<QWidget> m_infoBar;
    QPointer<QTimer> m_timer;
    QPointer<TMarquee> m_marquee;
    QList<TQuorixBProgressBar *> m_bars;
    InfoBarSettings m_settings;     // as the meters were last built
    QPointer<QWidget> m_window;     // the window whose width the meters share
    bool m_inTick = false;
    // The processor error last shown; the same error is not shown again every second.
    QString m_shownError;
};
