#pragma once
// One ball colour's rolling strip, ray-cast frame by frame: the surface (face
// and markings) turns under a fixed light.
#include "common/Pixmap.h"
#include "sprites/Shapes.h"

struct BallLook {
    float body[3];     // main colour, 0 ... 1
    float marking[3];  // colour of the markings
    Marking shape = Marking::Star;
};

constexpr int kBallFrames = 90;          // one full turn
constexpr float kBallDegreesPerFrame = 4.0f;
constexpr int kBallFrameSize = 56;       // pixels; the ball itself spans 53
constexpr float kBallDiameter = 53.0f;   // the chain's ball spacing at scale 1.0

Pixmap RenderBallStrip(const BallLook& look);
