#pragma once
// Reads one <Wave> element of a level into the wave record, with the
// difficulty file's adjustments, the limits of every key and the derived
// speeds.

#include <cstdint>

#include "board/DifficultyGlobals.h"
#include "track/WaveSpec.h"

class XMLTag;

class WaveReader {
public:
    // A wave stands at most this many extra times in the list (26 in all).
    static constexpr int32_t kMaxExtraCopies = 25;

    // `extraCopies` receives how many copies follow the wave (0 .. kMaxExtraCopies).
    static WaveSpec Read(const XMLTag& waveTag, const DifficultyGlobals& globals, int32_t& extraCopies);

private:
    static void ReadKey(const XMLTag& key, const DifficultyGlobals& globals, WaveSpec& wave, bool& initialGiven,
                        bool& fastGiven, bool& slowGiven);
};
