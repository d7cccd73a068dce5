// The track a music player is playing, for the marquee's "[Winamp(Track)]" token.
#pragma once

#include "platform/currentservice.h"

#include <QString>
#include <QStringList>

class PlayerTracks
{
public:
    virtual ~PlayerTracks();
    // The desktop's players: Winamp-style windows on X11, MPRIS players on the session bus.
    static PlayerTracks &Platform();

    // The playing track: the title of a Winamp-style player window (a top-level window whose
    // class is "Winamp v1.x", else one whose class is "STUDIO") without the player's name at its
    // end; else the track of an MPRIS player on the session bus whose status is "Playing", as
    // "artist - title". Empty when no player plays anything. Called on every marquee frame: a few
    // X requests, and what the MPRIS players last reported (never a D-Bus call that waits).
    virtual QString PlayingTrack() = 0;
};

// The playing track of Current<PlayerTracks>().
QString PlayingTrackTitle();

// A Winamp window title as the marquee shows it: cut to 256 characters, then without its last 9
// ("1. Artist - Song - Winamp" gives "1. Artist - Song"); empty when nothing is left.
QString TrackFromPlayerWindowTitle(const QString &title);
// An MPRIS track as the marquee shows it: "artist, artist - title", the title alone without
// artists, the artists alone without a title.
QString TrackFromPlayerMetadata(const QStringList &artists, const QString &title);
