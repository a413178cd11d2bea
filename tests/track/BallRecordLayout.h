#pragma once
// Reads a ball record field by field in the order of the saved game and
// checks each against the ball it was written from.

#include <gtest/gtest.h>

#include "core/IOBuffer.h"
#include "track/Plimb.h"

// Gives every field of `ball` a value of its own, so that two fields
// written in each other's place show.
inline void MarkBallFields(Plimb& ball) {
    ball.position = {11, 12};
    for (int i = 0; i < 4; ++i) ball.flight[i] = 13.0f + static_cast<float>(i);
    ball.hasAppeared = true;
    ball.gapShot = false;
    ball.hidden = true;
    ball.onPath = false;
    ball.hittable = true;
    ball.fading = true;
    ball.alphaStep = 0.125f;
    ball.distance = 21;
    ball.previousDistance = 22;
    ball.angle = 23;
    ball.rollFrame = 24;
    ball.speed = 25;
    ball.scale = 0.75f;
    ball.alpha = 0.5f;
    ball.angleEase = 31;
    ball.gapTimer = 33;
}

inline void ExpectBallRecord(IOBuffer& in, const Plimb& ball, int32_t gapLeft, int32_t gapRight) {
    EXPECT_FLOAT_EQ(in.ReadFloat(), ball.position.x);
    EXPECT_FLOAT_EQ(in.ReadFloat(), ball.position.y);
    for (float flight : ball.flight) EXPECT_FLOAT_EQ(in.ReadFloat(), flight);
    for (bool flag : {ball.isRobot, ball.hasAppeared, ball.gapShot, ball.isFireBall, ball.isBomb, ball.hidden,
                      ball.onPath, ball.hittable, false, ball.fading})
        EXPECT_EQ(in.ReadBool(), flag);
    for (float value : {ball.alphaStep, ball.distance, ball.previousDistance, ball.angle, ball.rollFrame, ball.speed,
                        ball.scale, ball.alpha})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    EXPECT_EQ(in.ReadInt(), ball.angleEase);
    EXPECT_EQ(in.ReadInt(), ball.colour);
    EXPECT_EQ(in.ReadInt(), ball.gapTimer);
    EXPECT_EQ(in.ReadInt(), gapLeft);
    EXPECT_EQ(in.ReadInt(), gapRight);
}
