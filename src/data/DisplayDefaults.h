#pragma once
// Display settings used before "config.cfg" has any, and the per-card table
// "Data/devices.xml" that adjusts them for known graphics devices.

#include <cstdint>
#include <functional>

#include "core/String.h"
#include "data/HardwareVerdict.h"

class ParseXML;

struct DisplayDefaults {
    static constexpr int32_t kWidth = 800;  // pixels
    static constexpr int32_t kHeight = 600;
    static constexpr int32_t kColorDepth = 16;  // bits per pixel
    static constexpr int32_t kOtherColorDepth = 32;

    int32_t width = kWidth;
    int32_t height = kHeight;
    int32_t colorDepth = kColorDepth;
    bool fullscreen = false;

    // Answers whether the display offers a width x height mode.
    using ModeCheck = std::function<bool(int32_t width, int32_t height)>;

    // Applies every top-level CARD entry whose first attribute is "name" with
    // a value equal (ignoring case) to `deviceDescription`. FORCESAFEMODE
    // marks safe mode recommended and required in `verdict`.
    void ApplyDeviceTable(const String& devicesPath, const String& deviceDescription, const ModeCheck& supportsMode,
                          HardwareVerdict& verdict);
    // The same over the table's text (what ApplyDeviceTable reads from the file).
    void ApplyDeviceText(const String& text, const String& deviceDescription, const ModeCheck& supportsMode,
                         HardwareVerdict& verdict);

private:
    void ApplyCards(ParseXML& reader, const String& deviceDescription, const ModeCheck& supportsMode,
                    HardwareVerdict& verdict);
    void ApplyCardContent(const String& content, const ModeCheck& supportsMode, HardwareVerdict& verdict);
};
