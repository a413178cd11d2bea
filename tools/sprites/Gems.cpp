#include "sprites/Gems.h"

#include <cmath>

#include "sprites/Cairo.h"

namespace {

// A faceted gem: an outer outline of `sides` corners and an inner table, the
// facets between them shaded by the direction they face.
void DrawGem(Canvas& c, double cx, double cy, int sides, double outer, double inner, Rgb colour, double turn) {
    cairo_t* cr = c.cr();
    auto corner = [&](double r, int i) {
        double a = turn + 2 * M_PI * i / sides;
        return std::pair<double, double>{cx + r * std::cos(a), cy + r * std::sin(a)};
    };
    for (int i = 0; i < sides; ++i) {
        auto [ax, ay] = corner(outer, i);
        auto [bx, by] = corner(outer, i + 1);
        auto [dx, dy] = corner(inner, i);
        auto [ex, ey] = corner(inner, i + 1);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        cairo_line_to(cr, ex, ey);
        cairo_line_to(cr, dx, dy);
        cairo_close_path(cr);
        double facing = std::cos(turn + 2 * M_PI * (i + 0.5) / sides + 2.3);  // light from upper left
        double k = 0.75 + 0.35 * facing;
        c.Colour({std::fmin(1, colour.r * k + 0.1 * facing), std::fmin(1, colour.g * k + 0.1 * facing),
                  std::fmin(1, colour.b * k + 0.1 * facing)});
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    for (int i = 0; i < sides; ++i) {
        auto [x, y] = corner(inner, i);
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    c.Colour({std::fmin(1, colour.r * 1.15 + 0.15), std::fmin(1, colour.g * 1.15 + 0.15),
              std::fmin(1, colour.b * 1.15 + 0.15)});
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int i = 0; i < sides; ++i) {
        auto [x, y] = corner(outer, i);
        cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    c.Colour({colour.r * 0.3, colour.g * 0.3, colour.b * 0.3});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.StarPath(cx - outer * 0.35, cy - outer * 0.35, 4, 1.2, 5, 0);
    c.Colour({1, 1, 1}, 0.9);
    cairo_fill(cr);
}

void DrawGoldCoin(Canvas& c, double cx, double cy) {
    c.ShadedBall(cx, cy, 17, {0.98, 0.75, 0.15}, {0.6, 0.38, 0.02});
    cairo_arc(c.cr(), cx, cy, 12, 0, 2 * M_PI);
    c.Colour({0.55, 0.35, 0.02}, 0.6);
    cairo_set_line_width(c.cr(), 1.5);
    cairo_stroke(c.cr());
    c.StarPath(cx, cy, 5, 4, 9, 0);
    c.Colour({1, 0.93, 0.5});
    cairo_fill(c.cr());
}

}  // namespace

Pixmap CoinStrip() {
    Canvas c(kCoinFrameSize * kCoinFrames, kCoinFrameSize);
    const double h = kCoinFrameSize / 2.0;
    DrawGoldCoin(c, h, h);
    DrawGem(c, 3 * h, h, 6, 17, 8, {0.92, 0.12, 0.2}, M_PI / 6);      // ruby
    DrawGem(c, 5 * h, h, 8, 17, 9, {0.15, 0.8, 0.3}, M_PI / 8);       // emerald
    DrawGem(c, 7 * h, h, 4, 18, 8, {0.2, 0.45, 1.0}, 0);              // sapphire
    DrawGem(c, 9 * h, h, 5, 17, 8, {0.65, 0.25, 0.95}, -M_PI / 2);    // amethyst
    DrawGem(c, 11 * h, h, 3, 19, 8, {0.55, 0.95, 1.0}, -M_PI / 2);    // crystal
    return c.Finish();
}
