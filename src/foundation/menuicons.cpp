#include "foundation/menuicons.h"

#include "foundation/pathmacros.h"
#include "foundation/programfolder.h"
#include "platform/regularfile.h"
#include "platform/shellnamespace.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {

bool IsScalableImage(const QString &file)
{
    return file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
           || file.endsWith(QLatin1String(".svgz"), Qt::CaseInsensitive);
}

} // namespace

QIcon IconFromFile(const QString &file, int index)
{
    const QFileInfo info(file);
    if (!info.isFile() || index < 0)
        return {};
    if (file.endsWith(QLatin1String(".desktop")))
        return index == 0 ? ShellItemIcon(ParsePathToItem(info.absoluteFilePath())) : QIcon();
    // A FIFO or device would block the reader, a huge picture is no menu icon.
    if (!IsSmallRegularFile(file, kMaxIconFileSize))
        return {};
    if (IsScalableImage(file))
        return index == 0 ? QIcon(file) : QIcon();
    QImageReader reader(file);
    if (!reader.canRead())
        return {};
    if (index > 0 && (index >= reader.imageCount() || !reader.jumpToImage(index)))
        return {};
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

bool IsThemeIconName(const QString &iconFile)
{
    const QString name = iconFile.trimmed();
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.startsWith(QLatin1Char('$')) && !name.startsWith(QLatin1Char('%'));
}

QIcon DefinitionIcon(const QString &iconFile, int index, QHash<QString, QIcon> &cache)
{
    if (iconFile.isEmpty())
        return {};
    if (IsThemeIconName(iconFile)) {
        const QString name = iconFile.trimmed();
        return index == 0 && QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
    }
    const QString file = ExpandPathMacro(iconFile);
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    const QString key = file + QLatin1Char('|') + QString::number(index);
    auto found = cache.constFind(key);
    if (found == cache.constEnd())
        found = cache.insert(key, IconFromFile(file, index));
    return *found;
}

QIcon EntryIcon(const QString &iconFile, int index, const QString &path)
{
    QHash<QString, QIcon> cache;
    const QIcon chosen = DefinitionIcon(iconFile, index, cache);
    if (!chosen.isNull())
        return chosen;
    QString source = ExpandPathMacro(path.trimmed());
    if (source.startsWith(QLatin1Char('$')))
        source = ProgramFolder();
    return source.isEmpty() ? QIcon() : IconForPath(source);
}
