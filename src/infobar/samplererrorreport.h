// How the info bar and the marquee show a failure of the processor sampler: one message box with
// the sampler's own message, never a second one while the first is still open.
#pragma once

#include <QString>

class QWidget;

// Shows the message with the application's title and an error icon. A message that arrives while
// another one is being shown is dropped (the timers keep ticking under an open box).
void ReportSamplerError(const QString &message, QWidget *parent = nullptr);
