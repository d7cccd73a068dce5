// What the bar costs while nobody uses it: four info bar meters (processor, memory, battery and
// the disk "/") refreshed every second and a clock marquee refreshed every second, on the running
// machine, painted by the offscreen platform.
//
// Usage: bench_idle [simulated-seconds [real-seconds]]   (defaults 3600 and 10); the real run also
// counts the paints of the meters and the marquee label (what reaches the screen each second).
// First the one-second ticks are run back to back (the logic and the repaints of meters whose
// value changed); then the real timers run for a while, event loop included. Both are reported as
// processor time per minute of idle bar.
#include "foundation/barsettings.h"
#include "appearance/themecolors.h"
#include "controls/tblabel.h"
#include "infobar/infobar.h"
#include "infobar/marquee.h"
#include "infobar/tquorixbprogressbar.h"

#include <QApplication>
#include <QEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

struct Usage
{
    double cpuMs = 0;   // user + system
    long maxRssKiB = 0;
};

Usage Now()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss};
}

// Counts the paint events of the widgets it watches: what reaches the screen each second.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

QString Object(const char *object, const char *prefix)
{
    return QStringLiteral("object:\"%1\"; prefix:\"%2\"; interval:\"1\"; active:\"1\";")
        .arg(QLatin1String(object), QLatin1String(prefix));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int simulated = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3600;
    const int real = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10;

    // The bar window's two rows, as the bar builds them.
    QWidget window;
    window.resize(1280, 44);
    auto *column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *menuRow = new QWidget(&window);
    menuRow->setFixedHeight(22);
    auto *row = new QHBoxLayout(menuRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *toolbar = new QWidget(menuRow);
    row->addWidget(toolbar, 1);
    auto *panel = new QWidget(menuRow);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    auto *label = new TBLabel(panel);
    panelLayout->addWidget(label);
    row->addWidget(panel);
    column->addWidget(menuRow);
    auto *infoBar = new QWidget(&window);
    infoBar->setFixedHeight(22);
    column->addWidget(infoBar);
    QTimer infoBarTimer;
    QTimer frameTimer;

    TMarquee marquee(panel, label, &frameTimer);
    marquee.SetRows(row, toolbar, infoBar);
    TInfoBarController infoBarController(infoBar, &infoBarTimer);
    infoBarController.SetMarquee(&marquee);

    BarSettings marqueeSettings;
    marqueeSettings.marqueeLines = {QStringLiteral("[Time()]")};
    marqueeSettings.marqueeTimer = false; // the clock line is refreshed every frame
    marqueeSettings.marqueeFrameLength = 1;
    InfoBarSettings infoBarSettings;
    infoBarSettings.enabled = true;
    infoBarSettings.objects = {Object("0", "CPU:"), Object("1", "RAM:"), Object("2", "Power:"),
                               Object("C", "/:")};

    window.show();
    marquee.ReadSettings(marqueeSettings);
    infoBarController.GenerateInfoBar(infoBarSettings, DefaultThemeColors());
    app.processEvents();
    std::printf("meters: %lld, marquee: \"%s\"\n", qlonglong(infoBarController.Bars().size()),
                qPrintable(label->text()));

    // --- simulated seconds: the two handlers back to back ------------------------------------
    infoBarTimer.stop();
    frameTimer.stop();
    for (int i = 0; i < 60; ++i) { // warm up
        infoBarController.InfoBarTimerTimer();
        marquee.Timer_DisplayerTimer();
        app.processEvents();
    }
    frameTimer.stop();
    const Usage before = Now();
    QElapsedTimer wall;
    wall.start();
    for (int second = 0; second < simulated; ++second) {
        infoBarController.InfoBarTimerTimer();
        marquee.Timer_DisplayerTimer();
        app.processEvents();
    }
    frameTimer.stop();
    const Usage after = Now();
    const double cpuMs = after.cpuMs - before.cpuMs;
    std::printf("simulated: %d one-second ticks in %.1f ms wall, %.1f ms processor\n", simulated,
                double(wall.nsecsElapsed()) / 1e6, cpuMs);
    std::printf("  per tick (4 meters + clock): %8.1f us\n", cpuMs * 1000.0 / simulated);
    std::printf("  per minute of idle bar:      %8.2f ms processor\n", cpuMs * 60.0 / simulated);
    std::printf("  peak resident: %ld KiB before, %ld KiB after\n", before.maxRssKiB, after.maxRssKiB);

    // --- real seconds: the timers as the bar runs them -----------------------------------------
    if (real > 0) {
        infoBarController.GenerateInfoBar(infoBarSettings, DefaultThemeColors());
        marquee.ReadSettings(marqueeSettings);
        PaintCounter counter;
        label->installEventFilter(&counter);
        for (TQuorixBProgressBar *bar : infoBarController.Bars())
            bar->installEventFilter(&counter);
        const Usage start = Now();
        QTimer::singleShot(real * 1000, &app, &QCoreApplication::quit);
        app.exec();
        const Usage end = Now();
        const double ms = end.cpuMs - start.cpuMs;
        std::printf("real timers: %d s, %.1f ms processor, %.2f ms per minute, peak resident %ld KiB\n",
                    real, ms, ms * 60.0 / real, end.maxRssKiB);
        std::printf("  paints of the meters and the marquee: %.1f per second\n", double(counter.paints) / real);
    }
    infoBarController.FreeBars();
    marquee.Stop();
    return 0;
}
