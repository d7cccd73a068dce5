#include "platform/linux/desktopentry.h"

#include "platform/regularfile.h"
#include "platform/xdgpaths.h"

#include <QDirIterator>
#include <QSet>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace {

QString TakeGString(gchar *text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return result;
}

QStringList CurrentDesktops()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList KeyList(GKeyFile *file, const char *key)
{
    QStringList values;
    gsize count = 0;
    gchar **list = g_key_file_get_string_list(file, G_KEY_FILE_DESKTOP_GROUP, key, &count, nullptr);
    for (gsize i = 0; list && i < count; ++i)
        values.append(QString::fromUtf8(list[i]));
    g_strfreev(list);
    return values;
}

bool Intersects(const QStringList &a, const QStringList &b)
{
    for (const QString &value : a) {
        if (b.contains(value))
            return true;
    }
    return false;
}

// The show rules for entries GIO does not read as applications (Type=Link).
bool LinkVisible(GKeyFile *file)
{
    if (g_key_file_get_boolean(file, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NO_DISPLAY, nullptr)
        || g_key_file_get_boolean(file, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr))
        return false;
    const QStringList desktops = CurrentDesktops();
    const QStringList onlyShowIn = KeyList(file, G_KEY_FILE_DESKTOP_KEY_ONLY_SHOW_IN);
    if (!onlyShowIn.isEmpty() && !Intersects(onlyShowIn, desktops))
        return false;
    return !Intersects(KeyList(file, G_KEY_FILE_DESKTOP_KEY_NOT_SHOW_IN), desktops);
}

DesktopEntryInfo ReadLinkEntry(GKeyFile *file)
{
    DesktopEntryInfo info;
    const QString type = TakeGString(g_key_file_get_string(file, G_KEY_FILE_DESKTOP_GROUP,
                                                           G_KEY_FILE_DESKTOP_KEY_TYPE, nullptr));
    if (type != QLatin1String(G_KEY_FILE_DESKTOP_TYPE_LINK))
        return info;
    info.kind = DesktopEntryInfo::Link;
    info.name = TakeGString(g_key_file_get_locale_string(file, G_KEY_FILE_DESKTOP_GROUP,
                                                         G_KEY_FILE_DESKTOP_KEY_NAME, nullptr, nullptr));
    info.icon = TakeGString(g_key_file_get_string(file, G_KEY_FILE_DESKTOP_GROUP,
                                                  G_KEY_FILE_DESKTOP_KEY_ICON, nullptr));
    info.url = TakeGString(g_key_file_get_string(file, G_KEY_FILE_DESKTOP_GROUP,
                                                 G_KEY_FILE_DESKTOP_KEY_URL, nullptr));
    info.visible = !info.name.isEmpty() && !info.url.isEmpty() && LinkVisible(file);
    return info;
}

DesktopEntryInfo ReadApplication(GDesktopAppInfo *app)
{
    DesktopEntryInfo info;
    info.kind = DesktopEntryInfo::Application;
    info.visible = !g_desktop_app_info_get_is_hidden(app) && g_app_info_should_show(G_APP_INFO(app));
    info.name = QString::fromUtf8(g_app_info_get_name(G_APP_INFO(app)));
    info.icon = TakeGString(g_desktop_app_info_get_string(app, G_KEY_FILE_DESKTOP_KEY_ICON));
    const char *categories = g_desktop_app_info_get_categories(app);
    if (categories)
        info.categories = QString::fromUtf8(categories).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return info;
}

} // namespace

DesktopEntryInfo ReadDesktopEntry(const QString &path)
{
    // Read here, not by GIO: a FIFO named like an entry would block it, a huge file fill memory.
    const RegularFileRead read = ReadRegularFile(path, kMaxDesktopEntrySize);
    return read.ok ? ReadDesktopEntryData(read.data) : DesktopEntryInfo{};
}

DesktopEntryInfo ReadDesktopEntryData(const QByteArray &data)
{
    DesktopEntryInfo info;
    if (data.size() > kMaxDesktopEntrySize)
        return info;
    GKeyFile *file = g_key_file_new();
    if (g_key_file_load_from_data(file, data.constData(), gsize(data.size()), G_KEY_FILE_NONE, nullptr)) {
        GDesktopAppInfo *app = g_desktop_app_info_new_from_keyfile(file);
        if (app) {
            info = ReadApplication(app);
            g_object_unref(app);
        } else {
            info = ReadLinkEntry(file);
        }
    }
    g_key_file_free(file);
    return info;
}

QStringList AllApplicationEntryFiles()
{
    QStringList folders{XdgDataHome() + QStringLiteral("applications/")};
    for (const QString &dir : XdgDataDirs())
        folders.append(dir + QStringLiteral("applications/"));
    QStringList files;
    QSet<QString> seenIds;
    for (const QString &folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            // The desktop file ID: the path below applications/ with "/" turned into "-".
            const QString id = file.mid(folder.size()).replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id);
            files.append(file);
        }
    }
    return files;
}
