// What the import and export accepts as menu, note and theme exchange files: the format versions
// it reads, and the checks a chosen file passes before its entries are listed.
#pragma once

#include <QString>

// Exactly eight hexadecimal digits, major, minor, release and build: the version this program
// writes, or 1.0 at release 0 or 3 with build 0 (the earlier versions whose layout is the same).
bool IsAcceptedFormatVersion(const QString &version);

// True when both name the same file: the same text, or the same file reached another way (a link,
// "..", a doubled slash), so that a data file is never its own exchange file.
bool IsSameFile(const QString &a, const QString &b);

// The checks of an import file; each is false for the data file itself.
bool IsValidMenuFile(const QString &path);    // [header] version accepted
bool IsValidNoteFile(const QString &path);    // a record file with the note store's five fields
bool IsValidThemeFile(const QString &path);   // at least one theme with an accepted version

// The section that holds a file's version stamp and is never a menu or a theme.
inline const QString kHeaderSection = QStringLiteral("header");
bool IsHeaderSection(const QString &section);
