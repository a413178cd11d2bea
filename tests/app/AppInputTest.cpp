// Window input through the application's real queue and dispatch into the
// gadget tree; focus changes, the debug keys and screenshot numbering.
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "app/App.h"
#include "media/Graphics.h"
#include "media/Keyboard.h"
#include "ui/Probe.h"

namespace {
class TestApp : public App {
public:
    void Beep() override { ++beeps; }
    int32_t beeps = 0;
};

void Queue(App& app, uint32_t message, int32_t x, int32_t y, uint32_t wparam = 0) {
    app.WindowProcedure({1, message, wparam, PackPoint(x, y)});
}

void HoldKeys(std::initializer_list<int32_t> codes) {
    uint8_t state[kKeyCodeCount] = {};
    for (int32_t code : codes) state[code] = 0x80;
    GetKeyboard().Step(state);
}
}  // namespace

TEST(AppInput, KeyAndClickBetweenTwoStepsAreHandledInArrivalOrder) {
    TestApp app;
    Probe field(0, 0, 100, 100, "field");
    app.mGadgets.Add(&field);
    field.TakeFocus();
    Queue(app, WindowMessage::KeyDown, 0, 0, VirtualKey::Home);
    Queue(app, WindowMessage::LeftButtonDown, 10, 20);
    Queue(app, WindowMessage::LeftButtonUp, 10, 20);
    Queue(app, WindowMessage::Char, 0, 0, 'x');
    EXPECT_TRUE(field.events.empty());
    app.ProcessEvents();
    EXPECT_EQ(field.events, (std::vector<std::string>{"key 36", "down 10,20", "up 10,20", "char 120"}));
}

TEST(AppInput, LosingFocusDuringADragReleasesItOffScreen) {
    TestApp app;
    Probe owner(0, 0, 400, 400, "owner");
    app.mGadgets.Add(&owner);
    Queue(app, WindowMessage::LeftButtonDown, 10, 10);
    Queue(app, WindowMessage::MouseMove, 50, 50);
    app.ProcessEvents();
    ASSERT_TRUE(owner.mDragging);
    app.WindowProcedure({1, WindowMessage::ActivateApp, 0, 0});
    EXPECT_TRUE(owner.Saw("dragend -9999,-9999"));
    EXPECT_TRUE(owner.Saw("up -9999,-9999"));
    EXPECT_FALSE(owner.mHovered);
    EXPECT_EQ(app.mCaptureGadget, nullptr);
    EXPECT_EQ(app.mCaptureCount, 0);
    // The real release, arriving later, finds nothing held.
    app.WindowProcedure({1, WindowMessage::ActivateApp, 1, 0});
    Queue(app, WindowMessage::LeftButtonUp, 50, 50);
    app.ProcessEvents();
    EXPECT_EQ(app.mCaptureCount, 0);
}

TEST(AppInput, RegainingFocusForgetsHeldKeys) {
    TestApp app;
    HoldKeys({DIK_LSHIFT});
    HoldKeys({DIK_LSHIFT});
    app.WindowProcedure({1, WindowMessage::ActivateApp, 0, 0});
    app.WindowProcedure({1, WindowMessage::ActivateApp, 1, 0});
    EXPECT_FALSE(GetKeyboard().IsDown(DIK_LSHIFT));
}

TEST(AppInput, AFloodOfQueuedEventsIsReplayedInOneStep) {
    TestApp app;
    Probe target(0, 0, 800, 600);
    app.mGadgets.Add(&target);
    for (int32_t i = 0; i < 100000; ++i) {
        uint32_t message = i % 2 ? WindowMessage::LeftButtonUp : WindowMessage::LeftButtonDown;
        Queue(app, message, i % 5000 - 2000, i % 3000 - 1000);
    }
    Queue(app, 0x7FFF, 1, 1);  // a message nobody knows
    app.ProcessEvents();
    EXPECT_EQ(static_cast<int>(app.mEvents.size()), 0);
    EXPECT_EQ(app.mCaptureCount, 0);
}

TEST(AppInput, DebugKeysToggleAndCheatsSetTheSpeed) {
    TestApp app;
    HoldKeys({});
    HoldKeys({DIK_LCONTROL, DIK_RMENU, DIK_Q});
    app.DebugKeys();
    EXPECT_TRUE(app.mCheatsEnabled);
    HoldKeys({DIK_LCONTROL, DIK_RMENU, DIK_Q});
    app.DebugKeys();  // still held in the next step: not pressed again
    EXPECT_TRUE(app.mCheatsEnabled);

    HoldKeys({DIK_END});
    app.DebugKeys();
    EXPECT_EQ(app.mSpeedPercent, 200);
    EXPECT_FLOAT_EQ(app.mTargetSpeed, 2.0f);
    for (int32_t i = 0; i < 25; ++i) {
        HoldKeys({});
        HoldKeys({DIK_NEXT});
        app.DebugKeys();
    }
    EXPECT_EQ(app.mSpeedPercent, 10);
    EXPECT_FLOAT_EQ(app.mTargetSpeed, 0.1002f);
    HoldKeys({DIK_HOME, DIK_F12});
    app.DebugKeys();
    EXPECT_EQ(app.mSpeedPercent, 100);
    EXPECT_FLOAT_EQ(app.mTargetSpeed, 1.0f);
    EXPECT_TRUE(app.mShowFPS);
    EXPECT_EQ(app.beeps, 1 + 1 + 25 + 2);
    HoldKeys({});
}

TEST(AppInput, ScreenshotsTakeTheFirstFreeNumber) {
    TempDir folder;
    TestApp app;
    app.mDataFolder = (folder.Path() + "/").c_str();
    EXPECT_EQ(app.NextScreenshotPath(), app.mDataFolder + "Screenshots/screenshot1.bmp");
    folder.Write("Screenshots/screenshot1.bmp", "x");
    folder.Write("Screenshots/screenshot3.bmp", "x");
    EXPECT_EQ(app.NextScreenshotPath(), app.mDataFolder + "Screenshots/screenshot2.bmp");
    folder.Write("Screenshots/screenshot2.bmp", "x");
    EXPECT_EQ(app.NextScreenshotPath(), app.mDataFolder + "Screenshots/screenshot4.bmp");
}

TEST(AppInput, FullScreenSwitchesWaitUntilLoadingHasFinished) {
    TestApp app;
    bool fullScreen = GetGraphics().IsFullscreen();
    app.WindowProcedure({1, WindowMessage::SysKeyDown, VirtualKey::Return, 0});
    EXPECT_EQ(GetGraphics().IsFullscreen(), fullScreen);
    app.WindowProcedure({1, WindowMessage::SysCommand, SysCommand::Maximize, 0});
    EXPECT_EQ(GetGraphics().IsFullscreen(), fullScreen);
    EXPECT_EQ(app.beeps, 1);  // a refused maximise beeps
    EXPECT_FALSE(app.mSwitchingMode);
}
