// The cursors the application builds itself.
#include <cstring>

#include "app/App.h"

namespace {
constexpr int32_t kCursorSize = 32;  // pixels, square
constexpr int32_t kCursorBytes = kCursorSize * kCursorSize / 8;
constexpr int32_t kBlankHotX = 16, kBlankHotY = 16;
constexpr int32_t kCustomHotX = 15, kCustomHotY = 10;
constexpr int32_t kHandHotX = 11, kHandHotY = 4;

// A pointing hand: '#' black, '.' white, anything else transparent. The
// fingertip (column 5, row 0) goes on the hot spot.
constexpr const char* kHandArt[] = {
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    " ## #..#..#..#.# ",
    "#..##........#.# ",
    "#...#..........# ",
    " #.............# ",
    "  #............# ",
    "  #...........#  ",
    "   #..........#  ",
    "   #.........#   ",
    "    #........#   ",
    "    ##########   ",
};
constexpr int32_t kHandTipX = 5, kHandTipY = 0;

void SetBit(uint8_t* bits, int32_t x, int32_t y) {
    bits[(y * kCursorSize + x) / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
}

CursorHandle BuildHandCursor(int32_t hotX, int32_t hotY) {
    uint8_t data[kCursorBytes] = {};
    uint8_t mask[kCursorBytes] = {};
    int32_t rows = static_cast<int32_t>(sizeof kHandArt / sizeof kHandArt[0]);
    for (int32_t row = 0; row < rows; ++row) {
        int32_t length = static_cast<int32_t>(std::strlen(kHandArt[row]));
        for (int32_t column = 0; column < length; ++column) {
            int32_t x = hotX - kHandTipX + column, y = hotY - kHandTipY + row;
            char pixel = kHandArt[row][column];
            if (x < 0 || y < 0 || x >= kCursorSize || y >= kCursorSize || (pixel != '#' && pixel != '.')) continue;
            SetBit(mask, x, y);
            if (pixel == '#') SetBit(data, x, y);
        }
    }
    return CreateBitmapCursor(data, mask, kCursorSize, kCursorSize, hotX, hotY);
}
}  // namespace

void App::CreateCursors() {
    if (mBlankCursor) return;  // built already
    const uint8_t clear[kCursorBytes] = {};
    mBlankCursor = CreateBitmapCursor(clear, clear, kCursorSize, kCursorSize, kBlankHotX, kBlankHotY);
    mCustomCursor = BuildHandCursor(kCustomHotX, kCustomHotY);
    if (!mHandCursor) mHandCursor = BuildHandCursor(kHandHotX, kHandHotY);
}

void App::LoadSystemCursors() {
    // Without video (before the window exists) there are none yet; the
    // window's creation asks again.
    if (!mArrowCursor) mArrowCursor = LoadSystemCursor(SystemCursorKind::Arrow);
    if (!mWaitCursor) mWaitCursor = LoadSystemCursor(SystemCursorKind::Wait);
    if (!mHandCursor) mHandCursor = LoadSystemCursor(SystemCursorKind::Hand);
    if (!mTextCursor) mTextCursor = LoadSystemCursor(SystemCursorKind::Text);
}
