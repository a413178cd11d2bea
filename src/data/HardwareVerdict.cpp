#include "data/HardwareVerdict.h"

#include "data/Registry.h"
#include "data/SettingsKeys.h"

HardwareVerdict HardwareVerdict::Read(const String& resultsPath) {
    HardwareVerdict verdict;
    Registry results;
    results.LoadReadOnly(resultsPath);
    if (results.Has(SettingsKey::kHWSafeModeRecommended)) {
        verdict.safeModeRecommended = results.GetBool(SettingsKey::kHWSafeModeRecommended);
    }
    if (results.Has(SettingsKey::kHWSafeModeRequired)) {
        verdict.safeModeRequired = results.GetBool(SettingsKey::kHWSafeModeRequired);
    }
    verdict.cardChanged = results.GetBool(SettingsKey::kHWCardChanged);
    verdict.dxVersionChanged = results.GetBool(SettingsKey::kHWDXVersionChanged);
    verdict.dxVersion = results.GetString(SettingsKey::kHWDXVersion);
    return verdict;
}

HardwareVerdict HardwareVerdict::Resolve(const HardwareSwitches& switches, const String& resultsPath) {
    HardwareVerdict verdict = Read(resultsPath);
    if (switches.hardware || switches.software) {
        verdict.safeModeRecommended = switches.software;
        verdict.safeModeRequired = switches.software;
    }
    return verdict;
}

void HardwareVerdict::RecordSafeModeRequired(const String& resultsPath) {
    Registry results;
    results.Load(resultsPath);
    results.SetBool(SettingsKey::kHWSafeModeRequired, true);
    results.SetBool(SettingsKey::kHWSafeModeRecommended, true);
}
