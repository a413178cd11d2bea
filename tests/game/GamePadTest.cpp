// A simulated gamepad plugged into the running game: through the window's
// event pump and the input queue it slides the launcher, fires, opens the
// in-game menu and moves its highlight, and leaves it again.
#include <gtest/gtest.h>

#include <vector>

#include "board/Board.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/play/Game.h"
#include "game/play/InGameMenu.h"
#include "platform/GameController.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"
#include "support/VirtualPad.h"
#include "ui/KeyNavigation.h"

namespace {

class GamePadTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        GetRandom().Seed(7);
        UseScratchFolder(app, folder.Path());
        app.worldIndex = 0;
        app.playStyle = static_cast<int32_t>(PlayStyle::Normal);
        ASSERT_TRUE(app.mWindow.Create("pad", 0, 0, 800, 600));
        VirtualPad::AllowWithoutFocus();
        ASSERT_TRUE(GetGameControllers().Start());
        pad = std::make_unique<VirtualPad>();
        ASSERT_TRUE(pad->IsPlugged());
        Pump();
        ASSERT_EQ(GetGameControllers().OpenCount(), 1);
    }
    void TearDown() override {
        pad.reset();
        GetGameControllers().Stop();
    }
    // What the main loop does with the window's events before an update.
    void Pump() {
        VirtualPad::Update();
        WindowEvent event;
        while (app.mWindow.PollEvent(event)) app.WindowProcedure(event);
        app.ProcessEvents();
    }
    void Tap(PadButton button) {
        pad->SetButton(button, true);
        Pump();
        pad->SetButton(button, false);
        Pump();
    }
    static void Tick(Game& game, int32_t ticks) {
        for (int32_t i = 0; i < ticks; ++i) game.DoUpdate();
    }

    TempDir folder;
    PlimbZappetsApp app;
    std::unique_ptr<VirtualPad> pad;
};

TEST_F(GamePadTest, ThePadSteersFiresAndRunsTheInGameMenu) {
    app.singleLevel = LevelGroup{"Test Stage", {"Blue"}};
    app.currentGroup = "Test Stage";
    app.StartGame();
    Game* game = app.CurrentGame();
    ASSERT_NE(game, nullptr);
    Board& board = *game->CurrentBoard();
    Tick(*game, 300);  // the launcher loads
    ASSERT_NE(board.GetLauncher().Loaded(), nullptr);

    float start = board.TargetX();
    pad->SetAxis(PadAxis::LeftX, kPadAxisMost);
    Pump();
    Tick(*game, 10);
    EXPECT_GT(board.TargetX(), start + 5 * SlideControl::kTopSpeed);
    pad->SetAxis(PadAxis::LeftX, 0);
    Pump();
    Tick(*game, 60);
    EXPECT_NEAR(board.GetLauncher().X(), board.TargetX(), 1.0f) << "the launcher follows the aim";

    Tap(PadButton::A);
    EXPECT_EQ(game->tallies[Game::BallsLaunched], 1);

    Tap(PadButton::Start);
    ASSERT_NE(game->PauseMenu(), nullptr);
    EXPECT_TRUE(game->paused);
    // In the menu the d-pad moves the highlight; B goes back to the game.
    Tap(PadButton::DPadDown);
    ASSERT_NE(KeyNavigation::Highlighted(app), nullptr);
    Tap(PadButton::B);
    EXPECT_EQ(game->PauseMenu(), nullptr);
    EXPECT_FALSE(game->paused);
}

}  // namespace
