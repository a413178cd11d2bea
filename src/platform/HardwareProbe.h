#pragma once
// What the hardware tester learns about the graphics card, as plain data, and
// the seam through which start-up drives it (tests drive a stand-in).

#include "core/String.h"

struct HardwareIdentity {
    bool accelerated = false;  // an accelerated renderer could be made
    String cardName;           // "llvmpipe", "AMD Radeon RX 580 Series", ...
    String vendorAndRenderer;  // the driver's full vendor and renderer texts: the card's identity
    String driverVersion;      // the OpenGL version text, then the SDL version and render driver
    String renderDrivers;      // the accelerated render drivers on offer, joined with ","
    String failReason;         // why there is no accelerated renderer
};

struct HardwareCheckResult {
    bool renderTargets = false;   // drawing into a texture and reading it back work at all
    bool drawsCorrectly = false;  // every test picture came back as expected
    String failReason;            // the first check that failed
    String warnings;              // findings that do not fail the test, joined with "; "
};

class HardwareProbe {
public:
    virtual ~HardwareProbe() = default;
    // Makes an accelerated renderer and finds out which card drives it.
    virtual HardwareIdentity Identify() = 0;
    // Draws the test pictures with the renderer Identify made and checks them.
    virtual HardwareCheckResult RunChecks() = 0;
};
