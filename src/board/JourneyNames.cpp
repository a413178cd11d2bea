#include "board/JourneyNames.h"

namespace {
constexpr const char* kCharacters[] = {"TAZZIMO", "QUIB", "LURRA", "ZISKO"};
constexpr const char* kLastCharacter = "BEMO";
constexpr int32_t kFirstStageState = 1;
constexpr int32_t kSecondStageState = 0;
constexpr int32_t kStagesPerWorld = 3;
}  // namespace

namespace JourneyNames {
String CharacterName(int32_t worldIndex) {
    if (worldIndex >= 0 && worldIndex < kStagedWorlds) return kCharacters[worldIndex];
    return kLastCharacter;
}

int32_t StageNumber(int32_t stageState) {
    if (stageState == kFirstStageState) return 1;
    if (stageState == kSecondStageState) return 2;
    return 3;
}

String StageName(int32_t world, int32_t stageNumber) {
    if (world > kStagedWorlds) return kFinalStage;
    return String::Format("World %d-%d", world, stageNumber);
}

bool ParseStageName(const String& name, int32_t& world, int32_t& stageNumber) {
    for (int32_t w = 1; w <= kStagedWorlds; ++w)
        for (int32_t s = 1; s <= kStagesPerWorld; ++s)
            if (name.EqualsIgnoreCase(StageName(w, s).view())) {
                world = w;
                stageNumber = s;
                return true;
            }
    if (!name.EqualsIgnoreCase(kFinalStage)) return false;
    world = kStagedWorlds + 1;
    stageNumber = 1;
    return true;
}

String LevelTitle(int32_t worldIndex, int32_t stageNumber, int32_t levelNumber) {
    return String::Format("%s LEVEL %d-%d", CharacterName(worldIndex).c_str(), stageNumber, levelNumber);
}
}  // namespace JourneyNames
