#pragma once
// The command-line switches that bypass or force the hardware test.

struct HardwareSwitches {
    bool hardware = false;  // "-hardware": accelerated; safe mode neither recommended nor required
    bool software = false;  // "-software": software rendering; safe mode recommended and required
    bool fullTest = false;  // "-hwtest": the hardware tester runs its full test

    // Either switch skips the hardware tester.
    bool SkipsHardwareTest() const { return hardware || software; }
};
