// Every picture decoder that reads a game file (PNG, JPEG, GIF and the
// ".cached" record) on the same arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "media/GifDecoder.h"
#include "media/Image.h"
#include "media/ImageCache.h"
#include "media/JpegDecoder.h"
#include "media/PngDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Image image;
    PngDecoder::Decode(data, size, image);
    JpegDecoder::Decode(data, size, image);
    GifDecoder::Decode(data, size, image);
    ImageCache::Read(data, size, image);
    return 0;
}
