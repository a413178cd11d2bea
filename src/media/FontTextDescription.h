#pragma once
// The text form of a font description ("%s.txt" beside the font folder),
// used when a font has no binary "font.description". One command per line:
//
//   Define CharList ("A", "B", ",", C)        characters; an item may be quoted
//   Define WidthList (12, 11, 4, 10)          one advance per character
//   Define RectList ((0 0 11 14), (12 0 10 14), ...)   x y width height on the page
//   Define OffsetList ((0 2), (1 2), ...)     x y per character
//   LayerSetImage "page"                      the page image, beside the text file
//   LayerSetCharWidths CharList WidthList     adds the listed glyphs
//
// Anything it does not understand is skipped; no input makes it fail badly.

#include "core/String.h"

class Font;

class FontTextDescription {
public:
    // Reads "folder.txt" into `font`; false (font unloaded) when it is missing
    // or defines no glyph.
    static bool Load(const String& folder, Font& font);
    // The same over the file's text; pages are loaded beside `folder`.
    static bool Parse(const String& text, const String& folder, Font& font);
};
