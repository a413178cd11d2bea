#include "common/Pixmap.h"

#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>

#include "common/AtomicFile.h"
#include "common/ToolError.h"

void Pixmap::Blit(const Pixmap& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        int ty = y + row;
        if (ty < 0 || ty >= height) continue;
        for (int col = 0; col < source.width; ++col) {
            int tx = x + col;
            if (tx < 0 || tx >= width) continue;
            std::memcpy(At(tx, ty), source.At(col, row), 4);
        }
    }
}

Pixmap PixmapFromSurface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Pixmap out(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    const uint8_t* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            uint8_t* o = out.At(x, y);
            for (int c = 0; c < 3; ++c) {
                uint32_t v = (p >> (16 - 8 * c)) & 0xFF;
                o[c] = uint8_t(a ? (v * 255 + a / 2) / a : 0);
            }
            o[3] = uint8_t(a);
        }
    }
    return out;
}

cairo_surface_t* SurfaceFromPixmap(const Pixmap& pixmap) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixmap.width, pixmap.height);
    uint8_t* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < pixmap.height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < pixmap.width; ++x) {
            const uint8_t* p = pixmap.At(x, y);
            uint32_t a = p[3];
            auto pre = [a](uint32_t v) { return (v * a + 127) / 255; };
            row[x] = (a << 24) | (pre(p[0]) << 16) | (pre(p[1]) << 8) | pre(p[2]);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

void WritePng(const std::string& path, const Pixmap& pixmap) {
    WriteAtomically(path, [&](const std::string& temp) {
        FILE* file = std::fopen(temp.c_str(), "wb");
        if (!file) return false;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png ? png_create_info_struct(png) : nullptr;
        bool ok = png && info;
        if (ok && setjmp(png_jmpbuf(png)) == 0) {
            png_init_io(png, file);
            png_set_compression_level(png, 9);
            png_set_IHDR(png, info, pixmap.width, pixmap.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_write_info(png, info);
            for (int y = 0; y < pixmap.height; ++y)
                png_write_row(png, const_cast<png_bytep>(pixmap.At(0, y)));
            png_write_end(png, nullptr);
        } else {
            ok = false;
        }
        png_destroy_write_struct(&png, &info);
        return std::fclose(file) == 0 && ok;
    });
}

void WriteJpeg(const std::string& path, const Pixmap& pixmap, int quality) {
    WriteAtomically(path, [&](const std::string& temp) {
        FILE* file = std::fopen(temp.c_str(), "wb");
        if (!file) return false;
        jpeg_compress_struct cinfo;
        jpeg_error_mgr jerr;
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_compress(&cinfo);
        jpeg_stdio_dest(&cinfo, file);
        cinfo.image_width = pixmap.width;
        cinfo.image_height = pixmap.height;
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        std::vector<uint8_t> row(size_t(pixmap.width) * 3);
        while (cinfo.next_scanline < cinfo.image_height) {
            const uint8_t* source = pixmap.At(0, int(cinfo.next_scanline));
            for (int x = 0; x < pixmap.width; ++x) std::memcpy(&row[size_t(x) * 3], source + x * 4, 3);
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
        jpeg_destroy_compress(&cinfo);
        return std::fclose(file) == 0;
    });
}

namespace {

Pixmap ReadPng(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    Pixmap out;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) out = PixmapFromSurface(surface);
    cairo_surface_destroy(surface);
    return out;
}

Pixmap ReadJpeg(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    Pixmap out(int(cinfo.output_width), int(cinfo.output_height));
    std::vector<uint8_t> row(size_t(cinfo.output_width) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = int(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        for (int x = 0; x < out.width; ++x) {
            std::memcpy(out.At(x, y), &row[size_t(x) * 3], 3);
            out.At(x, y)[3] = 255;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Pixmap ReadImage(const std::string& path) {
    if (EndsWith(path, ".png")) return ReadPng(path);
    if (!EndsWith(path, ".jpg")) return {};
    Pixmap colour = ReadJpeg(path);
    Pixmap mask = ReadPng(path.substr(0, path.size() - 4) + "_alpha.png");
    if (mask.width == colour.width && mask.height == colour.height) {
        for (int y = 0; y < colour.height; ++y)
            for (int x = 0; x < colour.width; ++x) colour.At(x, y)[3] = mask.At(x, y)[0];
    }
    return colour;
}
