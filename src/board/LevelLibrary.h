#pragma once
// The journey's level content, read once at start-up from the game data's
// "Data" folder: one difficulty document per world and the level groups.

#include <array>
#include <cstdint>
#include <vector>

#include "board/LevelGroup.h"
#include "core/String.h"
#include "data/XMLDocument.h"
#include "track/PlayStyle.h"

class LevelTarget;

class LevelLibrary {
public:
    static constexpr int32_t kWorldCount = 5;
    static constexpr const char* kDifficultyFile = "Difficulty%d.CFG";  // world index + 1
    static constexpr const char* kLevelOrderFile = "LevelOrder.CFG";

    // Reads every file from `dataFolder` (the "Data" folder of the game data
    // root). A missing or broken file leaves its part empty.
    void Load(const String& dataFolder);
    // One file at a time, for a loader that counts its steps: the world's
    // difficulty document (an index outside 0-4 loads nothing), and the level
    // groups, appended in file order.
    void LoadDifficulty(int32_t worldIndex, const String& path);
    void LoadLevelOrder(const String& path);

    // The difficulty document of a world; an index outside 0-4 counts as 0.
    const XMLDocument& Difficulty(int32_t worldIndex) const;
    // LevelLoader::LoadLevel over the world's document.
    bool LoadLevel(const String& levelName, int32_t worldIndex, PlayStyle style, LevelTarget& target) const;

    const std::vector<LevelGroup>& Groups() const { return mGroups; }
    const LevelGroup* FindGroup(const String& stageName) const { return LevelGroup::Find(mGroups, stageName); }

private:
    std::array<XMLDocument, kWorldCount> mDifficulties;
    std::vector<LevelGroup> mGroups;
};
