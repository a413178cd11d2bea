#pragma once
// A bitmap font: glyphs cut from page images ("%s\\data%d" in the font's
// folder) as listed by the binary glyph table "font.description", or, without
// one, by the text description "%s.txt". Text is laid out left to right with
// each glyph's advance and offsets; "\n" starts a new line. Only character
// bytes 1 .. 127 can have glyphs; 128 .. 255 are skipped by every operation,
// except for the em dash written in UTF-8, which is shown as the glyph of
// kEmDash (the font baker puts it there).
// Every operation on a font that is not loaded answers 0 or does nothing.

#include <array>
#include <cstdint>
#include <vector>

#include "core/Colour.h"
#include "core/Rect.h"
#include "core/String.h"
#include "media/Image.h"
#include "media/Sprite.h"

class Font {
public:
    // Page images a font may have, and glyph records its table may hold.
    static constexpr int32_t kMaxPages = 64;
    static constexpr int32_t kMaxGlyphRecords = 4096;
    // The character code the em dash's glyph is stored under (no text byte
    // of its own: DEL).
    static constexpr uint8_t kEmDash = 0x7F;

    struct Point {
        float x = 0, y = 0;
    };

    Font() = default;
    virtual ~Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Loads the font in the resource folder `folder` ("Fonts\\Arial24Bold").
    bool Load(const String& folder);
    // The binary glyph table held in memory; pages come from `folder`.
    bool LoadDescription(const uint8_t* bytes, size_t size, const String& folder);
    bool IsLoaded() const { return mLoaded; }

    // Each glyph at its layout position relative to (x, y), in the current colour.
    void Draw(const String& text, float x, float y) const;
    // The same in `colour` (the graphics colour is restored afterwards).
    void Draw(const String& text, float x, float y, const Colour& colour) const;
    // Paints the text into `target` with (x, y) as its origin, blending each
    // glyph's pixels over what is there (texts rendered once into a picture).
    void DrawInto(const String& text, Image& target, float x, float y) const;

    // Width of the widest line: advances and blanks summed, rounded.
    int32_t TextWidth(const String& text) const;
    // Width: the largest pen position after a glyph; height: the bottom of the
    // last line that holds a glyph.
    void TextSize(const String& text, float& width, float& height) const;
    // One position per character of `text` (glyph top-left, or the pen for
    // characters without a glyph).
    void GlyphPositions(const String& text, std::vector<Point>& out) const;
    int32_t Advance(uint8_t ch) const;
    // Whether `ch` can be shown: it has a glyph, or it is the blank.
    bool HasGlyph(uint8_t ch) const;
    // A copy of the glyph's pixels (its source rectangle on its page); empty
    // when the character has none.
    Image GlyphImage(uint8_t ch) const;

    float SpaceWidth() const { return mSpaceWidth; }
    float LineHeight() const { return mLineHeight; }

    // Adds a glyph unless `ch` has one already (the first definition wins);
    // the blank only sets the space width. Used by both description readers.
    void AddGlyph(uint8_t ch, int32_t page, const Rect& source, float advance, float offsetX, float offsetY);
    // Loads the page images "folder\\data0" ... for the readers.
    void LoadPages(const String& folder, int32_t count);
    // Adds a page image under the next page index; answers that index (-1
    // when the font has kMaxPages already).
    int32_t AddPage(Image page);
    void MarkLoaded() { mLoaded = true; }

private:
    static constexpr int32_t kFirstGlyph = 1;
    static constexpr int32_t kGlyphLimit = 128;  // bytes from here up never have glyphs

    struct Glyph {
        bool defined = false;
        float advance = 0;
        float offsetX = 0, offsetY = 0;
        int32_t page = -1;
        Rect source;
        Sprite sprite;
    };

    // Calls each(code) for every character of `text`: its byte, or kEmDash
    // for the three bytes of a UTF-8 em dash.
    template <class Each>
    static void ForEachCode(const String& text, Each each);
    // Calls visit(glyph or null, pen x, pen y, character) for each character in layout order.
    template <class Visit>
    void Layout(const String& text, Visit visit) const;

    std::array<Glyph, kGlyphLimit> mGlyphs;
    std::vector<Image> mPages;
    float mSpaceWidth = 0;
    float mLineHeight = 0;
    bool mLoaded = false;
};
