#include <gtest/gtest.h>

#include "StandInHost.h"

TEST(BadInput, FarCoordinatesUnknownMessagesAndFloodsAreHarmless) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen"), button(10, 10, 50, 50, "button");
    screen.AddChild(&button);
    host.mGadgets.Add(&screen);

    // Packed coordinates are 16-bit signed: the extremes wrap to the far sides.
    host.HandleEvent(0, WindowMessage::MouseMove, 0, 0x7FFF7FFFu);
    host.HandleEvent(0, WindowMessage::LeftButtonDown, 0, 0x80008000u);
    host.HandleEvent(0, WindowMessage::LeftButtonUp, 0, 0xFFFFFFFFu);
    for (uint32_t message : {0u, 0x0400u, 0xFFFFu, 0xFFFFFFFFu}) host.HandleEvent(0, message, 0xFFFFFFFFu, 0xFFFFFFFFu);
    host.HandleEvent(0, WindowMessage::KeyDown, 0xFFFFFFFFu, 0);
    host.HandleEvent(0, WindowMessage::Char, 0x80000000u, 0);
    EXPECT_EQ(host.mCaptureCount, 0);
    EXPECT_EQ(host.mCurrentMessage, 0u);

    // A flood of presses and moves in one step: counts stay bounded and the
    // tree ends in a sane state.
    for (int32_t i = 0; i < 100000; ++i) {
        uint32_t message = i % 3 == 0 ? WindowMessage::LeftButtonDown : (i % 3 == 1 ? WindowMessage::MouseMove : WindowMessage::LeftButtonUp);
        host.Send(message, (i * 7919) % 2000 - 600, (i * 7907) % 2000 - 600);
    }
    host.Send(WindowMessage::LeftButtonUp, 5000, 5000);  // the flood ended on a press
    EXPECT_EQ(host.mCaptureCount, 0);
    EXPECT_EQ(host.mCaptureGadget, nullptr);
    EXPECT_EQ(host.mPressCount, 0);
    EXPECT_FALSE(button.mDragging);
}

TEST(BadInput, InputAfterQuittingIsDropped) {
    StandInHost host;
    Probe target(0, 0, 100, 100);
    host.mGadgets.Add(&target);
    host.quitting = true;
    host.Click(10, 10);
    EXPECT_TRUE(target.events.empty());
}
