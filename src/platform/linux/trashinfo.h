// What the trash records about a file in it (the freedesktop trash's .trashinfo files).
#pragma once

#include <QString>

// The name the file had before it was thrown away ("report.txt" for Trash/files/report.2.txt,
// from Trash/info/report.2.txt.trashinfo); empty when the trash keeps no readable record of it.
QString TrashedFileOriginalName(const QString &trashedPath);
