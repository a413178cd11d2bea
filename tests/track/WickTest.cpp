#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/IOBuffer.h"
#include "media/Sprite.h"
#include "track/EffectImages.h"
#include "TrackTestSupport.h"
#include "track/Eater.h"
#include "track/FakeEffectHost.h"
#include "track/Wick.h"

namespace {
// A straight fuse of `count` points one pixel apart along x, the end at x = 0.
std::vector<Vec2> StraightPoints(int count) {
    std::vector<Vec2> points;
    for (int i = 0; i < count; ++i) points.push_back({static_cast<float>(i), 100});
    return points;
}

// Samples of a straight path one pixel apart, sample i at x = i.
std::vector<Vec2> StraightSamples(int length) { return StraightPoints(length + 1); }

void DropIn(Wick& wick) {
    for (int tick = 0; tick < 1000 && !wick.IsLit(); ++tick) wick.Update();
    ASSERT_TRUE(wick.IsLit());
}
}  // namespace

TEST(Wick, ReachesBack300PixelsOrToTheLastRemovedRobot) {
    auto samples = StraightSamples(1000);
    auto nearEnd = Wick::PointsFromSamples(samples, 900);
    ASSERT_EQ(nearEnd.size(), 101u);  // 1000, 997, ... 700
    EXPECT_FLOAT_EQ(nearEnd.front().x, 1000);
    EXPECT_FLOAT_EQ(nearEnd.back().x, 700);

    auto farBack = Wick::PointsFromSamples(samples, 500);
    EXPECT_FLOAT_EQ(farBack.front().x, 1000);
    EXPECT_FLOAT_EQ(farBack.back().x, 502);
    EXPECT_EQ(farBack.size(), 167u);

    // A robot removed before the path start (negative distance) stops at sample 0.
    auto shortPath = Wick::PointsFromSamples(StraightSamples(200), -80);
    EXPECT_FLOAT_EQ(shortPath.back().x, 2);
    EXPECT_EQ(shortPath.size(), 67u);

    EXPECT_TRUE(Wick::PointsFromSamples({}, 0).empty());
}

TEST(Wick, PointAtInterpolatesAndClamps) {
    Wick wick(nullptr, nullptr, {{0, 0}, {10, 20}, {20, 20}}, false);
    Vec2 half = wick.WickPointAt(0.5f);
    EXPECT_FLOAT_EQ(half.x, 5);
    EXPECT_FLOAT_EQ(half.y, 10);
    EXPECT_FLOAT_EQ(wick.WickPointAt(-3).x, 0);
    EXPECT_FLOAT_EQ(wick.WickPointAt(2).x, 20);
    EXPECT_FLOAT_EQ(wick.WickPointAt(7.5f).x, 20);

    Wick empty(nullptr, nullptr, {}, false);
    EXPECT_FLOAT_EQ(empty.WickPointAt(1).x, 0);
}

TEST(Wick, DropsInThenLightsOnLanding) {
    Wick wick(nullptr, nullptr, StraightPoints(10), false);
    EXPECT_GT(wick.Height(), 0);
    float previous = wick.Height();
    wick.Update();
    wick.Update();
    EXPECT_LT(wick.Height(), previous);
    EXPECT_FALSE(wick.IsLit());
    DropIn(wick);
    EXPECT_FLOAT_EQ(wick.Height(), 0);
    EXPECT_FLOAT_EQ(wick.Burn(), 9);  // nothing burns while dropping
}

