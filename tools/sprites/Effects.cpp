#include "sprites/Effects.h"

#include <cmath>

#include "sprites/Cairo.h"
#include "sprites/Fireball.h"
#include "sprites/Gems.h"

namespace {

constexpr Rgb kWhite{1, 1, 1};

Pixmap Spark() {
    Canvas c(32, 32);
    c.Glow(16, 16, 16, {1, 0.9, 0.5}, 0.9, 2.0);
    c.StarPath(16, 16, 4, 2.5, 15, 0);
    c.Colour({1, 1, 0.85});
    cairo_fill(c.cr());
    c.Glow(16, 16, 5, kWhite, 1.0, 1.0);
    return c.Finish();
}

Pixmap Poof() {
    Canvas c(64, 64);
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + 0.3;
        c.Glow(32 + 18 * std::cos(a), 32 + 18 * std::sin(a), 13, {1, 1, 0.95}, 0.85, 1.3);
    }
    c.Glow(32, 32, 22, kWhite, 0.35, 1.0);
    return c.Finish();
}

// Smoke puffs are drawn tinted by their effect, so they are near-white.
Pixmap SmokeFrom(int seed) {
    Canvas c(48, 48);
    const double offsets[3][4][3] = {{{24, 24, 16}, {16, 20, 10}, {31, 19, 11}, {25, 31, 10}},
                                     {{24, 24, 15}, {14, 27, 11}, {32, 28, 12}, {22, 15, 10}},
                                     {{24, 24, 17}, {30, 15, 9}, {15, 18, 9}, {30, 32, 11}}};
    for (const auto& blob : offsets[seed]) c.Glow(blob[0], blob[1], blob[2], {0.92, 0.92, 0.95}, 0.7, 1.4);
    return c.Finish();
}
Pixmap Smoke1() { return SmokeFrom(0); }
Pixmap Smoke2() { return SmokeFrom(1); }
Pixmap Smoke3() { return SmokeFrom(2); }

Pixmap StarShape(int points, double inner) {
    Canvas c(32, 32);
    c.Glow(16, 16, 16, kWhite, 0.45, 2.0);
    c.StarPath(16, 16, points, inner, 14, 0);
    c.Colour(kWhite);
    cairo_fill(c.cr());
    return c.Finish();
}
Pixmap Star1() { return StarShape(5, 6); }
Pixmap Star2() { return StarShape(4, 3.5); }
Pixmap Star3() { return StarShape(6, 7); }

Pixmap Halo() {
    Canvas c(128, 128);
    cairo_pattern_t* p = cairo_pattern_create_radial(64, 64, 0, 64, 64, 64);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(p, 0.62, 1, 1, 0.9, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 0.78, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(c.cr(), p);
    cairo_paint(c.cr());
    cairo_pattern_destroy(p);
    return c.Finish();
}

Pixmap Speck() {
    Canvas c(16, 16);
    c.Glow(8, 8, 8, kWhite, 1.0, 1.6);
    return c.Finish();
}

Pixmap GemHalo() {
    Canvas c(72, 72);
    c.Glow(36, 36, 36, {1, 0.9, 0.4}, 0.8, 1.8);
    cairo_t* cr = c.cr();
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        cairo_move_to(cr, 36, 36);
        cairo_line_to(cr, 36 + 34 * std::cos(a - 0.08), 36 + 34 * std::sin(a - 0.08));
        cairo_line_to(cr, 36 + 34 * std::cos(a + 0.08), 36 + 34 * std::sin(a + 0.08));
        cairo_close_path(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(36, 36, 4, 36, 36, 34);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.8, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.9, 0.4, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    return c.Finish();
}

Pixmap Explosion() {
    Canvas c(240, 240);
    c.Glow(120, 120, 120, {1, 0.45, 0.1}, 0.85, 1.2);
    c.StarPath(120, 120, 14, 70, 112, 8);
    cairo_pattern_t* p = cairo_pattern_create_radial(120, 120, 10, 120, 120, 112);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 0.8, 0.2, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.35, 0.05, 0.0);
    cairo_set_source(c.cr(), p);
    cairo_fill(c.cr());
    cairo_pattern_destroy(p);
    c.Glow(120, 120, 55, {1, 1, 0.9}, 0.9, 1.0);
    return c.Finish();
}

Pixmap Swirl() {
    Canvas c(400, 400);
    cairo_t* cr = c.cr();
    for (int arm = 0; arm < 5; ++arm) {
        cairo_new_path(cr);
        const int steps = 80;
        // Out along one edge of the arm, back along the other.
        for (int i = 0; i <= steps; ++i) {
            double t = double(i) / steps;
            double a = arm * 2 * M_PI / 5 + t * 3.2;
            double r = 12 + t * 185;
            cairo_line_to(cr, 200 + r * std::cos(a), 200 + r * std::sin(a));
        }
        for (int i = steps; i >= 0; --i) {
            double t = double(i) / steps;
            double a = arm * 2 * M_PI / 5 + t * 3.2 + 0.05 + 0.45 * t;
            double r = 12 + t * 175;
            cairo_line_to(cr, 200 + r * std::cos(a), 200 + r * std::sin(a));
        }
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_radial(200, 200, 0, 200, 200, 200);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.9);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 0.55, 0.85, 1, 0.6);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.4, 0.5, 1, 0.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    c.Glow(200, 200, 60, kWhite, 0.7, 1.5);
    return c.Finish();
}

