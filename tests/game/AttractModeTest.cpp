// The demonstration that takes over an idle title or main menu, inside the
// game application with the built catalogue: when it starts, what it plays,
// what it leaves alone and how it gives the screen back.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "board/JourneyNames.h"
#include "core/Random.h"
#include "game/BuiltData.h"
#include "game/PlimbZappetsApp.h"
#include "game/attract/AttractMode.h"
#include "game/attract/Demo.h"
#include "media/Graphics.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "platform/WindowMessages.h"
#include "support/TempDir.h"

namespace {

class AttractModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
        SetHeadless(true);
        ResourcePaths::SetDataRoot(root.c_str());
        GetRandom().Seed(11);
        app.mDataFolder = String(folder.Path() + "/");
        app.mConfigPath = String(folder.File("config.cfg"));
        folder.Write("config.cfg", "Profiles=Bo\r\n");
        app.LoadResources();
        app.ShowMainMenu();
        menu = app.mGadgets.GadgetAtIndex(0);
    }
    void Idle(int32_t steps) {
        for (int32_t i = 0; i < steps; ++i) attract().BeforeUpdate();
    }
    AttractMode& attract() { return app.Attract(); }
    Gadget* Top() const { return app.mGadgets.GadgetAtIndex(app.mGadgets.Count() - 1); }
    static std::vector<int32_t> RandomState() {
        std::vector<int32_t> words;
        for (int32_t i = 0; i < 55; ++i) words.push_back(GetRandom().StateWord(i));
        return words;
    }

    TempDir folder;
    PlimbZappetsApp app;
    Gadget* menu = nullptr;
};

TEST_F(AttractModeTest, TheShowStartsOnTheThreeThousandthIdleStepAndInputPutsItOff) {
    Idle(AttractMode::kIdleTicks - 1);
    EXPECT_FALSE(attract().IsRunning());
    // Input one step short starts the count again.
    EXPECT_FALSE(attract().OnWindowMessage(WindowMessage::MouseMove, 0)) << "no show to end: the move is the menu's";
    Idle(1);
    EXPECT_EQ(attract().IdleTicks(), 0);
    Idle(AttractMode::kIdleTicks - 1);
    EXPECT_FALSE(attract().IsRunning());
    Idle(1);
    ASSERT_TRUE(attract().IsRunning());
    EXPECT_EQ(String(Top()->mName), "Demo");
    EXPECT_EQ(app.mGadgets.Count(), 1) << "the menu waits off the screen";
    EXPECT_FALSE(menu->IsInTree());
    // Messages that are not the player's leave it running.
    EXPECT_FALSE(attract().OnWindowMessage(WindowMessage::Paint, 0));
    EXPECT_FALSE(attract().OnWindowMessage(WindowMessage::ActivateApp, 0));
    EXPECT_FALSE(attract().OnWindowMessage(WindowMessage::PadAxisMotion, 200)) << "a resting stick's drift";
    Idle(1);
    EXPECT_TRUE(attract().IsRunning());
}

TEST_F(AttractModeTest, AScreenOverTheMenuKeepsTheShowAway) {
    EXPECT_EQ(app.IdleScreen(), menu);
    app.ShowOptions();
    EXPECT_EQ(app.IdleScreen(), nullptr);
    Idle(AttractMode::kIdleTicks);
    EXPECT_FALSE(attract().IsRunning());
    app.CloseOptions();
    app.mGadgets.Update();  // the killed options screen leaves the list
    EXPECT_EQ(app.IdleScreen(), menu);
}

TEST_F(AttractModeTest, AnyInputEndsTheShowAndTheMenuAndTheRandomSequenceComeBackAsTheyWere) {
    struct Input {
        uint32_t message;
        bool claimed;  // kept from the screen that comes back
        uint32_t lparam = 0;
    };
    const Input inputs[] = {{WindowMessage::MouseMove, false},
                            {WindowMessage::LeftButtonDown, true},
                            {WindowMessage::RightButtonUp, true},
                            {WindowMessage::MouseWheel, true},
                            {WindowMessage::KeyDown, true},
                            {WindowMessage::Char, true},
                            {WindowMessage::PadButtonDown, true},
                            {WindowMessage::PadAxisMotion, true, static_cast<uint32_t>(-kPadAxisMost)}};
    for (const Input& input : inputs) {
        Idle(AttractMode::kIdleTicks - 1);
        std::vector<int32_t> before = RandomState();
        Idle(1);
        ASSERT_TRUE(attract().IsRunning());
        for (int32_t step = 0; step < 200; ++step) app.mGadgets.Update();
        EXPECT_EQ(attract().OnWindowMessage(input.message, input.lparam), input.claimed) << input.message;
        EXPECT_TRUE(attract().IsRunning()) << "it ends at the next step";
        Idle(1);
        EXPECT_FALSE(attract().IsRunning()) << input.message;
        ASSERT_EQ(app.mGadgets.Count(), 1);
        EXPECT_EQ(app.mGadgets.GadgetAtIndex(0), menu);
        EXPECT_EQ(RandomState(), before) << input.message;
        EXPECT_EQ(attract().IdleTicks(), 0);
    }
}

TEST_F(AttractModeTest, TheBotPlaysBoardsOfTheFirstTwoWorldsAndNothingIsCounted) {
    const auto stats = app.stats;
    Idle(AttractMode::kIdleTicks);
    ASSERT_TRUE(attract().IsRunning());
    const Demo& demo = *attract().Show();
    ASSERT_NE(demo.CurrentBoard(), nullptr);
    EXPECT_LT(demo.WorldIndex(), Demo::kLastWorld);
    int32_t launched = 0;
    // Long enough for a board or two to end and the next to begin.
    for (int32_t step = 0; step < 30000 && demo.BoardsShown() < 2; ++step) {
        app.mGadgets.Update();
        if (demo.CurrentBoard()) launched += demo.CurrentBoard()->Shots().empty() ? 0 : 1;
    }
    EXPECT_GT(launched, 0) << "the bot shoots";
    EXPECT_GE(demo.BoardsShown(), 2) << "a board that ends makes way for another";
    EXPECT_LT(demo.WorldIndex(), Demo::kLastWorld);
    EXPECT_EQ(app.score, 0);
    EXPECT_EQ(app.lives, PlimbZappetsApp::kStartLives);
    EXPECT_EQ(app.stats, stats);
    EXPECT_EQ(app.CurrentGame(), nullptr);
}

}  // namespace
