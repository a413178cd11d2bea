#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "TrackTestSupport.h"

TEST_F(TrackTest, BuildSamplesOnePointPerPixel) {
    Build(3000);
    // Float rounding of the samples may add up to a pixel over the path.
    EXPECT_NEAR(track->Length(), 3000, 1);
    EXPECT_EQ(track->Samples().size(), static_cast<size_t>(track->Length()) + 1);
    Vec2 p = track->PointAtDistance(10.25f);
    EXPECT_NEAR(p.x, 10.25f, 0.01f);
    EXPECT_NEAR(p.y, 300.0f, 0.001f);
    EXPECT_NEAR(track->PointAtDistance(-40).x, 0.0f, 0.001f);
    EXPECT_NEAR(track->PointAtDistance(5000).x, 3000.0f, 0.001f);
    EXPECT_NEAR(track->PointAtDistance(NAN).x, 0.0f, 0.001f);
}

TEST_F(TrackTest, AngleAtTheLastSampleUsesTheLastTwoSamples) {
    track = std::make_unique<Track>(&host);
    track->Path().Parse("%%Note:;0 300 m;100 300 l;100 400 l");  // right, then up the screen
    track->BuildFromPath();
    const float right = track->AngleAtDistance(10);
    EXPECT_NEAR(right, 180.0f + 90.0f, 0.01f);
    EXPECT_NEAR(track->AngleAtDistance(static_cast<float>(track->Length())), 90.0f + 90.0f, 0.5f);
    EXPECT_NEAR(track->AngleAtDistance(1e9f), 90.0f + 90.0f, 0.5f);
}

TEST_F(TrackTest, PathWithoutSegmentsStaysEmptyAndReleasesNothing) {
    track = std::make_unique<Track>(&host);
    track->Path().Parse("%%Note:;10 10 m");
    track->BuildFromPath();
    EXPECT_EQ(track->Length(), 0);
    for (int i = 0; i < 100; ++i) track->Update();
    EXPECT_TRUE(track->Items().empty());
    EXPECT_FALSE(track->IsLost());
    EXPECT_EQ(track->AngleAtDistance(5), 0.0f);
    EXPECT_TRUE(track->IsRearmostBeyondEnd());
}

TEST_F(TrackTest, DefaultWaveComesInRunsOfExactlyThreeBehindItsRobot) {
    Build(3000);
    for (int32_t attempt = 0; attempt < 20; ++attempt) {
        Build(3000);
        track->StartWave();  // an empty wave list gets the default wave
        ASSERT_EQ(track->Items().size(), 16u);
        ASSERT_TRUE(track->Items()[0]->isRobot);
        for (int32_t run = 0; run < 5; ++run) {
            int32_t colour = track->Items()[1 + run * 3]->colour;
            EXPECT_EQ(track->Items()[2 + run * 3]->colour, colour);
            EXPECT_EQ(track->Items()[3 + run * 3]->colour, colour);
            if (run > 0) {
                EXPECT_NE(track->Items()[run * 3]->colour, colour);
            }
            EXPECT_GE(colour, 0);
            EXPECT_LT(colour, 3);
        }
    }
}

TEST_F(TrackTest, ATrackOutOfWavesAddsTheDefaultWave) {
    Build(3000);
    track->StartWave();
    ASSERT_EQ(track->WaveCount(), 1);
    const WaveSpec& wave = track->WaveAt(0);
    EXPECT_EQ(wave.count, 15);
    EXPECT_EQ(wave.types, 3);
    EXPECT_EQ(wave.delayTicks, 25);
    EXPECT_EQ(wave.targetTrack, -1);
    EXPECT_EQ(wave.robotTrigger, 100000);
    EXPECT_FLOAT_EQ(wave.speed, 1.0f);
    EXPECT_FLOAT_EQ(wave.speedInitial, 3.0f);
    EXPECT_FLOAT_EQ(wave.speedFast, 3.0f);
    EXPECT_FLOAT_EQ(wave.speedSlow, 0.5f);
    EXPECT_FLOAT_EQ(wave.delayDist, 0.35f);
    EXPECT_TRUE(wave.repeat);
    EXPECT_FLOAT_EQ(wave.sameTypeProbability, 1.25f);
    EXPECT_EQ(wave.maxSameTypeChain, 3);
}

