#include "track/CelebrationBurst.h"

#include <cmath>
#include <cstdint>

#include "core/ObjectManager.h"
#include "core/Random.h"
#include "media/Sound.h"
#include "track/EffectImages.h"
#include "track/Firework_Particle.h"

namespace {
constexpr int32_t kVolleys = 3;
constexpr int32_t kSparksPerVolley = 15;
constexpr float kSparkSpacing = 24;        // degrees between sparks
constexpr float kVolleyTurn = 8;           // degrees between volleys
constexpr float kBaseSpeed = 1.65f;        // pixels per tick
constexpr float kVolleySpeedUp = 1;        // pixels per tick per volley
constexpr float kStartOut = 5;             // pixels from the centre
constexpr int32_t kStartOutRange = 5;      // plus 0 .. 4 whole pixels
constexpr float kScaleBase = 0.55f, kScaleRange = 0.35f;
constexpr float kGrowth = 0.01f;           // scale per tick
constexpr float kDamping = 0.985f;         // velocity kept per tick
constexpr float kStartAlpha = 1.3f;        // drawn clamped to 1: full brightness a while
constexpr float kFadeBase = 0.0075f, kFadeRange = 0.0015f;  // alpha per tick
constexpr int32_t kAngles = 360;           // whole degrees
constexpr float kSpinRange = 6;            // degrees per tick either way
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kSoundVolume = 1;

// Three colour schemes: a warm gold, and two pale ones whose trails go red or
// orange as blue (and for the first, green) drain faster.
constexpr int32_t kSchemes = 3;
constexpr Colour kTrailLoss[kSchemes] = {{0.0025f, 0.02f, 0.02f, 1}, {0.0025f, 0.0025f, 0.02f, 1},
                                         {0.0025f, 0.0025f, 0.02f, 1}};
constexpr float kGoldGreen = 0.9f, kGoldGreenRange = 0.09f;
constexpr float kPaleBase = 0.5f, kPaleRange = 0.25f;
constexpr int32_t kGoldScheme = 2;
}  // namespace

void CelebrationBurst(ObjectManager& into, const EffectImages& images, float x, float y) {
    if (images.firework) images.firework->Play(kSoundVolume);
    Random& random = GetRandom();
    float angle = static_cast<float>(random.Next(kAngles));
    float speed = kBaseSpeed;
    for (int32_t volley = 0; volley < kVolleys; ++volley) {
        for (int32_t n = 0; n < kSparksPerVolley; ++n) {
            angle += kSparkSpacing;
            float ux = std::cos(angle * kRadiansPerDegree), uy = std::sin(angle * kRadiansPerDegree);
            auto* spark = new Firework_Particle(images.speck);
            float out = kStartOut + static_cast<float>(random.Next(kStartOutRange));
            spark->mX = x + ux * out;
            spark->mY = y + uy * out;
            spark->mScale = kScaleBase + kScaleRange * random.NextFloat();
            spark->mScaleSpeed = kGrowth;
            spark->mFrictionX = kDamping;
            spark->mFrictionY = kDamping;
            spark->mAlpha = kStartAlpha;
            spark->mAlphaSpeed = kFadeBase + kFadeRange * random.NextFloat();
            spark->mRotation = static_cast<float>(random.Next(kAngles));
            spark->mRotationSpeed = random.NextFloatRange(kSpinRange, true);
            float flight = speed + random.NextFloat();
            spark->mVX = ux * flight;
            spark->mVY = uy * flight;

            int32_t scheme = random.Next(kSchemes);
            spark->mColour.r = 1;
            if (scheme == kGoldScheme) {
                spark->mColour.g = kGoldGreen + kGoldGreenRange * random.NextFloat();
                spark->mColour.b = kPaleBase + kPaleRange * random.NextFloat();
            } else {
                spark->mColour.g = kPaleBase + kPaleRange * random.NextFloat();
                spark->mColour.b = kPaleBase + kPaleRange * random.NextFloat();
            }
            spark->trailLoss = kTrailLoss[scheme];
            into.Add(spark);
        }
        speed += kVolleySpeedUp;
        angle += kVolleyTurn;
    }
}
