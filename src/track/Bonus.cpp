#include "track/Bonus.h"

#include <cmath>

#include "core/IOBuffer.h"
#include "track/EffectHost.h"
#include "track/ScoreRule.h"

namespace {
constexpr float kScreenWidth = 800;         // pixels
constexpr float kWallBounce = 0.4f;         // share of the speed kept off a side wall
constexpr float kDecayAboveSpeed = 1.0f;    // pixels per tick falling
constexpr float kAccelerationDecay = 0.995f;  // per tick while falling faster
constexpr float kMissedBelowY = 700;        // pixels

bool Finite(float value) { return std::isfinite(value); }
}  // namespace

Bonus::Bonus() { mName = "bonus"; }

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
    if (position.y > kMissedBelowY) Kill();
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

void Bonus::Save(IOBuffer& out) const {
    out.WriteInt(frame);
    out.WriteFloat(angle);
    out.WriteFloat(spin);
    out.WriteFloat(scale);
    out.WriteFloat(growth);
    out.WriteFloat(radius);
    out.WriteFloat(velocity.x);
    out.WriteFloat(velocity.y);
    out.WriteFloat(acceleration.x);
    out.WriteFloat(acceleration.y);
    out.WriteFloat(position.x);
    out.WriteFloat(position.y);
}

bool Bonus::Load(IOBuffer& in) {
    int32_t readFrame = in.ReadInt();
    float values[11];
    for (float& value : values) value = in.ReadFloat();
    if (in.HasError()) return false;
    for (float value : values)
        if (!Finite(value)) return false;
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
