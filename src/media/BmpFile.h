#pragma once
// Uncompressed 24-bit BMP files (screenshots): a 14-byte file header "BM", a
// 40-byte info header, then the rows bottom-up, each padded to 4 bytes, pixels
// in blue, green, red order.

#include <cstdint>
#include <vector>

#include "core/String.h"

class BmpFile {
public:
    // `pixels` are 0xAARRGGBB, rows top to bottom; alpha is dropped.
    static bool Write(const String& path, const uint32_t* pixels, int32_t width, int32_t height);
    // Reads a file written by Write back (opaque pixels, rows top to bottom);
    // false for anything else.
    static bool Read(const String& path, std::vector<uint32_t>& pixels, int32_t& width, int32_t& height);
};
