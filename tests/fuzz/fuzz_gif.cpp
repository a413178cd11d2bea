// The GIF decoder on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "media/GifDecoder.h"
#include "media/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Image image;
    GifDecoder::Decode(data, size, image);
    return 0;
}
