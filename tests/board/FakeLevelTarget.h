#pragma once
// Records what the level loader hands to a board.

#include <vector>

#include "board/LevelTarget.h"

class FakeLevelTarget : public LevelTarget {
public:
    explicit FakeLevelTarget(int32_t trackCount = 1)
        : tracks(static_cast<size_t>(trackCount)), releaseWaits(static_cast<size_t>(trackCount), -1) {}

    int32_t TrackCount() const override { return static_cast<int32_t>(tracks.size()); }
    void AddWaveToTrack(int32_t trackIndex, const WaveSpec& wave) override {
        tracks.at(static_cast<size_t>(trackIndex)).push_back(wave);
    }
    void SetTrackReleaseWait(int32_t trackIndex, int32_t ticks) override {
        releaseWaits.at(static_cast<size_t>(trackIndex)) = ticks;
    }
    void SetDisplayName(const String& name) override { displayName = name; }
    void SetRush(float value) override { rush = value; }
    void SetProgressTarget(int32_t target) override { progressTarget = target; }

    std::vector<std::vector<WaveSpec>> tracks;
    std::vector<int32_t> releaseWaits;
    String displayName = "UNNAMED LEVEL";
    float rush = 0.25f;
    int32_t progressTarget = 100;
};
