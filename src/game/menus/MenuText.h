#pragma once
// Texts the menus render once into pictures: white letters with a dark
// outline that keeps them readable over any background, and the greeting's
// profile name fitted to its plate.

#include <cstdint>

#include "core/String.h"
#include "media/Image.h"

class Font;

// `text` in white at (8, 8) of a picture 15 pixels wider and higher than the
// text (both rounded up to even), outlined in black.
Image RenderOutlinedText(const Font& font, const String& text);

// `text` unchanged when it is at most `maxWidth` pixels wide, otherwise
// shortened with "..." until it is.
String ShortenToWidth(const Font& font, const String& text, int32_t maxWidth);

// The profile name as the greeting shows it: trimmed, "New User" when empty,
// and shortened with "..." until it is at most `maxWidth` pixels wide.
String GreetingName(const Font& font, const String& name, int32_t maxWidth);
