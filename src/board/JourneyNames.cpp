#include "board/JourneyNames.h"

namespace {
constexpr const char* kCharacters[] = {"TAZZIMO", "QUIB", "LURRA", "ZISKO"};
constexpr const char* kLastCharacter = "BEMO";
constexpr int32_t kFirstStageState = 1;
constexpr int32_t kSecondStageState = 0;
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

String LevelTitle(int32_t worldIndex, int32_t stageNumber, int32_t levelNumber) {
    return String::Format("%s LEVEL %d-%d", CharacterName(worldIndex).c_str(), stageNumber, levelNumber);
}
}  // namespace JourneyNames
