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

// Keys and the pad take the mouse's ways in: they fire, swap and open the
// menu exactly as clicks do, and slide the aim until let go.
TEST_F(BoardControlsTest, KeysAndThePadPlayAsTheMouseDoes) {
    Show();
    host.mFocusGadget = board.get();
    auto key = [&](uint32_t code) {
        host.Send(WindowMessage::KeyDown, 0, 0, code);
        host.Send(WindowMessage::KeyUp, 0, 0, code);
    };
    key(VirtualKey::Space);
    EXPECT_EQ(game.launched, 1);
    Tick(kSettleTicks);
    key(VirtualKey::Down);
    Tick(kSettleTicks);
    EXPECT_EQ(game.swaps, 1);
    key(VirtualKey::Up);
    Tick(kSettleTicks);
    EXPECT_EQ(game.launched, 2);
    host.Send(WindowMessage::PadButtonDown, 0, 0, static_cast<uint32_t>(PadButton::X));
    Tick(kSettleTicks);
    EXPECT_EQ(game.swaps, 2);
    key(VirtualKey::Escape);
    EXPECT_EQ(game.menuOpened, 1);
    host.Send(WindowMessage::PadButtonDown, 0, 0, static_cast<uint32_t>(PadButton::Start));
    EXPECT_EQ(game.menuOpened, 2);

    float start = board->TargetX();
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Right);
    Tick(10);
    float slid = board->TargetX() - start;
    EXPECT_GT(slid, 10 * SlideControl::kStartSpeed - 0.01f);
    host.Send(WindowMessage::KeyUp, 0, 0, VirtualKey::Right);
    Tick(10);
    EXPECT_FLOAT_EQ(board->TargetX() - start, slid);
    // The stick leans left; the aim never leaves the board.
    host.HandleEvent(0, WindowMessage::PadAxisMotion, static_cast<uint32_t>(PadAxis::LeftX),
                     PackAxisValue(-kPadAxisMost));
    Tick(200);
    EXPECT_FLOAT_EQ(board->TargetX(), 0);
    // The mouse takes the aim back the moment it moves.
    host.HandleEvent(0, WindowMessage::PadAxisMotion, static_cast<uint32_t>(PadAxis::LeftX), 0);
    host.Send(WindowMessage::MouseMove, 500, 300);
    EXPECT_FLOAT_EQ(board->TargetX(), 500);
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
