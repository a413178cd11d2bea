// A font's binary glyph table and its text description on arbitrary bytes,
// followed by measuring and laying out text with whatever was loaded.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/Font.h"
#include "media/FontTextDescription.h"
#include "platform/MessageBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetHeadless(true);  // missing page images must not open dialogs
    const String sample("ab c\n\x7f\x80Z");
    std::vector<Font::Point> positions;
    float width = 0, height = 0;
    {
        Font font;
        font.LoadDescription(data, size, "fuzz");
        font.TextWidth(sample);
        font.TextSize(sample, width, height);
        font.GlyphPositions(sample, positions);
    }
    Font font;
    FontTextDescription::Parse(String(reinterpret_cast<const char*>(data), size), "fuzz", font);
    font.TextWidth(sample);
    font.GlyphPositions(sample, positions);
    return 0;
}
