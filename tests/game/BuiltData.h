#pragma once
// Reading the built game data root in tests: where it is, resolving resource
// names the way the game does, and decoding its files.

#include <cstdint>
#include <string>
#include <vector>

// The data root: $PZ_TEST_DATA, else the build tree's data folder; empty when
// neither exists (tests then skip).
std::string BuiltDataRoot();

// "Graphics\\balls\\1" -> the existing path under root, matching every folder
// and file name ignoring case, without extension. `extensions` are tried in
// order (".png", ...); an empty extension looks for a folder. Empty when none.
std::string ResolveResource(const std::string& root, const std::string& name,
                            const std::vector<std::string>& extensions);

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};
// PNG, or JPEG with an optional "_alpha.png" mask; width 0 when undecodable.
Picture LoadPicture(const std::string& path);

struct Samples {
    int rate = 0;
    std::vector<float> mono;  // channels averaged
};
// Decodes an Ogg Vorbis file; rate 0 when undecodable.
Samples LoadOgg(const std::string& path);

struct GlyphRecord {
    int character, page;
    float x, y, width, height;
    int advance, offsetX, offsetY;
};
struct FontTable {
    int pages = 0;
    std::vector<GlyphRecord> glyphs;
    const GlyphRecord* Find(int character) const;
};
// Reads a "font.description"; false on a short or implausible file.
bool LoadFontTable(const std::string& path, FontTable& table);
