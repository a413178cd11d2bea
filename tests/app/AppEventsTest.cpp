// The input queue: window messages are held until the next update step and
// then replayed in arrival order; nothing is handled once quitting.
#include <gtest/gtest.h>

#include <string>

#include "app/App.h"
#include "platform/Clock.h"

namespace {
class InputLog : public App {
public:
    void KeyDown(uint32_t key) override { log += "down" + std::to_string(key) + " "; }
    void KeyChar(uint32_t ch) override { log += "char" + std::to_string(ch) + " "; }
    void MouseDown(int32_t x, int32_t y, int32_t button) override {
        log += "press" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(button) + " ";
    }
    void MouseMove(int32_t x, int32_t y) override { log += "move" + std::to_string(x) + "," + std::to_string(y) + " "; }
    void MouseWheel(int32_t delta) override { log += "wheel" + std::to_string(delta) + " "; }
    void DebugKeys() override {}
    std::string log;
};

TEST(AppEventsTest, QueuedInputIsReplayedInArrivalOrderAtTheNextStep) {
    InputLog app;
    app.WindowProcedure({1, WindowMessage::KeyDown, 0x41, 1});
    app.WindowProcedure({1, WindowMessage::LeftButtonDown, MouseKeys::Left, PackPoint(-3, 700)});
    app.WindowProcedure({1, WindowMessage::Char, 'a', 1});
    app.WindowProcedure({1, WindowMessage::MouseWheel, static_cast<uint32_t>(-120) << 16, 0});
    EXPECT_EQ(app.log, "");  // nothing is handled where it arrives
    EXPECT_EQ(static_cast<int>(app.mEvents.size()), 4);
    app.ProcessEvents();
    EXPECT_EQ(app.log, "down65 press-3,700,-1 char97 wheel-120 ");
    EXPECT_EQ(static_cast<int>(app.mEvents.size()), 0);
    EXPECT_EQ(app.mCurrentMessage, 0u);
}

TEST(AppEventsTest, InactiveWindowTakesAPressAsFocusNotInput) {
    InputLog app;
    app.mActive = false;
    app.WindowProcedure({1, WindowMessage::MouseMove, 0, PackPoint(5, 5)});
    EXPECT_EQ(static_cast<int>(app.mEvents.size()), 0);
    app.WindowProcedure({1, WindowMessage::LeftButtonDown, MouseKeys::Left, PackPoint(5, 5)});
    EXPECT_EQ(static_cast<int>(app.mEvents.size()), 0);
    EXPECT_TRUE(app.mActive);
}

TEST(AppEventsTest, InputAfterQuitIsDropped) {
    InputLog app;
    app.WindowProcedure({1, WindowMessage::KeyDown, 0x41, 1});
    app.Quit();
    app.WindowProcedure({1, WindowMessage::KeyDown, 0x42, 1});
    app.ProcessEvents();
    EXPECT_EQ(app.log, "");
    app.HandleEvent(1, WindowMessage::KeyDown, 0x43, 1);
    EXPECT_EQ(app.log, "");
}

TEST(AppEventsTest, CloseQuitsOnceAndRestartAsksForANewApplication) {
    InputLog app;
    app.WindowProcedure({1, WindowMessage::Close, 0, 0});
    EXPECT_TRUE(app.mQuit);
    EXPECT_FALSE(app.mRestart);
    InputLog again;
    again.Restart();
    EXPECT_TRUE(again.mQuit);
    EXPECT_TRUE(again.mRestart);
}

TEST(AppEventsTest, RegainingFocusResetsTimingSoNothingIsCaughtUp) {
    VirtualClock clock(1000);
    SetClock(&clock);
    {
        InputLog app;
        app.ResetTiming();
        app.WindowProcedure({1, WindowMessage::ActivateApp, 0, 0});
        EXPECT_FALSE(app.mActive);
        clock.Advance(60000);
        app.WindowProcedure({1, WindowMessage::ActivateApp, 1, 0});
        EXPECT_TRUE(app.mActive);
        app.Tick();
        EXPECT_EQ(app.mUpdateCount, 0);
        EXPECT_LT(app.mAccumulator, 10.0);
    }
    SetClock(nullptr);
}
}  // namespace
