#include "platform/iconthemenames.h"

#include "platform/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QIcon>
#include <QSet>

#include <algorithm>

namespace {

// A theme of many thousand icons is listed whole; something far beyond that is no icon theme.
constexpr int kMaxNames = 50000;
constexpr int kMaxEntriesSeen = 400000;
constexpr int kMaxThemes = 16;
constexpr qint64 kMaxIndexThemeSize = 256 * 1024;

QStringList ThemeFolders(const QString &theme)
{
    QStringList folders;
    for (const QString &searchPath : QIcon::themeSearchPaths()) {
        const QDir folder(QDir(searchPath).filePath(theme));
        if (folder.exists())
            folders << folder.absolutePath();
    }
    return folders;
}

QStringList ThemeParents(const QString &theme)
{
    for (const QString &folder : ThemeFolders(theme)) {
        const RegularFileRead index = ReadRegularFile(folder + QStringLiteral("/index.theme"), kMaxIndexThemeSize);
        if (index.ok)
            return InheritedIconThemes(QString::fromUtf8(index.data));
    }
    return {};
}

void CollectNames(const QString &theme, QSet<QString> &names, int &seen)
{
    for (const QString &folder : ThemeFolders(theme)) {
        QDirIterator files(folder, {QStringLiteral("*.png"), QStringLiteral("*.svg"), QStringLiteral("*.xpm")},
                           QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (files.hasNext() && names.size() < kMaxNames && ++seen < kMaxEntriesSeen) {
            files.next();
            // "edit-copy-symbolic.symbolic.png" is the recolourable picture of "edit-copy-symbolic".
            QString name = files.fileInfo().completeBaseName();
            if (name.endsWith(QLatin1String(".symbolic")))
                name.chop(9);
            names.insert(name);
        }
    }
}

} // namespace

QStringList InheritedIconThemes(const QString &indexThemeText)
{
    bool inIconTheme = false;
    for (const QString &rawLine : indexThemeText.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inIconTheme = line == QLatin1String("[Icon Theme]");
            continue;
        }
        if (!inIconTheme || line.section(QLatin1Char('='), 0, 0).trimmed() != QLatin1String("Inherits"))
            continue;
        {
            const QString value = line.section(QLatin1Char('='), 1).trimmed();
            QStringList parents;
            for (const QString &part : value.split(QLatin1Char(','))) {
                if (!part.trimmed().isEmpty())
                    parents << part.trimmed();
            }
            return parents;
        }
    }
    return {};
}

QStringList IconThemeNames(const QString &theme)
{
    QString first = theme.isEmpty() ? QIcon::themeName() : theme;
    if (first.isEmpty())
        first = QIcon::fallbackThemeName();
    // The themes in the order they are searched: the theme, what it inherits, then hicolor.
    QStringList themes;
    QStringList pending{first};
    while (!pending.isEmpty() && themes.size() < kMaxThemes) {
        const QString next = pending.takeFirst();
        if (next.isEmpty() || themes.contains(next))
            continue;
        themes << next;
        pending << ThemeParents(next);
    }
    if (!themes.contains(QStringLiteral("hicolor")))
        themes << QStringLiteral("hicolor");
    QSet<QString> names;
    int seen = 0;
    for (const QString &name : themes)
        CollectNames(name, names, seen);
    QStringList sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}
