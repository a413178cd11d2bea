#pragma once
// JPEG through libjpeg into the 0xAARRGGBB layout with alpha 255.

#include <cstddef>
#include <cstdint>

class Image;

class JpegDecoder {
public:
    // False (image empty) on any decoding error or a side above Image::kMaxSide.
    static bool Decode(const uint8_t* bytes, size_t size, Image& image);
};
