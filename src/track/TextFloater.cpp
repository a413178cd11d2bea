#include "track/TextFloater.h"

#include <algorithm>
#include <cmath>

#include "media/Font.h"
#include "media/Graphics.h"
#include "media/Image.h"

namespace {
// The field a resting text stays inside, and the slide (pixels).
constexpr float kLeft = 20.0f;
constexpr float kRight = 780.0f;
constexpr float kTop = 50.0f;
constexpr float kBottom = 560.0f;
constexpr float kSlide = 40.0f;
// Texts above this line slide down instead of up.
constexpr float kSlideDownAbove = 125.0f;
// Growth per tick: scale = (scale + step) * factor, up to 1.
constexpr float kGrowthStep = 0.02f;
constexpr float kGrowthFactor = 1.03f;
// Fading per tick: alpha = (alpha - step) * factor, gone below 0.
constexpr float kFadeStep = 0.01f;
constexpr float kFadeFactor = 0.96f;
// Outline thickness in pixels around every glyph.
constexpr int32_t kOutline = 2;

uint8_t Channel(uint32_t pixel, int shift) { return static_cast<uint8_t>((pixel >> shift) & 0xFF); }

// Blends the glyph layer, tinted by `colour`, over `target` shifted by (dx, dy).
void Composite(const Image& layer, const Colour& colour, int32_t dx, int32_t dy, Image& target) {
    const float tint[3] = {colour.b, colour.g, colour.r};  // pixels are blue, green, red, alpha
    for (int32_t y = 0; y < layer.Height(); ++y) {
        for (int32_t x = 0; x < layer.Width(); ++x) {
            uint32_t* out = target.PixelAt(x + dx, y + dy);
            if (out == nullptr) continue;
            const uint32_t in = *layer.PixelAt(x, y);
            const float a = Channel(in, 24) / 255.0f * colour.a;
            if (a <= 0.0f) continue;
            uint32_t blended = 0;
            for (int c = 0; c < 3; ++c) {
                float src = Channel(in, c * 8) * tint[c];
                float dst = Channel(*out, c * 8);
                blended |= static_cast<uint32_t>(std::lround(src * a + dst * (1.0f - a))) << (c * 8);
            }
            float outAlpha = a * 255.0f + Channel(*out, 24) * (1.0f - a);
            *out = blended | (static_cast<uint32_t>(std::lround(outAlpha)) << 24);
        }
    }
}
}  // namespace

TextFloater::TextFloater(const String& text, float x, float y, const Font* font, const Colour& colour,
                         const Colour& outline) {
    mName = "TextFloater";
    float width = 0.0f;
    if (font != nullptr && font->IsLoaded()) {
        Image picture = Render(text, *font, colour, outline);
        if (!picture.IsEmpty()) {
            image.Load(picture);
            width = static_cast<float>(picture.Width());
        }
    }
    Place(x, y, width, start, end);
}

void TextFloater::Place(float x, float y, float width, Vec2& start, Vec2& end) {
    x = std::clamp(x, kLeft, kRight);
    y = std::clamp(y, kTop, kBottom);
    start = {x, y};
    end = {x, y >= kSlideDownAbove ? y - kSlide : y + kSlide};
    if (x - width / 2 < kLeft) end.x += kLeft - (x - width / 2);
    if (x + width / 2 > kRight) end.x -= (x + width / 2) - kRight;
}

Image TextFloater::Render(const String& text, const Font& font, const Colour& colour, const Colour& outline) {
    float width = 0.0f;
    float height = 0.0f;
    font.TextSize(text, width, height);
    Image layer;
    Image picture;
    const int32_t w = static_cast<int32_t>(std::ceil(width)) + 2 * kOutline;
    const int32_t h = static_cast<int32_t>(std::ceil(std::max(height, font.LineHeight()))) + 2 * kOutline;
    if (!layer.Create(w, h) || !picture.Create(w, h)) return Image();
    font.DrawInto(text, layer, kOutline, kOutline);
    for (int32_t dy = -kOutline; dy <= kOutline; ++dy) {
        for (int32_t dx = -kOutline; dx <= kOutline; ++dx) {
            if (dx != 0 || dy != 0) Composite(layer, outline, dx, dy, picture);
        }
    }
    Composite(layer, colour, 0, 0, picture);
    return picture;
}

void TextFloater::Update() {
    if (growing) {
        scale = (scale + kGrowthStep) * kGrowthFactor;
        if (scale >= 1.0f) {
            scale = 1.0f;
            growing = false;
        }
    } else if (holdTicks >= 1) {
        --holdTicks;
    } else {
        fading = true;
        alpha = (alpha - kFadeStep) * kFadeFactor;
        if (alpha < 0.0f) Kill();
    }
}

void TextFloater::Draw() {
    if (!image.IsLoaded()) return;
    Vec2 at = end;
    if (!fading) at = {start.x + (end.x - start.x) * scale, start.y + (end.y - start.y) * scale};
    GetGraphics().SetColour(1.0f, 1.0f, 1.0f, std::max(alpha, 0.0f));
    image.DrawRotatedScaled(at.x, at.y, 0.0f, scale);
}
