#pragma once
// The ".cached" picture record (little-endian, no header): int32 width,
// int32 height, width x height pixels (blue, green, red, alpha; rows top to
// bottom), int32 extra size n, n extra bytes.

#include <cstddef>
#include <cstdint>

class IOBuffer;
class Image;

class ImageCache {
public:
    static void Write(const Image& image, IOBuffer& out);
    // False (image empty) on a size outside 1 .. Image::kMaxSide or any field
    // running past the end of the data.
    static bool Read(const uint8_t* bytes, size_t size, Image& image);
};
