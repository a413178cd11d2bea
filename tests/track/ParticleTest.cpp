#include <gtest/gtest.h>

#include <cmath>

#include "core/ObjectManager.h"
#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "media/Sprite.h"
#include "track/CelebrationBurst.h"
#include "track/EffectImages.h"
#include "track/Firework_Particle.h"
#include "track/PopPuff.h"
#include "track/SmokePuff.h"

namespace {
struct Images {
    Images() {
        images.speck = &speck;
        for (auto& image : images.smoke) image = &smoke;
    }
    Sprite speck, smoke;
    EffectImages images;
};
}  // namespace

TEST(Firework_Particle, DropsAFadingTrailImageEveryFifthTick) {
    Sprite speck;
    Firework_Particle spark(&speck);
    spark.mAlpha = 1.3f;
    spark.mAlphaSpeed = 0.01f;
    spark.mColour = {1, 0.9f, 0.6f, 1};
    spark.trailLoss = {0.0025f, 0.0025f, 0.02f, 1};
    spark.mX = 10;
    spark.mVX = 1;
    for (int i = 0; i < 4; ++i) spark.Update();
    EXPECT_EQ(spark.Trail().Count(), 0);
    spark.Update();
    ASSERT_EQ(spark.Trail().Count(), 1);
    for (int i = 0; i < 5; ++i) spark.Update();
    EXPECT_EQ(spark.Trail().Count(), 2);
}

TEST(Firework_Particle, TrailImageCopiesTheSparkAndFadesOnItsOwn) {
    Sprite speck;
    Firework_Particle spark(&speck);
    spark.mAlpha = 1.3f;
    spark.mColour = {1, 0.8f, 0.7f, 1};
    spark.mScale = 0.7f;
    spark.mRotation = 30;
    spark.trailLoss = {0.0025f, 0.02f, 0.02f, 1};
    for (int i = 0; i < 5; ++i) spark.Update();
    ASSERT_EQ(spark.Trail().Count(), 1);
    // Made after the spark's own fifth step, then stepped once by the trail.
    auto* image = static_cast<const Animator_Sprite*>(spark.Trail().At(0));
    EXPECT_FLOAT_EQ(image->mAlpha, 0.99f);  // at most 1 at the start
    EXPECT_FLOAT_EQ(image->mAlphaSpeed, 0.01f);
    EXPECT_FLOAT_EQ(image->mColour.g, 0.78f);
    EXPECT_FLOAT_EQ(image->mColour.r, 0.9975f);
    EXPECT_FLOAT_EQ(image->mScale, 0.7f);
    EXPECT_FLOAT_EQ(image->mRotation, 30);
    EXPECT_FLOAT_EQ(image->mVX, 0);  // stays where it was dropped
}

TEST(CelebrationBurst, ThreeVolleysOfFifteenFasterEachTime) {
    Images fake;
    GetRandom().Seed(21);
    ObjectManager effects;
    CelebrationBurst(effects, fake.images, 400, 300);
    ASSERT_EQ(effects.Count(), 45);
    for (int i = 0; i < 45; ++i) {
        auto* spark = static_cast<Firework_Particle*>(effects.At(i));
        float dx = spark->mX - 400, dy = spark->mY - 300;
        float out = std::sqrt(dx * dx + dy * dy);
        EXPECT_GE(out, 4.99f);
        EXPECT_LE(out, 9.01f);
        float speed = std::sqrt(spark->mVX * spark->mVX + spark->mVY * spark->mVY);
        float slowest = 1.65f + static_cast<float>(i / 15);
        EXPECT_GE(speed, slowest - 0.001f) << i;
        EXPECT_LE(speed, slowest + 1.001f) << i;
        // Flies straight out from the centre.
        EXPECT_NEAR(dx * spark->mVY - dy * spark->mVX, 0, 0.01f);
        EXPECT_FLOAT_EQ(spark->mAlpha, 1.3f);
        EXPECT_FLOAT_EQ(spark->mFrictionX, 0.985f);
        EXPECT_FLOAT_EQ(spark->mColour.r, 1);
        EXPECT_GE(spark->mColour.g, 0.5f);
        EXPECT_FLOAT_EQ(spark->trailLoss.r, 0.0025f);
    }
    // Neighbours in a volley are 24 degrees apart.
    auto* a = static_cast<Firework_Particle*>(effects.At(0));
    auto* b = static_cast<Firework_Particle*>(effects.At(1));
    float turn = std::atan2(b->mVY, b->mVX) - std::atan2(a->mVY, a->mVX);
    turn = std::remainder(turn * 57.29578f, 360.0f);
    EXPECT_NEAR(turn, 24, 0.01f);
    effects.Clear();
}

TEST(SmokePuff, RisesDarkensAndFades) {
    Images fake;
    GetRandom().Seed(4);
    for (int i = 0; i < 50; ++i) {
        Animator_Sprite* puff = MakeSmokePuff(fake.images, 100, 200);
        ASSERT_NE(puff, nullptr);
        EXPECT_GE(puff->mX, 95);
        EXPECT_LE(puff->mX, 105);
        EXPECT_FLOAT_EQ(puff->mX, std::round(puff->mX));
        EXPECT_FLOAT_EQ(puff->mY, 190);
        EXPECT_FLOAT_EQ(puff->mVY, -1);
        EXPECT_LE(std::fabs(puff->mVX), 0.35f);
        EXPECT_GE(puff->mAlpha, 0.25f);
        EXPECT_LE(puff->mAlpha, 0.7f);
        EXPECT_FLOAT_EQ(puff->mAlphaSpeed, 0.0025f);
        EXPECT_FLOAT_EQ(puff->mColourSpeed.g, 0.015f);
        EXPECT_LE(std::fabs(puff->mRotationSpeed), 3);
        delete puff;
    }
    EffectImages none;
    EXPECT_EQ(MakeSmokePuff(none, 0, 0), nullptr);
}

TEST(PopPuff, ShrinksAndFadesByTheBallsScale) {
    Sprite poof;
    EffectImages images;
    images.poof = &poof;
    Animator_Sprite* puff = MakePopPuff(images, 50, 60, 0.8f);
    ASSERT_NE(puff, nullptr);
    EXPECT_FLOAT_EQ(puff->mScale, 0.8f);
    EXPECT_FLOAT_EQ(puff->mScaleSpeed, -0.036f);
    EXPECT_FLOAT_EQ(puff->mAlpha, 0.8f);
    EXPECT_FLOAT_EQ(puff->mAlphaSpeed, 0.035f);
    int ticks = 0;
    while (!puff->mKilled && ticks < 100) {
        puff->Update();
        ++ticks;
    }
    EXPECT_EQ(ticks, 23);  // alpha 0.8 runs out first, at 0.035 a tick
    delete puff;
    EXPECT_EQ(MakePopPuff(EffectImages{}, 0, 0, 1), nullptr);
}
