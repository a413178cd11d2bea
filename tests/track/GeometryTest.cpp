#include <gtest/gtest.h>

#include "track/Geometry.h"

TEST(Geometry, SignedAngleDifferenceTakesTheShortWayRound) {
    EXPECT_FLOAT_EQ(SignedAngleDifference(10, 20), 10);
    EXPECT_FLOAT_EQ(SignedAngleDifference(20, 10), -10);
    EXPECT_FLOAT_EQ(SignedAngleDifference(350, 10), 20);
    EXPECT_FLOAT_EQ(SignedAngleDifference(10, 350), -20);
    EXPECT_FLOAT_EQ(SignedAngleDifference(-30, 400), 70);
    EXPECT_FLOAT_EQ(SignedAngleDifference(0, 180), -180);
}

TEST(Geometry, BearingIsZeroUpAndClockwise) {
    EXPECT_FLOAT_EQ(Bearing({0, 0}, {0, -5}), 360);
    EXPECT_FLOAT_EQ(Bearing({0, 0}, {5, 0}), 450);
    EXPECT_FLOAT_EQ(Bearing({0, 0}, {-5, 0}), 270);
}
