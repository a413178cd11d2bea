#include <gtest/gtest.h>

#include <cmath>

#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "media/Sprite.h"
#include "track/Bomb.h"
#include "track/EffectImages.h"
#include "track/FakeEffectHost.h"
#include "track/FireBall.h"

TEST(FireBall, IsMarkedAndStartsOnARandomFrame) {
    GetRandom().Seed(9);
    bool sawLaterFrame = false;
    for (int i = 0; i < 40; ++i) {
        FireBall ball(nullptr, nullptr);
        EXPECT_TRUE(ball.isFireBall);
        EXPECT_FALSE(ball.isBomb);
        EXPECT_GE(ball.frame, 0);
        EXPECT_LT(ball.frame, FireBall::kFrames);
        EXPECT_EQ(ball.frame, static_cast<float>(static_cast<int>(ball.frame)));
        if (ball.frame >= 10) sawLaterFrame = true;
    }
    EXPECT_TRUE(sawLaterFrame);
}

TEST(Bomb, EveryBombHasItsOwnBentFuse) {
    GetRandom().Seed(2);
    Bomb first(nullptr, nullptr, nullptr);
    Bomb second(nullptr, nullptr, nullptr);
    EXPECT_TRUE(first.isBomb);
    ASSERT_EQ(first.fuse.KnotCount(), 3);
    for (const Bomb* bomb : {&first, &second}) {
        EXPECT_FLOAT_EQ(bomb->fuse.Knot(0).x, 0);
        EXPECT_FLOAT_EQ(bomb->fuse.Knot(0).y, 0);
        EXPECT_LE(std::fabs(bomb->fuse.Knot(1).x), 3);
        EXPECT_FLOAT_EQ(bomb->fuse.Knot(1).y, -8);
        EXPECT_LE(std::fabs(bomb->fuse.Knot(2).x), 3);
        EXPECT_FLOAT_EQ(bomb->fuse.Knot(2).y, -15);
    }
    EXPECT_NE(first.fuse.Knot(1).x, second.fuse.Knot(1).x);
}

TEST(Bomb, SmokesEveryTenTicksFromTheFuseIntoTheBoardEffects) {
    GetRandom().Seed(6);
    Sprite smoke;
    EffectImages images;
    for (auto& image : images.smoke) image = &smoke;
    FakeEffectHost host;
    Bomb bomb(nullptr, &host, &images);
    bomb.position = {300, 500};
    for (int tick = 1; tick <= 25; ++tick) bomb.Update();
    ASSERT_EQ(host.effects.size(), 3u);  // ticks 1, 11 and 21
    auto* puff = static_cast<Animator_Sprite*>(host.effects[0]);
    Vec2 tip = bomb.FuseTip();
    EXPECT_FLOAT_EQ(tip.y, 460);  // the fuse's foot, 40 above the centre
    EXPECT_FLOAT_EQ(puff->mY, 450);
    EXPECT_LE(std::fabs(puff->mX - 300), 5);
}
