#include "track/Bonus.h"

#include <cmath>

#include "core/IOBuffer.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "track/Bonus_Aim.h"
#include "track/Bonus_Back.h"
#include "track/Bonus_Bomb.h"
#include "track/Bonus_Coin.h"
#include "track/Bonus_Fire.h"
#include "track/Bonus_Slow.h"
#include "track/EffectHost.h"
#include "track/EffectImages.h"
#include "track/RecordLimits.h"
#include "track/ScoreRule.h"

namespace {
constexpr float kScreenWidth = 800;         // pixels
constexpr float kWallBounce = 0.4f;         // share of the speed kept off a side wall
constexpr float kDecayAboveSpeed = 1.0f;    // pixels per tick falling
constexpr float kAccelerationDecay = 0.995f;  // per tick while falling faster
constexpr float kMissedBelowY = 700;        // pixels

// Frame of the bonus item strip per kind (the coin has a strip of its own).
constexpr int32_t kItemFrames[Bonus::kKindCount] = {0, 0, 1, 3, 2, 4};

using RecordLimits::Bounds;
using RecordLimits::Either;
// What the game gives an item, with room to spare: it spins 4 degrees a tick
// at most, grows by 0.001 a tick from 1, is 10 pixels across and falls
// by at most 0.1 pixels per tick more each tick.
constexpr Bounds<float> kSpin = Either(360);                  // degrees per tick
constexpr Bounds<float> kGrowth = Either(1);                  // scale per tick
constexpr Bounds<float> kRadius{0, 1000};                     // pixels
constexpr Bounds<int32_t> kFrames{0, Bonus::kCoinKinds - 1};  // a coin's look; 0 for the rest
constexpr Bounds<float> kFloatRanges[] = {Either(RecordLimits::kAngle),
                                          kSpin,
                                          RecordLimits::kScale,
                                          kGrowth,
                                          kRadius,
                                          Either(RecordLimits::kFallSpeed),
                                          Either(RecordLimits::kFallSpeed),
                                          Either(RecordLimits::kSpeedChange),
                                          Either(RecordLimits::kSpeedChange),
                                          Either(RecordLimits::kCoordinate),
                                          Either(RecordLimits::kCoordinate)};

bool MotionInBounds(std::span<const float> values) { return RecordLimits::AllInBounds<float>(values, kFloatRanges); }
}  // namespace

Bonus::Bonus(BonusKind itemKind, const EffectImages* images) : kind(itemKind) {
    mName = "bonus";
    if (!images) return;
    if (kind == BonusKind::Coin) {
        strip = images->coin;
        image = images->gemHalo;
    } else if (images->bonusItems) {
        image = &images->bonusItems->Frame(kItemFrames[static_cast<int32_t>(kind)]);
    }
}

Bonus* Bonus::Create(int32_t itemKind, const EffectImages* images, int32_t coinKind) {
    switch (itemKind) {
        case 0: return new Bonus_Coin(images, coinKind);
        case 1: return new Bonus_Fire(images);
        case 2: return new Bonus_Bomb(images);
        case 3: return new Bonus_Slow(images);
        case 4: return new Bonus_Back(images);
        case 5: return new Bonus_Aim(images);
        default: return nullptr;
    }
}

float Bonus::Radius() const { return std::fabs(radius * scale); }

void Bonus::Update() {
    scale += growth;
    angle += spin;
    velocity.x += acceleration.x;
    velocity.y += acceleration.y;
    position.x += velocity.x;
    position.y += velocity.y;

    float r = Radius();
    if (position.x - r < 0 && velocity.x < 0) velocity.x = std::fabs(velocity.x) * kWallBounce;
    if (position.x + r > kScreenWidth && velocity.x > 0) velocity.x = -std::fabs(velocity.x) * kWallBounce;

    if (velocity.y > kDecayAboveSpeed) acceleration.y *= kAccelerationDecay;
    if (position.y > kMissedBelowY || !MotionInBounds(RecordFloats())) Kill();
}

void Bonus::Draw() {
    // A coin's halo turns and grows; the coin itself spins in its strip.
    if (image) image->DrawRotatedScaled(position.x, position.y, angle, scale);
    if (strip && strip->FrameCount() > 0) {
        int32_t shown = frame >= 0 && frame < strip->FrameCount() ? frame : 0;
        strip->Frame(shown).DrawCentred(position.x, position.y);
    }
}

void Bonus::ApplyCatch(EffectHost& host) const {
    switch (kind) {
        case BonusKind::Coin:
            host.AddScore(ScaledPoints(kCoinPoints, host.WorldIndex(), host.CurrentPlayStyle()));
            break;
        case BonusKind::Fire: host.SetFireGrant(kFireGrant); break;
        case BonusKind::Bomb: host.SetBombGrant(kBombGrant); break;
        case BonusKind::Slow: host.SetSlowTimer(kSlowTicks); break;
        case BonusKind::Back: host.SetBackTimer(kBackTicks); break;
        case BonusKind::Aim: host.SetAimTimer(kAimTicks); break;
    }
}

std::array<float, Bonus::kRecordFloats> Bonus::RecordFloats() const {
    return {angle,      spin,           scale,          growth,     radius,    velocity.x,
            velocity.y, acceleration.x, acceleration.y, position.x, position.y};
}

void Bonus::Save(IOBuffer& out) const {
    out.WriteInt(frame);
    for (float value : RecordFloats()) out.WriteFloat(value);
}

bool Bonus::Load(IOBuffer& in) {
    int32_t readFrame = in.ReadInt();
    std::array<float, kRecordFloats> values;
    for (float& value : values) value = in.ReadFloat();
    if (in.HasError() || !RecordLimits::InBounds(readFrame, kFrames) || !MotionInBounds(values)) return false;
    frame = readFrame;
    angle = values[0];
    spin = values[1];
    scale = values[2];
    growth = values[3];
    radius = values[4];
    velocity = {values[5], values[6]};
    acceleration = {values[7], values[8]};
    position = {values[9], values[10]};
    return true;
}
