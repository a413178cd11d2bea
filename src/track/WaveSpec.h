#pragma once
// One wave of a level: the chain of balls a track releases and how it rolls.
// Level files fill it in; tracks consume it. Speeds are pixels per update step.

#include <cstdint>

struct WaveSpec {
    int32_t count = 15;             // balls in the chain
    int32_t types = 3;              // colours drawn from: indices 0 .. types-1
    int32_t delayTicks = 25;        // wait after releasing this wave before the next
    int32_t targetTrack = -1;       // track index that plays it; -1: every track its own copy
    int32_t robotTrigger = 100000;  // release the next wave only at or below this many live balls
    float speed = 1.0f;             // normal rolling speed
    float speedInitial = 3.0f;      // while the opening rush is on
    float speedFast = 3.0f;
    float speedSlow = 0.5f;
    float delayDist = 0.35f;            // next wave waits until this fraction of the path is travelled
    bool repeat = true;                 // kept when the track's wave list wraps around
    float sameTypeProbability = 1.25f;  // chance a ball repeats the previous colour (above 1: always)
    int32_t maxSameTypeChain = 3;       // longest run of one colour the repeat rule builds
};
