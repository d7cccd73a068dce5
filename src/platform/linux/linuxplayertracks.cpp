#include "platform/linux/linuxplayertracks.h"

#include "platform/linux/x11connection.h"
#include "platform/linux/x11windowquery.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace {

// A player that does not answer must not freeze the bar.
constexpr int kDBusTimeoutMs = 250;
const QString kMprisPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kMprisPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kMprisPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QString WinampWindowTrack()
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return QString();
    const QList<xcb_window_t> windows = X11TopLevelWindows(x);
    const QList<QByteArray> classes = X11WindowClassNames(x, windows);
    for (const char *wanted : {"Winamp v1.x", "STUDIO"}) {
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (classes[i] == wanted)
                return TrackFromPlayerWindowTitle(X11WindowTitle(x, windows[i]));
        }
    }
    return QString();
}

// One property of a player; an invalid variant when it does not answer in time.
QVariant PlayerProperty(QDBusConnection &bus, const QString &service, const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, kMprisPath, kProperties,
                                                       QStringLiteral("Get"));
    call << kMprisPlayer << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

QStringList ArtistsOf(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>()) {
        QStringList artists;
        value.value<QDBusArgument>() >> artists;
        return artists;
    }
    if (value.metaType().id() == QMetaType::QString)
        return {value.toString()};
    return value.toStringList();
}

QString MprisTrack()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return QString();
    const QStringList names = bus.interface()->registeredServiceNames().value();
    for (const QString &service : names) {
        if (!service.startsWith(kMprisPrefix))
            continue;
        if (PlayerProperty(bus, service, QStringLiteral("PlaybackStatus")).toString()
            != QLatin1String("Playing"))
            continue;
        const QVariant metadata = PlayerProperty(bus, service, QStringLiteral("Metadata"));
        QVariantMap map;
        if (metadata.canConvert<QDBusArgument>())
            metadata.value<QDBusArgument>() >> map;
        else
            map = metadata.toMap();
        const QString track = TrackFromPlayerMetadata(ArtistsOf(map.value(QStringLiteral("xesam:artist"))),
                                                      map.value(QStringLiteral("xesam:title")).toString());
        if (!track.isEmpty())
            return track;
    }
    return QString();
}

} // namespace

QString LinuxPlayerTracks::PlayingTrack()
{
    const QString winamp = WinampWindowTrack();
    return winamp.isEmpty() ? MprisTrack() : winamp;
}
