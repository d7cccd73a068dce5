// Fixed identity of the program: its title and the format version stamped into the files it writes.
#pragma once

#include <QString>

// Shown as the application's title, written into settings.ini as "versionstring" and shown as the
// last marquee line.
inline const QString kAppTitle = QStringLiteral("Quorix 1.03");
// Four two-digit hexadecimal numbers: major, minor, release, build.
inline const QString kFormatVersion = QStringLiteral("01030000");
// Name of the single-instance lock.
inline const QString kInstanceLockName = QStringLiteral("QuorixDesktop");
