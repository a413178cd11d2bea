#include "track/Plimb.h"

#include <algorithm>
#include <cmath>

#include "core/IOBuffer.h"
#include "core/Random.h"
#include "media/Graphics.h"
#include "media/SpriteStrip.h"
#include "track/Geometry.h"
#include "track/RecordLimits.h"
#include "track/Track.h"
#include "track/TrackHost.h"

namespace {
// Rolling frames per pixel travelled, by drawing scale: small balls spin faster.
constexpr float kSmallScale = 0.6f;
constexpr float kSmallRollRate = 1.75f;
constexpr float kMediumScale = 0.8f;
constexpr float kMediumRollRate = 1.5f;
constexpr float kLargeRollRate = 1.0f;
// Easing of the angle after insertion: share of the turn per tick, at most degrees.
constexpr float kEaseShare = 15.0f;
constexpr float kEaseLimit = 2.0f;
constexpr float kSinkAlphaStep = -0.05f;
// The shadow: a grey silhouette a little larger than the ball.
constexpr float kShadowGrey = 0.25f;
constexpr float kShadowAlpha = 0.85f;
constexpr float kShadowGrowth = 1.07f;
// The strips show a ball rolling upwards: turn them to the path direction.
constexpr float kStripTurn = -90.0f;

float RollRate(float scale) {
    if (scale == kSmallScale) return kSmallRollRate;
    if (scale == kMediumScale) return kMediumRollRate;
    return kLargeRollRate;
}
}  // namespace

Plimb::Plimb(TrackHost* board) : board(board) {
    mName = "Plimb";
    rollFrame = static_cast<float>(GetRandom().Next(kRollFrames));
    int32_t colours = board != nullptr ? board->ColourCount() : 0;
    colour = colours > 0 ? GetRandom().Next(colours) : 0;
}

void Plimb::UpdateFade() {
    if (!fading) return;
    alpha += alphaStep;
    if (alpha > 1.0f) {
        alpha = 1.0f;
        fading = false;
    } else if (alpha < 0.0f) {
        alpha = 0.0f;
    }
}

void Plimb::Update() {
    UpdateFade();
    if (track != nullptr) {
        rollFrame -= (distance - previousDistance) * RollRate(scale);
        rollFrame = std::fmod(rollFrame, static_cast<float>(kRollFrames));
        if (rollFrame < 0.0f) rollFrame += kRollFrames;
        float pathAngle = track->AngleAtDistance(distance);
        if (angleEase < 1) {
            angle = pathAngle;
        } else if (speed != 0.0f) {
            --angleEase;
            angle += std::clamp(SignedAngleDifference(angle, pathAngle) / kEaseShare, -kEaseLimit, kEaseLimit);
        }
    }
    previousDistance = distance;
}

void Plimb::Sink() {
    if (fading) return;
    fading = true;
    alpha = 1.0f;
    alphaStep = kSinkAlphaStep;
}

void Plimb::SaveRecord(IOBuffer& out, int32_t gapLeftIndex, int32_t gapRightIndex) const {
    out.WriteFloat(position.x);
    out.WriteFloat(position.y);
    for (float value : flight) out.WriteFloat(value);
    for (bool flag : {isRobot, hasAppeared, gapShot, isFireBall, isBomb, hidden, onPath, hittable, false, fading})
        out.WriteBool(flag);
    for (float value : {alphaStep, distance, previousDistance, angle, rollFrame, speed, scale, alpha})
        out.WriteFloat(value);
    out.WriteInt(angleEase);
    out.WriteInt(colour);
    out.WriteInt(gapTimer);
    out.WriteInt(gapLeftIndex);
    out.WriteInt(gapRightIndex);
}

