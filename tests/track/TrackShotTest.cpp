#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "TrackTestSupport.h"
#include "core/IOBuffer.h"

class TrackShotTest : public TrackTest {
protected:
    void SetUp() override {
        TrackTest::SetUp();
        host.goalReached = true;  // no waves: the chains under test stay alone
        Build(2000);
    }
    ~TrackShotTest() override {
        for (Plimb* shot : shots) delete shot;
    }

    // Offers a shot; one the track takes is the track's from then on.
    bool Insert(Plimb* shot) {
        if (!track->InsertShot(shot)) return false;
        shots.erase(std::find(shots.begin(), shots.end(), shot));
        return true;
    }

    // A standing piece without a robot, its rear ball at `first`.
    ChainSegment& Chain(std::vector<int32_t> colours, float first) {
        StartWave(static_cast<int32_t>(colours.size()));
        track->RemoveBall(track->Items()[0]);  // the robot
        ChainSegment& segment = Segment(0);
        for (size_t i = 0; i < colours.size(); ++i) segment.items[i]->colour = colours[i];
        segment.speed = 0.0f;
        Place(segment, first);
        return segment;
    }

    Plimb* Shot(int32_t colour, float x, float y) {
        auto* shot = new Plimb(&host);
        shot->colour = colour;
        shot->scale = host.scale;
        shot->position = {x, y};
        shots.push_back(shot);
        return shot;
    }

    void RunUntilSettled(int32_t ticks = 60) {
        for (int32_t i = 0; i < ticks; ++i) track->Update();
    }

    std::vector<int32_t> Colours() const {
        std::vector<int32_t> colours;
        for (const Plimb* item : track->Items()) colours.push_back(item->colour);
        return colours;
    }

    std::vector<Plimb*> shots;
};

TEST_F(TrackShotTest, ARobotIsNeverAHitTarget) {
    StartWave(3);
    Place(Segment(0), 500);
    track->Update();
    Plimb* robot = track->Items()[0];
    EXPECT_EQ(track->FindNearestBall(robot->position.x, robot->position.y, true), track->Items()[1]);
    EXPECT_EQ(track->FindNearestBall(robot->position.x, robot->position.y, false), robot);
    Place(Segment(0), 500);
    Plimb* shot = Shot(0, robot->position.x - 20, robot->position.y + 10);
    EXPECT_FALSE(Insert(shot));  // only the robot lies within reach
    EXPECT_EQ(host.hits, 0);
}

TEST_F(TrackShotTest, AShotSlidesInAheadOfTheBallItHits) {
    Chain({0, 1, 2, 3}, 100);
    track->Update();
    Plimb* shot = Shot(3, 100 + 32 + 10, 320);  // nearest ball 1, nearer its front slot
    ASSERT_TRUE(Insert(shot));
    EXPECT_EQ(host.hits, 1);
    EXPECT_EQ(host.sounds.back().sound, TrackSound::BallBump);
    EXPECT_FALSE(Insert(Shot(1, 300, 320)));  // one shot at a time
    RunUntilSettled();
    EXPECT_FALSE(track->IsInserting());
    EXPECT_EQ(Colours(), (std::vector<int32_t>{0, 1, 3, 2, 3}));
    ASSERT_EQ(track->Segments().size(), 1u);
    for (int i = 1; i < 5; ++i)
        EXPECT_NEAR(track->Items()[i]->distance - track->Items()[i - 1]->distance, host.spacing, 0.001f);
    EXPECT_EQ(track->Items()[2]->angleEase, 250 - 0);
}

TEST_F(TrackShotTest, AShotNearerTheRearSlotOfTheRearBallGoesBehindIt) {
    Chain({0, 1, 2}, 300);
    track->Update();
    Plimb* shot = Shot(4 % 3, 300 - 12, 320);
    ASSERT_TRUE(Insert(shot));
    RunUntilSettled();
    ASSERT_EQ(track->Items().front(), shot);
    EXPECT_EQ(Segment(0).First(), shot);
    EXPECT_NEAR(track->Items()[1]->distance - shot->distance, host.spacing, 0.001f);
}

