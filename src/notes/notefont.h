// The note text's font, kept in settings.ini [shownote] font as a key-value string: "name",
// "size" (points) and "style" (1 bold, 2 italic, 4 underline, 8 strike-out, summed).
#pragma once

#include <QFont>
#include <QString>

// The family notes are written in unless the user chose another.
QString DefaultNoteFontName();

// The font the stored value describes: a missing or empty name is the default family, a missing
// or unusable size 10 points, a missing style plain.
QFont NoteFontFromNamedValues(const QString &text);
// The stored value with "name", "size" and "style" replaced or appended; other keys are kept.
QString NoteFontToNamedValues(const QString &storedText, const QFont &font);

// The style set of a font and back.
int NoteFontStyle(const QFont &font);
void SetNoteFontStyle(QFont &font, int style);

// The font as it can be shown here: a family this desktop does not have (Lucida Console is rarely
// installed on Linux) gives way to the desktop's fixed-width font in the same size and style.
QFont InstalledNoteFont(const QFont &font);
