#include <gtest/gtest.h>

#include "media/Animator_Sprite.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "support/TestPictures.h"
#include "platform/Renderer.h"

TEST(Animator_Sprite, FadingFromOneByATenthDiesInTheTenthActiveStep) {
    Animator_Sprite animator(nullptr);
    animator.mAlphaSpeed = 0.1f;
    animator.mDelay = 3;
    int step = 0;
    while (!animator.mKilled && step < 100) {
        animator.Update();
        ++step;
    }
    // Nine subtractions of 0.1f leave a little above 0 in float sums; the tenth ends it.
    EXPECT_EQ(step, 3 + 10);
}

TEST(Animator_Sprite, DelayHoldsEverythingStill) {
    Animator_Sprite animator(nullptr);
    animator.mVX = 2;
    animator.mRotationSpeed = 5;
    animator.mAlphaSpeed = 0.01f;
    animator.mDelay = 5;
    for (int i = 0; i < 5; ++i) animator.Update();
    EXPECT_EQ(animator.mX, 0);
    EXPECT_EQ(animator.mRotation, 0);
    EXPECT_EQ(animator.mAlpha, 1);
    EXPECT_EQ(animator.mDelay, 0);
    animator.Update();
    EXPECT_EQ(animator.mX, 2);
}

TEST(Animator_Sprite, MovesThenAcceleratesThenSlowsAndClampsColour) {
    Animator_Sprite animator(nullptr);
    animator.mVX = 10;
    animator.mAccelX = 2;
    animator.mFrictionX = 0.5f;
    animator.mColourSpeed = Colour{0.6f, -0.5f, 0, 1};
    animator.Update();
    EXPECT_EQ(animator.mX, 10);   // moved by the old velocity
    EXPECT_EQ(animator.mVX, 6);   // (10 + 2) * 0.5
    animator.Update();
    EXPECT_FLOAT_EQ(animator.mColour.r, 0);  // 1 - 0.6 - 0.6, clamped
    EXPECT_FLOAT_EQ(animator.mColour.g, 1);
    EXPECT_FALSE(animator.mKilled);
}

TEST(Animator_Sprite, DiesWhenShrunkOrOutOfBounds) {
    Animator_Sprite shrinking(nullptr);
    shrinking.mScaleSpeed = -0.5f;
    shrinking.Update();
    EXPECT_FALSE(shrinking.mKilled);
    shrinking.Update();
    EXPECT_TRUE(shrinking.mKilled);
    Animator_Sprite leaving(nullptr);
    leaving.mBounds = Rect{0, 0, 100, 100};
    leaving.mX = 50;
    leaving.mVX = 60;
    leaving.Update();
    EXPECT_TRUE(leaving.mKilled);
}

TEST(Animator_Sprite, DrawsCentredWithItsAlphaAndRestoresTheColour) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    ASSERT_TRUE(graphics.Initialize(nullptr));
    graphics.SetFiltering(false);
    graphics.SetColour(0.2f, 0.2f, 0.2f, 1);
    graphics.BeginFrame();
    Sprite white(TestPictures::Filled(4, 4, 0xFFFFFFFF));
    Animator_Sprite animator(&white);
    animator.mX = 100;
    animator.mY = 100;
    animator.mScale = 2;
    animator.mColour = Colour{1, 0, 0, 0};  // the fourth component plays no part
    animator.mAlpha = 1;
    animator.Draw();
    EXPECT_FLOAT_EQ(graphics.GetColour().r, 0.2f);
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
    ASSERT_TRUE(GetRenderer().ReadPixels(pixels, width, height));
    EXPECT_EQ(pixels[96 * width + 96] | 0xFF000000, 0xFFFF0000u);
    EXPECT_EQ(pixels[103 * width + 103] | 0xFF000000, 0xFFFF0000u);
    EXPECT_EQ(pixels[104 * width + 104] | 0xFF000000, 0xFF000000u);
    graphics.Shutdown();
}
