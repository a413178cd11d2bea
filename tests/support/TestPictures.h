#pragma once
// Small pictures and picture files made on the fly for tests and benchmarks.

#include <cstdint>
#include <string>
#include <vector>

#include "media/Image.h"

namespace TestPictures {
// A width x height image filled with `pixel` (0xAARRGGBB).
Image Filled(int32_t width, int32_t height, uint32_t pixel);
// PNG bytes of `image` with its alpha.
std::string Png(const Image& image);
// Baseline JPEG bytes of `image` (alpha dropped).
std::string Jpeg(const Image& image);
// A one-frame GIF of palette indices (row order as stored in the file when
// `interlaced`), with an optional transparent index (-1: none).
std::string Gif(int32_t width, int32_t height, const std::vector<uint32_t>& palette,
                const std::vector<uint8_t>& indices, bool interlaced = false, int32_t transparent = -1);
}  // namespace TestPictures
