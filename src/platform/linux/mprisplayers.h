// The MPRIS players on the session bus and what they play, kept up to date from their change
// signals. Nothing here waits for a player: every question to the bus is asynchronous, so a
// player that does not answer never holds up the bar.
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QDBusMessage;

class MprisPlayers : public QObject
{
    Q_OBJECT

public:
    // Starts watching when there is a session bus (never starting one).
    explicit MprisPlayers(QObject *parent = nullptr);

    bool IsWatching() const { return m_watching; }
    // The track of the first player (by bus name) whose status is "Playing", as the players last
    // reported it; empty when none plays or none has answered yet.
    QString PlayingTrack() const;

private Q_SLOTS:
    void OnNameOwnerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);
    void OnPropertiesChanged(const QDBusMessage &message);

private:
    struct Player
    {
        QString owner;  // the unique bus name the player's signals come from
        QString status;
        QStringList artists;
        QString title;
    };

    void ListPlayers();
    void AskAll(const QString &name);
    static void Apply(Player &player, const QVariantMap &changed);

    bool m_watching = false;
    QMap<QString, Player> m_players; // by well-known name ("org.mpris.MediaPlayer2.vlc")
};
