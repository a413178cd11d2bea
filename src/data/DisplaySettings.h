#pragma once
// The display settings the graphics service starts with and stores at exit,
// kept in "config.cfg". The graphics service owns one of these: Read at
// start-up, StoreAtExit at shutdown, ApplyCrashGuard from the crash handler.

#include <cstdint>
#include <functional>

#include "core/String.h"
#include "data/DisplayDefaults.h"
#include "data/HardwareSwitches.h"
#include "data/HardwareVerdict.h"

struct DisplaySettings {
    static constexpr const char* kConfirmTitle = "Hardware Acceleration Confirmation";
    static constexpr const char* kConfirmText =
        "Hardware Acceleration was switched on during your last session.\r\n"
        "If this resulted in slower performance, or graphical errors, it should be switched off.\r\n"
        "Would you like to keep Hardware Acceleration switched on?";

    // What the graphics service knows before the settings are read.
    struct Environment {
        String configPath;           // "config.cfg" in the per-user data folder
        String devicesPath;          // "devices.xml" in the game data's "Data" folder
        String deviceDescription;    // matched against the CARD names of devices.xml
        String hardwareResultsPath;  // the hardware tester's results, where device failures are recorded
        HardwareSwitches switches;
        HardwareVerdict verdict;  // HardwareVerdict::Resolve for this run
        DisplayDefaults::ModeCheck supportsMode;
    };

    // Answers true to keep hardware acceleration; the default asks the player
    // with a yes/no box (headless: no).
    using KeepHardwareQuestion = std::function<bool()>;

    // Fills missing display keys of "config.cfg" with the defaults (from
    // devices.xml on first start or after a card or driver change), reads
    // them back and writes the file.
    static DisplaySettings Read(const Environment& environment);
    // Writes the current mode; after a session with hardware acceleration that
    // asked for confirmation, asks whether to keep it. Only after Read.
    void StoreAtExit(const String& configPath, const KeepHardwareQuestion& keepHardware = nullptr);
    // After a crash in a hardware session awaiting confirmation, the next run
    // starts in safe mode.
    void ApplyCrashGuard(const String& configPath) const;

    int32_t width = DisplayDefaults::kWidth;
    int32_t height = DisplayDefaults::kHeight;
    int32_t colorDepth = DisplayDefaults::kColorDepth;
    bool fullscreen = false;
    bool vsync = false;
    bool customCursors = false;
    bool safeMode = true;  // software rendering
    bool safeModeRecommended = true;
    bool safeModeRequired = true;
    bool loaded = false;
    // The window as the last session left it (windowed); a width of 0: not known.
    int32_t windowX = kCentred;
    int32_t windowY = kCentred;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    static constexpr int32_t kCentred = INT32_MIN;

private:
    void ReadWindow(const class Registry& config);
    bool AwaitsHardwareConfirmation(bool confirmHardware) const {
        return !safeMode && confirmHardware && safeModeRecommended;
    }
};
