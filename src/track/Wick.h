#pragma once
// The burning fuse laid along the last stretch of a finished path. It drops in
// from above, lights on landing and burns from its far end towards the bomb at
// point 0, paying points as it goes.

#include <cstdint>
#include <vector>

#include "core/Object.h"
#include "core/ObjectManager.h"
#include "track/Vec2.h"

class EffectHost;
class IOBuffer;
class Track;
struct EffectImages;

class Wick : public Object {
public:
    // Records with more points than this are refused (a path of 60 000 pixels).
    static constexpr int32_t kMaxPoints = 20000;
    static constexpr int32_t kPaymentPoints = 100;
    static constexpr int32_t kSampleStep = 3;         // path samples per fuse point
    static constexpr float kReachBeforeEnd = 300;     // pixels the fuse reaches back at least

    // `points` start at the path's end. `secondEater` picks which of the
    // board's two angle offsets turns the bomb. host and images must outlive
    // the wick; images may be null (nothing drawn).
    Wick(EffectHost* host, const EffectImages* images, std::vector<Vec2> points, bool secondEater);
    ~Wick() override;

    // The fuse points of a path sampled one pixel apart (samples[0 .. length]):
    // every third sample from the end back to the lower of (length - 300) and
    // the last removed robot's distance, not below 0.
    static std::vector<Vec2> PointsFromSamples(const std::vector<Vec2>& samples, float lastRobotDistance);

    // The fuse for a finished track, reaching back from its path's end as
    // PointsFromSamples says, for the eater the track ends in.
    static Wick* MakeWick(EffectHost* host, const EffectImages* images, const Track& track, bool secondEater);

    void Update() override;
    void Draw() override;

    // Linear interpolation between the points around `index` (clamped to the
    // fuse); (0, 0) for a fuse without points.
    Vec2 WickPointAt(float index) const;

    void Save(IOBuffer& out) const;
    // False on a short or damaged record (counts and indices out of range,
    // values outside what the game gives a fuse); the wick is then unchanged.
    bool Load(IOBuffer& in);

    const std::vector<Vec2>& Points() const { return points; }
    bool IsLit() const { return lit; }
    float Burn() const { return burn; }
    float Height() const { return height; }
    bool IsMarkedBurnt() const { return burnt; }
    void MarkBurnt() { burnt = true; }
    const ObjectManager& Effects() const { return effects; }

private:
    void Pay();
    void EmitSmoke();

    EffectHost* host;
    const EffectImages* images;
    std::vector<Vec2> points;
    float burn = 0;         // index of the burning point, counting down
    float height = 0;       // pixels above the resting place (drop-in)
    float fallSpeed = 0;    // pixels per tick, negative falling
    int32_t lastIndex = -1;
    int32_t smokeTicks = 0;
    int32_t payTicks = 0;
    bool secondEater;
    bool lit = false;
    bool bouncing = false;
    bool burnt = false;     // the eater has seen this fuse reach its bomb
    ObjectManager effects;  // own smoke puffs
};
