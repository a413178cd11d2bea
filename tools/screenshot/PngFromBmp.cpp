// pz_png_from_bmp <in.bmp> <out.png>: turns a screenshot the game wrote into
// a PNG, the format software centres and web pages show.
#include <cstdio>
#include <vector>

#include "common/Pixmap.h"
#include "common/ToolError.h"
#include "media/BmpFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pz_png_from_bmp <in.bmp> <out.png>\n");
        return 2;
    }
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
    if (!BmpFile::Read(argv[1], pixels, width, height)) Fail(std::string(argv[1]) + ": not a screenshot of the game");
    Pixmap picture(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t argb = pixels[size_t(y) * width + x];
            uint8_t* out = picture.At(x, y);
            out[0] = uint8_t(argb >> 16);
            out[1] = uint8_t(argb >> 8);
            out[2] = uint8_t(argb);
            out[3] = 0xFF;
        }
    }
    WritePng(argv[2], picture);
    return 0;
}
