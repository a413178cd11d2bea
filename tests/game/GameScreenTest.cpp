// The game screen inside the game application, without a window or a
// catalogue: score and lives, progress, pause and its menu, the end of a
// level, the stage running out, and the level-up panel.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/Transition.h"
#include "game/play/Game.h"
#include "game/play/InGameMenu.h"
#include "game/play/LevelUp.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "support/TempDir.h"

namespace {

class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        GetRandom().Seed(7);
        UseScratchFolder(app, folder.Path());
        app.worldIndex = 0;
        app.playStyle = static_cast<int32_t>(PlayStyle::Normal);
    }
    // The game screen on a stage of `levels`, its first level begun; null
    // when the stage ended at once.
    Game* Play(std::vector<String> levels) {
        app.singleLevel = LevelGroup{"Test Stage", std::move(levels)};
        app.currentGroup = "Test Stage";
        app.StartGame();
        return app.CurrentGame();
    }
    static void Tick(Game& game, int32_t ticks) {
        for (int32_t i = 0; i < ticks; ++i) game.DoUpdate();
    }
    void Click(float x, float y) {
        app.MouseMove(static_cast<int32_t>(x), static_cast<int32_t>(y));
        app.MouseDown(static_cast<int32_t>(x), static_cast<int32_t>(y), kLeftButton);
        app.MouseUp(static_cast<int32_t>(x), static_cast<int32_t>(y), kLeftButton);
    }
    bool Showing(const char* screen) const {
        for (int32_t i = 0; i < app.mGadgets.Count(); ++i) {
            auto* gadget = static_cast<Gadget*>(app.mGadgets.At(i));
            if (!gadget->mKilled && String(gadget->mName) == screen) return true;
        }
        return false;
    }

    TempDir folder;
    PlimbZappetsApp app;
};

TEST_F(GameScreenTest, PointsFeedTheScoreAndTheExtraLifeMeter) {
    Game& game = *Play({"Blue"});
    game.AddScore(0);
    game.AddScore(-500);
    EXPECT_EQ(app.score, 0);
    EXPECT_EQ(game.scoreText, "0");
    EXPECT_EQ(game.extraLifeMeter, 0);

    game.extraLifeMeter = 999999;
    game.AddScore(1);
    EXPECT_EQ(game.extraLifeMeter, 0);
    EXPECT_EQ(app.lives, 4);
    EXPECT_EQ(app.stats[static_cast<size_t>(Statistic::ExtraLivesEarned)], 1);
    EXPECT_EQ(game.lifeFlash, Game::kLifeFlashTicks);
    EXPECT_EQ(game.scoreText, "1");

    // One huge award past two million gives one life now and keeps the rest
    // for the next award.
    game.AddScore(2500000);
    EXPECT_EQ(app.lives, 5);
    EXPECT_EQ(game.extraLifeMeter, 1500000);
    game.AddScore(10);
    EXPECT_EQ(app.lives, 6);
    EXPECT_EQ(game.extraLifeMeter, 500010);
    EXPECT_EQ(game.scoreText, "2500011");
}

TEST_F(GameScreenTest, ProgressFillsTheBarStepByStepAndStopsTheWavesOnce) {
    Game& game = *Play({"Blue"});
    Board* board = game.CurrentBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(game.progressQuota, Game::kStartQuota) << "a level without a quota keeps the screen's";
    game.AddProgress(50);
    EXPECT_FLOAT_EQ(game.progressTarget, 0.5f);
    EXPECT_FALSE(board->wavesOver);
    Tick(game, 10);
    EXPECT_NEAR(game.progressShown, 0.1f, 1e-4f);
    game.AddProgress(-500);
    EXPECT_FLOAT_EQ(game.progressTarget, 0.0f);
    game.AddProgress(1000);
    EXPECT_FLOAT_EQ(game.progressTarget, 1.0f);
    EXPECT_TRUE(board->wavesOver) << "the quota is met: no further waves";
    EXPECT_FALSE(board->wavesEnded) << "until the bar has filled";
    Tick(game, 89);
    EXPECT_FALSE(game.progressFull);
    Tick(game, 2);
    EXPECT_TRUE(game.progressFull);
    EXPECT_TRUE(board->wavesEnded);
    EXPECT_FLOAT_EQ(game.progressShown, 1.0f);
}

