#include "data/DisplayDefaults.h"

#include "data/ParseXML.h"

namespace {
// "1024x768" -> width and height; false unless both are positive numbers.
bool ReadResolution(const String& text, int32_t& width, int32_t& height) {
    int32_t separator = text.FindChar('x');
    if (separator < 0) separator = text.FindChar('X');
    if (separator < 0) return false;
    width = text.Substring(0, separator).Trimmed().ToInt();
    height = text.Substring(separator + 1).Trimmed().ToInt();
    return width > 0 && height > 0;
}

bool MatchesCard(const ParseXMLTag& tag, const String& deviceDescription) {
    if (!tag.name.EqualsIgnoreCase("CARD")) return false;
    ParseXMLTag first = tag.Attribute(0);
    return !first.missing && first.name.EqualsIgnoreCase("name") && first.content.EqualsIgnoreCase(deviceDescription.view());
}
}  // namespace

void DisplayDefaults::ApplyDeviceTable(const String& devicesPath, const String& deviceDescription,
                                       const ModeCheck& supportsMode, HardwareVerdict& verdict) {
    ParseXML reader;
    reader.OpenFile(devicesPath);
    ApplyCards(reader, deviceDescription, supportsMode, verdict);
}

void DisplayDefaults::ApplyDeviceText(const String& text, const String& deviceDescription,
                                      const ModeCheck& supportsMode, HardwareVerdict& verdict) {
    ParseXML reader;
    reader.OpenText(text);
    ApplyCards(reader, deviceDescription, supportsMode, verdict);
}

void DisplayDefaults::ApplyCards(ParseXML& reader, const String& deviceDescription, const ModeCheck& supportsMode,
                                 HardwareVerdict& verdict) {
    for (ParseXMLTag tag = reader.ReadTag(); !tag.missing; tag = reader.ReadTag()) {
        if (MatchesCard(tag, deviceDescription)) ApplyCardContent(tag.content, supportsMode, verdict);
    }
}

void DisplayDefaults::ApplyCardContent(const String& content, const ModeCheck& supportsMode, HardwareVerdict& verdict) {
    ParseXML reader;
    reader.OpenText(content);
    for (ParseXMLTag tag = reader.ReadTag(); !tag.missing; tag = reader.ReadTag()) {
        String value = tag.content.Trimmed();
        if (tag.name.EqualsIgnoreCase("DEFAULTCOLORDEPTH")) {
            int32_t depth = value.ToInt();
            colorDepth = depth == kOtherColorDepth ? kOtherColorDepth : kColorDepth;
        } else if (tag.name.EqualsIgnoreCase("DEFAULTRESOLUTION")) {
            int32_t w = 0;
            int32_t h = 0;
            if (ReadResolution(value, w, h) && supportsMode && supportsMode(w, h)) {
                width = w;
                height = h;
            }
        } else if (tag.name.EqualsIgnoreCase("DEFAULTFULLSCREEN")) {
            fullscreen = value.ToBool();
        } else if (tag.name.EqualsIgnoreCase("FORCESAFEMODE")) {
            ParseXMLTag version = tag.Attribute(0);
            bool applies = version.missing || !version.name.EqualsIgnoreCase("dxversion") ||
                           verdict.dxVersion.StartsWith(version.content.view());
            if (applies && value.ToBool()) {
                verdict.safeModeRecommended = true;
                verdict.safeModeRequired = true;
            }
        }
    }
}
