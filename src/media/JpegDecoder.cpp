#include "media/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "media/Image.h"

namespace {
// Working memory libjpeg may take for one picture (progressive files keep
// every coefficient): enough for the largest picture we accept.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf escape;
};

void OnError(j_common_ptr info) { longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1); }
void OnMessage(j_common_ptr, int) {}

// Everything that libjpeg may jump out of lives here, with no C++ objects
// whose destructors a longjmp would skip.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* bytes, size_t size, Image& image) {
    if (setjmp(errors.escape)) return false;
    jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (info.image_width > static_cast<JDIMENSION>(Image::kMaxSide) ||
        info.image_height > static_cast<JDIMENSION>(Image::kMaxSide))
        return false;
    info.out_color_space = JCS_EXT_BGRA;
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_start_decompress(&info);
    if (info.output_components != 4 ||
        !image.Create(static_cast<int32_t>(info.output_width), static_cast<int32_t>(info.output_height)))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(image.PixelAt(0, static_cast<int32_t>(info.output_scanline)));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}
}  // namespace

bool JpegDecoder::Decode(const uint8_t* bytes, size_t size, Image& image) {
    image.Clear();
    if (size == 0) return false;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    jpeg_create_decompress(&info);
    bool ok = DecodeInto(info, errors, bytes, size, image);
    jpeg_destroy_decompress(&info);
    if (!ok) image.Clear();
    return ok;
}
