#include "game/menus/MenuText.h"

#include <algorithm>

#include "media/Font.h"

namespace {
constexpr int32_t kPadding = 15;      // pixels added to the text's width and height
constexpr float kTextOrigin = 8;      // pixels from the picture's corner to the text
constexpr int32_t kInnerRing = 1;     // pixels of the solid outline
constexpr int32_t kOuterRing = 2;     // pixels of the faint outline around it
constexpr uint32_t kOuterShare = 64;  // of 255: the faint outline's opacity (0.25)
constexpr int32_t kDropPerStep = 4;   // characters dropped per shortening step
constexpr const char* kEllipsis = "...";
constexpr const char* kNoName = "New User";

int32_t RoundUpEven(int32_t value) { return value + (value & 1); }

uint32_t AlphaOf(const Image& image, int32_t x, int32_t y) {
    const uint32_t* pixel = image.PixelAt(x, y);
    return pixel ? *pixel >> 24 : 0;
}

// The largest opacity of `letters` within `ring` pixels of (x, y).
uint32_t NearestInk(const Image& letters, int32_t x, int32_t y, int32_t ring) {
    uint32_t most = 0;
    for (int32_t dy = -ring; dy <= ring; ++dy)
        for (int32_t dx = -ring; dx <= ring; ++dx) most = std::max(most, AlphaOf(letters, x + dx, y + dy));
    return most;
}
}  // namespace

Image RenderOutlinedText(const Font& font, const String& text) {
    int32_t width = RoundUpEven(font.TextWidth(text) + kPadding);
    int32_t height = RoundUpEven(static_cast<int32_t>(font.LineHeight()) + kPadding);
    Image letters;
    letters.Create(width, height);
    font.DrawInto(text, letters, kTextOrigin, kTextOrigin);
    Image result;
    result.Create(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t ink = AlphaOf(letters, x, y);
            uint32_t outline = std::max(NearestInk(letters, x, y, kInnerRing),
                                        NearestInk(letters, x, y, kOuterRing) * kOuterShare / 255);
            // White letters over the black outline: the colour is the letters' share.
            uint32_t alpha = ink + outline * (255 - ink) / 255;
            uint32_t grey = alpha ? ink * 255 / alpha : 0;
            *result.PixelAt(x, y) = alpha << 24 | grey << 16 | grey << 8 | grey;
        }
    }
    return result;
}

String ShortenToWidth(const Font& font, const String& text, int32_t maxWidth) {
    if (font.TextWidth(text) <= maxWidth) return text;
    String kept = text, shown;
    do {
        kept = kept.Substring(0, std::max(0, kept.Length() - kDropPerStep));
        shown = kept + kEllipsis;
    } while (!kept.IsEmpty() && font.TextWidth(shown) > maxWidth);
    return shown;
}

String GreetingName(const Font& font, const String& name, int32_t maxWidth) {
    String shown = name.Trimmed();
    if (shown.IsEmpty()) return kNoName;
    return ShortenToWidth(font, shown, maxWidth);
}
