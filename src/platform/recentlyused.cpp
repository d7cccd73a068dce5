#include "platform/recentlyused.h"

#include "platform/regularfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// A recently-used list this large is not the desktop's; reading it would only cost memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

qint64 ParseTime(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time.toMSecsSinceEpoch() : 0;
}

// The latest of the times a bookmark records: added, modified (used again) and visited.
qint64 LatestUse(const QXmlStreamAttributes &attributes)
{
    qint64 latest = 0;
    for (const char *name : {"added", "modified", "visited"})
        latest = qMax(latest, ParseTime(attributes.value(QLatin1String(name))));
    return latest;
}

QString LocalPath(QStringView href)
{
    const QUrl url(href.toString(), QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.startsWith(QLatin1Char('/')) ? path : QString();
}

} // namespace

QList<RecentEntry> ReadRecentlyUsed(const QByteArray &xml)
{
    QList<RecentEntry> entries;
    QHash<QString, qsizetype> indexOfPath;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("bookmark"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString path = LocalPath(attributes.value(QLatin1String("href")));
        if (path.isEmpty())
            continue;
        const qint64 time = LatestUse(attributes);
        const auto known = indexOfPath.constFind(path);
        if (known != indexOfPath.constEnd()) {
            RecentEntry &entry = entries[*known];
            entry.timeStamp = qMax(entry.timeStamp, time);
            continue;
        }
        indexOfPath.insert(path, entries.size());
        entries.append({path, time});
    }
    return entries;
}

QList<RecentEntry> ReadRecentlyUsedFile(const QString &path)
{
    // The Recent menu opens often and the list changes seldom: it is read again only when it is
    // another file or has been changed since.
    struct Cached
    {
        QString path;
        qint64 size = -1;
        QDateTime modified, changed;
        QList<RecentEntry> entries;
    };
    static Cached cache;
    const QFileInfo info(path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    const QDateTime changed = info.metadataChangeTime();
    if (info.isFile() && cache.path == path && cache.size == size && cache.modified == modified
        && cache.changed == changed)
        return cache.entries;
    const RegularFileRead file = ReadRegularFile(path, kMaxFileSize);
    QList<RecentEntry> entries = file.ok ? ReadRecentlyUsed(file.data) : QList<RecentEntry>{};
    if (file.ok)
        cache = {path, size, modified, changed, entries};
    return entries;
}
