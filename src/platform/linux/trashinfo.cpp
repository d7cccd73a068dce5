#include "platform/linux/trashinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <glib.h>

namespace {

// Records are a few lines; anything bigger is not one.
constexpr qint64 kMaxInfoSize = 64 * 1024;

QString InfoFileOf(const QString &trashedPath)
{
    const QFileInfo trashed(QDir::cleanPath(trashedPath));
    // <trash>/files/<name> is described by <trash>/info/<name>.trashinfo.
    const QDir filesFolder = trashed.dir();
    return QDir::cleanPath(filesFolder.absolutePath() + QStringLiteral("/../info/")) + QLatin1Char('/')
           + trashed.fileName() + QStringLiteral(".trashinfo");
}

} // namespace

QString TrashedFileOriginalName(const QString &trashedPath)
{
    QFile file(InfoFileOf(trashedPath));
    if (file.size() > kMaxInfoSize || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    GKeyFile *keys = g_key_file_new();
    QString original;
    if (g_key_file_load_from_data(keys, content.constData(), gsize(content.size()), G_KEY_FILE_NONE, nullptr)) {
        // The value is percent-encoded (a URL's path part), absolute or relative to the trash's
        // volume; only its last part is wanted here.
        gchar *path = g_key_file_get_string(keys, "Trash Info", "Path", nullptr);
        if (path) {
            const QString decoded = QUrl::fromPercentEncoding(QByteArray(path));
            original = decoded.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
        }
        g_free(path);
    }
    g_key_file_free(keys);
    // A name that could name another place is no name to show.
    if (original == QLatin1String(".") || original == QLatin1String("..") || original.contains(QChar(0)))
        return {};
    return original;
}
