#pragma once
// The catalogue images and sounds that bonus items, special balls, the fuse
// and the particle effects draw with. The owner of the catalogue fills it
// once; a missing entry (null) is simply not drawn or played.

class Sound;
class Sprite;
class SpriteStrip;

struct EffectImages {
    static constexpr int kSmokeCount = 3;

    const SpriteStrip* coin = nullptr;        // "graphics\\Coin", 6 frames
    const Sprite* gemHalo = nullptr;          // "Graphics\\GemHalo"
    const SpriteStrip* bonusItems = nullptr;  // "Graphics\\BonusItems", 5 frames
    const SpriteStrip* fireball = nullptr;    // "graphics\\fireball", 20 frames
    const Sprite* bomb = nullptr;             // "graphics\\Bomb"
    const Sprite* wickSegment = nullptr;      // "graphics\\WickSegment"
    const Sprite* spark = nullptr;            // "graphics\\Spark"
    const Sprite* speck = nullptr;            // "graphics\\Speck"
    const Sprite* poof = nullptr;             // "graphics\\Poof"
    const Sprite* smoke[kSmokeCount] = {};    // "graphics\\Smoke1" .. "graphics\\Smoke3"
    Sound* firework = nullptr;                // "Sounds\\FIREWORK"
};