TEST_F(GameScreenTest, PauseFreezesTheBarAndTheBoardAndItsMenuHasTheWayBack) {
    Game& game = *Play({"Blue"});
    Board& board = *game.CurrentBoard();
    game.AddProgress(50);
    Tick(game, 5);
    float shown = game.progressShown;
    int32_t delay = board.startDelay;

    // The board's menu button, bottom left, opens the menu over the paused game.
    Click(32, 570);
    ASSERT_NE(game.PauseMenu(), nullptr);
    EXPECT_TRUE(game.paused);
    EXPECT_TRUE(board.paused);
    Tick(game, 100);
    EXPECT_FLOAT_EQ(game.progressShown, shown);
    EXPECT_EQ(board.startDelay, delay);
    EXPECT_FLOAT_EQ(game.dimAlpha, Game::kDimMost) << "the dimming grows to its limit and stays";
    // The keys leave an open menu alone.
    board.OnKeyDown('P');
    EXPECT_TRUE(game.paused);
    EXPECT_NE(game.PauseMenu(), nullptr);

    Click(300, 150);  // back to the game
    EXPECT_EQ(game.PauseMenu(), nullptr);
    EXPECT_FALSE(game.paused);
    EXPECT_FALSE(board.paused);

    // Without the menu, P pauses and a click on the board plays on without shooting.
    board.OnKeyDown('P');
    EXPECT_TRUE(game.paused);
    EXPECT_EQ(game.PauseMenu(), nullptr);
    Click(400, 300);
    EXPECT_FALSE(game.paused);
    EXPECT_TRUE(board.Shots().empty());

    // A lost focus pauses without the menu, but not once the game is over.
    app.OnFocusChange(false);
    EXPECT_TRUE(game.paused);
    EXPECT_EQ(game.PauseMenu(), nullptr);
    // Minimised, the same.
    game.ResumePlay();
    app.WindowProcedure(WindowEvent{app.mWindow.Id(), WindowMessage::Size, SizeMinimized, 0});
    EXPECT_TRUE(game.paused);
    EXPECT_EQ(game.PauseMenu(), nullptr);
    game.ResumePlay();
    game.MarkGameOver();
    app.OnFocusChange(false);
    EXPECT_FALSE(game.paused);
}

TEST_F(GameScreenTest, BackToTheTempleStartsTheJourneyAgain) {
    Game& game = *Play({"Blue"});
    game.AddScore(700);
    app.lives = 1;
    game.OpenPauseMenu();
    Click(150, 320);
    EXPECT_EQ(app.score, 0);
    EXPECT_EQ(app.lives, PlimbZappetsApp::kStartLives);
    EXPECT_TRUE(app.IsTransitionRunning());
}

TEST_F(GameScreenTest, ALevelCompletedTwiceShowsOnePanelWithItsTalliesInPanelOrder) {
    Game& game = *Play({"Blue"});
    for (int32_t tally = 0; tally < Game::kTallyCount; ++tally) game.tallies[static_cast<size_t>(tally)] = 10 + tally;
    game.LevelComplete();
    LevelUp* panel = app.CurrentLevelUp();
    ASSERT_NE(panel, nullptr);
    game.LevelComplete();
    EXPECT_EQ(app.CurrentLevelUp(), panel);
    EXPECT_EQ(app.stats[static_cast<size_t>(Statistic::LevelsCleared)], 1);
    EXPECT_TRUE(game.paused);
    EXPECT_TRUE(game.CurrentBoard()->advance);
    EXPECT_TRUE(panel->Passed());
    // Launched, popped, swaps, robots, combos, largest combo, bonuses, missed.
    const int32_t expected[] = {15, 11, 16, 13, 14, 12, 10, 17};
    for (int32_t row = 0; row < LevelUp::kRows; ++row) EXPECT_EQ(panel->Value(row), expected[row]) << row;
}

