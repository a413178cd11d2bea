#include "support/TestPictures.h"

#include <png.h>
#include <jpeglib.h>

#include <cstdio>

namespace {
void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}
void FlushNothing(png_structp) {}

void Word(std::string& out, int32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}
}  // namespace

namespace TestPictures {
Image Filled(int32_t width, int32_t height, uint32_t pixel) {
    Image image;
    image.Create(width, height);
    for (uint32_t& p : image.mPixels) p = pixel;
    return image;
}

std::string Png(const Image& image) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, FlushNothing);
    png_set_IHDR(png, info, image.Width(), image.Height(), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int32_t row = 0; row < image.Height(); ++row)
        png_write_row(png, reinterpret_cast<png_const_bytep>(image.PixelAt(0, row)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string Jpeg(const Image& image) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRA;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(image.PixelAt(0, info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

std::string Gif(int32_t width, int32_t height, const std::vector<uint32_t>& palette,
                const std::vector<uint8_t>& indices, bool interlaced, int32_t transparent) {
    const int32_t codeSize = 2;  // palettes up to 4 colours
    std::string out = "GIF89a";
    Word(out, width);
    Word(out, height);
    out += static_cast<char>(0x80 | (codeSize - 1));  // global table of 2^codeSize entries
    out += '\0';
    out += '\0';
    for (int32_t i = 0; i < (1 << codeSize); ++i) {
        uint32_t rgb = i < static_cast<int32_t>(palette.size()) ? palette[i] : 0;
        out += static_cast<char>(rgb >> 16);
        out += static_cast<char>(rgb >> 8);
        out += static_cast<char>(rgb);
    }
    if (transparent >= 0) out += std::string("\x21\xF9\x04\x01\x00\x00", 6) + static_cast<char>(transparent) + '\0';
    out += '\x2C';
    Word(out, 0);
    Word(out, 0);
    Word(out, width);
    Word(out, height);
    out += static_cast<char>(interlaced ? 0x40 : 0);
    out += static_cast<char>(codeSize);
    // A clear code before every pixel keeps every code codeSize + 1 bits wide.
    const int32_t clear = 1 << codeSize, end = clear + 1, bits = codeSize + 1;
    std::string data;
    uint32_t accumulator = 0;
    int32_t count = 0;
    auto emit = [&](int32_t code) {
        accumulator |= static_cast<uint32_t>(code) << count;
        count += bits;
        while (count >= 8) {
            data += static_cast<char>(accumulator & 0xFF);
            accumulator >>= 8;
            count -= 8;
        }
    };
    for (uint8_t index : indices) {
        emit(clear);
        emit(index);
    }
    emit(end);
    if (count > 0) data += static_cast<char>(accumulator & 0xFF);
    for (size_t at = 0; at < data.size(); at += 255) {
        std::string block = data.substr(at, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    out += '\x3B';
    return out;
}
}  // namespace TestPictures
