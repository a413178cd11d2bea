#include <gtest/gtest.h>

#include <cstring>

#include "media/Keyboard.h"

namespace {
struct KeyState {
    uint8_t bytes[kKeyCodeCount] = {};
    KeyState& Down(int32_t code) {
        bytes[code] = 0x80;
        return *this;
    }
};
}  // namespace

TEST(Keyboard, AHeldKeyIsPressedOnlyInItsFirstStep) {
    Keyboard keyboard;
    KeyState up, held;
    held.Down(DIK_SPACE);
    keyboard.Step(up.bytes);
    keyboard.Step(held.bytes);
    EXPECT_TRUE(keyboard.WasPressed(DIK_SPACE));
    for (int32_t step = 0; step < 5; ++step) {
        keyboard.Step(held.bytes);
        EXPECT_TRUE(keyboard.IsDown(DIK_SPACE));
        EXPECT_FALSE(keyboard.WasPressed(DIK_SPACE));
    }
    keyboard.Step(up.bytes);
    EXPECT_FALSE(keyboard.IsDown(DIK_SPACE));
}

TEST(Keyboard, OnlyBitSevenMeansDown) {
    Keyboard keyboard;
    KeyState state;
    state.bytes[DIK_A] = 0x7F;
    state.bytes[DIK_B] = 0x81;
    keyboard.Step(state.bytes);
    EXPECT_FALSE(keyboard.IsDown(DIK_A));
    EXPECT_TRUE(keyboard.IsDown(DIK_B));
}

TEST(Keyboard, AfterClearOrAFailedReadNothingIsHeldUntilPressedAgain) {
    Keyboard keyboard;
    KeyState held;
    held.Down(DIK_LCONTROL);
    keyboard.Step(held.bytes);
    keyboard.Clear();
    EXPECT_FALSE(keyboard.IsDown(DIK_LCONTROL));
    keyboard.Step(held.bytes);
    EXPECT_TRUE(keyboard.WasPressed(DIK_LCONTROL));  // counts as a new press

    keyboard.Step(nullptr);  // the device was lost
    EXPECT_FALSE(keyboard.IsDown(DIK_LCONTROL));
    EXPECT_FALSE(keyboard.WasDown(DIK_LCONTROL));
}

TEST(Keyboard, KeyNamesAndUnknownCodes) {
    Keyboard keyboard;
    EXPECT_STREQ(keyboard.KeyName(30), "A");
    EXPECT_STREQ(keyboard.KeyName(84), "???");
    EXPECT_STREQ(keyboard.KeyName(11), "0");
    EXPECT_STREQ(keyboard.KeyName(43), "\\");
    EXPECT_STREQ(keyboard.KeyName(68), "F10");
    EXPECT_STREQ(keyboard.KeyName(237), "MEDIA SELECT");
    EXPECT_STREQ(keyboard.KeyName(-1), "???");
    EXPECT_STREQ(keyboard.KeyName(256), "???");
    EXPECT_FALSE(keyboard.IsDown(-5));
    EXPECT_FALSE(keyboard.WasPressed(100000));
}

TEST(Keyboard, WithoutADeviceEveryKeyIsUp) {
    Keyboard keyboard;
    keyboard.Update();
    EXPECT_FALSE(keyboard.IsDown(DIK_ESCAPE));
}