TEST_F(TrackTest, WaveIsPlacedBehindThePathStartAtItsSpeed) {
    Build(3000);
    WaveSpec wave;
    wave.count = 10;
    wave.speed = 2.0f;
    wave.speedInitial = 6.0f;
    track->AddWave(wave);
    host.rush = true;
    track->StartWave();
    const auto& items = track->Items();
    EXPECT_FLOAT_EQ(items[0]->distance, -320.0f + 6.0f);
    EXPECT_FLOAT_EQ(items[10]->distance, 6.0f);
    EXPECT_FLOAT_EQ(Segment(0).speed, 6.0f);
    EXPECT_FLOAT_EQ(items[5]->speed, 6.0f);
    EXPECT_EQ(items[0]->colour, -100);
    EXPECT_FLOAT_EQ(items[3]->scale, host.scale);
    EXPECT_EQ(track->WaveDelay(), wave.delayTicks);
    track->StartWave();
    EXPECT_EQ(track->Items()[0]->colour, -101);
    EXPECT_EQ(track->Segments().size(), 2u);
}

TEST_F(TrackTest, ColourCountsOutsideThreeToEightBecomeThree) {
    Build(3000);
    WaveSpec wave;
    wave.count = 200;
    wave.sameTypeProbability = 0.0f;
    wave.types = 9;
    track->AddWave(wave);
    wave.types = 8;
    track->AddWave(wave);
    track->StartWave();
    for (Plimb* item : track->Items()) EXPECT_LT(item->colour, 3);
    track->StartWave();
    int32_t highest = 0;
    for (int i = 1; i <= 200; ++i) highest = std::max(highest, track->Items()[i]->colour);
    EXPECT_EQ(highest, 7);
}

TEST_F(TrackTest, OnAnEmptyBoardTheLastBallsTakeTheLauncherColours) {
    Build(3000);
    host.anyItems = false;
    host.loadedColour = 5;
    host.nextColour = 6;
    track->StartWave();
    EXPECT_EQ(track->Items()[15]->colour, 5);
    EXPECT_EQ(track->Items()[14]->colour, 6);
    host.anyItems = true;
    host.loadedColour = 7;
    host.nextColour = 9;  // not a ball colour: ignored
    track->StartWave();
    EXPECT_LT(track->Items()[15]->colour, 3);
    EXPECT_LT(track->Items()[14]->colour, 3);
}

// Per ball of a seeded wave: the ball is made (its rolling frame and a first
// colour), then its wave colour is drawn, then the chance of repeating the
// colour before it. Without repeats the wave colour is the drawn one.
TEST_F(TrackTest, ASeededWaveDrawsEachBallThenItsColourThenTheRepeatChance) {
    constexpr int32_t kSeed = 31337;
    Build(3000);
    WaveSpec wave;
    wave.count = 12;
    wave.types = 5;
    wave.sameTypeProbability = 0;
    wave.maxSameTypeChain = wave.count;  // never forced off a colour
    track->AddWave(wave);
    GetRandom().Seed(kSeed);
    track->StartWave();

    Random expected;
    expected.Seed(kSeed);
    expected.Next(Plimb::kRollFrames);  // the robot's rolling frame and colour
    expected.Next(host.colourCount);
    std::vector<int32_t> colours;
    for (int32_t k = 0; k < wave.count; ++k) {
        const Plimb& ball = *track->Items()[1 + k];
        SCOPED_TRACE(k);
        EXPECT_FLOAT_EQ(ball.rollFrame, static_cast<float>(expected.Next(Plimb::kRollFrames)));
        expected.Next(host.colourCount);
        EXPECT_EQ(ball.colour, expected.Next(wave.types));
        if (k > 0) expected.NextFloat();
        colours.push_back(ball.colour);
    }
    // Five colours over twelve balls: the sequence is not one colour.
    EXPECT_NE(std::count(colours.begin(), colours.end(), colours.front()), wave.count);
}

TEST_F(TrackTest, NoRepeatChanceAndRunsOfOneNeverPutOneColourSideBySide) {
    Build(3000);
    WaveSpec wave;
    wave.count = 300;
    wave.sameTypeProbability = 0;
    wave.maxSameTypeChain = 1;
    for (bool emptyBoard : {false, true}) {
        track->AddWave(wave);
        host.anyItems = !emptyBoard;
        host.loadedColour = host.nextColour = 1;
        track->StartWave();
        const std::vector<Plimb*>& items = track->Items();
        // On an empty board the last two balls follow the launcher instead.
        const int32_t checked = emptyBoard ? wave.count - 2 : wave.count;
        for (int32_t k = 1; k < checked; ++k) ASSERT_NE(items[k]->colour, items[1 + k]->colour) << k;
        if (emptyBoard) {
            EXPECT_EQ(items[wave.count - 1]->colour, items[wave.count]->colour);
        }
    }
}

