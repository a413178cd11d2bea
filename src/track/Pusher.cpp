#include "track/Pusher.h"

#include "track/Geometry.h"
#include "track/Track.h"

namespace {
// Share of the turn towards the path direction per tick, and the most it turns
// in the positive direction (degrees per tick).
constexpr float kTurnShare = 22.0f;
constexpr float kTurnLimit = 2.0f;
}  // namespace

Pusher::Pusher(TrackHost* board, WaveSpec* wave) : Plimb(board), wave(wave) {
    mName = "Pusher";
    isRobot = true;
}

void Pusher::Update() {
    UpdateFade();
    if (countdown > 0) --countdown;
    if (track != nullptr) {
        float turn = SignedAngleDifference(angle, track->AngleAtDistance(distance)) / kTurnShare;
        angle += turn > kTurnLimit ? kTurnLimit : turn;
    }
    previousDistance = distance;
}
