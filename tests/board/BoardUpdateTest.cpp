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

TEST_F(BoardTest, AChainReleasedAfterTheSpeedCutStartsSlower) {
    game.lives = 10;
    Build();
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    Track& track = board->TrackAt(0);
    board->rushActive = false;  // released at the wave's own speed
    Tick();
    ASSERT_EQ(track.Segments().size(), 1u);
    EXPECT_FLOAT_EQ(track.Segments().front()->speed, 4);
    while (!board->rewinding) Tick();
    while (board->rewinding) Tick();
    board->rushActive = false;
    track.StartWave();
    EXPECT_FLOAT_EQ(track.Segments().front()->speed, 4 * 0.85f);
}

bool AnyPieceRollsBack(Track& track) {
    for (ChainSegment* segment : track.Segments())
        if (segment->speed < 0) return true;
    return false;
}

TEST_F(BoardTest, ARewindRollsBackThenBrakesAndClearsOnlyOnceTheChainsStand) {
    game.lives = 5;
    Build();
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    while (!board->rewinding) Tick();
    Track& track = board->TrackAt(0);
    // Two pieces of chain: the swirl still fades in at its own pace.
    track.RemoveBall(track.Items()[track.Items().size() / 2]);
    ASSERT_EQ(track.Segments().size(), 2u);
    Tick(10);
    EXPECT_NEAR(board->swirlAlpha, 0.1f, 1e-5f);
    EXPECT_FLOAT_EQ(board->darken, 1.0f);
    while (!board->rewindBraking) Tick();
    EXPECT_LE(track.Items().back()->distance, 0.65f * static_cast<float>(track.Length()));
    // Braking: the chains slow down before anything clears.
    while (AnyPieceRollsBack(track)) {
        EXPECT_FLOAT_EQ(board->darken, 1.0f);
        Tick();
    }
    EXPECT_TRUE(board->rewinding);
    while (board->rewinding) Tick();
    EXPECT_FLOAT_EQ(board->darken, 0.0f);
    EXPECT_FLOAT_EQ(board->swirlAlpha, 0.0f);
    EXPECT_FALSE(board->losing);
    EXPECT_FALSE(board->drained);
    EXPECT_FALSE(track.IsLost());
    // One loss, one life: play goes on.
    Tick(100);
    EXPECT_EQ(game.lives, 4);
    EXPECT_FALSE(board->losing);
}

// Ends a rewind on the next tick, with the pieces of track 0 laid out as
// given: each piece's rear-most distance, rear to front.
class FinishingRewind : public BoardTest {
protected:
    void Arrange(const std::vector<float>& rears) {
        Build();
        Track& track = board->TrackAt(0);
        std::vector<Plimb*> balls = Lay(0, 12, 300);
        // Cut the chain into as many pieces as asked.
        for (size_t i = 1; i < rears.size(); ++i) track.RemoveBall(balls[3 * i - 1]);
        ASSERT_EQ(track.Segments().size(), rears.size());
        for (size_t i = 0; i < rears.size(); ++i) {
            ChainSegment& segment = *track.Segments()[i];
            segment.speed = 0;
            float d = rears[i];
            for (Plimb* item : segment.items) {
                item->distance = d;
                d += board->ballSpacing;
            }
        }
        track.SetLost(true);
        board->losing = board->drained = true;
        board->rewinding = board->rewindBraking = true;
        board->darken = board->swirlAlpha = 0.05f;
    }
};

TEST_F(FinishingRewind, AChainPushedOffTheStartGoesWhole) {
    Arrange({-1200, -800, -400});
    Tick();
    EXPECT_FALSE(board->rewinding);
    EXPECT_TRUE(board->TrackAt(0).Items().empty());
    EXPECT_FALSE(board->TrackAt(0).IsLost());
    EXPECT_FALSE(board->losing);
}

TEST_F(FinishingRewind, PiecesBehindAChainOnThePathStay) {
    Arrange({-900, -500, 100});
    Tick();
    EXPECT_FALSE(board->rewinding);
    EXPECT_EQ(board->TrackAt(0).Segments().size(), 3u);
}

TEST_F(FinishingRewind, BehindASinkingPieceThePiecesOffTheStartGo) {
    Arrange({-900, -500, -200, 400});
    Track& track = board->TrackAt(0);
    ChainSegment* sinking = track.Segments()[3];
    sinking->First()->Sink();
    Tick();
    ASSERT_EQ(track.Segments().size(), 1u);
    EXPECT_EQ(track.Segments()[0], sinking);
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

TEST_F(BoardTest, OnceTheLastLifeIsLostNeitherKeysNorClicksPause) {
    game.lives = 1;
    Build();
    board->startDelay = 0;
    board->AddWaveToTrack(0, FastWave(4));
    while (!game.over) Tick();
    ASSERT_FALSE(board->gameOver);  // the chains still drain
    board->OnKeyDown('P');
    EXPECT_FALSE(game.paused);
    game.paused = true;  // the game screen paused it on its own
    board->OnMouseButton(400, 300, -1);
    EXPECT_TRUE(game.paused);
    game.paused = false;
    while (!board->gameOver) Tick();
    board->OnKeyDown(static_cast<int32_t>(VirtualKey::Pause));
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
