// Gamepads through the window's event pump, with a simulated pad (a virtual
// joystick on the dummy video driver): plugged in, pressed, leaned, pulled
// out and plugged in again.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/GameController.h"
#include "platform/Window.h"
#include "support/VirtualPad.h"

namespace {
class GameControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualPad::AllowWithoutFocus();
        ASSERT_TRUE(window.Create("pads", 0, 0, 800, 600));
        ASSERT_TRUE(GetGameControllers().Start());
        Pump();
    }
    void TearDown() override {
        pad.reset();
        GetGameControllers().Stop();
    }

    void PlugIn() {
        pad = std::make_unique<VirtualPad>();
        ASSERT_TRUE(pad->IsPlugged()) << SDL_GetError();
    }
    void PullOut() { pad.reset(); }

    std::vector<WindowEvent> Pump() {
        VirtualPad::Update();
        std::vector<WindowEvent> events;
        WindowEvent event;
        while (window.PollEvent(event)) events.push_back(event);
        return events;
    }
    static bool Saw(const std::vector<WindowEvent>& events, uint32_t message, uint32_t wparam) {
        for (const WindowEvent& event : events)
            if (event.message == message && event.wparam == wparam) return true;
        return false;
    }

    Window window;
    std::unique_ptr<VirtualPad> pad;
};
}  // namespace

TEST_F(GameControllerTest, APadPluggedInPressesAndLeansInTheGamesOwnTerms) {
    PlugIn();
    Pump();
    EXPECT_EQ(GetGameControllers().OpenCount(), 1);
    pad->SetButton(PadButton::A, true);
    pad->SetButton(PadButton::DPadLeft, true);
    std::vector<WindowEvent> events = Pump();
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::A)));
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::DPadLeft)));
    pad->SetButton(PadButton::A, false);
    pad->SetAxis(PadAxis::LeftX, -20000);
    events = Pump();
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonUp, static_cast<uint32_t>(PadButton::A)));
    int32_t leaned = 0;
    for (const WindowEvent& event : events)
        if (event.message == WindowMessage::PadAxisMotion && event.wparam == static_cast<uint32_t>(PadAxis::LeftX))
            leaned = PadAxisValue(event.lparam);
    EXPECT_EQ(leaned, -20000);
}

TEST_F(GameControllerTest, PadsComeAndGoWhileTheGameRuns) {
    PlugIn();
    Pump();
    PullOut();
    Pump();
    EXPECT_EQ(GetGameControllers().OpenCount(), 0);
    PlugIn();
    Pump();
    EXPECT_EQ(GetGameControllers().OpenCount(), 1);
    pad->SetButton(PadButton::Start, true);
    EXPECT_TRUE(Saw(Pump(), WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::Start)));
}
