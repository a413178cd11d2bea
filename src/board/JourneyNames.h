#pragma once
// How the journey names its worlds, stages and levels for the player.

#include <cstdint>

#include "core/String.h"

namespace JourneyNames {
inline constexpr int32_t kStagedWorlds = 4;              // worlds 1-4 have three stages each, world 5 one
inline constexpr const char* kFinalStage = "World 5-1";  // the single stage of world 5

// The world's character in level titles: 0 "TAZZIMO", 1 "QUIB", 2 "LURRA",
// 3 "ZISKO", any other index "BEMO".
String CharacterName(int32_t worldIndex);
// The journey plays a world's stage states 1, 0, 2 in that order; they show
// as stage numbers 1, 2, 3.
int32_t StageNumber(int32_t stageState);
// "World %d-%d" for world 1-4 and stage 1-3; world 5 has only "World 5-1".
String StageName(int32_t world, int32_t stageNumber);
// The world (1-5) and stage number of a name StageName gives (case
// ignored); false for any other name.
bool ParseStageName(const String& name, int32_t& world, int32_t& stageNumber);
// "%s LEVEL %d-%d": e.g. the third level of the second stage of the first
// world is "TAZZIMO LEVEL 2-3".
String LevelTitle(int32_t worldIndex, int32_t stageNumber, int32_t levelNumber);
}  // namespace JourneyNames
