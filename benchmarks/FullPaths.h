#pragma once
// A board's paths loaded as heavily as play ever gets: `balls` balls shared
// among the paths, laid back from each path's end half a spacing apart.

#include <cstdint>

#include "board/Board.h"
#include "track/Plimb.h"
#include "track/Track.h"
#include "track/WaveSpec.h"

// The balls onto the paths, not yet placed.
inline void AddBalls(Board& board, int32_t balls) {
    for (int32_t t = 0; t < board.TrackCount(); ++t) {
        Track& track = board.TrackAt(t);
        WaveSpec wave;
        wave.count = balls / board.TrackCount();
        track.AddWave(wave);
        track.StartWave();
    }
}

// Every path's balls laid back from `shift` pixels before its end.
inline void LayBalls(Board& board, float shift) {
    for (int32_t t = 0; t < board.TrackCount(); ++t) {
        Track& track = board.TrackAt(t);
        float d = static_cast<float>(track.Length()) - shift;
        for (auto it = track.Items().rbegin(); it != track.Items().rend(); ++it) {
            (*it)->distance = d;
            (*it)->position = track.PointAtDistance(d);
            d -= board.ballSpacing * 0.5f;
        }
    }
}

inline void FillPaths(Board& board, int32_t balls) {
    AddBalls(board, balls);
    LayBalls(board, 0);
}
