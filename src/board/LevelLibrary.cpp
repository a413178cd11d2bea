#include "board/LevelLibrary.h"

#include "board/LevelLoader.h"
#include "core/Log.h"

namespace {
void LoadDocument(XMLDocument& document, const String& path) {
    document.Load(path);
    if (document.error != XMLDocument::kNoError) {
        Log::Line("Level file \"%s\" stopped with error %d", path.c_str(), document.error);
    }
}
}  // namespace

void LevelLibrary::Load(const String& dataFolder) {
    mGroups.clear();
    String folder = dataFolder.IsEmpty() || dataFolder[dataFolder.Length() - 1] == '/' ? dataFolder : dataFolder + "/";
    for (int32_t world = 0; world < kWorldCount; ++world)
        LoadDifficulty(world, folder + String::Format(kDifficultyFile, world + 1));
    LoadLevelOrder(folder + kLevelOrderFile);
}

void LevelLibrary::LoadDifficulty(int32_t worldIndex, const String& path) {
    if (worldIndex < 0 || worldIndex >= kWorldCount) return;
    LoadDocument(mDifficulties[static_cast<size_t>(worldIndex)], path);
}

void LevelLibrary::LoadLevelOrder(const String& path) {
    XMLDocument order;
    LoadDocument(order, path);
    std::vector<LevelGroup> groups = LevelGroup::ReadAll(order);
    mGroups.insert(mGroups.end(), groups.begin(), groups.end());
}

const XMLDocument& LevelLibrary::Difficulty(int32_t worldIndex) const {
    if (worldIndex < 0 || worldIndex >= kWorldCount) worldIndex = 0;
    return mDifficulties[static_cast<size_t>(worldIndex)];
}

bool LevelLibrary::LoadLevel(const String& levelName, int32_t worldIndex, PlayStyle style, LevelTarget& target) const {
    return LevelLoader::LoadLevel(Difficulty(worldIndex), levelName, style, target);
}
