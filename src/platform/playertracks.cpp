#include "platform/playertracks.h"

#include <algorithm>

PlayerTracks::~PlayerTracks() = default;

QString PlayingTrackTitle()
{
    return Current<PlayerTracks>().PlayingTrack();
}

QString TrackFromPlayerWindowTitle(const QString &title)
{
    constexpr qsizetype kMaxTitle = 256;
    constexpr qsizetype kPlayerSuffix = 9; // " - Winamp"
    const qsizetype length = std::min(title.size(), kMaxTitle);
    if (length <= kPlayerSuffix)
        return QString();
    return title.left(length - kPlayerSuffix);
}

QString TrackFromPlayerMetadata(const QStringList &artists, const QString &title)
{
    QStringList named;
    for (const QString &artist : artists) {
        if (!artist.trimmed().isEmpty())
            named.append(artist.trimmed());
    }
    const QString who = named.join(QStringLiteral(", "));
    const QString what = title.trimmed();
    if (who.isEmpty())
        return what;
    if (what.isEmpty())
        return who;
    return who + QStringLiteral(" - ") + what;
}
