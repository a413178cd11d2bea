// Fitting the logical screen into windows of any shape and mapping the mouse back.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Letterbox.h"

namespace {
struct Case {
    int32_t outputWidth, outputHeight, windowWidth, windowHeight;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

TEST(Letterbox, KeepsTheAspectWithBarsOnTheSidesItDoesNotReach) {
    const Case cases[] = {
        {800, 600, 800, 600, 0, 0, 800, 600},          // exact: no bars
        {640, 480, 640, 480, 0, 0, 640, 480},          // safe mode's window
        {1280, 720, 1280, 720, 160, 0, 960, 720},      // wide: bars left and right
        {1000, 1000, 1000, 1000, 0, 125, 1000, 750},   // tall: bars above and below
        {801, 603, 801, 603, 0, 1, 801, 600},          // odd sizes round down and stay centred
        {3840, 2160, 3840, 2160, 480, 0, 2880, 2160},  // 4K
        {1600, 1200, 800, 600, 0, 0, 1600, 1200},      // HiDPI, scale 2
    };
    for (const Case& c : cases) {
        Letterbox box = Letterbox::Fit(800, 600, c.outputWidth, c.outputHeight, c.windowWidth, c.windowHeight);
        EXPECT_EQ(box.x, c.x) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(box.y, c.y) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(box.width, c.width) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(box.height, c.height) << c.outputWidth << "x" << c.outputHeight;
    }
}

TEST(Letterbox, MouseMapsBackExactlyAtEverySize) {
    const Case windows[] = {{640, 480, 640, 480},   {1280, 720, 1280, 720},  {1001, 999, 1001, 999},
                            {1600, 1200, 800, 600}, {2561, 1440, 1280, 720}, {320, 240, 320, 240}};
    for (const Case& w : windows) {
        Letterbox box = Letterbox::Fit(800, 600, w.outputWidth, w.outputHeight, w.windowWidth, w.windowHeight);
        // Every window point lands on the logical pixel whose area holds the
        // point's centre, and the corners of the picture on the screen's corners.
        for (int32_t px = 0; px < w.windowWidth; px += 7) {
            int32_t lx = 0, ly = 0;
            box.ToLogical(px, w.windowHeight / 2, lx, ly);
            double centre = (px + 0.5) * box.pixelsPerPointX - box.x;
            double logical = centre * 800 / box.width;
            EXPECT_EQ(lx, static_cast<int32_t>(std::floor(logical))) << w.outputWidth << " point " << px;
        }
        // The first and last points on the picture reach its first and last
        // logical pixels, to within what one point covers.
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        auto first = [](int32_t pixel, float perPoint) { return static_cast<int32_t>(std::ceil(pixel / perPoint)); };
        auto last = [](int32_t pixel, float perPoint) { return static_cast<int32_t>(std::floor(pixel / perPoint)); };
        box.ToLogical(first(box.x, box.pixelsPerPointX), first(box.y, box.pixelsPerPointY), left, top);
        box.ToLogical(last(box.x + box.width - 1, box.pixelsPerPointX),
                      last(box.y + box.height - 1, box.pixelsPerPointY), right, bottom);
        int32_t perPoint = static_cast<int32_t>(std::ceil(800.0 * box.pixelsPerPointX / box.width));
        EXPECT_GE(left, 0) << w.outputWidth;
        EXPECT_GE(top, 0) << w.outputWidth;
        EXPECT_LE(left, perPoint) << w.outputWidth;
        EXPECT_LE(top, perPoint) << w.outputWidth;
        EXPECT_LE(right, 799) << w.outputWidth;
        EXPECT_LE(bottom, 599) << w.outputWidth;
        EXPECT_GE(right, 799 - perPoint) << w.outputWidth;
        EXPECT_GE(bottom, 599 - perPoint) << w.outputWidth;
        // On a bar the position lies outside the logical screen.
        if (box.x > 0) {
            box.ToLogical(0, w.windowHeight / 2, left, top);
            EXPECT_LT(left, 0);
        }
    }
}
}  // namespace
