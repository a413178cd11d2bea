#include "data/HardwareTest.h"

#include "core/Log.h"
#include "data/DisplayDefaults.h"

namespace {
void Report(const HardwareTestResults& results, const char* how) {
    Log::Line("Hardware test (%s): \"%s\", %s; safe mode %s%s%s", how, results.deviceDescription.c_str(),
              results.dxVersion.c_str(),
              results.safeModeRequired      ? "required"
              : results.safeModeRecommended ? "recommended"
                                            : "not needed",
              results.failReason.IsEmpty() ? "" : ": ", results.failReason.c_str());
}
}  // namespace

String HardwareTest::CardGUID(const String& vendorAndRenderer) {
    // FNV-1a, 64 bits: the same text gives the same id on every machine and run.
    constexpr uint64_t kOffsetBasis = 14695981039346656037ULL;
    constexpr uint64_t kPrime = 1099511628211ULL;
    uint64_t hash = kOffsetBasis;
    for (char c : vendorAndRenderer.view()) {
        hash ^= static_cast<uint8_t>(c);
        hash *= kPrime;
    }
    return String::Format("%016llx", static_cast<unsigned long long>(hash));
}

HardwareVerdict HardwareTest::Run(const HardwareSwitches& switches, const String& resultsPath,
                                  const String& devicesPath, HardwareProbe* probe) {
    if (switches.SkipsHardwareTest() || !probe) {
        // Nothing was compared this run, so nothing counts as changed.
        HardwareVerdict verdict = HardwareVerdict::Resolve(switches, resultsPath);
        verdict.cardChanged = verdict.dxVersionChanged = false;
        return verdict;
    }
    HardwareTestResults stored = HardwareTestResults::Read(resultsPath);
    HardwareIdentity identity = probe->Identify();
    // Without earlier results the previous card is unknown: it counts as a change.
    bool cardChanged = stored.cardGUID != CardGUID(identity.vendorAndRenderer);
    bool dxVersionChanged = stored.dxVersion != identity.driverVersion;
    HardwareTestResults results = stored;
    if (switches.fullTest || stored.testerVersion != kTesterVersion || cardChanged || dxVersionChanged) {
        results = Test(identity, *probe, devicesPath);
        Report(results, "full");
    } else {
        Report(results, "card unchanged");
    }
    results.cardChanged = cardChanged;
    results.dxVersionChanged = dxVersionChanged;
    if (!results.Write(resultsPath)) Log::Line("Could not write \"%s\"", resultsPath.c_str());
    return results.Verdict();
}

HardwareTestResults HardwareTest::Test(const HardwareIdentity& identity, HardwareProbe& probe,
                                       const String& devicesPath) {
    HardwareTestResults results;
    results.testerVersion = kTesterVersion;
    results.dxVersion = identity.driverVersion;
    results.cardGUID = CardGUID(identity.vendorAndRenderer);
    results.deviceDescription = identity.cardName;
    results.supportedCards = identity.renderDrivers;
    HardwareCheckResult checks;
    checks.failReason = identity.failReason;
    if (identity.accelerated) checks = probe.RunChecks();
    results.failReason = checks.failReason;
    results.warnings = checks.warnings;
    // Hardware mode cannot start without targets; wrong pictures leave the
    // choice to the player.
    results.safeModeRequired = !checks.renderTargets;
    results.safeModeRecommended = !checks.renderTargets || !checks.drawsCorrectly;

    HardwareVerdict forced = results.Verdict();
    forced.safeModeRecommended = forced.safeModeRequired = false;
    DisplayDefaults defaults;
    defaults.ApplyDeviceTable(devicesPath, results.deviceDescription, nullptr, forced);
    if (forced.safeModeRequired) {
        results.safeModeRecommended = results.safeModeRequired = true;
        if (results.failReason.IsEmpty()) results.failReason = "devices.xml forces safe mode for this card";
    }
    return results;
}
