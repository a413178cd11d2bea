#include "game/BuiltData.h"

#include <jpeglib.h>
#include <png.h>
#include <strings.h>
#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
constexpr int kMostGlyphs = 256;
constexpr int kMostPages = 64;
}  // namespace

std::string BuiltDataRoot() {
    const char* env = std::getenv("PZ_TEST_DATA");
    if (env && fs::is_directory(env)) return env;
#ifdef PZ_BUILT_DATA_DIR
    if (fs::is_directory(PZ_BUILT_DATA_DIR)) return PZ_BUILT_DATA_DIR;
#endif
    return "";
}

std::string ResolveResource(const std::string& root, const std::string& name,
                            const std::vector<std::string>& extensions) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '\\' || name[i] == '/') {
            if (i > start) parts.push_back(name.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.empty()) return "";
    fs::path folder = root;
    for (size_t p = 0; p + 1 < parts.size(); ++p) {
        fs::path next;
        std::error_code error;
        for (const auto& item : fs::directory_iterator(folder, error))
            if (item.is_directory() && strcasecmp(item.path().filename().c_str(), parts[p].c_str()) == 0)
                next = item.path();
        if (next.empty()) return "";
        folder = next;
    }
    for (const std::string& extension : extensions) {
        std::error_code error;
        for (const auto& item : fs::directory_iterator(folder, error)) {
            std::string file = item.path().filename().string();
            std::string wanted = parts.back() + extension;
            bool kindMatches = extension.empty() ? item.is_directory() : item.is_regular_file();
            if (kindMatches && strcasecmp(file.c_str(), wanted.c_str()) == 0)
                return (folder / file.substr(0, file.size() - extension.size())).string();
        }
    }
    return "";
}

namespace {

Picture LoadPng(const std::string& path) {
    Picture out;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return out;
    }
    out.width = int(image.width);
    out.height = int(image.height);
    out.rgba = std::move(pixels);
    return out;
}

Picture LoadJpeg(const std::string& path) {
    Picture out;
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return out;
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return out;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.rgba.assign(size_t(out.width) * out.height * 4, 255);
    std::vector<uint8_t> row(size_t(out.width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < out.width; ++x) std::memcpy(&out.rgba[(size_t(y) * out.width + x) * 4], &row[x * 3], 3);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out;
}

}  // namespace

Picture LoadPicture(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    if (ext == ".png") return LoadPng(path);
    if (ext != ".jpg") return {};
    Picture colour = LoadJpeg(path);
    Picture mask = LoadPng(path.substr(0, path.size() - 4) + "_alpha.png");
    if (mask.width == colour.width && mask.height == colour.height)
        for (size_t i = 0; i < colour.rgba.size(); i += 4) colour.rgba[i + 3] = mask.rgba[i];
    return colour;
}

Samples LoadOgg(const std::string& path) {
    Samples out;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return out;
    vorbis_info* info = ov_info(&file, -1);
    int channels = info ? info->channels : 0;
    if (channels < 1 || channels > 8) {
        ov_clear(&file);
        return out;
    }
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames < 0) {
            ov_clear(&file);
            return Samples{};
        }
        if (frames == 0) break;
        for (long i = 0; i < frames; ++i) {
            float sum = 0;
            for (int c = 0; c < channels; ++c) sum += pcm[c][i];
            out.mono.push_back(sum / float(channels));
        }
    }
    out.rate = int(info->rate);
    ov_clear(&file);
    return out;
}

const GlyphRecord* FontTable::Find(int character) const {
    for (const GlyphRecord& g : glyphs)
        if (g.character == character) return &g;
    return nullptr;
}

bool LoadFontTable(const std::string& path, FontTable& table) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = 0;
    auto read = [&](void* out, size_t n) {
        if (at + n > bytes.size()) return false;
        std::memcpy(out, &bytes[at], n);
        at += n;
        return true;
    };
    int32_t pages = 0, count = 0;
    if (!read(&pages, 4) || !read(&count, 4) || pages < 1 || pages > kMostPages || count < 1 || count > kMostGlyphs)
        return false;
    table.pages = pages;
    table.glyphs.clear();
    for (int i = 0; i < count; ++i) {
        uint8_t character = 0;
        GlyphRecord g{};
        if (!read(&character, 1) || !read(&g.page, 4) || !read(&g.x, 4) || !read(&g.y, 4) || !read(&g.width, 4) ||
            !read(&g.height, 4) || !read(&g.advance, 4) || !read(&g.offsetX, 4) || !read(&g.offsetY, 4))
            return false;
        g.character = character;
        table.glyphs.push_back(g);
    }
    return at == bytes.size();
}
