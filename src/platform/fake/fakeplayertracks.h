// A music player of the test's making: the track it plays (empty: nothing plays).
#pragma once

#include "platform/playertracks.h"

class FakePlayerTracks : public PlayerTracks
{
public:
    QString track;
    int reads = 0;

    QString PlayingTrack() override
    {
        ++reads;
        return track;
    }
};
