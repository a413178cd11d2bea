#include "media/Font.h"

#include <algorithm>
#include <cmath>

#include "core/IOBuffer.h"
#include "media/FontTextDescription.h"
#include "media/Graphics.h"
#include "platform/ResourcePaths.h"

namespace {
constexpr char kBlank = ' ';
constexpr char kNewLine = '\n';
// One glyph record: character, page, x, y, width, height, advance, offset x, offset y.
constexpr int32_t kGlyphRecordBytes = 1 + 4 * 8;
// No glyph moves the pen or itself further than this, in pixels; larger
// values in a file are clamped (and NaN reads as 0).
constexpr float kMaxMetric = 65536;
// Widths are answered as int32: sums of clamped metrics stay below this.
constexpr float kMaxWidth = 2.0e9f;
constexpr char kEmDashUtf8[] = "\xE2\x80\x94";
constexpr size_t kEmDashBytes = sizeof kEmDashUtf8 - 1;

float Metric(float value) { return std::isfinite(value) ? std::clamp(value, -kMaxMetric, kMaxMetric) : 0.0f; }

bool IsFiniteRect(const Rect& r) {
    return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) && std::isfinite(r.height);
}
}  // namespace

bool Font::Load(const String& folder) {
    IOBuffer file;
    String path = ResourcePaths::Find(folder + "\\font.description");
    if (!path.IsEmpty() && file.LoadFile(path)) return LoadDescription(file.Data(), file.Size(), folder);
    return FontTextDescription::Load(folder, *this);
}

bool Font::LoadDescription(const uint8_t* bytes, size_t size, const String& folder) {
    IOBuffer in;
    in.SetData(bytes, static_cast<int32_t>(std::min<size_t>(size, IOBuffer::kMaxFileBytes)));
    int32_t pageCount = in.ReadInt();
    int32_t glyphCount = in.ReadInt();
    if (in.HasError() || pageCount < 0 || pageCount > kMaxPages || glyphCount < 0 || glyphCount > kMaxGlyphRecords ||
        glyphCount > in.Remaining() / kGlyphRecordBytes)
        return false;
    LoadPages(folder, pageCount);
    for (int32_t i = 0; i < glyphCount; ++i) {
        uint8_t ch = in.ReadByte();
        int32_t page = in.ReadInt();
        Rect source;
        source.x = in.ReadFloat();
        source.y = in.ReadFloat();
        source.width = in.ReadFloat();
        source.height = in.ReadFloat();
        float advance = static_cast<float>(in.ReadInt());
        float offsetX = static_cast<float>(in.ReadInt());
        float offsetY = static_cast<float>(in.ReadInt());
        AddGlyph(ch, page, source, advance, offsetX, offsetY);
    }
    mLoaded = true;
    return true;
}

void Font::LoadPages(const String& folder, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        Image page;
        page.Load(String::Format("%s\\data%d", folder.c_str(), i));
        AddPage(std::move(page));
    }
}

int32_t Font::AddPage(Image page) {
    if (static_cast<int32_t>(mPages.size()) >= kMaxPages) return -1;
    mPages.push_back(std::move(page));
    return static_cast<int32_t>(mPages.size()) - 1;
}

void Font::AddGlyph(uint8_t ch, int32_t page, const Rect& source, float advance, float offsetX, float offsetY) {
    if (ch < kFirstGlyph || ch >= kGlyphLimit || !IsFiniteRect(source)) return;
    mLineHeight = std::max(mLineHeight, Metric(source.height));
    if (ch == kBlank) {
        mSpaceWidth = Metric(advance);
        return;
    }
    Glyph& glyph = mGlyphs[ch];
    if (glyph.defined) return;
    glyph.defined = true;
    glyph.advance = Metric(advance);
    glyph.offsetX = Metric(offsetX);
    glyph.offsetY = Metric(offsetY);
    // One texel wider and taller than stated, as the pages were made for.
    glyph.source = Rect{source.x, source.y, source.width + 1, source.height + 1};
    glyph.page = page >= 0 && page < static_cast<int32_t>(mPages.size()) ? page : -1;
    if (glyph.page >= 0) glyph.sprite.Load(mPages[static_cast<size_t>(glyph.page)], glyph.source);
}

template <class Each>
void Font::ForEachCode(const String& text, Each each) {
    std::string_view bytes = text.view();
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (bytes.substr(at, kEmDashBytes) == kEmDashUtf8) {
            each(kEmDash);
            at += kEmDashBytes - 1;
        } else {
            each(static_cast<uint8_t>(bytes[at]));
        }
    }
}

