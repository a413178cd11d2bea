#include "data/HardwareVerdict.h"

#include "data/HardwareTestResults.h"
#include "data/Registry.h"
#include "data/SettingsKeys.h"

HardwareVerdict HardwareVerdict::Read(const String& resultsPath) {
    return HardwareTestResults::Read(resultsPath).Verdict();
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