Pixmap WickSegment() {
    Canvas c(8, 8);
    cairo_arc(c.cr(), 4, 4, 3, 0, 2 * M_PI);
    c.Colour({0.78, 0.62, 0.38});
    cairo_fill_preserve(c.cr());
    c.Colour({0.35, 0.22, 0.1});
    cairo_set_line_width(c.cr(), 1);
    cairo_stroke(c.cr());
    return c.Finish();
}

// The bomb's centre is the image centre; the fuse starts 40 pixels above it.
Pixmap Bomb() {
    Canvas c(64, 84);
    cairo_t* cr = c.cr();
    c.RoundedRect(25, 4, 14, 16, 3);
    c.Colour({0.45, 0.45, 0.5});
    cairo_fill_preserve(cr);
    c.Colour({0.1, 0.1, 0.12});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.ShadedBall(32, 42, 25, {0.25, 0.25, 0.3}, {0.05, 0.05, 0.08});
    return c.Finish();
}

Pixmap LauncherLight() {
    Canvas c(28, 48);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 14, 36);
    cairo_line_to(cr, 1, 0);
    cairo_line_to(cr, 27, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 36, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.7, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 0.7, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    c.ShadedBall(14, 38, 8, {1, 0.85, 0.25}, {0.6, 0.35, 0.05});
    c.Glow(14, 36, 10, {1, 1, 0.8}, 0.7, 1.5);
    return c.Finish();
}

Pixmap ProgressFill() {
    Canvas c(190, 16);
    cairo_t* cr = c.cr();
    c.RoundedRect(0.5, 0.5, 189, 15, 7);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 190, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.2, 0.85, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0.95, 0.9, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 1, 1, 0.55, 0.1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    c.RoundedRect(4, 2, 182, 5, 2.5);
    c.Colour(kWhite, 0.45);
    cairo_fill(cr);
    return c.Finish();
}

}  // namespace

const std::vector<ComputedSprite>& ComputedSprites() {
    static const std::vector<ComputedSprite> sprites = {
        {"Graphics/GemHalo", GemHalo},       {"Graphics/Swirl", Swirl},
        {"Graphics/LauncherLight", LauncherLight},
        {"Graphics/Coin", CoinStrip},        {"Graphics/ProgressFill", ProgressFill},
        {"Graphics/WickSegment", WickSegment}, {"Graphics/Spark", Spark},
        {"Graphics/Poof", Poof},             {"Graphics/Bomb", Bomb},
        {"Graphics/explosion", Explosion},   {"Graphics/Smoke1", Smoke1},
        {"Graphics/Smoke2", Smoke2},         {"Graphics/Smoke3", Smoke3},
        {"Graphics/Star1", Star1},           {"Graphics/Star2", Star2},
        {"Graphics/Star3", Star3},           {"Graphics/Halo", Halo},
        {"Graphics/Speck", Speck},           {"Graphics/fireball", FireballStrip},
    };
    return sprites;
}
