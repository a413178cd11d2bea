// Effects the board shows for pops, robots and fireworks, and the hand-over
// of finished tracks to their eaters at the end of the level.
#include <cmath>

#include "board/Board.h"
#include "board/BoardGame.h"
#include "board/BoardMedia.h"
#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "track/Eater.h"
#include "track/Firework_Particle.h"
#include "track/Plimb.h"
#include "track/PopPuff.h"
#include "track/TextFloater.h"
#include "track/Track.h"
#include "track/Wick.h"

namespace {
constexpr float kDegrees = 3.14159265f / 180;
// Robot burst.
constexpr int32_t kRobotPoints = 500;
constexpr float kRobotFlashGrowth = 0.045f, kRobotFlashFade = 0.01f;
constexpr int32_t kRobotSparks = 18;
constexpr float kRobotSparkStep = 20;   // degrees between sparks
constexpr float kRobotSparkReach = 25;  // pixels out at the start
constexpr float kRobotSparkSpeed = 2;   // pixels per tick, plus up to 1
constexpr float kRobotSparkFriction = 0.97f;
constexpr float kRobotSparkSpin = 10;   // degrees per tick at most
constexpr float kRobotSparkScaleA = 0.25f, kRobotSparkScaleB = 0.5f, kRobotSparkGrowth = 0.02f;
constexpr Colour kRobotSparkTint{0.66f, 0.45f, 0.75f, 1.0f};  // blue varies up to 1
constexpr float kRobotSparkAlphaRange = 0.45f, kRobotSparkFade = 0.015f;
// Firework burst: three rings of particles, each turned further and faster.
constexpr int32_t kFireworkRings = 3, kFireworkRingSize = 15;
constexpr float kFireworkSpacing = 24, kFireworkRingTurn = 8;  // degrees
constexpr float kFireworkSpeed = 1.65f, kFireworkRingSpeedUp = 1.0f;  // pixels per tick
constexpr int32_t kFireworkReach = 5, kFireworkReachRange = 5;        // pixels out at the start
constexpr float kFireworkDamping = 0.985f, kFireworkGravity = 0.02f;
constexpr float kFireworkScale = 0.55f, kFireworkScaleRange = 0.35f, kFireworkGrowth = 0.01f;
constexpr float kFireworkAlpha = 1.3f, kFireworkFade = 0.0075f, kFireworkFadeRange = 0.0015f;
constexpr float kFireworkSpin = 6;
constexpr int32_t kFireworkFlashTicks = 30;
constexpr float kFireworkShake = 20;
constexpr int32_t kAngles = 360;
}  // namespace

void Board::PopEffect(const Plimb& ball) {
    if (!media) return;
    if (Animator_Sprite* puff = MakePopPuff(media->effects, ball.position.x, ball.position.y, ball.scale))
        effects.Add(puff);
}

void Board::ShowFloatingText(const String& text, Vec2 where, FloaterKind kind) {
    // Points in gold, bonuses in white, combos in orange, all outlined dark.
    static constexpr Colour kColours[] = {{1, 0.85f, 0.2f, 1}, {1, 1, 1, 1}, {1, 0.55f, 0.1f, 1}};
    static constexpr Colour kOutline{0.1f, 0.05f, 0.2f, 1};
    const Font* font = media ? media->floaterFont : nullptr;
    trackEffects.Add(new TextFloater(text, where.x, where.y, font, kColours[static_cast<int32_t>(kind)], kOutline));
}

void Board::ShowPoints(int32_t points, float x, float y) {
    ShowFloatingText(String::Format("%d", points), Vec2{x, y}, FloaterKind::Points);
}

