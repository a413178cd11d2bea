#include <gtest/gtest.h>

#include <cmath>

#include "core/ObjectManager.h"
#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "media/Sprite.h"
#include "track/EffectImages.h"
#include "track/Firework_Particle.h"
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
