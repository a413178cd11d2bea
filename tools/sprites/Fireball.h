#pragma once
#include "common/Pixmap.h"

constexpr int kFireballFrames = 20;
constexpr int kFireballFrameSize = 72;

// A burning ball whose flames lick upwards in the picture; the game draws it
// mirrored vertically so the flames trail behind the rising shot.
Pixmap FireballStrip();
