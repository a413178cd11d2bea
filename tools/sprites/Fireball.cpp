#include "sprites/Fireball.h"

#include <cmath>

#include "sprites/Cairo.h"

namespace {
constexpr int kTongues = 7;
}

Pixmap FireballStrip() {
    Pixmap strip(kFireballFrameSize * kFireballFrames, kFireballFrameSize);
    const double centre = kFireballFrameSize / 2.0;
    for (int frame = 0; frame < kFireballFrames; ++frame) {
        Canvas c(kFireballFrameSize, kFireballFrameSize);
        double phase = 2 * M_PI * frame / kFireballFrames;
        c.Glow(centre, centre + 4, 34, {1, 0.35, 0.05}, 0.7, 1.3);
        // Flame tongues rise from the ball and flicker with the frame.
        for (int t = 0; t < kTongues; ++t) {
            double spread = (t - (kTongues - 1) / 2.0) / ((kTongues - 1) / 2.0);
            double flicker = std::sin(phase * (1 + t % 3) + t * 1.7);
            double x = centre + spread * 14 + flicker * 2.5;
            double height = 22 + 8 * (1 - std::fabs(spread)) + 5 * flicker;
            cairo_t* cr = c.cr();
            cairo_move_to(cr, x - 7, centre + 2);
            cairo_curve_to(cr, x - 8, centre - height * 0.5, x - 1 + flicker * 3, centre - height * 0.8,
                           x + flicker * 3, centre - height);
            cairo_curve_to(cr, x + 2 + flicker * 3, centre - height * 0.7, x + 8, centre - height * 0.4, x + 7,
                           centre + 2);
            cairo_close_path(cr);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, centre, 0, centre - height);
            cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.85, 0.2, 0.95);
            cairo_pattern_add_color_stop_rgba(p, 0.6, 1, 0.45, 0.05, 0.85);
            cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 0.15, 0.0, 0.0);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
        c.ShadedBall(centre, centre + 6, 19, {1, 0.55, 0.1}, {0.75, 0.15, 0.0});
        c.Glow(centre, centre + 6, 16, {1, 1, 0.7}, 0.8 + 0.15 * std::sin(phase * 2), 1.2);
        strip.Blit(c.Finish(), frame * kFireballFrameSize, 0);
    }
    return strip;
}
