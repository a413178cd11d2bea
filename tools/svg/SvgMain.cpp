// pz_svg <in.svg> <out.png|out.jpg> [WIDTH]: renders one hand-drawn picture,
// at its own size or WIDTH pixels across. A ".jpg" output is colour only (for
// opaque backgrounds).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/Pixmap.h"
#include "common/Svg.h"
#include "common/ToolError.h"

namespace {
constexpr int kJpegQuality = 90;
}

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: pz_svg <in.svg> <out.png|out.jpg> [WIDTH]\n");
        return 2;
    }
    int width = 0;
    if (argc == 4) {
        char* end = nullptr;
        width = int(std::strtol(argv[3], &end, 10));
        if (*end != '\0' || width < 1) Fail(std::string("not a width in pixels: ") + argv[3]);
    }
    std::string out = argv[2];
    Pixmap picture = RenderSvg(argv[1], width);
    if (out.size() > 4 && out.compare(out.size() - 4, 4, ".jpg") == 0) {
        WriteJpeg(out, picture, kJpegQuality);
    } else {
        WritePng(out, picture);
    }
    return 0;
}
