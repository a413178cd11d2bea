#include "contact/ScenePreview.h"

#include <algorithm>
#include <cairo.h>

namespace {

// Where the Blue board's paths end (the eaters; the path notation counts y
// upwards in a 600-pixel box) and where its launcher rests.
constexpr double kEater1X = 469, kEater1Y = 234, kEater2X = 312, kEater2Y = 336;
constexpr double kLauncherX = 300, kLauncherY = 562;
constexpr double kBallSpacing = 53;
constexpr int kBallFrame = 56;

void DrawCentred(cairo_t* cr, const Pixmap& p, double x, double y) {
    cairo_surface_t* s = SurfaceFromPixmap(p);
    cairo_set_source_surface(cr, s, x - p.width / 2.0, y - p.height / 2.0);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

// Frame `frame` of a ball strip centred at (x, y), rotated by `degrees`.
void DrawBall(cairo_t* cr, const Pixmap& strip, int frame, double x, double y, double degrees) {
    cairo_surface_t* s = SurfaceFromPixmap(strip);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, degrees * 3.14159265 / 180.0);
    cairo_rectangle(cr, -kBallFrame / 2.0, -kBallFrame / 2.0, kBallFrame, kBallFrame);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -kBallFrame / 2.0 - frame * kBallFrame, -kBallFrame / 2.0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

}  // namespace

Pixmap ComposeBluePreview(const std::string& root) {
    Pixmap background = ReadImage(root + "/Levels/Blue/Background.jpg");
    Pixmap eater1 = ReadImage(root + "/Levels/Blue/Enemy1.png");
    Pixmap eater2 = ReadImage(root + "/Levels/Blue/Enemy2.png");
    Pixmap border = ReadImage(root + "/Graphics/UIBorder.png");
    Pixmap launcher = ReadImage(root + "/Graphics/Launcher.png");
    Pixmap robot = ReadImage(root + "/Graphics/Robot.png");
    if (background.width != 800 || eater1.width == 0 || eater2.width == 0 || border.width == 0 ||
        launcher.width == 0 || robot.width == 0)
        return {};
    Pixmap balls[8];
    for (int i = 0; i < 8; ++i) {
        balls[i] = ReadImage(root + "/Graphics/balls/" + std::to_string(i + 1) + ".png");
        if (balls[i].width == 0) return {};
    }
    cairo_surface_t* surface = SurfaceFromPixmap(background);
    cairo_t* cr = cairo_create(surface);
    DrawCentred(cr, eater1, kEater1X, kEater1Y);
    DrawCentred(cr, eater2, kEater2X, kEater2Y);
    // The first path runs left along y 470, the second right along y 100.
    for (int k = 0; k < 8; ++k) DrawBall(cr, balls[k], k * 11, 330 + k * kBallSpacing, 470, 180);
    for (int k = 0; k < 8; ++k) DrawBall(cr, balls[7 - k], k * 7, 40 + k * kBallSpacing, 100, 0);
    Pixmap robotFrame(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) std::copy_n(robot.At(22 * 64 + x, y), 4, robotFrame.At(x, y));
    DrawCentred(cr, robotFrame, 40 - kBallSpacing, 100);
    DrawCentred(cr, launcher, kLauncherX, kLauncherY);
    DrawBall(cr, balls[2], 0, kLauncherX, kLauncherY - 16, 0);
    DrawCentred(cr, border, 399, 300);
    cairo_destroy(cr);
    Pixmap out = PixmapFromSurface(surface);
    cairo_surface_destroy(surface);
    return out;
}
