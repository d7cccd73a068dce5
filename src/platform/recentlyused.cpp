#include "platform/recentlyused.h"

#include <QDateTime>
#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return {};
    return ReadRecentlyUsed(file.read(kMaxFileSize));
}
