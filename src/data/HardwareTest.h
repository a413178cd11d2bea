#pragma once
// When the hardware tester runs at start-up and what it concludes. The card
// is identified at every start without a switch; the test pictures are drawn
// only when there are no results for this card, driver and tester version
// yet, or "-hwtest" asks for them. The verdict and the card's name go to the
// display settings; the results file records them for the next start.

#include <cstdint>

#include "core/String.h"
#include "data/HardwareSwitches.h"
#include "data/HardwareTestResults.h"
#include "data/HardwareVerdict.h"
#include "platform/HardwareProbe.h"

class HardwareTest {
public:
    // Results of another version are tested again. Raise it when the checks change.
    static constexpr int32_t kTesterVersion = 1;

    // The verdict for this run. "-hardware" and "-software" decide without
    // testing; a null `probe` (no display: headless runs) keeps the stored
    // results. `devicesPath`: "devices.xml", whose FORCESAFEMODE entries count
    // as a failed test.
    static HardwareVerdict Run(const HardwareSwitches& switches, const String& resultsPath, const String& devicesPath,
                               HardwareProbe* probe);

    // Stable id of a card: a hash of the driver's vendor and renderer texts.
    static String CardGUID(const String& vendorAndRenderer);

private:
    static HardwareTestResults Test(const HardwareIdentity& identity, HardwareProbe& probe, const String& devicesPath);
};
