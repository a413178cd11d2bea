#include <gtest/gtest.h>

#include <set>

#include "platform/Clipboard.h"
#include "platform/KeyboardDevice.h"

// SDL scancode numbers (USB usage ids) are stable, so tests can name them.
TEST(KeyboardDevice, ScancodesMapToTheirKeyCodes) {
    constexpr int32_t kScancodeA = 4, kScancode1 = 30, kScancode0 = 39, kScancodeF1 = 58, kScancodeF12 = 69;
    EXPECT_EQ(KeyCodeOfScancode(kScancodeA), DIK_A);
    EXPECT_EQ(KeyCodeOfScancode(kScancode1), DIK_1);
    EXPECT_EQ(KeyCodeOfScancode(kScancode0), DIK_0);
    EXPECT_EQ(KeyCodeOfScancode(kScancodeF1), DIK_F1);
    EXPECT_EQ(KeyCodeOfScancode(kScancodeF12), DIK_F12);
    EXPECT_EQ(KeyCodeOfScancode(0), 0);
    EXPECT_EQ(KeyCodeOfScancode(100000), 0);
    // No two keys share a code: the letters and digits stay distinct.
    std::set<uint8_t> codes;
    for (int32_t scancode = kScancodeA; scancode <= kScancode0; ++scancode) codes.insert(KeyCodeOfScancode(scancode));
    EXPECT_EQ(codes.size(), 36u);
}

TEST(KeyboardDevice, ReadingNeedsAnOpenDevice) {
    uint8_t state[kKeyCodeCount] = {};
    state[5] = 0x80;
    EXPECT_FALSE(ReadKeyboardState(state));
    EXPECT_EQ(state[5], 0x80);
    ASSERT_TRUE(OpenKeyboardDevice());
    EXPECT_TRUE(ReadKeyboardState(state));
    EXPECT_EQ(state[5], 0);
    CloseKeyboardDevice();
}

TEST(Clipboard, TextIsCutAndNeedsADisplay) {
    EXPECT_TRUE(ReadClipboardText(1024).IsEmpty());
}
