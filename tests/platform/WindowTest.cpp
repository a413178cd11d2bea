// The window's event pump, driven with synthetic SDL events on the dummy
// video driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/Window.h"

namespace {
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        ASSERT_TRUE(window.Create("test", 0, 0, 800, 600));
        Drain();
    }

    void Drain() {
        WindowEvent event;
        while (window.PollEvent(event)) {
        }
    }

    std::vector<WindowEvent> Pump() {
        std::vector<WindowEvent> events;
        WindowEvent event;
        while (window.PollEvent(event)) events.push_back(event);
        return events;
    }

    void PushKey(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = window.Id();
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat;
        event.key.keysym.sym = key;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }

    void PushButton(Uint32 type, Uint8 button, int x, int y, Uint8 clicks) {
        SDL_Event event{};
        event.type = type;
        event.button.windowID = window.Id();
        event.button.button = button;
        event.button.clicks = clicks;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }

    Window window;
};

TEST(WindowMessagesTest, PackedPointsKeepTheirSign) {
    uint32_t packed = PackPoint(-9999, 599);
    EXPECT_EQ(PointX(packed), -9999);
    EXPECT_EQ(PointY(packed), 599);
    EXPECT_EQ(PointY(PackPoint(3, -2)), -2);
    EXPECT_EQ(HighWordSigned(static_cast<uint32_t>(-240) << 16), -240);
}

TEST_F(WindowTest, KeysBecomeVirtualKeyMessagesWithTheirCharacters) {
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_BACKSPACE);
    PushKey(SDL_KEYUP, SDLK_F12);
    PushKey(SDL_KEYDOWN, SDLK_v, KMOD_LCTRL);
    PushKey(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].message, WindowMessage::KeyDown);
    EXPECT_EQ(events[0].wparam, 0x41u);
    EXPECT_EQ(events[0].window, window.Id());
    EXPECT_EQ(events[1].message, WindowMessage::KeyDown);
    EXPECT_EQ(events[1].wparam, VirtualKey::Back);
    EXPECT_EQ(events[2].message, WindowMessage::Char);
    EXPECT_EQ(events[2].wparam, 8u);
    EXPECT_EQ(events[3].message, WindowMessage::KeyUp);
    EXPECT_EQ(events[3].wparam, VirtualKey::F1 + 11);
    EXPECT_TRUE(events[3].lparam & KeyFlags::Releasing);
    EXPECT_EQ(events[4].wparam, 0x56u);
    EXPECT_EQ(events[5].message, WindowMessage::Char);
    EXPECT_EQ(events[5].wparam, 22u);  // Ctrl+V
    EXPECT_EQ(events[6].message, WindowMessage::SysKeyDown);
    EXPECT_EQ(events[6].wparam, VirtualKey::Return);
    EXPECT_EQ(Pump().size(), 0u);
}

TEST_F(WindowTest, AutoRepeatIsMarkedAsAlreadyDown) {
    PushKey(SDL_KEYDOWN, SDLK_LEFT, KMOD_NONE, 1);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].wparam, VirtualKey::Left);
    EXPECT_TRUE(events[0].lparam & KeyFlags::WasDown);
}

TEST_F(WindowTest, TextBecomesSingleByteCharacters) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = window.Id();
    SDL_strlcpy(event.text.text, "a\xC3\xA9\xE2\x82\xAC", sizeof event.text.text);  // a, e-acute, euro sign
    SDL_PushEvent(&event);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].wparam, static_cast<uint32_t>('a'));
    EXPECT_EQ(events[1].wparam, 0xE9u);
}

TEST_F(WindowTest, SecondPressOfASeriesIsADoubleClick) {
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, 1);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20, 1);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, 2);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6, 3);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 7, 8, 1);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].message, WindowMessage::LeftButtonDown);
    EXPECT_EQ(PointX(events[0].lparam), 10);
    EXPECT_EQ(PointY(events[0].lparam), 20);
    EXPECT_EQ(events[1].message, WindowMessage::LeftButtonUp);
    EXPECT_EQ(events[2].message, WindowMessage::LeftButtonDoubleClick);
    EXPECT_EQ(events[3].message, WindowMessage::RightButtonDown);
    EXPECT_EQ(events[4].message, WindowMessage::MiddleButtonUp);
}

TEST_F(WindowTest, WheelCarriesSignedNotchesInTheHighWord) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = window.Id();
    event.wheel.y = -2;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&event);
    event.wheel.y = 1;
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    SDL_PushEvent(&event);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].message, WindowMessage::MouseWheel);
    EXPECT_EQ(HighWordSigned(events[0].wparam), -2 * WheelNotch);
    EXPECT_EQ(HighWordSigned(events[1].wparam), -WheelNotch);
}

TEST_F(WindowTest, WindowEventsAndOtherWindows) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = window.Id();
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&event);
    event.window.windowID = window.Id() + 100;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].message, WindowMessage::Close);
    EXPECT_EQ(events[1].message, WindowMessage::ActivateApp);
    EXPECT_EQ(events[1].wparam, 0u);
    EXPECT_EQ(events[2].message, WindowMessage::Activate);
    EXPECT_EQ(events[2].wparam, ActivateInactive);
}

TEST_F(WindowTest, TerminationSignalArrivesAsOneClose) {
    InstallQuitSignals();
    std::raise(SIGTERM);
    std::vector<WindowEvent> events = Pump();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].message, WindowMessage::Close);
    EXPECT_EQ(Pump().size(), 0u);
}

TEST_F(WindowTest, SizeAndTitleOfTheHiddenWindow) {
    EXPECT_EQ(window.Width(), 800);
    EXPECT_EQ(window.Height(), 600);
    window.SetSize(640, 480);
    EXPECT_EQ(window.Width(), 640);
    window.Destroy();
    EXPECT_FALSE(window.Exists());
    EXPECT_EQ(window.Id(), 0u);
    WindowEvent event;
    EXPECT_FALSE(window.PollEvent(event));
}
}  // namespace
