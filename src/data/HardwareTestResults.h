#pragma once
// The hardware tester's findings as kept in
// "<data folder>/HardwareTestResults/Hardware.registry", read back at every
// start to learn whether the card or its driver changed since.

#include <cstdint>

#include "core/String.h"
#include "data/HardwareVerdict.h"

struct HardwareTestResults {
    // A results file larger than this is not ours: it reads as missing.
    static constexpr int64_t kMaxFileBytes = 16 * 1024;

    int32_t testerVersion = 0;  // 0: no results yet
    String dxVersion;           // the driver's version text
    bool dxVersionChanged = false;
    String cardGUID;  // stable id of the card
    bool cardChanged = false;
    String deviceDescription;  // the card's name, matched against devices.xml
    String supportedCards;     // the accelerated render drivers on offer
    // Until a test says otherwise the card is not trusted.
    bool safeModeRecommended = true;
    bool safeModeRequired = true;
    String failReason;
    String warnings;

    // Missing keys keep the values above; a missing or oversized file gives
    // them all.
    static HardwareTestResults Read(const String& path);
    // Replaces the file (creating its folder); false when it cannot be written.
    bool Write(const String& path) const;

    HardwareVerdict Verdict() const;
};
