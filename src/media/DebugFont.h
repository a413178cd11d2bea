#pragma once
// A tiny built-in 5 x 7 pixel font drawn at twice its size, for the debug
// lines (frame rate, texture swaps). Needs no data files. Lower case is drawn
// as upper case; characters it lacks are drawn as "?".

#include "core/String.h"

class Font;

class DebugFont {
public:
    // Height of one line in logical pixels.
    static constexpr float kLineHeight = 16;

    // Top-left at (x, y), in the current drawing colour.
    static void Draw(const String& text, float x, float y);
    static float TextWidth(const String& text);
    // Gives `font` these glyphs at the same size (both letter cases drawn as
    // upper case), for screens that run before any font data exists.
    static void FillFont(Font& font);
};
