#pragma once
// The adjustments a difficulty file applies to every level it defines.

#include <cstdint>

class XMLTag;

struct DifficultyGlobals {
    static constexpr float kSpeedAddLimit = 3.0f;  // pixels per update step, either way

    float speedAdd = 0.0f;
    float speedInitialAdd = 0.0f;
    float speedFastAdd = 0.0f;
    float speedSlowAdd = 0.0f;
    int32_t typesAdd = 0;     // colours
    int32_t progressAdd = 0;  // progress points

    // From the root's children; the last occurrence of a key wins.
    static DifficultyGlobals Read(const XMLTag& root);
};
