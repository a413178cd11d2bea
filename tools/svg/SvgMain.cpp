// pz_svg <in.svg> <out.png|out.jpg>: renders one hand-drawn picture. A ".jpg"
// output is colour only (for opaque backgrounds).
#include <cstdio>
#include <string>

#include "common/Pixmap.h"
#include "common/Svg.h"

namespace {
constexpr int kJpegQuality = 90;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pz_svg <in.svg> <out.png|out.jpg>\n");
        return 2;
    }
    std::string out = argv[2];
    Pixmap picture = RenderSvg(argv[1]);
    if (out.size() > 4 && out.compare(out.size() - 4, 4, ".jpg") == 0) {
        WriteJpeg(out, picture, kJpegQuality);
    } else {
        WritePng(out, picture);
    }
    return 0;
}
