#pragma once
// Bakes one bitmap font folder: glyph page images "data%d.png" plus the binary
// glyph table "font.description" the game's font loader reads.
#include <string>

struct FontRecipe {
    std::string name;      // folder under Fonts/
    std::string ttfPath;
    int pixelSize = 0;     // em size in pixels
    float outline = 0;     // radius of the baked dark outline, pixels
    float embolden = 0;    // extra stroke weight, pixels (a heavier face)
};

// Writes <root>/Fonts/<name>/; fails with the recipe's file and line on errors.
void BakeFont(const FontRecipe& recipe, const std::string& root, const std::string& recipeFile, int recipeLine);
