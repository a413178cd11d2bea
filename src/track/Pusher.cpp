#include "track/Pusher.h"

#include <cmath>

#include "track/Geometry.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Share of the turn towards the path direction per tick, and the most it turns
// in the positive direction (degrees per tick).
constexpr float kTurnShare = 22.0f;
constexpr float kTurnLimit = 2.0f;
// Drawing: one strip frame per this many degrees, and the scale over the balls'.
constexpr float kDegreesPerFrame = 4.0f;
constexpr float kBodyGrowth = 0.15f;
constexpr float kShadowGrowth = 0.23f;

const SpriteStrip* RobotStrip(const TrackHost* board) {
    const TrackImages* images = board != nullptr ? board->Images() : nullptr;
    return images != nullptr ? images->robot : nullptr;
}

int32_t RobotFrame(float angle) {
    float turned = std::fmod(-angle, 360.0f);
    if (turned < 0.0f) turned += 360.0f;
    if (!(turned >= 0.0f && turned < 360.0f)) return 0;
    return static_cast<int32_t>(turned / kDegreesPerFrame);
}
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

void Pusher::DrawShadow() const { DrawFrame(RobotStrip(board), RobotFrame(angle), 0.0f, scale + kShadowGrowth, true); }

void Pusher::DrawBody() const { DrawFrame(RobotStrip(board), RobotFrame(angle), 0.0f, scale + kBodyGrowth, false); }