template <class Visit>
void Font::Layout(const String& text, Visit visit) const {
    float x = 0, top = 0;
    ForEachCode(text, [&](uint8_t ch) {
        auto c = static_cast<char>(ch);
        if (ch >= kGlyphLimit) return;
        if (c == kNewLine) {
            x = 0;
            top += mLineHeight;
            visit(nullptr, x, top, ch);
        } else if (c == kBlank) {
            visit(nullptr, x, top, ch);
            x += mSpaceWidth;
        } else if (mGlyphs[ch].defined) {
            const Glyph& glyph = mGlyphs[ch];
            visit(&glyph, x + glyph.offsetX, top + glyph.offsetY, ch);
            x += glyph.advance;
        } else {
            visit(nullptr, x, top, ch);
        }
    });
}

void Font::Draw(const String& text, float x, float y) const {
    if (!mLoaded) return;
    Layout(text, [&](const Glyph* glyph, float gx, float gy, uint8_t) {
        if (glyph) glyph->sprite.Draw(x + gx, y + gy);
    });
}

void Font::Draw(const String& text, float x, float y, const Colour& colour) const {
    Graphics& graphics = GetGraphics();
    graphics.PushColour(colour);
    Draw(text, x, y);
    graphics.PopColour();
}

void Font::DrawInto(const String& text, Image& target, float x, float y) const {
    if (!mLoaded) return;
    Layout(text, [&](const Glyph* glyph, float gx, float gy, uint8_t ch) {
        if (!glyph) return;
        Image pixels = GlyphImage(ch);
        int32_t left = static_cast<int32_t>(std::lround(x + gx)), top = static_cast<int32_t>(std::lround(y + gy));
        for (int32_t row = 0; row < pixels.Height(); ++row) {
            for (int32_t col = 0; col < pixels.Width(); ++col) {
                uint32_t* out = target.PixelAt(left + col, top + row);
                if (!out) continue;
                uint32_t in = *pixels.PixelAt(col, row);
                uint32_t alpha = in >> 24, keep = 255 - alpha;
                uint32_t blended = 0;
                for (int shift = 0; shift < 24; shift += 8)
                    blended |= ((((in >> shift) & 0xFF) * alpha + ((*out >> shift) & 0xFF) * keep) / 255) << shift;
                uint32_t outAlpha = alpha + ((*out >> 24) * keep) / 255;
                *out = blended | (outAlpha << 24);
            }
        }
    });
}

int32_t Font::TextWidth(const String& text) const {
    if (!mLoaded) return 0;
    float line = 0, widest = 0;
    ForEachCode(text, [&](uint8_t ch) {
        if (ch == kNewLine) {
            line = 0;
        } else if (ch == kBlank) {
            line += mSpaceWidth;
        } else if (ch < kGlyphLimit && mGlyphs[ch].defined) {
            line += mGlyphs[ch].advance;
        }
        widest = std::max(widest, line);
    });
    return static_cast<int32_t>(std::min(widest + 0.5f, kMaxWidth));
}

void Font::TextSize(const String& text, float& width, float& height) const {
    width = height = 0;
    if (!mLoaded) return;
    float x = 0, top = 0;
    ForEachCode(text, [&](uint8_t ch) {
        if (ch == kNewLine) {
            x = 0;
            top += mLineHeight;
        } else if (ch == kBlank) {
            x += mSpaceWidth;
        } else if (ch < kGlyphLimit && mGlyphs[ch].defined) {
            x += mGlyphs[ch].advance;
            width = std::max(width, x);
            height = top + mLineHeight;
        }
    });
}

void Font::GlyphPositions(const String& text, std::vector<Point>& out) const {
    out.clear();
    if (!mLoaded) return;
    Layout(text, [&](const Glyph*, float gx, float gy, uint8_t) { out.push_back(Point{gx, gy}); });
}

int32_t Font::Advance(uint8_t ch) const {
    if (!mLoaded || ch >= kGlyphLimit) return 0;
    if (ch == static_cast<uint8_t>(kBlank)) return static_cast<int32_t>(mSpaceWidth);
    return mGlyphs[ch].defined ? static_cast<int32_t>(mGlyphs[ch].advance) : 0;
}

bool Font::HasGlyph(uint8_t ch) const {
    if (!mLoaded || ch >= kGlyphLimit) return false;
    return ch == static_cast<uint8_t>(kBlank) || mGlyphs[ch].defined;
}

Image Font::GlyphImage(uint8_t ch) const {
    Image image;
    if (!mLoaded || ch >= kGlyphLimit || !mGlyphs[ch].defined || mGlyphs[ch].page < 0) return image;
    const Glyph& glyph = mGlyphs[ch];
    const Rect& r = glyph.source;
    auto clampTo = [](float v, int32_t limit) {
        return static_cast<int32_t>(std::clamp(v, 0.0f, static_cast<float>(limit)));
    };
    const Image& page = mPages[static_cast<size_t>(glyph.page)];
    int32_t left = clampTo(std::floor(r.x), page.Width()), top = clampTo(std::floor(r.y), page.Height());
    int32_t right = clampTo(std::ceil(r.Right()), page.Width()), bottom = clampTo(std::ceil(r.Bottom()), page.Height());
    image.CopyFrom(page, left, top, right - left, bottom - top);
    return image;
}
