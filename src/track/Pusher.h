#pragma once
// The robot that pushes a wave of balls from behind. It never matches (its
// colour is negative) and is cleared once it has nothing left to push.

#include "track/Plimb.h"

struct WaveSpec;

class Pusher : public Plimb {
public:
    // `wave` is owned by the track and outlives the robot.
    Pusher(TrackHost* board, WaveSpec* wave);

    // Fading, the countdown, and a slow turn towards the path direction.
    void Update() override;
    // The robot strip's frame for its angle (one frame per 4 degrees), a
    // little larger than the balls.
    void DrawShadow() const override;
    void DrawBody() const override;

    WaveSpec* wave;
    float gapAhead = -1;            // pixels of gap to the robot ahead; -1 without one
    Pusher* robotAhead = nullptr;   // the next robot-led piece ahead, recomputed every tick
    int32_t countdown = 0;          // ticks, down to 0
    float targetSpeed = 0;          // pixels per tick the robot last aimed for
};
