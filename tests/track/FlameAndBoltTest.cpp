#include <gtest/gtest.h>

#include <cmath>

#include "core/Random.h"
#include "track/FireEmitter.h"
#include "track/LightningBolt.h"
#include "track/PewPewFire.h"

TEST(PewPewFire, SwingsOutStopsAtZeroThenDriftsBack) {
    GetRandom().Seed(7);
    PewPewFire flame(nullptr, 100);
    flame.position = {100, 300};
    float b = flame.StartSpeed();
    ASSERT_NE(b, 0);
    EXPECT_LE(std::fabs(b), 0.75f);
    EXPECT_FLOAT_EQ(flame.speedXChange, -0.01f * b);

    int ticks = 0;
    while (flame.swinging && ticks < 1000) {
        flame.Update();
        ++ticks;
    }
    EXPECT_NEAR(ticks, 100, 1);  // b / (0.01 b), give or take float rounding
    EXPECT_FLOAT_EQ(flame.speedX, 0);
    float swungTo = flame.position.x;
    EXPECT_GT((swungTo - 100) * b, 0);  // out to the side it started towards

    flame.Update();
    EXPECT_LT(flame.speedX * b, 0);  // now heading back
    EXPECT_LT(flame.position.y, 300);  // and always rising
}

TEST(PewPewFire, CoolsWithinRangeAndDiesWhenFaded) {
    GetRandom().Seed(3);
    PewPewFire flame(nullptr, 0);
    EXPECT_FLOAT_EQ(flame.colour.r, 1);
    int ticks = 0;
    while (!flame.mKilled && ticks < 1000) {
        flame.Update();
        ++ticks;
    }
    EXPECT_TRUE(flame.mKilled);
    EXPECT_GT(ticks, 300);  // alpha starts at 0.65 .. 0.9, losing 0.002 a tick
    EXPECT_LE(ticks, 451);
    EXPECT_GE(flame.colour.r, 0);
    EXPECT_GE(flame.colour.g, 0);
    EXPECT_LE(flame.colour.g, 1);
}

TEST(FireEmitter, NewFlameEveryFourthTickNearTheEmitter) {
    GetRandom().Seed(11);
    FireEmitter emitter(nullptr, 200, 400);
    for (int i = 0; i < 8; ++i) emitter.Update();
    ASSERT_EQ(emitter.Count(), 2);
    auto* first = static_cast<PewPewFire*>(emitter.At(0));
    EXPECT_FLOAT_EQ(first->emitterX, 200);
    EXPECT_LE(std::fabs(first->position.x - 200), 6 * 0.75f + 8 * 0.75f);
    EXPECT_LT(first->position.y, 400);
}

TEST(LightningBolt, ThreeJaggedLayersFromEndToEnd) {
    GetRandom().Seed(5);
    LightningBolt bolt({100, 100}, {100, 300}, 10, nullptr);
    const float widths[] = {14.5f, 11.5f, 6};
    bool jagged = false;
    for (int n = 0; n < LightningBolt::kLayerCount; ++n) {
        const auto& layer = bolt.LayerAt(n);
        EXPECT_FLOAT_EQ(layer.width, widths[n]);
        ASSERT_GE(layer.points.size(), 3u);
        EXPECT_FLOAT_EQ(layer.points.front().x, 100);
        EXPECT_FLOAT_EQ(layer.points.front().y, 100);
        EXPECT_FLOAT_EQ(layer.points.back().x, 100);
        EXPECT_FLOAT_EQ(layer.points.back().y, 300);
        for (const Vec2& p : layer.points) {
            if (p.x != 100) jagged = true;
            EXPECT_LT(std::fabs(p.x - 100), 12);
        }
    }
    EXPECT_TRUE(jagged);

    LightningBolt point({5, 5}, {5, 5}, 2, nullptr);  // no length: still a valid line
    EXPECT_FLOAT_EQ(point.LayerAt(2).points.back().x, 5);
}
