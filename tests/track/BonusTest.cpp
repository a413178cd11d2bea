#include <gtest/gtest.h>

#include <cmath>

#include "core/IOBuffer.h"
#include "track/Bonus.h"
#include "track/ScoreRule.h"
#include "track/FakeEffectHost.h"

TEST(ScoreRule, ScalesByWorldAndPlayStyle) {
    EXPECT_EQ(ScaledPoints(250, -1, PlayStyle::Normal), 250);
    EXPECT_EQ(ScaledPoints(250, 2, PlayStyle::Normal), 750);
    EXPECT_EQ(ScaledPoints(250, 2, PlayStyle::Apocalypse), 1500);
    // Child halves with integer division.
    EXPECT_EQ(ScaledPoints(125, -1, PlayStyle::Child), 62);
    EXPECT_EQ(ScaledPoints(100, 0, PlayStyle::Child), 50);
}

TEST(Bonus, BouncesOffTheSideWallsDamped) {
    Bonus left;
    left.position = {12, 300};
    left.velocity = {-5, 0};
    left.acceleration = {0, 0};
    left.Update();  // at x = 7 the item's radius reaches past the left wall
    EXPECT_FLOAT_EQ(left.velocity.x, 2.0f);

    Bonus right;
    right.position = {788, 300};
    right.velocity = {5, 0};
    right.acceleration = {0, 0};
    right.Update();
    EXPECT_FLOAT_EQ(right.velocity.x, -2.0f);

    // Already moving away from the wall: left alone.
    Bonus leaving;
    leaving.position = {2, 300};
    leaving.velocity = {3, 0};
    leaving.acceleration = {0, 0};
    leaving.Update();
    EXPECT_FLOAT_EQ(leaving.velocity.x, 3.0f);
}

TEST(Bonus, GravityFadesOnceFallingFasterThanOnePixel) {
    Bonus item;
    item.velocity = {0, 0.99f};
    item.Update();  // 0.99 + 0.025 > 1
    EXPECT_FLOAT_EQ(item.acceleration.y, 0.025f * 0.995f);
    item.velocity = {0, -3};
    item.acceleration = {0, 0.025f};
    item.Update();
    EXPECT_FLOAT_EQ(item.acceleration.y, 0.025f);
}

TEST(Bonus, MissedItemRemovesItselfBelow700WithoutEffect) {
    FakeEffectHost host;
    Bonus item;
    item.position = {400, 695};
    item.velocity = {0, 3};
    item.Update();
    EXPECT_FALSE(item.mKilled);  // 698.0...
    item.Update();
    EXPECT_TRUE(item.mKilled);
    EXPECT_EQ(host.score, 0);
}

TEST(Bonus, CatchEffectsPerKind) {
    FakeEffectHost host;
    host.worldIndex = 1;
    host.style = PlayStyle::Apocalypse;
    Bonus item;
    item.kind = BonusKind::Coin;
    item.ApplyCatch(host);
    EXPECT_EQ(host.score, 1000);
    item.kind = BonusKind::Fire;
    item.ApplyCatch(host);
    item.kind = BonusKind::Bomb;
    item.ApplyCatch(host);
    item.kind = BonusKind::Back;
    item.ApplyCatch(host);
    item.kind = BonusKind::Aim;
    item.ApplyCatch(host);
    EXPECT_EQ(host.fireGrant, 1000);
    EXPECT_EQ(host.bombGrant, 100);
    EXPECT_EQ(host.backTimer, 250);
    EXPECT_EQ(host.aimTimer, 1500);
    EXPECT_EQ(host.score, 1000);
}

TEST(Bonus, SecondSlowCatchRestartsTheTimerAt900) {
    FakeEffectHost host;
    Bonus slow;
    slow.kind = BonusKind::Slow;
    slow.ApplyCatch(host);
    host.slowTimer -= 400;  // the board counts it down
    slow.ApplyCatch(host);
    EXPECT_EQ(host.slowTimer, 900);
}

TEST(Bonus, RecordRoundTrip) {
    Bonus item;
    item.frame = 4;
    item.angle = -2;
    item.spin = 3.5f;
    item.scale = 1.2f;
    item.growth = 0.002f;
    item.radius = 11;
    item.velocity = {1.5f, -3};
    item.acceleration = {0, 0.1f};
    item.position = {123, 456};
    IOBuffer buffer;
    item.Save(buffer);
    EXPECT_EQ(buffer.Size(), 4 + 11 * 4);

    Bonus copy;
    ASSERT_TRUE(copy.Load(buffer));
    EXPECT_EQ(copy.frame, 4);
    EXPECT_FLOAT_EQ(copy.angle, -2);
    EXPECT_FLOAT_EQ(copy.spin, 3.5f);
    EXPECT_FLOAT_EQ(copy.scale, 1.2f);
    EXPECT_FLOAT_EQ(copy.growth, 0.002f);
    EXPECT_FLOAT_EQ(copy.radius, 11);
    EXPECT_FLOAT_EQ(copy.velocity.x, 1.5f);
    EXPECT_FLOAT_EQ(copy.velocity.y, -3);
    EXPECT_FLOAT_EQ(copy.acceleration.y, 0.1f);
    EXPECT_FLOAT_EQ(copy.position.x, 123);
    EXPECT_FLOAT_EQ(copy.position.y, 456);
}

TEST(Bonus, DamagedRecordsLeaveTheItemUnchanged) {
    Bonus item;
    IOBuffer full;
    item.Save(full);

    IOBuffer truncated;
    truncated.SetData(full.Data(), full.Size() - 1);
    Bonus target;
    target.position = {1, 2};
    EXPECT_FALSE(target.Load(truncated));
    EXPECT_FLOAT_EQ(target.position.x, 1);

    IOBuffer notANumber;
    notANumber.WriteInt(0);
    for (int i = 0; i < 11; ++i) notANumber.WriteFloat(i == 9 ? std::nanf("") : 1.0f);
    EXPECT_FALSE(target.Load(notANumber));
    EXPECT_FLOAT_EQ(target.position.x, 1);
}

TEST(Bonus, CreateMakesEachKindAndRefusesOthers) {
    for (int32_t kind = 0; kind < Bonus::kKindCount; ++kind) {
        Bonus* item = Bonus::Create(kind, nullptr, 3);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(static_cast<int32_t>(item->kind), kind);
        if (kind == 0) {
            EXPECT_EQ(item->frame, 3);
            EXPECT_FLOAT_EQ(std::fabs(item->angle), 2);
        }
        delete item;
    }
    EXPECT_EQ(Bonus::Create(-1, nullptr, 0), nullptr);
    EXPECT_EQ(Bonus::Create(6, nullptr, 0), nullptr);
}
