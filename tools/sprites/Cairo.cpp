#include "sprites/Cairo.h"

#include <cmath>

Canvas::Canvas(int width, int height)
    : mSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), mCr(cairo_create(mSurface)) {}

Canvas::~Canvas() {
    cairo_destroy(mCr);
    cairo_surface_destroy(mSurface);
}

Pixmap Canvas::Finish() { return PixmapFromSurface(mSurface); }

void Canvas::Glow(double x, double y, double radius, Rgb c, double alpha, double falloff) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    const int steps = 8;
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        cairo_pattern_add_color_stop_rgba(p, t, c.r, c.g, c.b, alpha * std::pow(1.0 - t, falloff));
    }
    cairo_set_source(mCr, p);
    cairo_arc(mCr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(mCr);
    cairo_pattern_destroy(p);
}

void Canvas::StarPath(double x, double y, int points, double inner, double outer, double turnDegrees) {
    cairo_new_path(mCr);
    for (int i = 0; i < points * 2; ++i) {
        double a = (turnDegrees - 90.0) * M_PI / 180.0 + M_PI * i / points;
        double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(mCr, x + r * std::cos(a), y + r * std::sin(a));
    }
    cairo_close_path(mCr);
}

void Canvas::RoundedRect(double x, double y, double w, double h, double r) {
    cairo_new_path(mCr);
    cairo_arc(mCr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(mCr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(mCr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(mCr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(mCr);
}

void Canvas::ShadedBall(double x, double y, double radius, Rgb base, Rgb dark) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - radius * 0.35, y - radius * 0.4, radius * 0.1, x, y, radius);
    cairo_pattern_add_color_stop_rgb(p, 0, std::fmin(1, base.r * 1.5 + 0.2), std::fmin(1, base.g * 1.5 + 0.2),
                                     std::fmin(1, base.b * 1.5 + 0.2));
    cairo_pattern_add_color_stop_rgb(p, 0.6, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_arc(mCr, x, y, radius, 0, 2 * M_PI);
    cairo_set_source(mCr, p);
    cairo_fill_preserve(mCr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgb(mCr, dark.r * 0.6, dark.g * 0.6, dark.b * 0.6);
    cairo_set_line_width(mCr, std::fmax(1.0, radius * 0.08));
    cairo_stroke(mCr);
    // Soft window highlight.
    cairo_save(mCr);
    cairo_translate(mCr, x - radius * 0.32, y - radius * 0.42);
    cairo_scale(mCr, radius * 0.38, radius * 0.24);
    cairo_arc(mCr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(mCr);
    cairo_set_source_rgba(mCr, 1, 1, 1, 0.55);
    cairo_fill(mCr);
}
