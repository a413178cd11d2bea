#pragma once
// Points paid by the game scale with the journey's world and its play style.

#include <cstdint>

#include "track/PlayStyle.h"

// worldIndex is the journey map's world (0 ..), or -1 when no journey map is
// active; the base is then paid unscaled. Child halves (integer division),
// Apocalypse doubles.
int32_t ScaledPoints(int32_t basePoints, int32_t worldIndex, PlayStyle style);
