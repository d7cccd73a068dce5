#include "platform/linux/mprisplayers.h"

#include "platform/linux/sessionbus.h"
#include "platform/playertracks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString kMprisPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kMprisPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kMprisPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

QVariant Unwrapped(const QVariant &value)
{
    if (value.canConvert<QDBusVariant>() && value.metaType() == QMetaType::fromType<QDBusVariant>())
        return value.value<QDBusVariant>().variant();
    return value;
}

QVariantMap MapOf(const QVariant &value)
{
    const QVariant plain = Unwrapped(value);
    if (plain.canConvert<QDBusArgument>() && plain.metaType() == QMetaType::fromType<QDBusArgument>())
        return qdbus_cast<QVariantMap>(plain.value<QDBusArgument>());
    return plain.toMap();
}

QStringList ArtistsOf(const QVariant &value)
{
    const QVariant plain = Unwrapped(value);
    if (plain.metaType() == QMetaType::fromType<QDBusArgument>())
        return qdbus_cast<QStringList>(plain.value<QDBusArgument>());
    if (plain.metaType().id() == QMetaType::QString)
        return {plain.toString()};
    return plain.toStringList();
}

QDBusConnection Bus()
{
    return QDBusConnection::sessionBus();
}

} // namespace

MprisPlayers::MprisPlayers(QObject *parent) : QObject(parent)
{
    if (!SessionBusReachable() || !Bus().isConnected())
        return;
    m_watching = true;
    Bus().connect(kBusService, kBusPath, kBusService, QStringLiteral("NameOwnerChanged"), this,
                  SLOT(OnNameOwnerChanged(QString, QString, QString)));
    Bus().connect(QString(), kMprisPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                  SLOT(OnPropertiesChanged(QDBusMessage)));
    ListPlayers();
}

QString MprisPlayers::PlayingTrack() const
{
    for (const Player &player : m_players) {
        if (player.status != QLatin1String("Playing"))
            continue;
        const QString track = TrackFromPlayerMetadata(player.artists, player.title);
        if (!track.isEmpty())
            return track;
    }
    return {};
}

void MprisPlayers::ListPlayers()
{
    const QDBusMessage call = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                             QStringLiteral("ListNames"));
    auto *watcher = new QDBusPendingCallWatcher(Bus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        const QDBusPendingReply<QStringList> reply = *done;
        done->deleteLater();
        if (reply.isError())
            return;
        for (const QString &name : reply.value()) {
            if (name.startsWith(kMprisPrefix) && !m_players.contains(name)) {
                m_players.insert(name, {});
                AskAll(name);
            }
        }
    });
}

void MprisPlayers::AskAll(const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(name, kMprisPath, kProperties, QStringLiteral("GetAll"));
    call << kMprisPlayer;
    auto *watcher = new QDBusPendingCallWatcher(Bus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, name](QDBusPendingCallWatcher *done) {
        const QDBusPendingReply<QVariantMap> reply = *done;
        done->deleteLater();
        const auto player = m_players.find(name);
        if (reply.isError() || player == m_players.end())
            return; // gone, or no player after all: nothing to show
        player->owner = reply.reply().service();
        Apply(*player, reply.value());
    });
}

void MprisPlayers::Apply(Player &player, const QVariantMap &changed)
{
    const auto status = changed.constFind(QStringLiteral("PlaybackStatus"));
    if (status != changed.constEnd())
        player.status = Unwrapped(*status).toString();
    const auto metadata = changed.constFind(QStringLiteral("Metadata"));
    if (metadata != changed.constEnd()) {
        const QVariantMap map = MapOf(*metadata);
        player.artists = ArtistsOf(map.value(QStringLiteral("xesam:artist")));
        player.title = Unwrapped(map.value(QStringLiteral("xesam:title"))).toString();
    }
}

void MprisPlayers::OnNameOwnerChanged(const QString &name, const QString &oldOwner, const QString &newOwner)
{
    Q_UNUSED(oldOwner)
    if (!name.startsWith(kMprisPrefix))
        return;
    m_players.remove(name);
    if (newOwner.isEmpty())
        return; // the player quit
    m_players.insert(name, Player{newOwner, {}, {}, {}});
    AskAll(name);
}

void MprisPlayers::OnPropertiesChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || arguments[0].toString() != kMprisPlayer)
        return;
    const QStringList invalidated = arguments.size() > 2 ? qdbus_cast<QStringList>(arguments[2]) : QStringList();
    for (auto player = m_players.begin(); player != m_players.end(); ++player) {
        if (player->owner != message.service())
            continue;
        Apply(*player, MapOf(arguments[1]));
        // A player may say only that a value changed: ask it for the new one.
        if (invalidated.contains(QStringLiteral("PlaybackStatus")) || invalidated.contains(QStringLiteral("Metadata")))
            AskAll(player.key());
    }
}
