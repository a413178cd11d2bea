#include "data/DisplaySettings.h"

#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "platform/MessageBox.h"

DisplaySettings DisplaySettings::Read(const Environment& environment) {
    DisplaySettings settings;
    DisplayDefaults defaults;
    HardwareVerdict verdict = environment.verdict;
    Registry config;
    config.Load(environment.configPath);

    bool newDevice = verdict.cardChanged || verdict.dxVersionChanged;
    if (!config.Has(SettingsKey::kColorDepth) || newDevice) {
        defaults.ApplyDeviceTable(environment.devicesPath, environment.deviceDescription, environment.supportsMode,
                                  verdict);
    }
    if (!config.Has(SettingsKey::kScreenWidth)) config.SetInt(SettingsKey::kScreenWidth, defaults.width);
    if (!config.Has(SettingsKey::kScreenHeight)) config.SetInt(SettingsKey::kScreenHeight, defaults.height);
    if (!config.Has(SettingsKey::kColorDepth)) config.SetInt(SettingsKey::kColorDepth, defaults.colorDepth);
    if (!config.Has(SettingsKey::kFullscreen)) config.SetBool(SettingsKey::kFullscreen, defaults.fullscreen);
    if (!config.Has(SettingsKey::kUseCustomCursors)) config.SetBool(SettingsKey::kUseCustomCursors, false);
    if (!config.Has(SettingsKey::kVSync)) config.SetBool(SettingsKey::kVSync, false);
    // A safe-mode choice made for another card or driver no longer holds.
    if ((newDevice || !config.Has(SettingsKey::kSafeMode)) && !environment.switches.SkipsHardwareTest()) {
        config.SetBool(SettingsKey::kSafeMode, verdict.safeModeRequired || verdict.safeModeRecommended);
    }

    settings.width = config.GetInt(SettingsKey::kScreenWidth);
    settings.height = config.GetInt(SettingsKey::kScreenHeight);
    settings.colorDepth = config.GetInt(SettingsKey::kColorDepth);
    settings.fullscreen = config.GetBool(SettingsKey::kFullscreen);
    settings.customCursors = config.GetBool(SettingsKey::kUseCustomCursors);
    settings.vsync = config.GetBool(SettingsKey::kVSync);
    settings.safeMode = config.GetBool(SettingsKey::kSafeMode);
    settings.safeModeRecommended = verdict.safeModeRecommended;
    settings.safeModeRequired = verdict.safeModeRequired;

    // A hand-edited size that makes no sense (negative counts too) falls back
    // to a mode every display offers.
    if (settings.width <= 0 || settings.height <= 0 || settings.colorDepth <= 0) {
        settings.width = DisplayDefaults::kWidth;
        settings.height = DisplayDefaults::kHeight;
        settings.colorDepth = DisplayDefaults::kColorDepth;
        settings.fullscreen = true;
        settings.safeMode = false;
    }
    // The switches force the renderer for this run whatever the file says.
    if (environment.switches.hardware) settings.safeMode = false;
    if (environment.switches.software) settings.safeMode = true;

    settings.ReadWindow(config);
    config.Close();
    settings.loaded = true;
    return settings;
}

void DisplaySettings::ReadWindow(const Registry& config) {
    // A hand-edited or damaged entry leaves the window at its mode's size, centred.
    constexpr int32_t kSmallest = 320, kLargest = 16384;  // points
    constexpr int32_t kFarthest = 65536;                  // points from the desktop's origin
    int32_t width = config.GetInt(SettingsKey::kWindowWidth), height = config.GetInt(SettingsKey::kWindowHeight);
    if (width < kSmallest || height < kSmallest * 3 / 4 || width > kLargest || height > kLargest) return;
    windowWidth = width;
    windowHeight = height;
    int32_t x = config.GetInt(SettingsKey::kWindowX), y = config.GetInt(SettingsKey::kWindowY);
    // Compared, not made absolute: the smallest int has no positive twin.
    auto far = [](int32_t at) { return at < -kFarthest || at > kFarthest; };
    if (!config.Has(SettingsKey::kWindowX) || !config.Has(SettingsKey::kWindowY) || far(x) || far(y)) return;
    windowX = x;
    windowY = y;
}

void DisplaySettings::StoreAtExit(const String& configPath, const KeepHardwareQuestion& keepHardware) {
    if (!loaded) return;
    Registry config;
    config.Load(configPath);
    config.SetInt(SettingsKey::kScreenWidth, width);
    config.SetInt(SettingsKey::kScreenHeight, height);
    config.SetInt(SettingsKey::kColorDepth, colorDepth);
    config.SetBool(SettingsKey::kFullscreen, fullscreen);
    config.SetBool(SettingsKey::kVSync, vsync);
    config.SetBool(SettingsKey::kUseCustomCursors, customCursors);
    // A size of 0 (a renderer change asked for its own size) reads back as unknown.
    config.SetInt(SettingsKey::kWindowWidth, windowWidth);
    config.SetInt(SettingsKey::kWindowHeight, windowHeight);
    if (windowX != kCentred && windowY != kCentred) {
        config.SetInt(SettingsKey::kWindowX, windowX);
        config.SetInt(SettingsKey::kWindowY, windowY);
    }
    if (AwaitsHardwareConfirmation(config.GetBool(SettingsKey::kConfirmHardware))) {
        bool keep = keepHardware
                        ? keepHardware()
                        : ShowMessageBox(kConfirmTitle, kConfirmText, MessageBoxKind::YesNo) == MessageBoxAnswer::Yes;
        if (!keep) safeMode = true;
        config.SetBool(SettingsKey::kConfirmHardware, false);
    }
    config.SetBool(SettingsKey::kSafeMode, safeMode);
    config.Close();
}

void DisplaySettings::ApplyCrashGuard(const String& configPath) const {
    Registry current;
    current.LoadReadOnly(configPath);
    if (!AwaitsHardwareConfirmation(current.GetBool(SettingsKey::kConfirmHardware))) return;
    Registry config;
    config.Load(configPath);
    config.SetBool(SettingsKey::kSafeMode, true);
}
