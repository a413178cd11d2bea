#pragma once
// Where the logical screen sits in a window of any size: scaled to fit with
// its aspect kept, centred, with black bars on the two sides it does not
// reach. Also maps mouse positions (in window points, which differ from
// pixels on HiDPI desktops) back to logical pixels.

#include <cstdint>

struct Letterbox {
    // The picture inside the output, in output pixels.
    int32_t x = 0, y = 0, width = 1, height = 1;
    int32_t logicalWidth = 1, logicalHeight = 1;
    // Output pixels per window point (the desktop's scale factor).
    float pixelsPerPointX = 1, pixelsPerPointY = 1;

    // The largest picture of the logical aspect inside outputWidth x
    // outputHeight pixels; windowWidth x windowHeight is the same area in points.
    static Letterbox Fit(int32_t logicalWidth, int32_t logicalHeight, int32_t outputWidth, int32_t outputHeight,
                         int32_t windowWidth, int32_t windowHeight);

    // Output pixels per logical pixel.
    float ScaleX() const { return static_cast<float>(width) / static_cast<float>(logicalWidth); }
    float ScaleY() const { return static_cast<float>(height) / static_cast<float>(logicalHeight); }
    // A window point to logical pixels (rounded down; outside the picture it
    // lies outside 0 .. logical size).
    void ToLogical(int32_t pointX, int32_t pointY, int32_t& logicalX, int32_t& logicalY) const;
    bool operator==(const Letterbox&) const = default;
};
