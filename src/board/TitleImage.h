#pragma once
// A level title rendered once into a picture: white text over a soft dark
// halo, with a 10-pixel margin all round.

#include <cstdint>

#include "core/String.h"
#include "media/Image.h"

class Font;

class TitleImage {
public:
    static constexpr int32_t kMargin = 10;  // pixels on every side of the text

    // Picture sides for a text of this width and a font of this line height:
    // the width made even (some renderers blur odd-width textures).
    static int32_t Width(int32_t textWidth);
    static int32_t Height(float lineHeight);
    // Empty for an empty text or a font that is not loaded.
    static Image Render(const Font& font, const String& text);
};
