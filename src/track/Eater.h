#pragma once
// The scenery at the end of a path. At the end of a level the board hands it
// one burning fuse per track ending here; each fuse that reaches its bomb sets
// off a firework and knocks the tile askew, and once every fuse has burnt out
// the eater is gone (no longer drawn).

#include <cstdint>
#include <memory>
#include <vector>

#include "core/Object.h"
#include "core/Rect.h"

class EffectHost;
class IOBuffer;
class Sprite;
class Wick;
struct EffectImages;

class Eater : public Object {
public:
    // Records with more fuses than this are refused.
    static constexpr int32_t kMaxWicks = 16;

    // `secondEater` is true for every eater but the board's first (it picks
    // the angle offset of its fuses' bombs). host and images outlive the eater.
    Eater(EffectHost* host, const EffectImages* images, bool secondEater);
    ~Eater() override;

    // The scenery image and the rectangle it covers; a mirrored tile is drawn
    // flipped left to right.
    void SetTile(const Sprite* image, const Rect& place, bool mirrored);

    // The end of the level has come: any earlier fuses are dropped and the
    // eater now waits for the fuses handed to it.
    void StartHandOver();
    // Takes ownership of a fuse of this eater's track.
    void AddWick(Wick* wick);

    void Update() override;
    void Draw() override;

    bool IsGone() const { return gone; }
    float Angle() const { return angle; }
    int32_t WickCount() const { return static_cast<int32_t>(wicks.size()); }
    Wick& WickAt(int32_t index) { return *wicks[index]; }

    void Save(IOBuffer& out) const;
    // False on a short or damaged record; the eater is then unchanged.
    bool Load(IOBuffer& in);
    // Load in two steps, so that a board can read its whole record before
    // anything changes.
    struct Record {
        Record();
        ~Record();
        Record(Record&&) noexcept;
        std::vector<std::unique_ptr<Wick>> wicks;
        bool handedOver = false;
    };
    bool ReadRecord(IOBuffer& in, Record& record) const;
    void TakeRecord(Record&& record);

private:
    EffectHost* host;
    const EffectImages* images;
    bool secondEater;
    const Sprite* tile = nullptr;
    Rect tilePlace;
    bool mirrored = false;
    float angle = 0;  // degrees the tile is knocked askew
    std::vector<std::unique_ptr<Wick>> wicks;
    bool gone = false;
    // Set by the hand-over: before it an eater without fuses is still scenery.
    bool handedOver = false;
};
