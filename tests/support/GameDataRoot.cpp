#include "support/GameDataRoot.h"

#include <filesystem>

std::string BuiltDataVersion() { return PZ_DATA_VERSION; }
std::string DataMarkerFile() { return PZ_DATA_MARKER; }

std::string WriteGameDataRoot(const TempDir& temp, const std::string& name, const std::string& version) {
    for (const char* folder : {"Graphics", "Sounds", "Fonts", "Levels", "Data"})
        std::filesystem::create_directories(temp.File(name + "/" + folder));
    temp.Write(name + "/" + DataMarkerFile(), version + "\n");
    return temp.File(name);
}
