#pragma once
// The display settings of "config.cfg" as the graphics service uses them.

#include <cstdint>

struct DisplaySettings {
    int32_t width = 800;  // display mode size in pixels
    int32_t height = 600;
    int32_t colourDepth = 16;  // bits per pixel: 16 or 32
    bool fullscreen = false;
    bool vsync = false;
    bool customCursors = false;
    bool safeMode = false;             // software rendering
    bool safeModeRecommended = false;  // the hardware test's verdicts
    bool safeModeRequired = false;
    bool confirmHardware = false;  // ask once whether to keep hardware acceleration
    int32_t refreshRate = 60;      // of the display, in Hz
};