TEST(Wick, HundredAndOnePointsBurnOutIn50LitTicksPayingEvery16) {
    FakeEffectHost host;
    host.worldIndex = 1;
    Wick wick(&host, nullptr, StraightPoints(101), false);
    DropIn(wick);
    EXPECT_FLOAT_EQ(wick.Burn(), 100);

    std::vector<int> paidOnTick;
    for (int tick = 1; tick <= 50; ++tick) {
        size_t before = host.shown.size();
        wick.Update();
        if (host.shown.size() > before) paidOnTick.push_back(tick);
        if (tick < 50) {
            EXPECT_GT(wick.Burn(), 0) << tick;
        }
    }
    EXPECT_LE(wick.Burn(), 0);
    EXPECT_EQ(paidOnTick, (std::vector<int>{1, 17, 33, 49}));
    EXPECT_EQ(host.score, 4 * 200);
    // Each payment shows its number at the burning point.
    EXPECT_EQ(host.shown[0].points, 200);
    EXPECT_FLOAT_EQ(host.shown[0].x, 100);
    EXPECT_FLOAT_EQ(host.shown[1].x, 68);

    wick.Update();  // burnt out: no more payments
    EXPECT_EQ(host.score, 800);
}

TEST(Wick, SmokesEveryFourthTickOnlyWhileBurning) {
    Sprite smoke;
    EffectImages images;
    for (auto& image : images.smoke) image = &smoke;
    Wick wick(nullptr, &images, StraightPoints(21), false);
    for (int tick = 0; tick < 1000 && !wick.IsLit(); ++tick) {
        EXPECT_EQ(wick.Effects().Count(), 0);  // nothing smokes while dropping in
        wick.Update();
    }
    EXPECT_EQ(wick.Effects().Count(), 1);  // the first puff as it lights
    for (int i = 0; i < 8; ++i) wick.Update();
    EXPECT_EQ(wick.Effects().Count(), 3);
    for (int i = 0; i < 8; ++i) wick.Update();  // burnt out after 10 lit ticks
    EXPECT_EQ(wick.Effects().Count(), 3);
}

TEST(Wick, RecordRoundTripContinuesIdentically) {
    FakeEffectHost host;
    Wick wick(&host, nullptr, StraightPoints(40), true);
    DropIn(wick);
    for (int i = 0; i < 5; ++i) wick.Update();

    IOBuffer buffer;
    wick.Save(buffer);
    FakeEffectHost copyHost;
    Wick copy(&copyHost, nullptr, {}, true);
    ASSERT_TRUE(copy.Load(buffer));
    EXPECT_TRUE(buffer.AtEnd());
    ASSERT_EQ(copy.Points().size(), 40u);
    int32_t scoreBefore = host.score;
    for (int i = 0; i < 20; ++i) {
        wick.Update();
        copy.Update();
        EXPECT_FLOAT_EQ(copy.Burn(), wick.Burn());
    }
    EXPECT_GT(copyHost.score, 0);  // the payment countdown came through
    EXPECT_EQ(copyHost.score, host.score - scoreBefore);
}

TEST(Wick, RecordsWithBadCountsOrIndicesFailToLoad) {
    auto recordWithCount = [](int32_t count) {
        IOBuffer buffer;
        buffer.WriteInt(count);
        return buffer;
    };
    Wick wick(nullptr, nullptr, StraightPoints(3), false);
    for (int32_t count : {-1, -2000000000, 2000000000, Wick::kMaxPoints + 1}) {
        IOBuffer buffer = recordWithCount(count);
        EXPECT_FALSE(wick.Load(buffer)) << count;
    }
    // A count larger than the bytes that follow.
    IOBuffer shortRecord = recordWithCount(1000);
    shortRecord.WriteFloat(1);
    EXPECT_FALSE(wick.Load(shortRecord));

    // lastIndex past the points.
    Wick source(nullptr, nullptr, StraightPoints(2), false);
    IOBuffer good;
    source.Save(good);
    std::vector<uint8_t> bytes(good.Data(), good.Data() + good.Size());
    int lastIndexAt = 4 + 2 * 8 + 3 * 4;
    bytes[lastIndexAt] = 2;
    IOBuffer badIndex;
    badIndex.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_FALSE(wick.Load(badIndex));
    EXPECT_EQ(wick.Points().size(), 3u);
}

