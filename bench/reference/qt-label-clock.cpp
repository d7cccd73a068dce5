// qt-label-clock: the least a Qt Widgets bar can do with a seconds clock, as a yardstick for the
// bar's idle cost. A window docked to the top edge (the bar's own docking) holds one plain QLabel
// whose text is the local time, set once a second; nothing else runs. bar-vs-peers.sh measures it
// beside the bar, so "what the toolkit costs for a clock" and "what the bar costs" come from the
// same run on the same machine. It prints nothing and runs until it is stopped.
#include "controls/tappbar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace {

QString ClockText()
{
    return QLocale().toString(QTime::currentTime(), QLocale::LongFormat);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    TAppBar bar;
    bar.setMinimumHeight(24);
    auto *layout = new QHBoxLayout(&bar);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addStretch(1);
    auto *clock = new QLabel(ClockText(), &bar);
    clock->setFixedWidth(200);
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(clock);

    bar.SetEdge(abeTop);
    bar.CreateAppBar();
    bar.show();

    // The same timer the bar's clock uses: whole seconds, woken together with other such timers.
    QTimer tick;
    tick.setTimerType(Qt::VeryCoarseTimer);
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, clock, [clock] { clock->setText(ClockText()); });
    tick.start();
    return app.exec();
}
