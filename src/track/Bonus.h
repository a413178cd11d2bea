#pragma once
// A bonus item tumbling down the play field after a pop; the player catches it
// with the launcher. One class for the physics, drawing and record; the kinds
// (Bonus_Coin ... Bonus_Aim) differ only in construction.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Object.h"
#include "track/Vec2.h"

class EffectHost;
class IOBuffer;
struct EffectImages;
class Sprite;
class SpriteStrip;

enum class BonusKind : int32_t { Coin = 0, Fire = 1, Bomb = 2, Slow = 3, Back = 4, Aim = 5 };

class Bonus : public Object {
public:
    static constexpr int32_t kKindCount = 6;
    // Coins come in this many looks, frames of the coin strip.
    static constexpr int32_t kCoinKinds = 6;
    // Catch effects.
    static constexpr int32_t kCoinPoints = 250;
    static constexpr int32_t kFireGrant = 1000;
    static constexpr int32_t kBombGrant = 100;
    static constexpr int32_t kSlowTicks = 900;
    static constexpr int32_t kBackTicks = 250;
    static constexpr int32_t kAimTicks = 1500;

    // The item's look comes from `images` by kind (null: nothing drawn).
    explicit Bonus(BonusKind kind = BonusKind::Coin, const EffectImages* images = nullptr);
    // The class of `kind` (a coin shows coin kind `coinKind`, 0 .. 5); null
    // for a kind outside 0 .. 5. For the board's drops and saved games.
    static Bonus* Create(int32_t kind, const EffectImages* images, int32_t coinKind);

    // Moves, spins and grows the item; it is gone once it falls below the
    // field, or once its motion has left everything the game could give it
    // (it could never come back to be caught, nor its record load again).
    void Update() override;
    void Draw() override;

    // What catching this item does on the board (the board adds its own
    // common catch step: sound and tally).
    void ApplyCatch(EffectHost& host) const;

    void Save(IOBuffer& out) const;
    // False on a short record or one with a value outside what the game
    // gives an item; the item is then unchanged.
    bool Load(IOBuffer& in);

    // The collision radius at the current scale.
    float Radius() const;

    const SpriteStrip* strip = nullptr;  // coin animation (coin only)
    // Still image: the kind's frame of the bonus strip, the halo for a coin.
    const Sprite* image = nullptr;
    int32_t frame = 0;
    float angle = 0;         // degrees
    float spin = 1.0f;       // degrees per tick
    float scale = 1.0f;
    float growth = 0.001f;   // scale per tick
    Vec2 velocity;      // pixels per tick
    Vec2 acceleration{0, 0.025f};  // pixels per tick per tick
    Vec2 position{400, 300};
    float radius = 10;       // pixels before scaling
    BonusKind kind = BonusKind::Coin;

private:
    static constexpr std::size_t kRecordFloats = 11;
    // The floats of the record, in record order.
    std::array<float, kRecordFloats> RecordFloats() const;
};