bool Plimb::LoadRecord(IOBuffer& in, float pathLength, int32_t& gapLeftIndex, int32_t& gapRightIndex) {
    using namespace RecordLimits;
    // The rolling frame wraps within the strip on a track; a launcher ball
    // rolls on by a reload's worth of frames now and then.
    constexpr Bounds<float> kRollFrame = Either(100.0f * kRollFrames);
    // Opacity per tick: more than the whole range in one tick means nothing.
    constexpr Bounds<float> kAlphaStep = Either(1);
    const Bounds<float> path{-kPathMargin, pathLength + kPathMargin};
    constexpr Bounds<float> kPoint = Either(kCoordinate);
    // position (2 floats), flight (4), alphaStep, distance, previousDistance,
    // angle, rollFrame, speed, scale, alpha.
    const Bounds<float> floatRanges[] = {kPoint,     kPoint, kPoint, kPoint,         kPoint,     kPoint,
                                         kAlphaStep, path,   path,   Either(kAngle), kRollFrame, Either(kChainSpeed),
                                         kScale,     kUnit};
    float floats[2 + 4 + 8];
    bool flags[10];
    floats[0] = in.ReadFloat();
    floats[1] = in.ReadFloat();
    for (int i = 0; i < 4; ++i) floats[2 + i] = in.ReadFloat();
    for (bool& flag : flags) flag = in.ReadBool();
    for (int i = 0; i < 8; ++i) floats[6 + i] = in.ReadFloat();
    int32_t ints[5];
    for (int32_t& value : ints) value = in.ReadInt();
    if (in.HasError() || !AllInBounds<float>(floats, floatRanges)) return false;
    // angleEase, colour (by kind), gapTimer; the gap indices are the caller's.
    constexpr Bounds<int32_t> kSpecial{kSpecialColour, kSpecialColour};
    const Bounds<int32_t> colourRange = flags[0] ? kRobotColour : (flags[3] || flags[4]) ? kSpecial : kBallColour;
    const Bounds<int32_t> intRanges[] = {kTicks, colourRange, kTicks};
    if (!AllInBounds<int32_t>(std::span(ints, 3), intRanges)) return false;
    position = {floats[0], floats[1]};
    for (int i = 0; i < 4; ++i) flight[i] = floats[2 + i];
    isRobot = flags[0];
    hasAppeared = flags[1];
    gapShot = flags[2];
    isFireBall = flags[3];
    isBomb = flags[4];
    hidden = flags[5];
    onPath = flags[6];
    hittable = flags[7];
    fading = flags[9];  // flags[8] is a spare, always false
    alphaStep = floats[6];
    distance = floats[7];
    previousDistance = floats[8];
    angle = floats[9];
    rollFrame = floats[10];
    speed = floats[11];
    scale = floats[12];
    alpha = floats[13];
    angleEase = ints[0];
    colour = ints[1];
    gapTimer = ints[2];
    gapLeftIndex = ints[3];
    gapRightIndex = ints[4];
    return true;
}

void Plimb::DrawFrame(const SpriteStrip* strip, int32_t frame, float degrees, float drawScale, bool shadow) const {
    if (strip == nullptr) return;
    Graphics& graphics = GetGraphics();
    // The colour goes back as it was: a sinking ball's fading alpha must not
    // carry over to whatever is drawn after it (the eaters are).
    if (shadow) {
        graphics.PushColour(Colour{kShadowGrey, kShadowGrey, kShadowGrey, DrawAlpha(kShadowAlpha)});
        graphics.SetBlendMode(1);
    } else {
        graphics.PushColour(Colour{1.0f, 1.0f, 1.0f, DrawAlpha(1.0f)});
    }
    strip->Frame(frame).DrawRotatedScaled(position.x, position.y, degrees, drawScale);
    graphics.SetBlendMode(0);
    graphics.PopColour();
}

namespace {
const SpriteStrip* BallStrip(const TrackHost* board, int32_t colour) {
    const TrackImages* images = board != nullptr ? board->Images() : nullptr;
    if (images == nullptr || colour < 0 || colour >= TrackImages::kColours) return nullptr;
    return images->balls[colour];
}

int32_t RollingFrame(float rollFrame) {
    if (!(rollFrame >= 0.0f)) return Plimb::kRollFrames - 1;
    if (rollFrame >= static_cast<float>(Plimb::kRollFrames)) return 0;
    return static_cast<int32_t>(rollFrame);
}
}  // namespace

void Plimb::DrawShadow() const {
    DrawFrame(BallStrip(board, colour), RollingFrame(rollFrame), angle + kStripTurn, scale * kShadowGrowth, true);
}

void Plimb::DrawBody() const {
    DrawFrame(BallStrip(board, colour), RollingFrame(rollFrame), angle + kStripTurn, scale, false);
}

void Plimb::Draw() {
    DrawShadow();
    DrawBody();
}
