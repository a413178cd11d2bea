// The board's tick: intro, shots leaving the screen, losses and the speed
// cut, the end of the level, pause keys.
#include "BoardTestSupport.h"
#include "core/IOBuffer.h"
#include "platform/WindowMessages.h"
#include "track/Bomb.h"
#include "track/Bonus.h"
#include "track/Eater.h"
#include "track/FireBall.h"

namespace {

WaveSpec FastWave(float speed) {
    WaveSpec wave;
    wave.count = 10;
    wave.speed = wave.speedInitial = wave.speedFast = wave.speedSlow = speed;
    return wave;
}

TEST_F(BoardTest, NothingMovesOrIsLostDuringTheIntro) {
    Build();
    board->AddWaveToTrack(0, FastWave(20));
    Tick(Board::kIntroTicks);
    EXPECT_TRUE(board->TrackAt(0).Items().empty());
    EXPECT_FALSE(board->losing);
    Tick(120);  // fast enough to reach the end well within this
    EXPECT_FALSE(board->TrackAt(0).Items().empty());
    EXPECT_TRUE(board->losing);
    EXPECT_EQ(game.lives, 2);
    EXPECT_EQ(game.livesLost, 1);
}

TEST_F(BoardTest, ABombLeavingTheTopEndsThePowerUpWithoutABlast) {
    Build();
    board->bombGrant = Bonus::kBombGrant;
    auto* bomb = new Bomb(board.get(), board.get(), nullptr);
    bomb->isBomb = true;
    bomb->position = Vec2{400, -41};
    board->AddShot(bomb);
    Tick();
    EXPECT_TRUE(board->Shots().empty());
    EXPECT_EQ(board->bombGrant, 0);
    EXPECT_FALSE(board->explosionActive);
    EXPECT_EQ(game.missed, 1);
}

TEST_F(BoardTest, AFireBallLeavingTheTopEndsItsGrantAndAsksForAColourCheck) {
    Build();
    board->fireGrant = Bonus::kFireGrant;
    auto* fire = new FireBall(board.get(), nullptr);
    fire->isFireBall = true;
    fire->position = Vec2{400, -41};
    board->AddShot(fire);
    Tick();
    EXPECT_TRUE(board->Shots().empty());
    EXPECT_EQ(board->fireGrant, 0);
    EXPECT_EQ(game.missed, 1);
}

TEST_F(BoardTest, ShotsClimbNineAndAQuarterPixelsPerTick) {
    Build();
    auto* shot = new Plimb(board.get());
    shot->position = Vec2{400, 500};
    board->AddShot(shot);
    Tick();
    EXPECT_FLOAT_EQ(shot->position.y, 500 - 9.25f);
}

TEST_F(BoardTest, AShotJoiningAChainHoldsLaterShotsForThatTick) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 10, 300);
    for (Plimb* ball : balls) ball->hittable = true;
    auto* first = new Plimb(board.get());
    first->position = Vec2{balls[5]->position.x, 340};
    first->colour = balls[5]->colour;
    auto* second = new Plimb(board.get());
    second->position = Vec2{100, 500};
    board->AddShot(first);
    board->AddShot(second);
    Tick();
    ASSERT_EQ(board->Shots().size(), 1u);
    EXPECT_EQ(board->Shots()[0], second);
    EXPECT_FLOAT_EQ(second->position.y, 500);
    Tick();
    EXPECT_FLOAT_EQ(second->position.y, 500 - 9.25f);
}

TEST_F(BoardTest, TheLauncherCatchesFallingItems) {
    Build();
    Bonus* aim = Bonus::Create(static_cast<int32_t>(BonusKind::Aim), nullptr, 0);
    aim->position = Vec2{board->GetLauncher().X(), board->GetLauncher().Y() - 60};
    aim->acceleration = Vec2{};
    board->BonusItems().Add(aim);
    Tick();
    EXPECT_TRUE(aim->mKilled);
    EXPECT_EQ(board->aimTimer, Bonus::kAimTicks);
    EXPECT_EQ(game.caught, 1);
}

TEST_F(BoardTest, ABombTouchingAChainBlowsUpAndClearsBallsAround) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 10, 300);
    for (Plimb* ball : balls) ball->hittable = true;
    auto* bomb = new Bomb(board.get(), board.get(), nullptr);
    bomb->isBomb = true;
    bomb->position = Vec2{balls[5]->position.x, 340};
    board->AddShot(bomb);
    Tick();
    EXPECT_TRUE(board->Shots().empty());
    EXPECT_TRUE(board->explosionActive);
    int32_t before = board->LiveBallCount();
    Tick(30);
    EXPECT_LT(board->LiveBallCount(), before);
    EXPECT_GT(game.score, 0);
    Tick(300);
    EXPECT_FALSE(board->explosionActive);
}

