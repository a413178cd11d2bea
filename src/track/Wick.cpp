#include "track/Wick.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/IOBuffer.h"
#include "media/Animator_Sprite.h"
#include "media/Sprite.h"
#include "track/EffectHost.h"
#include "track/EffectImages.h"
#include "track/Geometry.h"
#include "track/RecordLimits.h"
#include "track/ScoreRule.h"
#include "track/SmokePuff.h"
#include "track/Sparks.h"
#include "track/Track.h"

namespace {
// Drop-in: the fuse falls from above the screen and lights where it lands.
constexpr float kDropHeight = 600;       // pixels above the resting place
constexpr float kFallGravity = 0.85f;    // pixels per tick per tick while falling
constexpr float kBounceLift = 0.085f;    // pixels per tick per tick while bouncing
constexpr float kBurnPerTick = 2;        // fuse points per lit tick
constexpr int32_t kPayEvery = 15;        // ticks between payments, minus one
constexpr int32_t kSmokeEvery = 4;       // ticks between smoke puffs
constexpr int32_t kBombAimPoint = 2;     // the bomb points away from this fuse point
constexpr float kHalfTurn = 180;         // degrees
// The burning point keeps counting down after the fuse has burnt out, 2 a
// tick for as long as the board lives; a float stops changing near -6.7e7.
constexpr float kLowestBurn = -1e8;  // fuse points
}  // namespace

Wick::Wick(EffectHost* host, const EffectImages* images, std::vector<Vec2> fusePoints, bool secondEater)
    : host(host), images(images), points(std::move(fusePoints)), secondEater(secondEater) {
    mName = "wick";
    lastIndex = static_cast<int32_t>(points.size()) - 1;
    burn = static_cast<float>(lastIndex);
    height = kDropHeight;
}

Wick::~Wick() { effects.Clear(); }

std::vector<Vec2> Wick::PointsFromSamples(const std::vector<Vec2>& samples, float lastRobotDistance) {
    std::vector<Vec2> result;
    if (samples.empty()) return result;
    int32_t length = static_cast<int32_t>(samples.size()) - 1;
    float reach = std::max(0.0f, std::min(static_cast<float>(length) - kReachBeforeEnd, lastRobotDistance));
    int32_t lowest = static_cast<int32_t>(reach);
    for (int32_t i = length; i >= lowest; i -= kSampleStep) result.push_back(samples[i]);
    return result;
}

Wick* Wick::MakeWick(EffectHost* host, const EffectImages* images, const Track& track, bool secondEater) {
    return new Wick(host, images, PointsFromSamples(track.Samples(), track.LastRobotDistance()), secondEater);
}

