#pragma once
// The computed single sprites and short strips of the play field: glows,
// sparks, puffs, the bomb, the coin gems and the fire ball.
#include <string>
#include <vector>

#include "common/Pixmap.h"

struct ComputedSprite {
    const char* file;  // path under the data root, without extension
    Pixmap (*make)();
};

const std::vector<ComputedSprite>& ComputedSprites();
