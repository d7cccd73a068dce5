// What the benchmarks share: the best of a few runs of a piece of work.
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// The best of a few runs, in milliseconds: the least disturbed by whatever else the machine does.
template <typename Work>
double BestOf(int runs, Work work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
