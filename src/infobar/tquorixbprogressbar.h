// TQuorixBProgressBar: one meter of the info bar. A gradient progress bar that knows which figure
// it shows (Tag), the object it was built from, and when it is next due for a refresh.
#pragma once

#include "controls/tbprogressbar.h"

#include <QString>
#include <QtGlobal>

class TQuorixBProgressBar : public TBProgressBar
{
    Q_OBJECT

public:
    // Tag of a meter whose object could not be set up: it shows " Error " and is never refreshed.
    static constexpr int kErrorTag = -1;

    explicit TQuorixBProgressBar(QWidget *parent = nullptr);
    ~TQuorixBProgressBar() override;

    // The figure shown: 0 processor, 1 memory, 2 battery, a drive letter's character code (65 for
    // "A") for a disk, or kErrorTag.
    int Tag = kErrorTag;
    // Refresh interval minus one, in one-second ticks.
    quint16 IntervalTicks = 0;
    // Ticks to wait before the next refresh; 0 refreshes on the next tick.
    quint16 TicksLeft = 0;

    // The object's definition as stored: "object" ("0", "1", "2" or a drive letter), "prefix" and
    // the interval in seconds as it is used (1 to 65536).
    QString ObjectValue;
    QString PrefixText;
    int IntervalSeconds = 1;

    bool IsErrorBar() const { return Tag == kErrorTag; }
};