TEST_F(BoardTest, SpeedIsCutAfterTheFirstTwoLossesOnly) {
    game.lives = 10;
    Build();
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    Track& track = board->TrackAt(0);
    float speeds[4] = {track.WaveAt(0).speed, 0, 0, 0};
    for (int32_t loss = 1; loss <= 3; ++loss) {
        while (!board->rewinding) board->Update();
        speeds[loss] = track.WaveAt(0).speed;
        while (board->rewinding) board->Update();
    }
    EXPECT_FLOAT_EQ(speeds[1], speeds[0] * 0.85f);
    EXPECT_FLOAT_EQ(speeds[2], speeds[0] * 0.85f * 0.85f);
    EXPECT_FLOAT_EQ(speeds[3], speeds[2]);
    EXPECT_EQ(board->lossesOnBoard, 2);
    EXPECT_EQ(game.lives, 7);
}

TEST_F(BoardTest, TheLastLifeEndsTheGameAfterTheDrain) {
    game.lives = 1;
    Build();
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    auto* shot = new Plimb(board.get());
    shot->position = Vec2{400, 5000};  // still flying when the chain arrives
    board->AddShot(shot);
    while (!board->losing) board->Update();
    EXPECT_TRUE(game.over);
    EXPECT_EQ(game.journeyCleared, 1);
    EXPECT_TRUE(board->Shots().empty());
    for (int i = 0; i < 2000 && !board->gameOver; ++i) board->Update();
    EXPECT_TRUE(board->gameOver);
    EXPECT_FALSE(board->rewinding);
    EXPECT_EQ(game.levelUps, 1);
}

TEST_F(BoardTest, ChildStyleNeverRunsOutOfLives) {
    game.style = PlayStyle::Child;
    Build();
    EXPECT_EQ(game.lives, 100);
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    while (!board->rewinding) board->Update();
    EXPECT_EQ(game.lives, 100);
    EXPECT_EQ(game.livesLost, 0);
}

TEST_F(BoardTest, AFullMeterCompletesOnlyOnceTheTracksAreEmptyAndNothingFalls) {
    Build();
    std::vector<Plimb*> balls = Lay(0, 5, 300);
    board->SetWavesOver();
    board->EndWaves();
    Tick();
    EXPECT_FALSE(board->completing);
    std::vector<Plimb*> items = board->TrackAt(0).Items();
    for (Plimb* item : items) board->TrackAt(0).RemoveBall(item);
    Bonus* falling = Bonus::Create(static_cast<int32_t>(BonusKind::Aim), nullptr, 0);
    board->BonusItems().Add(falling);
    Tick();
    EXPECT_FALSE(board->completing);
    falling->Kill();
    Tick();
    EXPECT_TRUE(board->completing);
    Tick(4);
    EXPECT_TRUE(board->complete);
    EXPECT_TRUE(board->completeStarted);
    // The fuse burns down, then the game hears after the end delay.
    ASSERT_EQ(static_cast<Eater*>(board->Eaters().At(0))->WickCount(), 1);
    int32_t ticks = 0;
    while (game.completions == 0 && ticks < 20000) {
        Tick();
        ++ticks;
    }
    EXPECT_EQ(game.completions, 1);
    EXPECT_TRUE(static_cast<Eater*>(board->Eaters().At(0))->IsGone());
    EXPECT_GE(ticks, Board::kEndDelayTicks);
    Tick(10);
    EXPECT_EQ(game.completions, 1);
}

TEST_F(BoardTest, PauseKeysAndClicks) {
    Build();
    board->OnKeyDown('P');
    EXPECT_TRUE(game.paused);
    board->OnKeyDown(static_cast<int32_t>(VirtualKey::Pause));
    EXPECT_FALSE(game.paused);
    game.paused = true;
    board->OnMouseButton(400, 300, -1);
    EXPECT_FALSE(game.paused);
    game.busy = true;
    board->OnKeyDown('P');
    EXPECT_FALSE(game.paused);
}

TEST_F(BoardTest, ARestoredCompletedLevelKeepsAskingForTheLevelUp) {
    Build();
    board->advance = true;
    IOBuffer record;
    board->Save(record);
    Build();
    record.SetPosition(0);
    ASSERT_TRUE(board->Load(record));
    game.busy = true;
    Tick();
    EXPECT_EQ(game.completions, 0);
    game.busy = false;
    Tick(3);
    EXPECT_EQ(game.completions, 3);
}

}  // namespace