TEST_F(TrackTest, WrappingWaveListRetiresWavesThatDoNotRepeat) {
    Build(3000);
    WaveSpec once;
    once.count = 2;
    once.repeat = false;
    WaveSpec again;
    again.count = 3;
    track->AddWave(once);
    track->AddWave(again);
    track->StartWave();
    track->StartWave();
    EXPECT_EQ(track->WaveCount(), 2);
    track->StartWave();  // wraps: only the repeating wave is left
    EXPECT_EQ(track->WaveCount(), 1);
    EXPECT_EQ(track->WaveAt(0).count, 3);
    EXPECT_EQ(track->Items().size(), 4u + 3u + 4u);
}

TEST_F(TrackTest, NextWaveWaitsForDelayDistanceAndRobotTrigger) {
    Build(3000);
    WaveSpec wave;
    wave.count = 5;
    wave.delayTicks = 0;
    wave.robotTrigger = 4;
    track->AddWave(wave);
    track->TrySpawnWave();
    ASSERT_EQ(track->Segments().size(), 1u);
    Place(Segment(0), 3000 * 0.35f);  // not past the delay distance yet
    track->TrySpawnWave();
    EXPECT_EQ(track->Segments().size(), 1u);
    Place(Segment(0), 3000 * 0.35f + 1);  // past it, but 5 balls > trigger 4
    track->TrySpawnWave();
    EXPECT_EQ(track->Segments().size(), 1u);
    track->RemoveBall(track->Items()[5]);
    host.goalReached = true;
    track->TrySpawnWave();
    EXPECT_EQ(track->Segments().size(), 1u);
    host.goalReached = false;
    track->TrySpawnWave();
    EXPECT_EQ(track->Segments().size(), 2u);
    track->StopWaves();
    track->StartWave();
    EXPECT_EQ(track->Segments().size(), 3u);  // StopWaves only stops TrySpawnWave
}

TEST_F(TrackTest, PiecesJoinAtSpacingAndAHalfButNotAtSixTenths) {
    for (float slack : {0.5f, 0.6f}) {
        Build(3000);
        host.frozen = true;
        host.goalReached = true;
        StartWave(10, {5});
        ASSERT_EQ(track->Segments().size(), 2u);
        Place(Segment(0), 100);
        Place(Segment(1), Segment(0).Last()->distance + host.spacing + slack);
        Segment(1).speed = 0.0f;
        host.collisions.clear();
        track->Update();
        if (slack == 0.5f) {
            EXPECT_EQ(track->Segments().size(), 1u);
            ASSERT_EQ(host.collisions.size(), 1u);
            ASSERT_FALSE(host.sounds.empty());
            EXPECT_EQ(host.sounds.back().sound, TrackSound::BallBump);
            EXPECT_FLOAT_EQ(host.sounds.back().pitch, 1.25f);
            EXPECT_FLOAT_EQ(host.sounds.back().volume, 0.75f);
        } else {
            EXPECT_EQ(track->Segments().size(), 2u);
            EXPECT_TRUE(host.collisions.empty());
        }
    }
}

TEST_F(TrackTest, JoinedPieceKeepsTheFrontSpeedOnlyWhenItRollsBack) {
    Build(3000);
    host.frozen = true;
    host.goalReached = true;
    StartWave(10, {5});
    Place(Segment(0), 100);
    Place(Segment(1), Segment(0).Last()->distance + host.spacing);
    Segment(1).speed = -3.0f;
    track->Update();
    ASSERT_EQ(track->Segments().size(), 1u);
    EXPECT_LT(Segment(0).speed, -2.5f);
}

TEST_F(TrackTest, FreePiecesRollToRestAndPulledBackOnesReachSevenBack) {
    Build(3000);
    host.goalReached = true;
    StartWave(40, {5});
    Place(Segment(0), -2000);
    Place(Segment(1), 1500);
    Segment(1).speed = 1.0f;
    track->Update();
    EXPECT_FLOAT_EQ(Segment(1).speed, 0.9975f);
    for (int i = 0; i < 500; ++i) track->Update();
    EXPECT_EQ(Segment(1).speed, 0.0f);

    Segment(1).speed = -1.0f;
    track->Update();
    EXPECT_FLOAT_EQ(Segment(1).speed, -0.925f);
    for (int i = 0; i < 20; ++i) track->Update();
    EXPECT_EQ(Segment(1).speed, 0.0f);

    track->RejoinGaps();  // the facing colours differ or match; force the pull instead
    Segment(1).pullBack = true;
    for (int i = 0; i < 200; ++i) track->Update();
    EXPECT_FLOAT_EQ(Segment(1).speed, -7.0f);
}

