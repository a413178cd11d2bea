// pz_background <theme word> <base.svg> <lanes> <out.jpg>: a theme background
// (or, for the word "Titlescreen", the title scene).
// The hand-drawn base picture gets the lanes the chains roll in, drawn along
// the very curves the theme's board builds its tracks from, so picture and
// paths cannot drift apart. The lanes file gives only their look, one line per
// path in track order:
//   lane width=PIXELS border=#rrggbb fill=#rrggbb groove=#rrggbb
#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "board/BoardFactory.h"
#include "common/ParamFile.h"
#include "common/Pixmap.h"
#include "common/Svg.h"
#include "common/ToolError.h"
#include "game/TitlePath.h"
#include "track/QuickSpline.h"

namespace {

constexpr int kJpegQuality = 90;
constexpr float kSampleSpacing = 2.0f;  // pixels between polyline points
constexpr int kFewestSamples = 10;      // a shorter path is a broken string

struct Colour {
    double r, g, b;
};

Colour ReadColour(const ParamLine& line, const std::string& key) {
    float c[3];
    line.Colour(key, c);
    return {c[0], c[1], c[2]};
}

void Stroke(cairo_t* cr, const std::vector<Vec2>& points, double width, Colour c, double alpha, double dx = 0,
            double dy = 0) {
    cairo_new_path(cr);
    for (const Vec2& p : points) cairo_line_to(cr, p.x + dx, p.y + dy);
    cairo_set_line_width(cr, width);
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
    cairo_stroke(cr);
}

void DrawLane(cairo_t* cr, const ParamLine& line, QuickSpline& spline) {
    line.AllowOnly({"width", "border", "fill", "groove"});
    double width = line.RequiredNumber("width");
    if (width < 8 || width > 200) line.Fail("width must be 8 ... 200 pixels");
    Colour border = ReadColour(line, "border"), fill = ReadColour(line, "fill"), groove = ReadColour(line, "groove");
    std::vector<Vec2> points;
    spline.SampleEvenly(points, kSampleSpacing);
    if (int(points.size()) < kFewestSamples) line.Fail("the theme's path gives no usable lane");
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, points, width + 14, {0, 0, 0}, 0.28, 0, 5);  // drop shadow
    Stroke(cr, points, width + 8, border, 1.0);             // rim
    Stroke(cr, points, width, fill, 1.0);                   // lane bed
    Stroke(cr, points, width * 0.72, groove, 0.55, 0, 2);   // the groove, lit from above
    Stroke(cr, points, width * 0.5, groove, 0.45, 0, 3);
    // Dotted centre line hints at the direction of travel.
    cairo_set_dash(cr, std::vector<double>{2, 14}.data(), 2, 0);
    Stroke(cr, points, 4, {1, 1, 1}, 0.3);
    cairo_set_dash(cr, nullptr, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: pz_background <theme word> <base.svg> <lanes> <out.jpg>\n");
        return 2;
    }
    const char* lanesFile = argv[3];
    std::vector<QuickSpline> paths;
    if (std::string(argv[1]) == kTitleScene) {
        paths.emplace_back();
        paths.back().Parse(kTitlePath);
    } else if (!ThemePathCurves(argv[1], paths)) {
        FailAt(lanesFile, 0, std::string("no board has the theme ") + argv[1]);
    }
    Pixmap base = RenderSvg(argv[2]);
    cairo_surface_t* surface = SurfaceFromPixmap(base);
    cairo_t* cr = cairo_create(surface);
    size_t lanes = 0;
    for (const ParamLine& line : ReadParamFile(lanesFile)) {
        if (line.command != "lane") line.Fail("unknown command \"" + line.command + "\"");
        if (lanes >= paths.size()) line.Fail("more lanes than the theme has paths");
        DrawLane(cr, line, paths[lanes]);
        ++lanes;
    }
    if (lanes != paths.size()) FailAt(lanesFile, 0, "one lane line per path of the theme is needed");
    cairo_destroy(cr);
    WriteJpeg(argv[4], PixmapFromSurface(surface), kJpegQuality);
    cairo_surface_destroy(surface);
    return 0;
}