TEST_F(GameScreenTest, TheBoardsCallsReachTalliesAndLifetimeStatistics) {
    Game& game = *Play({"Blue"});
    auto stat = [&](Statistic statistic) { return app.stats[static_cast<size_t>(statistic)]; };
    game.CountStatistic(TrackStatistic::PlimbsPopped, 5);
    game.RaiseStatistic(TrackStatistic::LargestCombo, 3);
    game.RaiseStatistic(TrackStatistic::LargestCombo, 2);
    game.RaiseStatistic(TrackStatistic::LargestGroupPopped, 6);
    game.CountLauncherStatistic(LauncherStatistic::PlimbsLaunched);
    game.CountLauncherStatistic(LauncherStatistic::SwitchesMade);
    game.CountTally(BoardTally::MissedShots);
    game.CountTally(BoardTally::BonusesCaught);
    game.CountLifeLost();
    EXPECT_EQ(game.tallies[Game::BallsPopped], 5);
    EXPECT_EQ(game.tallies[Game::LargestCombo], 3);
    EXPECT_EQ(game.tallies[Game::BallsLaunched], 1);
    EXPECT_EQ(game.tallies[Game::SwapsMade], 1);
    EXPECT_EQ(game.tallies[Game::MissedShots], 1);
    EXPECT_EQ(game.tallies[Game::BonusesCaught], 1);
    EXPECT_EQ(stat(Statistic::PlimbsPopped), 5);
    EXPECT_EQ(stat(Statistic::LargestCombo), 3);
    EXPECT_EQ(stat(Statistic::LargestGroupPopped), 6);
    EXPECT_EQ(stat(Statistic::PlimbsLaunched), 1);
    EXPECT_EQ(stat(Statistic::SwitchesMade), 1);
    EXPECT_EQ(stat(Statistic::MissedShots), 1);
    EXPECT_EQ(stat(Statistic::BonusesCaught), 1);
    EXPECT_EQ(stat(Statistic::LivesLost), 1);
    app.playStyle = static_cast<int32_t>(PlayStyle::Child);
    game.CountLifeLost();
    EXPECT_EQ(stat(Statistic::LivesLost), 1) << "a Child life costs nothing";
}

TEST_F(GameScreenTest, TheStageEndsAtItsEndOrAtANameNoBoardPlays) {
    // One level, then past the end.
    Game& game = *Play({"Blue"});
    ASSERT_NE(game.CurrentBoard(), nullptr);
    game.levelIndex = 1;
    app.RunTransitionAction(TransitionKind::RestartLevel);
    EXPECT_EQ(app.CurrentGame(), nullptr);
    EXPECT_TRUE(Showing("DifficultyMenu"));

    // A name that is no theme, an empty stage, and a stage name that matches
    // nothing: each hands over to the journey map at once.
    for (std::vector<String> levels : {std::vector<String>{"Nowhere", "Blue"}, std::vector<String>{}}) {
        EXPECT_EQ(Play(levels), nullptr);
        EXPECT_TRUE(Showing("DifficultyMenu"));
    }
    app.currentGroup = "World 9-9";
    app.StartGame();
    EXPECT_EQ(app.CurrentGame(), nullptr);
}

TEST_F(GameScreenTest, TheTitleLineNamesTheWorldsCharacterStageAndLevel) {
    app.singleLevel = LevelGroup{"World 2-3", {"Blue", "Blue"}};
    app.currentGroup = "World 2-3";
    app.worldIndex = 1;
    app.StartGame();
    Game& game = *app.CurrentGame();
    EXPECT_EQ(game.LevelLine(), "QUIB LEVEL 3-1");
    game.levelIndex = 1;
    EXPECT_EQ(game.LevelLine(), "QUIB LEVEL 3-2");
    app.worldIndex = -1;
    EXPECT_EQ(game.LevelLine(), "") << "no journey, no line";
}

