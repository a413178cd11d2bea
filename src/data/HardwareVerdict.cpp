#include "data/HardwareVerdict.h"

#include "data/HardwareTestResults.h"

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
    // Through the results' own reader and writer: the rest of what the
    // tester found stays, and the file is replaced whole.
    HardwareTestResults results = HardwareTestResults::Read(resultsPath);
    results.safeModeRequired = results.safeModeRecommended = true;
    results.Write(resultsPath);
}