TEST_F(TrackShotTest, AGroupOfThreePopsAndScores) {
    Chain({2, 0, 0, 1, 3}, 100);
    track->Update();
    ASSERT_TRUE(Insert(Shot(0, 100 + 64 + 10, 320)));
    RunUntilSettled();
    EXPECT_EQ(Colours(), (std::vector<int32_t>{2, 1, 3}));
    EXPECT_EQ(host.score, 300);
    EXPECT_EQ(host.progress, 6);
    EXPECT_EQ(host.popped, (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(host.groups, (std::vector<int32_t>{3}));
    EXPECT_EQ(host.afterPops, 1);
    EXPECT_EQ(host.Statistic(TrackStatistic::PlimbsPopped), 3);
    EXPECT_EQ(host.Statistic(TrackStatistic::LargestGroupPopped), 3);
    ASSERT_EQ(host.floaters.size(), 1u);
    EXPECT_EQ(host.floaters[0].text, "300");
    EXPECT_NEAR(host.floaters[0].where.x, 100 + 64, 0.01f);  // the mean of 132, 164, 196
    bool exploded = false;
    for (const auto& played : host.sounds) {
        if (played.sound == TrackSound::Explode) {
            exploded = true;
            EXPECT_FLOAT_EQ(played.pitch, 1.0f);
        }
    }
    EXPECT_TRUE(exploded);
}

TEST_F(TrackShotTest, AGroupInAForwardPieceLeavesTheFrontStandingAndPullingBack) {
    ChainSegment& chain = Chain({2, 1, 0, 0, 1, 3}, 100);
    chain.speed = 0.5f;
    track->Update();
    ASSERT_TRUE(Insert(Shot(0, 100 + 96 + 10, 320)));
    for (int i = 0; i < 60 && host.groups.empty(); ++i) track->Update();
    ASSERT_EQ(host.groups.size(), 1u);
    ASSERT_EQ(track->Segments().size(), 2u);
    EXPECT_GT(Segment(0).speed, 0.0f);
    EXPECT_FLOAT_EQ(Segment(1).speed, -1.0f);
    EXPECT_TRUE(Segment(1).pullBack);
}

TEST_F(TrackShotTest, AChainReactionScoresAsComboTwoUntilTheNextHit) {
    Chain({2, 1, 1, 0, 0, 1, 3}, 100);
    track->Update();
    ASSERT_TRUE(Insert(Shot(0, 100 + 128 + 10, 320)));
    RunUntilSettled(200);
    EXPECT_EQ(Colours(), (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(host.groups, (std::vector<int32_t>{3, 3}));
    EXPECT_EQ(host.score, 300 + 600);
    EXPECT_EQ(host.progress, 6 + 12);
    EXPECT_EQ(host.combos, (std::vector<int32_t>{2}));
    ASSERT_EQ(host.floaters.size(), 3u);
    EXPECT_EQ(host.floaters[1].text, "600");
    EXPECT_EQ(host.floaters[2].text, "X2");
    EXPECT_EQ(host.Statistic(TrackStatistic::LargestCombo), 2);
    EXPECT_EQ(host.Statistic(TrackStatistic::ComboCount), 1);
    EXPECT_EQ(track->ComboCount(), 2);
    for (ChainSegment* segment : track->Segments()) segment->speed = 0.0f;
    Place(Segment(0), 500);  // the rejoined chain rolled back off the path
    track->Update();
    Plimb* next = Shot(1, track->Items()[0]->position.x + 10, 320);
    ASSERT_TRUE(Insert(next));
    EXPECT_EQ(track->ComboCount(), 0);
}

TEST_F(TrackShotTest, AShotThroughAGapEarnsTheBonusOnlyWithFreeFlanksAndAPop) {
    struct Case {
        PlayStyle style;
        bool flankIsHit;
        int32_t expected;
    };
    for (const Case& c : {Case{PlayStyle::Normal, false, 300 + 250}, Case{PlayStyle::Child, false, 150 + 125},
                          Case{PlayStyle::Apocalypse, false, 600 + 500}, Case{PlayStyle::Normal, true, 300}}) {
        host = FakeTrackHost();
        host.goalReached = true;
        host.style = c.style;
        Build(2000);
        Chain({2, 0, 0, 1, 3}, 100);
        track->Update();
        Plimb* shot = Shot(0, 100 + 64 + 10, 320);
        shot->gapLeft = c.flankIsHit ? track->Items()[2] : track->Items()[0];
        shot->gapRight = track->Items()[4];
        ASSERT_TRUE(Insert(shot));
        RunUntilSettled();
        EXPECT_EQ(host.score, c.expected);
        bool bonusShown = false;
        for (const auto& floater : host.floaters) bonusShown = bonusShown || floater.kind == FloaterKind::GapBonus;
        EXPECT_EQ(bonusShown, !c.flankIsHit);
    }
}

TEST_F(TrackShotTest, NoBonusWithoutAPop) {
    Chain({2, 0, 1, 1, 3}, 100);
    track->Update();
    Plimb* shot = Shot(0, 100 + 32 + 10, 320);
    shot->gapLeft = track->Items()[0];
    shot->gapRight = track->Items()[4];
    ASSERT_TRUE(Insert(shot));
    RunUntilSettled();
    EXPECT_EQ(host.score, 0);
    EXPECT_TRUE(host.floaters.empty());
}

TEST_F(TrackShotTest, AMissAlongTheLineBetweenFacingBallsRecordsTheGap) {
    Chain({0, 1, 2, 3, 4}, 100);
    track->RemoveBall(track->Items()[2]);
    track->RemoveBall(track->Items()[2]);  // pieces {0, 1} and {4}, facing at 132 and 228
    track->Update();
    Plimb* shot = Shot(1, 180, 300);
    EXPECT_FALSE(Insert(shot));
    EXPECT_EQ(shot->gapLeft, track->Items()[1]);
    EXPECT_EQ(shot->gapRight, track->Items()[2]);
    EXPECT_EQ(shot->gapTimer, 25);
    Plimb* wide = Shot(1, 180, 200);
    EXPECT_FALSE(Insert(wide));
    EXPECT_EQ(wide->gapLeft, nullptr);
}

TEST_F(TrackShotTest, AFireBallBurnsOneBallForFiftyScaledPoints) {
    for (auto [style, points] :
         {std::pair{PlayStyle::Normal, 50}, std::pair{PlayStyle::Child, 25}, std::pair{PlayStyle::Apocalypse, 100}}) {
        host = FakeTrackHost();
        host.goalReached = true;
        host.style = style;
        Build(2000);
        Chain({0, 1, 2}, 100);
        track->Update();
        Plimb* fire = Shot(0, 132, 310);
        track->BurnBallAt(*fire);
        EXPECT_EQ(host.score, points);
        EXPECT_EQ(Colours(), (std::vector<int32_t>{0, 2}));
        EXPECT_EQ(track->Segments().size(), 2u);
    }
    host.worldIndex = 2;
    host.style = PlayStyle::Normal;
    track->BurnBallAt(*Shot(0, 100, 310));
    EXPECT_EQ(host.score, 100 + 150);
}

TEST_F(TrackShotTest, AnInsertionSurvivesASaveAndLoad) {
    Chain({2, 0, 0, 1, 3}, 100);
    track->Update();
    ASSERT_TRUE(Insert(Shot(0, 100 + 64 + 10, 320)));
    track->Update();
    ASSERT_TRUE(track->IsInserting());
    IOBuffer saved;
    track->Save(saved);
    Track copy(&host);
    copy.Path().Parse("%%Note:;0 300 m;2000 300 l");
    copy.BuildFromPath();
    saved.SetPosition(0);
    ASSERT_TRUE(copy.Load(saved));
    ASSERT_TRUE(copy.IsInserting());
    for (int i = 0; i < 60; ++i) copy.Update();
    EXPECT_EQ(copy.Items().size(), 3u);
    EXPECT_EQ(host.groups, (std::vector<int32_t>{3}));
}

TEST_F(TrackShotTest, AnInsertionKeepsTheGapItFlewThroughAcrossASaveAndLoad) {
    Chain({2, 0, 0, 1, 3}, 100);
    track->Update();
    Plimb* shot = Shot(0, 100 + 64 + 10, 320);
    shot->gapLeft = track->Items()[0];
    shot->gapRight = track->Items()[4];
    ASSERT_TRUE(Insert(shot));
    track->Update();
    ASSERT_EQ(track->InsertingShot(), shot);
    IOBuffer saved;
    track->Save(saved);
    // The shot's record ends the track's record, before the six references.
    constexpr int32_t kReferences = 6 * 4;
    saved.SetPosition(saved.Size() - kReferences - 2 * 4);
    EXPECT_EQ(saved.ReadInt(), 0);
    EXPECT_EQ(saved.ReadInt(), 4);

    Track copy(&host);
    copy.Path().Parse("%%Note:;0 300 m;2000 300 l");
    copy.BuildFromPath();
    saved.SetPosition(0);
    ASSERT_TRUE(copy.Load(saved));
    ASSERT_NE(copy.InsertingShot(), nullptr);
    EXPECT_EQ(copy.InsertingShot()->gapLeft, copy.Items()[0]);
    EXPECT_EQ(copy.InsertingShot()->gapRight, copy.Items()[4]);
    // A flank that goes while the shot slides in is forgotten.
    copy.RemoveBall(copy.Items()[4]);
    EXPECT_EQ(copy.InsertingShot()->gapRight, nullptr);
}

// A shot aimed behind the rear ball of a piece, whose slot there is too
// close to the piece behind, goes in ahead of that piece's front ball.
TEST_F(TrackShotTest, AnInsertBehindWithoutRoomTurnsIntoAnInsertAhead) {
    Chain({0, 1, 9, 2, 3}, 100);
    track->RemoveBall(track->Items()[2]);  // pieces {0, 1} and {2, 3}
    ChainSegment& front = Segment(1);
    const float rear = track->Items()[1]->distance;
    Place(front, rear + 1.5f * host.spacing);  // too near to join, too near to fit a ball
    track->Update();
    ASSERT_EQ(track->Segments().size(), 2u);
    Plimb* shot = Shot(4, front.First()->position.x - 12, 320);
    ASSERT_TRUE(Insert(shot));
    RunUntilSettled();
    EXPECT_EQ(Colours(), (std::vector<int32_t>{0, 1, 4, 2, 3}));
    EXPECT_EQ(track->Items()[2], shot);
    EXPECT_EQ(shot->segment, track->Items()[1]->segment);
    EXPECT_NEAR(shot->distance - track->Items()[1]->distance, host.spacing, 0.001f);
    EXPECT_GE(track->Items()[3]->distance - shot->distance, host.spacing - 0.001f);
}