TEST_F(GameScreenTest, TheFourthWorldMirrorsEveryLevelAndTheFifthSome) {
    app.worldIndex = 3;
    Play({"Blue"});
    EXPECT_TRUE(app.mirrorPaths);
    EXPECT_TRUE(app.CurrentGame()->CurrentBoard()->mirror);
    app.worldIndex = 0;
    Play({"Blue"});
    EXPECT_FALSE(app.mirrorPaths);
    app.worldIndex = 4;
    int32_t mirrored = 0;
    for (int32_t level = 0; level < 40; ++level) {
        Play({"Blue"});
        mirrored += app.mirrorPaths ? 1 : 0;
    }
    EXPECT_GT(mirrored, 5);
    EXPECT_LT(mirrored, 35);
}

class LevelUpTest : public GameScreenTest {
protected:
    // Updates the panel until it has landed; the ticks it took.
    int32_t Land(LevelUp& panel) {
        int32_t ticks = 0;
        while (!panel.HasLanded() && ticks < 1000) {
            panel.DoUpdate();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(LevelUpTest, ContinueWaitsForTheLandingThenLeadsToTheNextLevel) {
    Game& game = *Play({"Blue", "Blue"});
    game.LevelComplete();
    LevelUp& panel = *app.CurrentLevelUp();
    EXPECT_FLOAT_EQ(panel.Y(), LevelUp::kStartY);
    for (int32_t i = 0; i < 30; ++i) panel.DoUpdate();
    const Button& button = panel.ContinueButton();
    Click(button.mRect.x + 10, button.mRect.y + 10);
    panel.PressContinue();
    EXPECT_EQ(game.levelIndex, 0) << "continue does nothing before the panel lands";
    EXPECT_FALSE(app.IsTransitionRunning());

    int32_t ticks = Land(panel);
    EXPECT_LT(ticks, 200);
    EXPECT_FLOAT_EQ(panel.Y(), LevelUp::kRestY);
    EXPECT_FLOAT_EQ(button.mRect.y, LevelUp::kRestY + 153);
    // A row every sixteen ticks: fifteen of countdown and the tick that shows it.
    EXPECT_EQ(panel.RowsRevealed(), 0);
    for (int32_t i = 0; i < LevelUp::kRowTicks + 1; ++i) panel.DoUpdate();
    EXPECT_EQ(panel.RowsRevealed(), 1);
    Click(button.mRect.x + 10, button.mRect.y + 10);
    EXPECT_EQ(game.levelIndex, 1);
    EXPECT_TRUE(app.IsTransitionRunning());

    // The transition's work: the next level, the panel gone.
    app.CurrentTransition()->Kill();
    app.SetTransitionSlot(nullptr);
    app.RunTransitionAction(TransitionKind::RestartLevel);
    EXPECT_EQ(app.CurrentLevelUp(), nullptr);
    ASSERT_NE(game.CurrentBoard(), nullptr);
    EXPECT_FALSE(game.paused);
}

TEST_F(LevelUpTest, AfterTheLastLifeThePanelShowsFinalStatsAndLeadsOutOfTheGame) {
    Game& game = *Play({"Blue"});
    game.tallies[Game::BallsPopped] = 33;
    game.MarkGameOver();
    game.ShowLevelUp();
    LevelUp& panel = *app.CurrentLevelUp();
    EXPECT_FALSE(panel.Passed());
    EXPECT_EQ(panel.Value(1), 33);
    EXPECT_EQ(game.tallies[Game::BallsPopped], 0) << "handed over, then cleared";
    Tick(game, 50);
    EXPECT_NEAR(game.gameOverFade, 0.5f, 1e-4f);
    Land(panel);
    app.score = 0;  // beats no entry of the table
    panel.PressContinue();
    EXPECT_TRUE(app.gameOverMark);
    ASSERT_TRUE(app.IsTransitionRunning());
    EXPECT_EQ(app.CurrentTransition()->Creature(), 8) << "the gloomy creature";
}

}  // namespace
