// The rules the settings dialog applies between what its controls show and what settings.ini
// stores: alias keys, marquee lines, number fields and the autosize choices.
#pragma once

#include <QString>
#include <QStringList>

// The key a user alias of the given name is stored under: in capitals, with a dollar sign at
// each end ("docs" and "$Docs" give "$DOCS$"). Empty for a name of two characters or fewer,
// which is not stored.
QString UserAliasKey(const QString &name);

// The marquee lines of the content box's text: its non-empty lines, in order.
QStringList MarqueeContentLines(const QString &text);

// A whole number as the settings store it: an optional minus sign and at least one digit.
bool IsWholeNumber(const QString &text);

// The choices of the Extended page's autosize lists: "(none)", "Marquee" only on the bar the
// marquee is placed on (marqueeOnInfoBar), then the list's own element ("ProgressBars" for the
// info bar, "Run" for the menu bar).
QStringList InfoBarAutosizeChoices(bool marqueeOnInfoBar);
QStringList MenuBarAutosizeChoices(bool marqueeOnInfoBar);

inline const QString kAutosizeNone = QStringLiteral("(none)");
inline const QString kAutosizeMarquee = QStringLiteral("Marquee");
inline const QString kAutosizeProgressBars = QStringLiteral("ProgressBars");
inline const QString kAutosizeRun = QStringLiteral("Run");
