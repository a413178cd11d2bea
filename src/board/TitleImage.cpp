#include "board/TitleImage.h"

#include <algorithm>
#include <vector>

#include "media/Font.h"

namespace {
constexpr float kHeightRounding = 0.55f;
constexpr int32_t kHaloRadius = 2;  // pixels of each box-blur pass
constexpr int32_t kHaloPasses = 2;

// One box-blur pass over an alpha plane, horizontally then vertically.
void BoxBlur(std::vector<int32_t>& alpha, int32_t width, int32_t height) {
    std::vector<int32_t> line(alpha.size());
    const int32_t span = 2 * kHaloRadius + 1;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            int32_t sum = 0;
            for (int32_t k = -kHaloRadius; k <= kHaloRadius; ++k) sum += alpha[y * width + std::clamp(x + k, 0, width - 1)];
            line[y * width + x] = sum / span;
        }
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            int32_t sum = 0;
            for (int32_t k = -kHaloRadius; k <= kHaloRadius; ++k) sum += line[std::clamp(y + k, 0, height - 1) * width + x];
            alpha[y * width + x] = sum / span;
        }
}
}  // namespace

int32_t TitleImage::Width(int32_t textWidth) {
    int32_t width = textWidth + 2 * kMargin;
    return width % 2 == 1 ? width + 1 : width;
}

int32_t TitleImage::Height(float lineHeight) {
    return static_cast<int32_t>(lineHeight + kHeightRounding) + 2 * kMargin;
}

Image TitleImage::Render(const Font& font, const String& text) {
    Image result;
    if (!font.IsLoaded() || text.IsEmpty()) return result;
    int32_t width = Width(font.TextWidth(text)), height = Height(font.LineHeight());
    Image glyphs;
    if (!glyphs.Create(width, height) || !result.Create(width, height)) return Image();
    font.DrawInto(text, glyphs, kMargin, kMargin);
    std::vector<int32_t> halo(static_cast<size_t>(width) * height);
    for (int32_t i = 0; i < width * height; ++i) halo[i] = static_cast<int32_t>(glyphs.Pixels()[i] >> 24);
    for (int32_t pass = 0; pass < kHaloPasses; ++pass) BoxBlur(halo, width, height);
    // White text over the black halo.
    for (int32_t i = 0; i < width * height; ++i) {
        uint32_t text = glyphs.Pixels()[i] >> 24;
        uint32_t shadow = static_cast<uint32_t>(halo[i]);
        uint32_t alpha = text + shadow * (255 - text) / 255;
        uint32_t grey = alpha == 0 ? 0 : std::min(255u, text * 255 / alpha);
        result.Pixels()[i] = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
    }
    return result;
}
