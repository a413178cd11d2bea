#include "media/PngDecoder.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "media/Image.h"

namespace {
// Deflate never expands data by more than this factor, so a file of n bytes
// cannot hold more than n times this many bytes of rows.
constexpr uint64_t kMaxInflateRatio = 1032;
// A 1-bit pixel becomes 4 bytes after expansion.
constexpr uint64_t kMaxExpansion = 32;
constexpr size_t kSignatureBytes = 8;

struct MemoryStream {
    const uint8_t* bytes;
    size_t size;
    size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* stream = static_cast<MemoryStream*>(png_get_io_ptr(png));
    if (stream->size - stream->position < count) png_error(png, "truncated");
    std::memcpy(out, stream->bytes + stream->position, count);
    stream->position += count;
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Everything that libpng may jump out of lives here, with no C++ objects
// whose destructors a longjmp would skip.
bool DecodeInto(png_structp png, png_infop info, size_t size, Image& image, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, Image::kMaxSide, Image::kMaxSide);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    int depth = png_get_bit_depth(png, info);
    int colourType = png_get_color_type(png, info);
    if (static_cast<uint64_t>(width) * height * 4 > static_cast<uint64_t>(size) * kMaxInflateRatio * kMaxExpansion) return false;
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;
    if (!image.Create(static_cast<int32_t>(width), static_cast<int32_t>(height))) return false;
    for (png_uint_32 row = 0; row < height; ++row)
        rows[row] = reinterpret_cast<png_bytep>(image.PixelAt(0, static_cast<int32_t>(row)));
    png_read_image(png, rows.data());
    return true;
}
}  // namespace

bool PngDecoder::Decode(const uint8_t* bytes, size_t size, Image& image) {
    image.Clear();
    if (size < kSignatureBytes || png_sig_cmp(bytes, 0, kSignatureBytes) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    MemoryStream stream{bytes, size, 0};
    std::vector<png_bytep> rows(Image::kMaxSide);
    bool ok = info != nullptr;
    if (ok) {
        png_set_read_fn(png, &stream, ReadFromMemory);
        ok = DecodeInto(png, info, size, image, rows);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!ok) image.Clear();
    return ok;
}
