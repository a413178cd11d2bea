#pragma once
// What a level definition is applied to: the board with its tracks, the
// level's title and rush, and the game screen's progress target. The board
// implements it; the level loader knows nothing else about boards.

#include <cstdint>

#include "core/String.h"
#include "track/WaveSpec.h"

class LevelTarget {
public:
    virtual ~LevelTarget() = default;

    // Tracks in the order the board created them, indexed from 0.
    virtual int32_t TrackCount() const = 0;
    // Appends a wave (the track keeps its own copy) to track `trackIndex`.
    virtual void AddWaveToTrack(int32_t trackIndex, const WaveSpec& wave) = 0;
    // Ticks the track waits before its first release.
    virtual void SetTrackReleaseWait(int32_t trackIndex, int32_t ticks) = 0;

    virtual void SetDisplayName(const String& displayName) = 0;
    // Fraction of each path the opening rush covers.
    virtual void SetRush(float rush) = 0;
    // Progress points that fill the level's meter.
    virtual void SetProgressTarget(int32_t progressTarget) = 0;
};