void Board::RobotBurst(Vec2 where) {
    Random& random = GetRandom();
    ShowPoints(kRobotPoints, where.x, where.y);
    game.PlaySound(BoardSoundName(BoardSound::Robot), 1, 1);
    auto* flash = new Animator_Sprite(media ? media->flash : nullptr);
    flash->mX = where.x;
    flash->mY = where.y;
    flash->mScale = 0;
    flash->mScaleSpeed = kRobotFlashGrowth;
    flash->mAlphaSpeed = kRobotFlashFade;
    effects.Add(flash);
    for (int32_t i = 0; i < kRobotSparks; ++i) {
        float direction = static_cast<float>(i) * kRobotSparkStep * kDegrees;
        float dx = std::cos(direction), dy = std::sin(direction);
        auto* spark = new Animator_Sprite(media ? media->sparks[random.Next(BoardMedia::kSparkCount)] : nullptr);
        spark->mX = where.x + dx * kRobotSparkReach;
        spark->mY = where.y + dy * kRobotSparkReach;
        float speed = kRobotSparkSpeed + random.NextFloat();
        spark->mVX = dx * speed;
        spark->mVY = dy * speed;
        spark->mFrictionX = spark->mFrictionY = kRobotSparkFriction;
        spark->mRotation = static_cast<float>(random.Next(kAngles));
        spark->mRotationSpeed = random.NextFloatRange(kRobotSparkSpin);
        spark->mScale = random.NextFloat() * kRobotSparkScaleA + random.NextFloat() * kRobotSparkScaleB;
        spark->mScaleSpeed = kRobotSparkGrowth;
        spark->mColour = kRobotSparkTint;
        spark->mColour.b = kRobotSparkTint.b + random.NextFloat() * (1 - kRobotSparkTint.b);
        spark->mColourSpeed = Colour{0, 0, 0, 0};
        spark->mAlpha = 1 + random.NextFloat() * kRobotSparkAlphaRange;
        spark->mAlphaSpeed = kRobotSparkFade;
        effects.Add(spark);
    }
}

void Board::FireworkBurst(float x, float y) {
    Random& random = GetRandom();
    game.PlaySound(BoardSoundName(BoardSound::Firework), 1, 1);
    float angle = static_cast<float>(random.Next(kAngles));
    float speed = kFireworkSpeed;
    for (int32_t ring = 0; ring < kFireworkRings; ++ring) {
        for (int32_t i = 0; i < kFireworkRingSize; ++i) {
            angle += kFireworkSpacing;
            float dx = std::cos(angle * kDegrees), dy = std::sin(angle * kDegrees);
            auto* particle = new Firework_Particle(media ? media->effects.speck : nullptr);
            float reach = static_cast<float>(kFireworkReach + random.Next(kFireworkReachRange));
            particle->mX = x + dx * reach;
            particle->mY = y + dy * reach;
            float particleSpeed = speed + random.NextFloat();
            particle->mVX = dx * particleSpeed;
            particle->mVY = dy * particleSpeed;
            particle->mFrictionX = particle->mFrictionY = kFireworkDamping;
            particle->mAccelY = kFireworkGravity;
            particle->mScale = kFireworkScale + kFireworkScaleRange * random.NextFloat();
            particle->mScaleSpeed = kFireworkGrowth;
            particle->mAlpha = kFireworkAlpha;
            particle->mAlphaSpeed = kFireworkFade + kFireworkFadeRange * random.NextFloat();
            particle->mRotation = static_cast<float>(random.Next(kAngles));
            particle->mRotationSpeed = random.NextFloatRange(kFireworkSpin, true);
            particle->mColourSpeed = Colour{0, 0, 0, 0};
            // Gold, rose and a bluer rose, each trail losing its own channels.
            int32_t scheme = random.Next(3);
            particle->mColour = Colour{1, 0.5f + 0.25f * random.NextFloat(), 0.5f + 0.25f * random.NextFloat(), 1};
            if (scheme == 2) particle->mColour.g = 0.9f + 0.09f * random.NextFloat();
            particle->trailLoss = scheme == 0 ? Colour{0.0025f, 0.02f, 0.02f, 1} : Colour{0.0025f, 0.0025f, 0.02f, 1};
            fuseEffects.Add(particle);
        }
        speed += kFireworkRingSpeedUp;
        angle += kFireworkRingTurn;
    }
    Flash(Colour{1, 1, 1, 1}, kFireworkFlashTicks);
    Shake(kFireworkShake);
}

void Board::BeginCompletion() {
    for (int32_t i = 0; i < eaters.Count(); ++i) static_cast<Eater*>(eaters.At(i))->StartHandOver();
    for (int32_t i = 0; i < TrackCount(); ++i) HandOverToEater(*tracks[i].track, i);
}

void Board::HandOverToEater(Track& track, int32_t trackIndex) {
    int32_t eaterIndex = tracks[trackIndex].eaterIndex;
    if (eaterIndex < 0 || eaterIndex >= eaters.Count() || track.Length() <= 0) return;
    bool secondEater = eaterIndex != 0;
    Wick* wick = Wick::MakeWick(this, media ? &media->effects : nullptr, track, secondEater);
    ++(secondEater ? wicksOnOtherEaters : wicksOnFirstEater);
    static_cast<Eater*>(eaters.At(eaterIndex))->AddWick(wick);
}
