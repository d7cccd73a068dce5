#include "appearance/themesfile.h"

#include "foundation/appinfo.h"
#include "base/inifile.h"

#include <QFileInfo>

bool IsValidThemeName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    }
    return true;
}

QStringList NamedThemes(const QString &themesFile)
{
    if (!QFileInfo::exists(themesFile))
        return {};
    return IniFile(themesFile).Sections();
}

std::optional<ThemeColors> ReadNamedTheme(const QString &themesFile, const QString &name, QString *error)
{
    const IniFile themes(themesFile);
    if (!themes.SectionExists(name)) {
        if (error)
            *error = QStringLiteral("The theme \"%1\" does not exist.").arg(name);
        return std::nullopt;
    }
    return ReadThemeColors(themes, name, error);
}

bool WriteNamedTheme(IniFile &themes, const QString &name, const ThemeColors &colors)
{
    if (!IsValidThemeName(name))
        return false;
    const QString section = name.trimmed();
    WriteThemeColors(themes, section, colors);
    themes.WriteString(section, QStringLiteral("versionstring"), kAppTitle);
    themes.WriteString(section, QStringLiteral("version"), kFormatVersion);
    return true;
}

bool WriteNamedTheme(const QString &themesFile, const QString &name, const ThemeColors &colors)
{
    IniFile themes(themesFile);
    themes.SetAutoSave(false);
    return WriteNamedTheme(themes, name, colors) && themes.UpdateFile();
}

bool DeleteNamedTheme(const QString &themesFile, const QString &name)
{
    if (!QFileInfo::exists(themesFile))
        return true;
    IniFile themes(themesFile);
    if (!themes.SectionExists(name))
        return true;
    themes.SetAutoSave(false);
    themes.EraseSection(name);
    return themes.UpdateFile();
}
