// The themes file, Data/themes.ini: any number of named themes, one section each, the section
// name being the theme's name, in the order the themes were first saved. Each section holds the
// seventeen theme keys followed by "versionstring" and "version", written for information only.
// The theme page of the settings dialog saves, loads and deletes them; the import copies them in.
#pragma once

#include "appearance/themecolors.h"

#include <QString>
#include <QStringList>
#include <optional>

class IniFile;

// False for names that cannot be a section name: empty (or only blanks), or holding "[", "]" or a
// line break.
bool IsValidThemeName(const QString &name);

// Names of the themes in file order; none when the file does not exist.
QStringList NamedThemes(const QString &themesFile);
// Reads one theme. Nothing, with *error set, when it does not exist or a colour text is unreadable.
std::optional<ThemeColors> ReadNamedTheme(const QString &themesFile, const QString &name,
                                          QString *error = nullptr);
// Saves one theme: a new name is added at the end, an existing one (matched without regard to case)
// is overwritten in its place. False (and the file untouched) for an invalid name or when the file
// cannot be written.
bool WriteNamedTheme(const QString &themesFile, const QString &name, const ThemeColors &colors);
// The same into an open file, without saving it (the import writes several at once).
bool WriteNamedTheme(IniFile &themes, const QString &name, const ThemeColors &colors);
// Removes one theme; true when it is gone afterwards (also when it never existed).
bool DeleteNamedTheme(const QString &themesFile, const QString &name);
