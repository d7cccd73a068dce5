// Player tracks on Linux: Winamp-style windows (their WM_CLASS) on X11, then the MPRIS players on
// the session bus as their change signals report them (never a call that waits).
#pragma once

#include "platform/playertracks.h"

#include <QPointer>

class MprisPlayers;

class LinuxPlayerTracks : public PlayerTracks
{
public:
    QString PlayingTrack() override;

private:
    QPointer<MprisPlayers> m_mpris;
};
