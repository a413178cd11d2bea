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

// Every key but the tester's version, in the file's order. Exactly one of
// `text` and `flag` names the member the key holds.
struct Field {
    const char* key;
    String HardwareTestResults::*text;
    bool HardwareTestResults::*flag;
};

constexpr Field kFields[] = {
    {SettingsKey::kHWDXVersion, &HardwareTestResults::dxVersion, nullptr},
    {SettingsKey::kHWDXVersionChanged, nullptr, &HardwareTestResults::dxVersionChanged},
    {SettingsKey::kHWCardGUID, &HardwareTestResults::cardGUID, nullptr},
    {SettingsKey::kHWCardChanged, nullptr, &HardwareTestResults::cardChanged},
    {SettingsKey::kHWDeviceDescription, &HardwareTestResults::deviceDescription, nullptr},
    {SettingsKey::kHWSupportedCards, &HardwareTestResults::supportedCards, nullptr},
    {SettingsKey::kHWSafeModeRecommended, nullptr, &HardwareTestResults::safeModeRecommended},
    {SettingsKey::kHWSafeModeRequired, nullptr, &HardwareTestResults::safeModeRequired},
    {SettingsKey::kHWFailReason, &HardwareTestResults::failReason, nullptr},
    {SettingsKey::kHWWarnings, &HardwareTestResults::warnings, nullptr},
};
}  // namespace

HardwareTestResults HardwareTestResults::Read(const String& path) {
    HardwareTestResults results;
    if (IsOversized(path)) return results;
    Registry file;
    file.LoadReadOnly(path);
    results.testerVersion = file.GetInt(SettingsKey::kHWTesterVersion);
    for (const Field& field : kFields) {
        // A missing flag keeps its default: safe mode stays on for an unknown card.
        if (field.text) results.*field.text = file.GetString(field.key);
        if (field.flag && file.Has(field.key)) results.*field.flag = file.GetBool(field.key);
    }
    return results;
}

bool HardwareTestResults::Write(const String& path) const {
    Registry file;
    file.SetInt(SettingsKey::kHWTesterVersion, testerVersion);
    for (const Field& field : kFields) {
        if (field.text) file.SetString(field.key, OneLine(this->*field.text));
        if (field.flag) file.SetBool(field.key, this->*field.flag);
    }
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
