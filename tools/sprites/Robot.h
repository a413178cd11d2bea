#pragma once
#include "common/Pixmap.h"

constexpr int kRobotFrames = 90;
constexpr int kRobotFrameSize = 64;

// The pusher seen from above. Frame f faces the screen direction
// 90 - 4f degrees (clockwise from +x on the y-down screen): frame 0 faces down,
// and each further frame turns it 4 degrees anticlockwise.
Pixmap RenderRobotStrip();
