#pragma once
// What the hardware tester concluded, as kept in
// "<data folder>/HardwareTestResults/Hardware.registry".

#include "core/String.h"
#include "data/HardwareSwitches.h"

struct HardwareVerdict {
    // Until a test says otherwise the card is not trusted.
    bool safeModeRecommended = true;
    bool safeModeRequired = true;
    bool cardChanged = false;       // a different card than at the last run
    bool dxVersionChanged = false;  // a different driver version than at the last run
    String dxVersion;               // driver version text, matched by devices.xml
    String deviceDescription;       // the card's name, matched by devices.xml

    // The verdict for this run: the switches decide when given, else the
    // results file (missing keys keep the untrusting defaults).
    static HardwareVerdict Resolve(const HardwareSwitches& switches, const String& resultsPath);
    static HardwareVerdict Read(const String& resultsPath);
    // A texture the card could not create: the next run starts in safe mode.
    static void RecordSafeModeRequired(const String& resultsPath);
};
