#include <gtest/gtest.h>

#include <limits>

#include "StandInHost.h"
#include "media/Graphics.h"
#include "media/Image.h"

TEST(HitTest, CircleWithALargeRadiusStillOnlyHitsInsideItsRectangle) {
    Gadget round;
    round.SetRect({100, 100, 40, 20});
    round.mShape = GadgetShape::Circle;
    round.mRadius = 100;
    EXPECT_TRUE(round.HitTest(101, 101));
    EXPECT_FALSE(round.HitTest(99, 110));  // inside the radius, outside the rectangle
    EXPECT_FALSE(round.HitTest(120, 125));

    round.mRadius = 10;  // a disc of radius 10 around (120, 110)
    EXPECT_TRUE(round.HitTest(129, 110));
    EXPECT_FALSE(round.HitTest(101, 101));
}

TEST(HitTest, EdgesAndFarCoordinates) {
    Gadget box;
    box.SetRect({0, 0, 10, 10});
    EXPECT_TRUE(box.HitTest(0, 0));
    EXPECT_FALSE(box.HitTest(10, 5));  // the right edge is outside
    EXPECT_FALSE(box.HitTest(-1e30f, 1e30f));
    EXPECT_FALSE(box.HitTest(std::numeric_limits<float>::quiet_NaN(), 5));
}

TEST(HitTest, ImageShapeHitsOnlyOpaqueEnoughPixels) {
    Image picture;
    ASSERT_TRUE(picture.Create(4, 2));
    *picture.PixelAt(1, 0) = 0xFF000000u;  // opaque
    *picture.PixelAt(2, 0) = 0x40000000u;  // alpha 64/255, just above 0.25
    *picture.PixelAt(3, 0) = 0x3F000000u;  // just below
    Gadget shaped;
    shaped.SetImageShape(10, 20, &picture);
    EXPECT_FLOAT_EQ(shaped.mRect.width, 4);
    EXPECT_FALSE(shaped.HitTest(10.5f, 20.5f));
    EXPECT_TRUE(shaped.HitTest(11.5f, 20.5f));
    EXPECT_TRUE(shaped.HitTest(12.5f, 20.5f));
    EXPECT_FALSE(shaped.HitTest(13.5f, 20.5f));
    EXPECT_FALSE(shaped.HitTest(14.5f, 20.5f));  // beyond the picture
    shaped.SetImageShape(0, 0, nullptr);
    EXPECT_FALSE(shaped.HitTest(0, 0));
}

TEST(HitTest, AFullScreenGadgetCoversTheLogicalScreen) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(1024, 768);
    Gadget screen;
    screen.FillScreen();
    EXPECT_TRUE(screen.HitTest(1000, 750));
    EXPECT_FALSE(screen.HitTest(1030, 750));
    EXPECT_FLOAT_EQ(screen.mRect.width, 1024);
    EXPECT_FLOAT_EQ(screen.mRect.height, 768);
    graphics.SetResolution(800, 600);
}