TEST_F(TrackTest, APulledBackPieceWithNothingLeftBehindItComesToRest) {
    Build(3000);
    host.goalReached = true;
    StartWave(40, {5});
    Place(Segment(0), 100);
    Place(Segment(1), 1500);
    Segment(1).pullBack = true;
    Segment(1).speed = -1.0f;
    // The piece it was pulled towards is blown away, robot and all.
    std::vector<Plimb*> rear(Segment(0).items.begin(), Segment(0).items.end());
    for (Plimb* item : rear) track->RemoveBall(item);
    for (int i = 0; i < 200; ++i) track->Update();
    const ChainSegment& left = *track->Segments().back();
    EXPECT_FALSE(left.pullBack);
    EXPECT_EQ(left.speed, 0.0f);
    EXPECT_GT(left.First()->distance, 1000.0f);
}

TEST_F(TrackTest, RejoinGapsPullsBackMatchingEndsOnly) {
    Build(3000);
    host.frozen = true;
    StartWave(12, {3, 7});
    ASSERT_EQ(track->Segments().size(), 3u);
    Segment(0).Last()->colour = 1;
    Segment(1).First()->colour = 1;
    Segment(1).Last()->colour = 1;
    Segment(2).First()->colour = 2;
    track->RejoinGaps();
    EXPECT_TRUE(Segment(1).pullBack);
    EXPECT_FLOAT_EQ(Segment(1).speed, -1.0f);
    EXPECT_FALSE(Segment(2).pullBack);
}

TEST_F(TrackTest, RobotAcceleratesToItsTargetAndObeysRushAndSlow) {
    Build(6000);
    host.goalReached = true;
    WaveSpec wave;
    wave.count = 5;
    wave.speed = 1.0f;
    wave.speedFast = 2.0f;
    wave.speedSlow = 0.5f;
    wave.speedInitial = 4.0f;
    track->AddWave(wave);
    track->StartWave();
    Place(Segment(0), 100);
    Segment(0).speed = 0.0f;
    track->Update();  // free path far beyond three quarters of the path: fast
    EXPECT_FLOAT_EQ(Segment(0).speed, 0.075f);
    for (int i = 0; i < 100; ++i) track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 2.0f);
    EXPECT_FLOAT_EQ(static_cast<Pusher*>(track->Items()[0])->targetSpeed, 2.0f);

    host.slowed = true;
    track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 2.0f * 0.99f - 0.0075f);
    host.slowed = false;
    host.rush = true;
    for (int i = 0; i < 40; ++i) track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 4.0f);

    host.rush = false;
    Place(Segment(0), 6000 - 300 - 4 * host.spacing);  // 300 pixels of free path: danger
    track->Update();
    EXPECT_FLOAT_EQ(static_cast<Pusher*>(track->Items()[0])->targetSpeed, 0.25f);
    EXPECT_FLOAT_EQ(Segment(0).speed, 4.0f * 0.998f - 0.0025f);
}

TEST_F(TrackTest, RushEndsWhenABallPassesTheRushDistance) {
    Build(1000);
    host.rush = true;
    host.goalReached = true;
    StartWave(3);
    const float rushDistance = static_cast<float>(track->Length()) * host.rushFraction;
    Place(Segment(0), rushDistance - 0.01f - 3 * host.spacing);
    Segment(0).speed = 0.0f;
    host.frozen = true;
    track->Update();
    EXPECT_TRUE(host.rush);
    Place(Segment(0), rushDistance - 3 * host.spacing);
    track->Update();
    EXPECT_FALSE(host.rush);
}

TEST_F(TrackTest, FiftyTicksAtTheEndDoNotLoseAndTheFiftyFirstDoes) {
    Build(1000);
    host.goalReached = true;
    StartWave(3);
    Place(Segment(0), static_cast<float>(track->Length()) - 2 * host.spacing);  // front ball exactly at the end
    Segment(0).speed = 1.0f;
    for (int i = 0; i < Track::kEndTicksAllowed; ++i) {
        track->Update();
        ASSERT_FALSE(track->IsLost()) << i;
    }
    track->Update();
    EXPECT_TRUE(track->IsLost());
    EXPECT_LT(track->EndDistance(), 0.0f);
}

