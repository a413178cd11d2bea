#pragma once
// Our own GIF reader: GIF87a and GIF89a, global and local colour tables, the
// transparent index of the graphic-control extension (alpha 0, all bytes 0),
// interlaced frames, LZW codes up to 12 bits. Frame offsets and the background
// colour are ignored; the picture has the size of the frame, and with several
// frames the last one is the result.

#include <cstddef>
#include <cstdint>

class Image;

class GifDecoder {
public:
    // False (image empty) when the data is not a GIF, a frame has zero width
    // or height, or a frame is larger than Image::kMaxSide or than its
    // compressed data could possibly fill.
    static bool Decode(const uint8_t* bytes, size_t size, Image& image);
};
