#pragma once
// What a drawn quad is made of.

#include <cstdint>

// One corner of a drawn quad: screen position in logical pixels and the
// texture position in texels.
struct RenderVertex {
    float x = 0, y = 0;
    float u = 0, v = 0;
};

// 8-bit drawing colour.
struct RenderColour {
    uint8_t r = 255, g = 255, b = 255, a = 255;
};
