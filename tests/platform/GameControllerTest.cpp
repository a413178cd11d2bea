// Gamepads through the window's event pump, with a simulated pad (a virtual
// joystick on the dummy video driver): plugged in, pressed, leaned, pulled
// out and plugged in again.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/GameController.h"
#include "platform/Window.h"

namespace {
class GameControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The dummy driver's window never has the focus, and pads speak only
        // to a focused program unless told otherwise.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_TRUE(window.Create("pads", 0, 0, 800, 600));
        ASSERT_TRUE(GetGameControllers().Start());
        Pump();
    }
    void TearDown() override {
        if (pad) SDL_JoystickClose(pad);
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        GetGameControllers().Stop();
    }

    void PlugIn() {
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                           SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        pad = SDL_JoystickOpen(device);
        ASSERT_NE(pad, nullptr);
    }
    void PullOut() {
        SDL_JoystickClose(pad);
        pad = nullptr;
        SDL_JoystickDetachVirtual(device);
        device = -1;
    }

    std::vector<WindowEvent> Pump() {
        SDL_JoystickUpdate();
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
    SDL_Joystick* pad = nullptr;
    int device = -1;
};
}  // namespace

TEST_F(GameControllerTest, APadPluggedInPressesAndLeansInTheGamesOwnTerms) {
    PlugIn();
    Pump();
    EXPECT_EQ(GetGameControllers().OpenCount(), 1);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    std::vector<WindowEvent> events = Pump();
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::A)));
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::DPadLeft)));
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -20000);
    // The right stick is not the game's.
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX, 20000);
    events = Pump();
    EXPECT_TRUE(Saw(events, WindowMessage::PadButtonUp, static_cast<uint32_t>(PadButton::A)));
    int32_t leaned = 0, others = 0;
    for (const WindowEvent& event : events) {
        if (event.message != WindowMessage::PadAxisMotion) continue;
        if (event.wparam == static_cast<uint32_t>(PadAxis::LeftX)) leaned = PadAxisValue(event.lparam);
        else ++others;
    }
    EXPECT_EQ(leaned, -20000);
    EXPECT_EQ(others, 0);
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
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_TRUE(Saw(Pump(), WindowMessage::PadButtonDown, static_cast<uint32_t>(PadButton::Start)));
}
