// The full-screen keys: F11 as well as Alt+Enter, once loading is over.
#include <gtest/gtest.h>

#include "app/App.h"
#include "media/Graphics.h"
#include "platform/WindowMessages.h"

namespace {
class KeyApp : public App {
public:
    void Beep() override { ++beeps; }
    int32_t beeps = 0;
};

constexpr uint32_t kF11 = VirtualKey::F1 + 10;

TEST(FullScreenKeys, F11AndAltEnterToggleOnceLoadedAndHeldKeysDoNotRepeat) {
    KeyApp app;
    Graphics& graphics = GetGraphics();
    bool start = graphics.IsFullscreen();
    // While loading the switch is refused, with a beep.
    app.WindowProcedure({1, WindowMessage::KeyDown, kF11, KeyFlags::RepeatOne});
    EXPECT_EQ(graphics.IsFullscreen(), start);
    EXPECT_EQ(app.beeps, 1);

    app.mLoaded = true;
    app.WindowProcedure({1, WindowMessage::KeyDown, kF11, KeyFlags::RepeatOne});
    EXPECT_EQ(graphics.IsFullscreen(), !start);
    // The key's auto-repeat while held changes nothing.
    app.WindowProcedure({1, WindowMessage::KeyDown, kF11, KeyFlags::RepeatOne | KeyFlags::WasDown});
    EXPECT_EQ(graphics.IsFullscreen(), !start);
    app.WindowProcedure({1, WindowMessage::SysKeyDown, VirtualKey::Return, KeyFlags::RepeatOne});
    EXPECT_EQ(graphics.IsFullscreen(), start);
    EXPECT_EQ(app.beeps, 1);
    graphics.SetFullscreen(false);
}
}  // namespace
