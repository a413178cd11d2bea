#include <gtest/gtest.h>

#include <limits>

#include "StandInHost.h"

TEST(HitTest, CircleWithALargeRadiusStillOnlyHitsInsideItsRectangle) {
    Gadget round;
    round.SetRect({100, 100, 40, 20});
    round.mShape = GadgetShape::Circle;
    round.mRadius = 100;
    EXPECT_TRUE(round.HitTest(101, 101));
    EXPECT_FALSE(round.HitTest(99, 110));   // inside the radius, outside the rectangle
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
