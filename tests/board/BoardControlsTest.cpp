// The board under the player's mouse: its menu button, shots and swaps
// reaching the level's tallies; and a board whose tracks are gone.
#include "BoardTestSupport.h"
#include "board/BoardFactory.h"
#include "core/IOBuffer.h"
#include "ui/StandInHost.h"

namespace {

class BoardControlsTest : public BoardTest {
protected:
    // The board on screen, with the launcher loaded and resting.
    void Show() {
        Build();
        Lay(0, 10, 300);
        host.mGadgets.Add(board.get());
        for (int32_t i = 0; i < kSettleTicks && !board->GetLauncher().Loaded(); ++i) Tick();
        Tick(kSettleTicks);
        ASSERT_NE(board->GetLauncher().Loaded(), nullptr);
    }

    static constexpr int32_t kSettleTicks = 60;
    StandInHost host;
};

TEST_F(BoardControlsTest, TheMenuButtonOpensTheMenuWithoutShooting) {
    Show();
    const Rect& button = board->MenuButton().mRect;
    EXPECT_FLOAT_EQ(button.x, 0);
    EXPECT_FLOAT_EQ(button.y, 542);
    host.Click(static_cast<int32_t>(button.x + button.width / 2), static_cast<int32_t>(button.y + button.height / 2));
    EXPECT_EQ(game.menuOpened, 1);
    EXPECT_TRUE(board->Shots().empty());
    EXPECT_EQ(game.launched, 0);
    // Pressed on the button but let go elsewhere: nothing.
    host.Send(WindowMessage::MouseMove, 10, 570);
    host.Send(WindowMessage::LeftButtonDown, 10, 570);
    host.Send(WindowMessage::MouseMove, 400, 300);
    host.Send(WindowMessage::LeftButtonUp, 400, 300);
    EXPECT_EQ(game.menuOpened, 1);
}

TEST_F(BoardControlsTest, ShotsAndSwapsReachTheLevelTallies) {
    Show();
    host.Click(400, 300);
    EXPECT_EQ(game.launched, 1);
    EXPECT_EQ(board->Shots().size(), 1u);
    Tick(kSettleTicks);
    host.Send(WindowMessage::RightButtonDown, 400, 300);
    host.Send(WindowMessage::RightButtonUp, 400, 300);
    Tick(kSettleTicks);
    EXPECT_EQ(game.swaps, 1);
    EXPECT_EQ(game.launched, 1);
    // A new board starts the level's tallies again.
    Build();
    EXPECT_EQ(game.launched, 0);
    EXPECT_EQ(game.swaps, 0);
}

TEST_F(BoardTest, ABoardWithoutTracksPlaysOnAndSavesItsShape) {
    Build(2);
    Lay(0, 10, 300);
    board->startDelay = 0;
    board->DestroyTracks();
    EXPECT_EQ(board->TrackCount(), 0);
    EXPECT_EQ(board->LiveBallCount(), 0);
    Tick(20);
    IOBuffer record;
    board->Save(record);
    record.SetPosition(0);
    EXPECT_TRUE(board->Load(record));
    board->DestroyTracks();  // twice is harmless
}

}  // namespace
