#pragma once
// PNG through libpng into the 0xAARRGGBB layout: palette and low bit depths
// expanded, grey made RGB, alpha 255 where the file has none.

#include <cstddef>
#include <cstdint>

class Image;

class PngDecoder {
public:
    // False (image empty) on any decoding error, a side above
    // Image::kMaxSide, or a size the compressed data cannot justify.
    static bool Decode(const uint8_t* bytes, size_t size, Image& image);
};
