#include "platform/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
constexpr mode_t kFolderMode = 0755;

String WithSlash(const String& folder) {
    if (folder.IsEmpty() || folder[folder.Length() - 1] == '/') return folder;
    return folder + "/";
}

String PerUserDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (xdg && xdg[0] == '/') return WithSlash(xdg);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return WithSlash(home) + ".local/share/";
    return String();
}
}  // namespace

void CreateFolders(const String& folder) {
    String path = WithSlash(folder);
    for (int32_t slash = path.FindChar('/', 1); slash >= 0; slash = path.FindChar('/', slash + 1))
        ::mkdir(path.Substring(0, slash).c_str(), kFolderMode);
}

bool IsWritableFolder(const String& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool FileExists(const String& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

void DeleteFolderTree(const String& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder.str()), ignored);
}

String ChooseDataFolder(const String& appName, const String& overrideFolder) {
    String folder = overrideFolder.IsEmpty() ? String() : WithSlash(overrideFolder);
    if (folder.IsEmpty()) {
        String home = PerUserDataHome();
        if (!home.IsEmpty()) folder = home + appName + "/";
    }
    if (!folder.IsEmpty()) {
        CreateFolders(folder);
        if (IsWritableFolder(folder)) return folder;
    }
    CreateFolders(kFallbackDataFolder);
    return kFallbackDataFolder;
}

String ExecutableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return String();
    return WithSlash(String(exe.parent_path().string()));
}
