#pragma once
// The shared resources the game loads at start-up, in loading order, and the
// ones its boards and screens load for themselves. The start-up loader walks
// this table; the content tests check every entry against the built data root.

#include <cstdint>
#include <vector>

enum class ResourceKind {
    Image,  // one sprite
    Strip,  // an image cut into `frames` equal frames side by side
    Sound,  // an effect with `instances` simultaneous copies
    Music,  // a streamed, looping piece
    Font,   // a bitmap font folder
};

struct ResourceEntry {
    const char* name;   // resource name as the game asks for it
    ResourceKind kind;
    int32_t frames;     // strip frame count; 1 for everything else
    int32_t instances;  // sound copies; 0 for everything else
    int32_t step;       // start-up loading step, 0 for resources a board or screen loads itself
};

// Start-up loading steps that this table covers.
constexpr int32_t kStepPlayfieldSprites = 3;  // texture atlas 1
constexpr int32_t kStepMenuSprites = 6;       // texture atlas 4
constexpr int32_t kStepSounds = 9;
constexpr int32_t kStepScreenSprites = 10;
constexpr int32_t kStepFonts = 11;

const std::vector<ResourceEntry>& ResourceCatalogue();
