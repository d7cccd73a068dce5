// Player tracks on Linux: Winamp-style windows (their WM_CLASS) on X11, then the MPRIS players on
// the session bus.
#pragma once

#include "platform/playertracks.h"

class LinuxPlayerTracks : public PlayerTracks
{
public:
    QString PlayingTrack() override;
};
