// Internet shortcuts (".url" files): a small INI text whose section [InternetShortcut] holds the
// address under the key URL. Files made on Windows read the same.
#pragma once

#include <QByteArray>
#include <QString>

// The URL of the first URL key of section [InternetShortcut] (names in any case), trimmed; empty
// when there is none.
QString ReadInternetShortcutData(const QByteArray &data);
// The same from a file; empty when it is missing, unreadable or too large to be a shortcut.
QString ReadInternetShortcut(const QString &path);
// Writes a shortcut whole and atomically. False for an empty URL, a URL with a line break, or a
// failed write (the old file then stays).
bool WriteInternetShortcut(const QString &path, const QString &url);
