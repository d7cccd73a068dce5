// What a file must be before Quorix runs it, so that a file cannot pass for something else: a
// picture that is really a desktop entry, a script named like a document.
#pragma once

#include <QString>

// A desktop entry that may be launched: one in the user's or the system's applications folders,
// or anywhere else one that is executable and owned by the user (the mark a person gives an entry
// they trust). Any other is opened as text.
bool IsTrustedDesktopEntry(const QString &path);
// True when the name's content type is a document's ("holiday.jpg", "letter.pdf"): such a file is
// opened, never run, whatever its bits say. A name with no known type claims nothing.
bool NameClaimsDocument(const QString &fileName);
// False on file systems that mark every file executable (FAT, exFAT, NTFS, network shares), where
// the execute bit says nothing.
bool KeepsExecuteBits(const QString &path);
