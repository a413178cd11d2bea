#pragma once
// The lifetime statistics of a profile, by their place among the fourteen
// words of "Stats.DAT".

#include <cstdint>

enum class Statistic : int32_t {
    LevelsCleared = 0,
    BonusesCaught = 1,
    PlimbsPopped = 2,
    LargestCombo = 3,  // kept as a maximum
    RobotsCleared = 4,
    LargestGroupPopped = 5,  // kept as a maximum
    ComboCount = 6,
    PlimbsLaunched = 7,
    SwitchesMade = 8,
    MissedShots = 9,  // mirrors the eighth tally of every level
    LivesLost = 12,   // not counted in the Child play style
    ExtraLivesEarned = 13,
};
