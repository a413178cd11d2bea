#include "fonts/FontBaker.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <vector>

#include "common/AtomicFile.h"
#include "common/Pixmap.h"
#include "common/ToolError.h"

namespace {

constexpr int kPageSize = 512;
constexpr int kFirstChar = 33;  // printable ASCII after the blank
constexpr int kLastChar = 126;
constexpr int kCellGap = 2;     // keeps neighbours out of filtered samples
constexpr uint8_t kOutlineColour[3] = {20, 16, 40};
// Characters beyond ASCII the game shows, and the byte code each is stored
// under (the game's font loader reads the em dash of UTF-8 text as DEL).
struct ExtraChar {
    FT_ULong unicode;
    int code;
};
constexpr ExtraChar kExtraChars[] = {{0x2014, 0x7F}};

struct Glyph {
    int character = 0;
    Pixmap cell;
    int advance = 0, offsetX = 0, offsetY = 0;
    int page = 0, x = 0, y = 0;
};

struct Writer {
    std::vector<uint8_t> bytes;
    void Int(int32_t v) {
        uint32_t u = uint32_t(v);
        for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(u >> (8 * i)));
    }
    void Float(float f) {
        uint32_t u;
        std::memcpy(&u, &f, 4);
        Int(int32_t(u));
    }
};

// White glyph over a soft dark outline grown from its coverage.
Pixmap MakeCell(const FT_Bitmap& bitmap, int top, int ascender, int lineHeight, float outline) {
    int pad = int(std::ceil(outline));
    Pixmap cell(int(bitmap.width) + 2 * pad, lineHeight + 2 * pad);
    std::vector<float> fill(size_t(cell.width) * cell.height, 0.0f);
    int originY = pad + ascender - top;
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned col = 0; col < bitmap.width; ++col) {
            int x = pad + int(col), y = originY + int(row);
            if (y < 0 || y >= cell.height) continue;
            fill[size_t(y) * cell.width + x] = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
        }
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) {
            float ring = 0;
            for (int dy = -pad - 1; dy <= pad + 1; ++dy)
                for (int dx = -pad - 1; dx <= pad + 1; ++dx) {
                    int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= cell.width || sy >= cell.height) continue;
                    float weight = std::clamp(outline + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    ring = std::max(ring, fill[size_t(sy) * cell.width + sx] * weight);
                }
            float a = fill[size_t(y) * cell.width + x];
            float total = a + ring * (1 - a);
            uint8_t* p = cell.At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = total > 0 ? uint8_t(std::lround((255.0f * a + kOutlineColour[c] * ring * (1 - a)) / total)) : 0;
            p[3] = uint8_t(std::lround(total * 255.0f));
        }
    return cell;
}

}  // namespace

void BakeFont(const FontRecipe& recipe, const std::string& root, const std::string& file, int line) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library)) FailAt(file, line, "cannot start FreeType");
    if (FT_New_Face(library, recipe.ttfPath.c_str(), 0, &face))
        FailAt(file, line, "cannot open font file " + recipe.ttfPath);
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(recipe.pixelSize))) FailAt(file, line, "size not available");
    int pad = int(std::ceil(recipe.outline));
    int ascender = int(face->size->metrics.ascender >> 6);
    int lineHeight = ascender - int(face->size->metrics.descender >> 6);
    FT_Fixed strength = FT_Fixed(recipe.embolden * 64.0f);

    std::vector<Glyph> glyphs;
    FT_Load_Char(face, ' ', FT_LOAD_DEFAULT);
    int spaceAdvance = int((face->glyph->advance.x + strength + 32) >> 6);
    auto bake = [&](FT_ULong unicode, int code) {
        if (FT_Load_Char(face, unicode, FT_LOAD_NO_BITMAP)) FailAt(file, line, "cannot load a glyph");
        if (strength && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_EmboldenXY(&face->glyph->outline, strength, strength);
        if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL)) FailAt(file, line, "cannot render a glyph");
        Glyph glyph;
        glyph.character = code;
        // Embolden grows the outline up and right; the advance takes the extra width.
        glyph.cell = MakeCell(face->glyph->bitmap, face->glyph->bitmap_top, ascender, lineHeight, recipe.outline);
        glyph.advance = int((face->glyph->advance.x + strength + 32) >> 6);
        glyph.offsetX = face->glyph->bitmap_left - pad;
        glyph.offsetY = -pad;
        glyphs.push_back(std::move(glyph));
    };
    for (int ch = kFirstChar; ch <= kLastChar; ++ch) bake(FT_ULong(ch), ch);
    for (const ExtraChar& extra : kExtraChars) {
        if (FT_Get_Char_Index(face, extra.unicode) == 0)
            FailAt(file, line, "the font lacks a character the game shows");
        bake(extra.unicode, extra.code);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    // Shelf packing onto square pages.
    std::vector<Pixmap> pages(1, Pixmap(kPageSize, kPageSize));
    int x = 0, y = 0, shelf = 0;
    for (Glyph& g : glyphs) {
        if (g.cell.width + kCellGap > kPageSize || g.cell.height + kCellGap > kPageSize)
            FailAt(file, line, "glyph larger than a page");
        if (x + g.cell.width + kCellGap > kPageSize) {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        if (y + g.cell.height + kCellGap > kPageSize) {
            pages.emplace_back(kPageSize, kPageSize);
            x = y = shelf = 0;
        }
        g.page = int(pages.size()) - 1;
        g.x = x;
        g.y = y;
        pages.back().Blit(g.cell, x, y);
        x += g.cell.width + kCellGap;
        shelf = std::max(shelf, g.cell.height + kCellGap);
    }

    std::string folder = root + "/Fonts/" + recipe.name + "/";
    for (size_t i = 0; i < pages.size(); ++i) WritePng(folder + "data" + std::to_string(i) + ".png", pages[i]);
    Writer out;
    out.Int(int32_t(pages.size()));
    out.Int(int32_t(glyphs.size() + 1));
    auto record = [&](int ch, int page, float gx, float gy, float w, float h, int advance, int ox, int oy) {
        out.bytes.push_back(uint8_t(ch));
        out.Int(page);
        out.Float(gx);
        out.Float(gy);
        out.Float(w);
        out.Float(h);
        out.Int(advance);
        out.Int(ox);
        out.Int(oy);
    };
    record(' ', 0, 0, 0, 0, 0, spaceAdvance, 0, 0);
    // The loader cuts one pixel more than the stated width and height.
    for (const Glyph& g : glyphs)
        record(g.character, g.page, float(g.x), float(g.y), float(g.cell.width - 1), float(g.cell.height - 1),
               g.advance, g.offsetX, g.offsetY);
    WriteBytesAtomically(folder + "font.description", out.bytes);
}
