#include "data/HardwareTestResults.h"

#include <filesystem>
#include <system_error>

#include "core/IOBuffer.h"
#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "platform/Folders.h"

namespace {
bool IsOversized(const String& path) {
    std::error_code error;
    uintmax_t bytes = std::filesystem::file_size(path.str(), error);
    return !error && bytes > static_cast<uintmax_t>(HardwareTestResults::kMaxFileBytes);
}

// A driver text with a line break would end the entry early and smuggle in another.
String OneLine(const String& text) {
    std::string line = text.str();
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return String(std::move(line));
}

bool ReadBool(const Registry& file, const char* key, bool missing) {
    return file.Has(key) ? file.GetBool(key) : missing;
}
}  // namespace

HardwareTestResults HardwareTestResults::Read(const String& path) {
    HardwareTestResults results;
    if (IsOversized(path)) return results;
    Registry file;
    file.LoadReadOnly(path);
    results.testerVersion = file.GetInt(SettingsKey::kHWTesterVersion);
    results.dxVersion = file.GetString(SettingsKey::kHWDXVersion);
    results.dxVersionChanged = file.GetBool(SettingsKey::kHWDXVersionChanged);
    results.cardGUID = file.GetString(SettingsKey::kHWCardGUID);
    results.cardChanged = file.GetBool(SettingsKey::kHWCardChanged);
    results.deviceDescription = file.GetString(SettingsKey::kHWDeviceDescription);
    results.supportedCards = file.GetString(SettingsKey::kHWSupportedCards);
    results.safeModeRecommended = ReadBool(file, SettingsKey::kHWSafeModeRecommended, results.safeModeRecommended);
    results.safeModeRequired = ReadBool(file, SettingsKey::kHWSafeModeRequired, results.safeModeRequired);
    results.failReason = file.GetString(SettingsKey::kHWFailReason);
    results.warnings = file.GetString(SettingsKey::kHWWarnings);
    return results;
}

bool HardwareTestResults::Write(const String& path) const {
    Registry file;
    file.SetInt(SettingsKey::kHWTesterVersion, testerVersion);
    file.SetString(SettingsKey::kHWDXVersion, OneLine(dxVersion));
    file.SetBool(SettingsKey::kHWDXVersionChanged, dxVersionChanged);
    file.SetString(SettingsKey::kHWCardGUID, OneLine(cardGUID));
    file.SetBool(SettingsKey::kHWCardChanged, cardChanged);
    file.SetString(SettingsKey::kHWDeviceDescription, OneLine(deviceDescription));
    file.SetString(SettingsKey::kHWSupportedCards, OneLine(supportedCards));
    file.SetBool(SettingsKey::kHWSafeModeRecommended, safeModeRecommended);
    file.SetBool(SettingsKey::kHWSafeModeRequired, safeModeRequired);
    file.SetString(SettingsKey::kHWFailReason, OneLine(failReason));
    file.SetString(SettingsKey::kHWWarnings, OneLine(warnings));
    int32_t folderEnd = path.Length();
    while (folderEnd > 0 && path[folderEnd - 1] != '/') --folderEnd;
    if (folderEnd > 0) CreateFolders(path.Substring(0, folderEnd));
    String text = file.WriteText();
    return WriteFileAtomically(path, text.c_str(), static_cast<size_t>(text.Length()));
}

HardwareVerdict HardwareTestResults::Verdict() const {
    HardwareVerdict verdict;
    verdict.safeModeRecommended = safeModeRecommended;
    verdict.safeModeRequired = safeModeRequired;
    verdict.cardChanged = cardChanged;
    verdict.dxVersionChanged = dxVersionChanged;
    verdict.dxVersion = dxVersion;
    verdict.deviceDescription = deviceDescription;
    return verdict;
}
