// Icons of the name space: a desktop entry's Icon=, the theme icon of a file's content type (GIO's
// shared MIME database), or a fixed theme icon for folders, volumes and virtual folders.
#include "platform/shellnamespace.h"

#include "platform/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <gio/gio.h>

namespace {

QIcon ThemeIcon(const QString &name)
{
    return QIcon::fromTheme(name);
}

// Icon= holds a theme name or an absolute file; a name with an image extension is tolerated. The
// toolkit opens an icon file blocking and whole: only a plain file of picture size gets that far.
QIcon IconFromName(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return IsSmallRegularFile(name, kMaxIconFileSize) ? QIcon(name) : QIcon();
    QString themeName = name;
    for (const char *extension : {".png", ".svg", ".xpm"}) {
        if (themeName.endsWith(QLatin1String(extension)))
            themeName.chop(4);
    }
    return QIcon::hasThemeIcon(themeName) ? ThemeIcon(themeName) : QIcon();
}

QStringList ContentTypeIconNames(const char *contentType)
{
    QStringList names;
    GIcon *icon = g_content_type_get_icon(contentType);
    if (icon && G_IS_THEMED_ICON(icon)) {
        const gchar *const *list = g_themed_icon_get_names(G_THEMED_ICON(icon));
        for (int i = 0; list && list[i]; ++i)
            names.append(QString::fromUtf8(list[i]));
    }
    if (icon)
        g_object_unref(icon);
    gchar *generic = g_content_type_get_generic_icon_name(contentType);
    if (generic)
        names.append(QString::fromUtf8(generic));
    g_free(generic);
    return names;
}

// Guessed from the name alone: no file is opened, so a slow disk does not slow the menu down.
QIcon ContentTypeIcon(const QString &fileName)
{
    static QHash<QString, QIcon> cache;
    gboolean uncertain = false;
    gchar *type = g_content_type_guess(fileName.toUtf8().constData(), nullptr, 0, &uncertain);
    const QString key = QString::fromUtf8(type);
    auto found = cache.constFind(key);
    if (found == cache.constEnd()) {
        QIcon icon;
        for (const QString &name : ContentTypeIconNames(type)) {
            if (QIcon::hasThemeIcon(name)) {
                icon = ThemeIcon(name);
                break;
            }
        }
        found = cache.insert(key, icon);
    }
    g_free(type);
    return *found;
}

bool IsProgramFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QIcon FileIcon(const ShellItem &item)
{
    if (IsProgramFile(item.parsingPath)) {
        const QString name = item.FileName();
        // Scripts keep their own icon; other programs show the program icon.
        if (!name.contains(QLatin1Char('.')))
            return ThemeIcon(QStringLiteral("application-x-executable"));
    }
    const QIcon icon = ContentTypeIcon(item.FileName());
    return icon.isNull() ? ThemeIcon(QStringLiteral("text-x-generic")) : icon;
}

} // namespace

QIcon FolderIcon()
{
    return ThemeIcon(QStringLiteral("folder"));
}

QIcon ShellItemIcon(const ShellItem &item)
{
    if (!item.iconName.isEmpty()) {
        const QIcon icon = IconFromName(item.iconName);
        if (!icon.isNull())
            return icon;
    }
    switch (item.kind) {
    case ShellItemKind::None: return {};
    case ShellItemKind::Folder: return FolderIcon();
    case ShellItemKind::DesktopEntry: return ThemeIcon(QStringLiteral("application-x-executable"));
    case ShellItemKind::LinkEntry: return ThemeIcon(QStringLiteral("text-html"));
    case ShellItemKind::Volume: return ThemeIcon(QStringLiteral("drive-harddisk"));
    case ShellItemKind::Printer: return ThemeIcon(QStringLiteral("printer"));
    case ShellItemKind::VirtualFolder:
    case ShellItemKind::MenuFolder: return FolderIcon();
    case ShellItemKind::TrashItem: return item.isFolder ? FolderIcon() : FileIcon(item);
    case ShellItemKind::File: return FileIcon(item);
    }
    return {};
}

QIcon IconForPath(const QString &path)
{
    const QString text = path.trimmed();
    if (text.isEmpty())
        return {};
    if (QDir::isAbsolutePath(text)) {
        const ShellItem item = ParsePathToItem(text);
        if (!item.IsNull())
            return ShellItemIcon(item);
    }
    if (text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("mailto:")))
        return ThemeIcon(QStringLiteral("text-html"));
    // A command: the program's own icon when the theme has one.
    const QString program = text.section(QLatin1Char(' '), 0, 0);
    if (!program.contains(QLatin1Char('/')) && !QStandardPaths::findExecutable(program).isEmpty()) {
        if (QIcon::hasThemeIcon(program))
            return ThemeIcon(program);
        return ThemeIcon(QStringLiteral("application-x-executable"));
    }
    return {};
}