Vec2 Wick::WickPointAt(float index) const {
    if (points.empty() || lastIndex < 0) return {};
    float whole = std::floor(index);
    int32_t i = static_cast<int32_t>(std::clamp(whole, 0.0f, static_cast<float>(lastIndex)));
    int32_t j = std::min(i + 1, lastIndex);
    float t = index - whole;
    const Vec2& a = points[i];
    const Vec2& b = points[j];
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

void Wick::Update() {
    if (!lit) {
        height += fallSpeed;
        if (!bouncing) {
            fallSpeed -= kFallGravity;
            if (height <= 0) {
                lit = true;
                height = 0;
            }
        } else {
            fallSpeed += kBounceLift;
            if (height > 0) bouncing = false;
        }
    } else {
        if (burn > 0) {
            if (payTicks == 0) {
                Pay();
                payTicks = kPayEvery;
            } else {
                --payTicks;
            }
        }
        burn -= kBurnPerTick;
    }

    if (smokeTicks > 0) --smokeTicks;
    if (smokeTicks == 0 && lit && !points.empty() && burn > 0) {
        smokeTicks = kSmokeEvery;
        EmitSmoke();
    }
    effects.Update();
}

void Wick::Draw() {
    if (images && !points.empty()) {
        // While dropping in, the whole fuse hangs `height` pixels above its place.
        float lift = -height;
        int32_t count = static_cast<int32_t>(points.size());
        int32_t unburnt = std::min(static_cast<int32_t>(burn), count - 1);
        if (images->wickSegment)
            for (int32_t i = 0; i < unburnt; ++i) images->wickSegment->DrawCentred(points[i].x, points[i].y + lift);
        if (lit && burn > 0) {
            Vec2 tip = WickPointAt(burn);
            DrawSparks(*images, tip.x, tip.y + lift);
        }
        if (burn > 0 && images->bomb) {
            const Vec2& end = points[0];
            const Vec2& behind = points[std::min(kBombAimPoint, count - 1)];
            float offset = host ? host->WickAngleOffset(secondEater) : 0;
            float turn = Bearing(behind, end) + kHalfTurn + offset;
            images->bomb->DrawRotatedScaled(end.x, end.y + lift, turn, 1);
        }
    }
    effects.Draw();
}

void Wick::Pay() {
    if (!host) return;
    int32_t points = ScaledPoints(kPaymentPoints, host->WorldIndex(), host->CurrentPlayStyle());
    Vec2 at = WickPointAt(burn);
    host->ShowPoints(points, at.x, at.y);
    host->AddScore(points);
}

void Wick::EmitSmoke() {
    if (!images) return;
    Vec2 at = WickPointAt(burn);
    effects.Add(MakeSmokePuff(*images, at.x, at.y));
}

void Wick::Save(IOBuffer& out) const {
    out.WriteInt(static_cast<int32_t>(points.size()));
    for (const Vec2& point : points) {
        out.WriteFloat(point.x);
        out.WriteFloat(point.y);
    }
    out.WriteFloat(burn);
    out.WriteFloat(height);
    out.WriteFloat(fallSpeed);
    out.WriteInt(lastIndex);
    out.WriteInt(smokeTicks);
    out.WriteInt(payTicks);
    out.WriteBool(lit);
    out.WriteBool(bouncing);
    out.WriteBool(burnt);
}

bool Wick::Load(IOBuffer& in) {
    using namespace RecordLimits;
    constexpr int32_t kPointBytes = 8;
    int32_t count = in.ReadInt();
    if (in.HasError() || count < 0 || count > kMaxPoints || count > in.Remaining() / kPointBytes) return false;
    std::vector<Vec2> readPoints(static_cast<size_t>(count));
    for (Vec2& point : readPoints) {
        point.x = in.ReadFloat();
        point.y = in.ReadFloat();
        if (!InBounds(point.x, Either(kCoordinate)) || !InBounds(point.y, Either(kCoordinate))) return false;
    }
    float readBurn = in.ReadFloat();
    float readHeight = in.ReadFloat();
    float readFallSpeed = in.ReadFloat();
    int32_t readLastIndex = in.ReadInt();
    int32_t readSmokeTicks = in.ReadInt();
    int32_t readPayTicks = in.ReadInt();
    bool readLit = in.ReadBool();
    bool readBouncing = in.ReadBool();
    bool readBurnt = in.ReadBool();
    if (in.HasError()) return false;
    // The fuse hangs 600 pixels up at most, falling ever faster until it lands.
    const Bounds<float> floatRanges[] = {{kLowestBurn, static_cast<float>(count)}, Either(kCoordinate), Either(kFallSpeed)};
    const float floats[] = {readBurn, readHeight, readFallSpeed};
    if (!AllInBounds<float>(floats, floatRanges)) return false;
    if (readLastIndex < -1 || readLastIndex >= count) return false;
    if (readSmokeTicks < 0 || readSmokeTicks > kSmokeEvery || readPayTicks < 0 || readPayTicks > kPayEvery)
        return false;

    points = std::move(readPoints);
    burn = readBurn;
    height = readHeight;
    fallSpeed = readFallSpeed;
    lastIndex = readLastIndex;
    smokeTicks = readSmokeTicks;
    payTicks = readPayTicks;
    lit = readLit;
    bouncing = readBouncing;
    burnt = readBurnt;
    return true;
}