TEST_F(TrackTest, ABallStoppedAtTheEndDoesNotCount) {
    Build(1000);
    host.goalReached = true;
    StartWave(3, {0});  // the two front balls without their robot
    Place(Segment(1), static_cast<float>(track->Length()));
    for (int i = 0; i < 100; ++i) {
        Segment(1).speed = 0.0f;
        Place(Segment(1), static_cast<float>(track->Length()));
        track->Update();
    }
    EXPECT_FALSE(track->IsLost());
}

TEST_F(TrackTest, LostChainsRunIntoTheEndAndSink) {
    Build(1000);
    host.goalReached = true;
    StartWave(3);
    Place(Segment(0), static_cast<float>(track->Length()) - 2 * host.spacing + 5);
    Segment(0).speed = 9.99f;
    track->SetLost(true);
    track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 9.99f + 0.065f);
    track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 9.99f + 0.065f);
    Plimb* front = track->Items().back();
    EXPECT_TRUE(front->fading);
    EXPECT_LT(front->alpha, 1.0f);
    EXPECT_FALSE(track->Items()[1]->fading);
}

TEST_F(TrackTest, BackBonusPushesChainsBackToItsLimit) {
    Build(3000);
    host.goalReached = true;
    host.reversing = true;
    StartWave(3);
    Place(Segment(0), 500);
    Segment(0).speed = 1.0f;
    track->Update();
    EXPECT_FLOAT_EQ(Segment(0).speed, 1.0f - 0.0475f);
    for (int i = 0; i < 200; ++i) track->Update();
    EXPECT_LE(Segment(0).speed, -1.85f);
    EXPECT_GT(Segment(0).speed, -1.85f - 0.0475f);
}

TEST_F(TrackTest, APieceCatchingUpWithARobotClearsIt) {
    Build(3000);
    host.goalReached = true;
    host.frozen = true;
    StartWave(4);
    StartWave(4);
    ASSERT_EQ(track->Robots().size(), 2u);
    Place(Segment(1), 1000);
    Place(Segment(0), 1000 - 5 * host.spacing);  // its front ball touches the robot ahead
    const Vec2 robotPoint = Segment(1).First()->position;
    track->Update();
    EXPECT_EQ(track->Robots().size(), 1u);
    EXPECT_EQ(host.Statistic(TrackStatistic::RobotsCleared), 1);
    ASSERT_EQ(host.wrecks.size(), 1u);
    EXPECT_FLOAT_EQ(host.wrecks[0].x, robotPoint.x);
    EXPECT_FLOAT_EQ(track->LastRobotDistance(), 1000.0f);
    EXPECT_EQ(track->Items().size(), 9u);
}

TEST_F(TrackTest, ARobotWithNothingLeftToPushIsCleared) {
    Build(3000);
    host.goalReached = true;
    StartWave(2, {0, 1});
    ASSERT_EQ(track->Items().size(), 1u);
    track->Update();
    EXPECT_TRUE(track->Items().empty());
    EXPECT_EQ(host.Statistic(TrackStatistic::RobotsCleared), 1);
    EXPECT_TRUE(track->IsRearmostBeyondEnd());
}

TEST_F(TrackTest, FlagsFollowThePathAndItsHiddenRanges) {
    Build(1000);
    host.frozen = true;
    host.goalReached = true;
    track->AddHiddenRange(200, 300);
    StartWave(3);
    Place(Segment(0), 200 - host.spacing);
    track->Update();
    const auto& items = track->Items();
    EXPECT_TRUE(items[0]->onPath);  // at 168
    EXPECT_TRUE(items[0]->hittable);
    EXPECT_FALSE(items[1]->hidden);  // exactly at 200: not inside
    EXPECT_TRUE(items[1]->hittable);
    EXPECT_TRUE(items[2]->hidden);
    EXPECT_FALSE(items[2]->hittable);
    EXPECT_TRUE(items[2]->hasAppeared);
}

TEST_F(TrackTest, BallsRollAndTurnWithThePath) {
    Build(1000);
    host.goalReached = true;
    StartWave(3);
    Place(Segment(0), 100);
    Plimb* ball = track->Items()[1];
    ball->rollFrame = 10.0f;
    ball->angle = 0.0f;
    ball->angleEase = 5;
    Segment(0).speed = 1.0f;
    host.frozen = false;
    track->Update();
    EXPECT_NEAR(ball->rollFrame, 10.0f - (ball->distance - (100 + host.spacing)) * 1.75f, 0.001f);
    EXPECT_FLOAT_EQ(ball->angle, -2.0f);  // eases towards 270 the short way, at most 2 degrees
    EXPECT_EQ(ball->angleEase, 4);
    ball->angleEase = 0;
    track->Update();
    EXPECT_FLOAT_EQ(ball->angle, 270.0f);
}