TEST(Eater, BurntFuseFiresTheBurstKnocksTheTileAndEndsTheEater) {
    FakeEffectHost host;
    Eater eater(&host, nullptr, false);
    eater.Update();
    EXPECT_FALSE(eater.IsGone());  // scenery until the level hands over its fuses

    eater.StartHandOver();
    eater.AddWick(new Wick(&host, nullptr, {{50, 60}, {40, 60}, {30, 60}, {20, 60}, {10, 60}}, false));
    eater.AddWick(new Wick(&host, nullptr, {{500, 60}, {490, 60}, {480, 60}}, false));
    int ticks = 0;
    while (host.bursts.size() < 1 && ticks < 1000) {
        eater.Update();
        ++ticks;
    }
    ASSERT_EQ(host.bursts.size(), 1u);
    EXPECT_FLOAT_EQ(host.bursts[0].x, 500);  // the shorter fuse burns out first
    float knocked = std::fabs(eater.Angle());
    EXPECT_GE(knocked, 25);
    EXPECT_LE(knocked, 50);
    EXPECT_FALSE(eater.IsGone());

    eater.Update();
    eater.Update();
    EXPECT_EQ(host.bursts.size(), 2u);
    EXPECT_TRUE(eater.IsGone());
    eater.Update();
    EXPECT_EQ(host.bursts.size(), 2u);  // each fuse bursts once
}

TEST(Eater, EaterWithoutFusesIsGoneOnceHandedOver) {
    Eater eater(nullptr, nullptr, true);
    eater.StartHandOver();
    eater.Update();
    EXPECT_TRUE(eater.IsGone());
}

TEST(Eater, RecordRoundTripAndBoundedCounts) {
    FakeEffectHost host;
    Eater eater(&host, nullptr, false);
    eater.StartHandOver();
    eater.AddWick(new Wick(&host, nullptr, StraightPoints(30), false));
    eater.AddWick(new Wick(&host, nullptr, StraightPoints(12), false));
    for (int i = 0; i < 50; ++i) eater.Update();

    IOBuffer buffer;
    eater.Save(buffer);
    Eater copy(&host, nullptr, false);
    ASSERT_TRUE(copy.Load(buffer));
    EXPECT_TRUE(buffer.AtEnd());
    ASSERT_EQ(copy.WickCount(), 2);
    EXPECT_EQ(copy.WickAt(1).Points().size(), 12u);
    EXPECT_FLOAT_EQ(copy.WickAt(0).Burn(), eater.WickAt(0).Burn());

    for (int32_t count : {-1, Eater::kMaxWicks + 1, 1 << 30}) {
        IOBuffer bad;
        bad.WriteInt(count);
        EXPECT_FALSE(copy.Load(bad)) << count;
    }
    EXPECT_EQ(copy.WickCount(), 2);
}

class MakeWickTest : public TrackTest {};

TEST_F(MakeWickTest, FuseReachesBackToARobotRemovedFarBeforeTheEnd) {
    Build(1000);
    StartWave(3, {0, 1, 2});  // the robot is left alone at the front
    Place(Segment(0), 500);
    track->Update();
    ASSERT_TRUE(track->Robots().empty());
    float robotAt = track->LastRobotDistance();
    ASSERT_GE(robotAt, 500);
    ASSERT_LT(robotAt, 510);

    std::unique_ptr<Wick> wick(Wick::MakeWick(nullptr, nullptr, *track, false));
    const auto& points = wick->Points();
    ASSERT_FALSE(points.empty());
    EXPECT_FLOAT_EQ(points.front().x, 1000);  // the end of the path first
    EXPECT_GE(points.back().x, robotAt - 3);  // samples are a pixel apart only roughly
    EXPECT_LT(points.back().x, robotAt + 3);
    EXPECT_FLOAT_EQ(wick->Burn(), static_cast<float>(points.size() - 1));
}
