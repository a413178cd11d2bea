#include <gtest/gtest.h>

#include "media/Font.h"
#include "media/Image.h"
#include "track/TextFloater.h"

TEST(TextFloater, PlacementKeepsTheTextOnTheField) {
    Vec2 start, end;
    TextFloater::Place(400, 100, 50, start, end);
    EXPECT_FLOAT_EQ(end.y, 140);  // near the top it slides down
    TextFloater::Place(400, 300, 50, start, end);
    EXPECT_FLOAT_EQ(end.y, 260);
    TextFloater::Place(400, 10, 50, start, end);
    EXPECT_FLOAT_EQ(start.y, 50);
    EXPECT_FLOAT_EQ(end.y, 90);
    TextFloater::Place(30, 300, 200, start, end);
    EXPECT_FLOAT_EQ(start.x, 30);
    EXPECT_FLOAT_EQ(end.x, 120);  // left edge at 20
    TextFloater::Place(900, 700, 100, start, end);
    EXPECT_FLOAT_EQ(start.x, 780);
    EXPECT_FLOAT_EQ(start.y, 560);
    EXPECT_FLOAT_EQ(end.x, 730);  // right edge at 780
}

TEST(TextFloater, GrowsHoldsFadesAndEnds) {
    TextFloater floater("300", 400, 300, nullptr, Colour{}, Colour{0, 0, 0, 1});
    int ticks = 0;
    while (floater.IsGrowing()) {
        floater.Update();
        ++ticks;
    }
    EXPECT_FLOAT_EQ(floater.Scale(), 1.0f);
    EXPECT_GT(ticks, 20);
    EXPECT_LT(ticks, 60);
    for (int i = 0; i < TextFloater::kHoldTicks; ++i) floater.Update();
    EXPECT_EQ(floater.HoldTicks(), 0);
    EXPECT_FALSE(floater.IsFading());
    floater.Update();
    EXPECT_TRUE(floater.IsFading());
    EXPECT_FLOAT_EQ(floater.Alpha(), (1.0f - 0.01f) * 0.96f);
    for (int i = 0; i < 500 && !floater.mKilled; ++i) floater.Update();
    EXPECT_TRUE(floater.mKilled);
}

TEST(TextFloater, RendersTheTextOverItsOutline) {
    Image page;
    ASSERT_TRUE(page.Create(4, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) *page.PixelAt(x, y) = 0xFFFFFFFF;
    Font font;
    font.AddPage(page);
    font.AddGlyph('1', 0, Rect{0, 0, 4, 6}, 5, 0, 0);
    font.MarkLoaded();
    Image picture = TextFloater::Render("11", font, Colour{1, 0, 0, 1}, Colour{0, 0, 1, 1});
    ASSERT_FALSE(picture.IsEmpty());
    EXPECT_GE(picture.Width(), 9 + 4);
    EXPECT_EQ(*picture.PixelAt(3, 3), 0xFFFF0000u);  // red glyph, opaque (blue, green, red, alpha)
    EXPECT_EQ(*picture.PixelAt(0, 3), 0xFF0000FFu);  // blue outline to its left
    EXPECT_EQ(*picture.PixelAt(0, 0) >> 24, 0xFFu);
}
