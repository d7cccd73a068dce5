#pragma once

#include <QFont>

// The small font of the texts the bar repaints every second: the meters' captions and the
// marquee. Latin text in it is drawn without the shaping pass (kerning, ligatures), which costs
// more than anything else in a clock's tick; scripts that need shaping still get it.
QFont TickerFont();
