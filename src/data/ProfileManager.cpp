#include "data/ProfileManager.h"

#include <filesystem>
#include <system_error>

#include "data/Registry.h"
#include "data/SettingsKeys.h"

namespace {
// The characters the name-entry page refuses: those that cannot appear in a
// folder name, plus dot and comma (the list separator).
constexpr std::string_view kForbiddenNameBytes = "~/\\:*?\"<>|.,";
constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kLastPrintable = 126;
// Folder names some file systems keep for devices.
constexpr std::string_view kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr std::string_view kNumberedDevices[] = {"COM", "LPT"};

bool IsDeviceName(std::string_view name) {
    for (std::string_view device : kDeviceNames)
        if (EqualsIgnoreCase(name, device)) return true;
    for (std::string_view device : kNumberedDevices)
        if (name.size() == device.size() + 1 && EqualsIgnoreCase(name.substr(0, device.size()), device) &&
            name.back() >= '1' && name.back() <= '9')
            return true;
    return false;
}
}  // namespace

bool ProfileManager::IsValidName(std::string_view name) {
    if (name.empty() || name.size() > static_cast<size_t>(kMaxNameLength)) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    for (char c : name) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < kFirstPrintable || byte > kLastPrintable) return false;
        if (kForbiddenNameBytes.find(c) != std::string_view::npos) return false;
    }
    return !IsDeviceName(name);
}

void ProfileManager::Initialize(const String& settingsPath, const String& dataFolder) {
    mSettingsPath = settingsPath;
    mDataFolder = dataFolder;
    mNames.clear();
    String list;
    String current;
    {
        Registry settings;
        settings.Load(settingsPath);
        list = settings.GetString(SettingsKey::kProfiles);
        current = settings.GetString(SettingsKey::kCurrentProfile);
    }
    std::string_view text = list.view();
    size_t start = 0;
    while (start < text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        std::string_view name = text.substr(start, comma - start);
        if (name.empty() || Count() >= kMaxProfiles) break;
        if (IsValidName(name) && !Exists(String(name))) mNames.push_back(String(name));
        start = comma + 1;
    }
    mCurrent = IsValidName(current.view()) ? current : String();
    // The list's spelling names the folder, whatever case the current entry uses.
    if (int32_t index = CurrentIndex(); index >= 0) mCurrent = mNames[static_cast<size_t>(index)];
    if (mCurrent.IsEmpty() && !mNames.empty()) mCurrent = mNames.front();
    mLoaded = true;
}

void ProfileManager::Save() const {
    if (!mLoaded) return;
    String joined;
    for (size_t i = 0; i < mNames.size(); ++i) {
        if (i > 0) joined += ',';
        joined += mNames[i];
    }
    Registry settings;
    settings.Load(mSettingsPath);
    settings.SetString(SettingsKey::kProfiles, joined);
    settings.SetString(SettingsKey::kCurrentProfile, mCurrent);
}

void ProfileManager::Shutdown() {
    Save();
    mNames.clear();
    mLoaded = false;
}

bool ProfileManager::Exists(const String& name) const {
    for (const String& existing : mNames) {
        if (existing.EqualsIgnoreCase(name.view())) return true;
    }
    return false;
}

bool ProfileManager::Create(const String& name) {
    if (!IsValidName(name.view()) || Count() >= kMaxProfiles) return false;
    int32_t counter = 2;
    String suffix;
    String candidate;
    bool matched = true;
    while (matched) {
        candidate = name + suffix;
        matched = false;
        for (const String& existing : mNames) {
            if (existing.EqualsIgnoreCase(candidate.view())) {
                suffix = String::Format("%d", counter++);
                matched = true;
            }
        }
    }
    if (!IsValidName(candidate.view())) return false;  // the suffix made it too long
    mNames.push_back(candidate);
    mCurrent = candidate;
    return true;
}

void ProfileManager::Delete(int32_t index) {
    if (index < 0 || index >= Count()) return;
    String name = mNames[static_cast<size_t>(index)];
    mNames.erase(mNames.begin() + index);
    std::error_code ignored;
    std::filesystem::path root(ProfilesRoot().str());
    // A Profiles folder that is itself a link could lead anywhere: leave it be.
    if (!std::filesystem::is_symlink(root, ignored)) {
        std::filesystem::remove_all(root / name.str(), ignored);
    }
    if (name.EqualsIgnoreCase(mCurrent.view())) mCurrent = mNames.empty() ? String() : mNames.front();
}

void ProfileManager::Select(int32_t index) {
    if (index < 0 || index >= Count()) return;
    mCurrent = mNames[static_cast<size_t>(index)];
}

int32_t ProfileManager::CurrentIndex() const {
    for (size_t i = 0; i < mNames.size(); ++i) {
        if (mNames[i].EqualsIgnoreCase(mCurrent.view())) return static_cast<int32_t>(i);
    }
    return -1;
}

String ProfileManager::NameAt(int32_t index) const {
    if (index < 0 || index >= Count()) return String();
    return mNames[static_cast<size_t>(index)];
}

String ProfileManager::ProfilesRoot() const {
    return mDataFolder.IsEmpty() ? String(kProfilesFolder) : mDataFolder + "/" + kProfilesFolder;
}

String ProfileManager::ProfileFolder() {
    if (mCurrent.IsEmpty()) mCurrent = kNobody;
    String folder = ProfilesRoot() + "/" + mCurrent;
    std::error_code ignored;
    std::filesystem::create_directory(ProfilesRoot().str(), ignored);
    std::filesystem::create_directory(folder.str(), ignored);
    return folder;
}

String ProfileManager::ProfileFilePath(const String& fileName) { return ProfileFolder() + "/" + fileName; }
