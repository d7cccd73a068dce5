// Where the running program finds its user guide.
#pragma once

#include <QString>

// quorix.qds in the program's folder when it exists, else Help/quorix.qds below it; empty when
// neither exists.
QString HelpFilePath();
