#pragma once
// The shared resources the game loads at start-up, in loading order, and the
// ones its boards and screens load for themselves. The start-up loader walks
// this table; the content tests check every entry against the built data root.

#include <cstdint>
#include <vector>

enum class ResourceKind {
    Image,         // one sprite
    Strip,         // an image cut into `frames` equal frames side by side
    ButtonStates,  // images "<name>1" ... "<name>3" placed side by side into a 3-frame strip
    MirroredPair,  // a sprite and its left-right mirror image
    DoorRow,       // an image cut into the three door rectangles, each kept as image and sprite
    MaskRow,       // an image cut into the three door rectangles, kept as images
    Sound,         // an effect with `instances` simultaneous copies
    Music,         // a streamed, looping piece
    Font,          // a bitmap font folder
    Document,      // an XML data file (`name` carries its extension)
    LevelOrder,    // the level-group list (`name` carries its extension)
};

struct ResourceEntry {
    const char* name;  // resource name as the game asks for it
    ResourceKind kind;
    int32_t frames;     // strip frame count; 1 for everything else
    int32_t instances;  // sound copies; 0 for everything else
    int32_t step;       // start-up loading step, 0 for resources a board or screen loads itself
    int32_t progress;   // steps of the title screen's progress bar it counts
};

// Start-up loading steps that this table covers; steps 1 and 2 (high scores,
// profiles and statistics) are the application's own.
constexpr int32_t kStepPlayfieldSprites = 3;  // texture atlas 1
constexpr int32_t kStepDialogSprites = 4;     // texture atlas 5
constexpr int32_t kStepMenuSprites = 5;       // texture atlas 3
constexpr int32_t kStepPopupSprites = 6;      // texture atlas 4
constexpr int32_t kStepTempleSprites = 7;     // texture atlas 2
constexpr int32_t kStepHighScoreSprites = 8;
constexpr int32_t kStepSounds = 9;
constexpr int32_t kStepScreenSprites = 10;
constexpr int32_t kStepFonts = 11;
constexpr int32_t kStepConfiguration = 12;

// The door rectangles of a "World%dDoors" picture and of the shatter mask.
struct DoorPiece {
    int32_t x, width;
};
constexpr int32_t kDoorCount = 3;
constexpr int32_t kDoorHeight = 58;
constexpr DoorPiece kDoorPieces[kDoorCount] = {{0, 67}, {67, 68}, {135, 65}};

const std::vector<ResourceEntry>& ResourceCatalogue();
