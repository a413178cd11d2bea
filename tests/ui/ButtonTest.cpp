#include <gtest/gtest.h>

#include "StandInHost.h"
#include "media/Image.h"
#include "media/SpriteStrip.h"
#include "ui/Button.h"

namespace {
class ButtonTest : public testing::Test {
protected:
    void SetUp() override {
        button.SetRect({100, 100, 50, 20});
        button.SetListener(&screen, true);
        host.mGadgets.Add(&screen);
    }
    StandInHost host;
    Probe screen{0, 0, 800, 600, "screen"};
    Button button;
};
}  // namespace

TEST_F(ButtonTest, FiresOnReleaseOverItself) {
    host.Click(110, 110);
    EXPECT_EQ(screen.notifications, 1);
    EXPECT_FALSE(button.mPressed);
}

TEST_F(ButtonTest, ReleasedOutsideItDoesNotFireButMovingBackOverItDoes) {
    host.Send(WindowMessage::MouseMove, 110, 110);
    host.Send(WindowMessage::LeftButtonDown, 110, 110);
    EXPECT_EQ(button.Frame(), 2);
    host.Send(WindowMessage::MouseMove, 400, 400);
    EXPECT_FALSE(button.mHovered);
    EXPECT_EQ(button.Frame(), 0);
    host.Send(WindowMessage::LeftButtonUp, 400, 400);
    EXPECT_EQ(screen.notifications, 0);

    host.Send(WindowMessage::LeftButtonDown, 110, 110);
    host.Send(WindowMessage::MouseMove, 400, 400);
    host.Send(WindowMessage::MouseMove, 120, 112);
    EXPECT_TRUE(button.mHovered);
    host.Send(WindowMessage::LeftButtonUp, 120, 112);
    EXPECT_EQ(screen.notifications, 1);
}

TEST_F(ButtonTest, APressStartedElsewhereDoesNotFire) {
    host.Send(WindowMessage::LeftButtonDown, 400, 400);
    host.Send(WindowMessage::MouseMove, 110, 110);
    host.Send(WindowMessage::LeftButtonUp, 110, 110);
    EXPECT_EQ(screen.notifications, 0);
}

TEST_F(ButtonTest, OtherButtonsAndDoubleClicks) {
    host.Send(WindowMessage::RightButtonDown, 110, 110);
    host.Send(WindowMessage::RightButtonUp, 110, 110);
    EXPECT_EQ(screen.notifications, 0);
    // Down, up, double click, up: one report for the pair.
    host.Click(110, 110);
    host.Send(WindowMessage::LeftButtonDoubleClick, 110, 110);
    host.Send(WindowMessage::LeftButtonUp, 110, 110);
    EXPECT_EQ(screen.notifications, 1);
    button.mFireOnPress = true;
    host.Send(WindowMessage::LeftButtonDoubleClick, 110, 110);
    EXPECT_EQ(screen.notifications, 2);
    host.Send(WindowMessage::LeftButtonUp, 110, 110);
    EXPECT_EQ(screen.notifications, 2);
}

TEST_F(ButtonTest, HoldModeReportsAtOnceAndKeepsTheMouse) {
    button.mHoldMode = true;
    host.Send(WindowMessage::LeftButtonDown, 110, 110);
    EXPECT_EQ(screen.notifications, 1);
    EXPECT_EQ(host.mCaptureGadget, &button);
    host.Send(WindowMessage::MouseMove, 300, 300);
    host.Send(WindowMessage::LeftButtonUp, 300, 300);
    EXPECT_EQ(screen.notifications, 1);
    EXPECT_FALSE(button.mPressed);
    EXPECT_EQ(host.mCaptureGadget, nullptr);
}

TEST_F(ButtonTest, AModalDialogOpenedWhileItIsHeldKeepsItFromFiring) {
    host.Send(WindowMessage::MouseMove, 110, 110);
    host.Send(WindowMessage::LeftButtonDown, 110, 110);
    Probe dialog(300, 300, 100, 100, "dialog");
    host.onLoop = [&] {
        host.Send(WindowMessage::LeftButtonUp, 110, 110);
        dialog.EndModal(0);
    };
    dialog.RunModal();
    EXPECT_EQ(screen.notifications, 0);
    EXPECT_FALSE(button.mPressed);
}

TEST_F(ButtonTest, FramesFollowTheState) {
    Image picture;
    ASSERT_TRUE(picture.Create(200, 20));
    auto* strip = new SpriteStrip(picture, 4);
    button.SetStrip(strip, true);
    EXPECT_EQ(button.Frame(), 0);
    host.Send(WindowMessage::MouseMove, 110, 110);
    EXPECT_EQ(button.Frame(), 1);
    button.mDisabled = true;
    EXPECT_EQ(button.Frame(), 3);
}
