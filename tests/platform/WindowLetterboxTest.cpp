// Mouse messages of a letterboxed window arrive in logical pixels.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Letterbox.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace {
TEST(WindowLetterbox, MouseMessagesAreMappedThroughTheLetterboxOnceSet) {
    SetHeadless(true);
    Window window;
    ASSERT_TRUE(window.Create("test", 0, 0, 1280, 720));
    WindowEvent event;
    while (window.PollEvent(event)) {
    }
    auto push = [&](Uint32 type, int x, int y) {
        SDL_Event sdl{};
        sdl.type = type;
        if (type == SDL_MOUSEMOTION) {
            sdl.motion.windowID = window.Id();
            sdl.motion.x = x, sdl.motion.y = y;
        } else {
            sdl.button.windowID = window.Id();
            sdl.button.button = SDL_BUTTON_LEFT;
            sdl.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            sdl.button.clicks = 1;
            sdl.button.x = x, sdl.button.y = y;
        }
        SDL_PushEvent(&sdl);
    };
    auto points = [&]() {
        std::vector<WindowEvent> events;
        while (window.PollEvent(event))
            if (event.message >= WindowMessage::MouseMove && event.message <= WindowMessage::MouseWheel)
                events.push_back(event);
        return events;
    };
    // Before the renderer places the picture, window pixels pass unchanged.
    push(SDL_MOUSEMOTION, 700, 400);
    std::vector<WindowEvent> plain = points();
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(PointX(plain[0].lparam), 700);
    // 1280 x 720: the 960 x 720 picture starts 160 pixels in.
    window.SetLetterbox(Letterbox::Fit(800, 600, 1280, 720, 1280, 720));
    push(SDL_MOUSEMOTION, 160, 0);
    push(SDL_MOUSEBUTTONDOWN, 1119, 719);
    push(SDL_MOUSEBUTTONUP, 640, 360);
    push(SDL_MOUSEMOTION, 20, 360);  // on the left bar
    std::vector<WindowEvent> mapped = points();
    ASSERT_EQ(mapped.size(), 4u);
    EXPECT_EQ(PointX(mapped[0].lparam), 0);
    EXPECT_EQ(PointY(mapped[0].lparam), 0);
    EXPECT_EQ(mapped[1].message, WindowMessage::LeftButtonDown);
    EXPECT_EQ(PointX(mapped[1].lparam), 799);
    EXPECT_EQ(PointY(mapped[1].lparam), 599);
    EXPECT_EQ(PointX(mapped[2].lparam), 400);
    EXPECT_EQ(PointY(mapped[2].lparam), 300);
    EXPECT_LT(PointX(mapped[3].lparam), 0);
}
}  // namespace
