#pragma once
// A pair of floats: a screen point, a velocity or an acceleration.

struct Vec2 {
    float x = 0, y = 0;
};
