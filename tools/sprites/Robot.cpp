#include "sprites/Robot.h"

#include <cmath>

#include "sprites/Cairo.h"

namespace {

constexpr double kDegreesPerFrame = 4.0;

// Drawn facing +y (down) about the origin.
void DrawRobotBody(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Rgb tread{0.18, 0.18, 0.22}, steel{0.62, 0.70, 0.82}, steelDark{0.25, 0.30, 0.42};
    for (int side = -1; side <= 1; side += 2) {
        canvas.RoundedRect(side * 21 - 6, -22, 12, 44, 4);
        canvas.Colour(tread);
        cairo_fill(cr);
        canvas.Colour({0.45, 0.45, 0.5});
        cairo_set_line_width(cr, 1.5);
        for (int i = 0; i < 7; ++i) {
            cairo_move_to(cr, side * 21 - 5, -19 + i * 6.3);
            cairo_line_to(cr, side * 21 + 5, -19 + i * 6.3);
        }
        cairo_stroke(cr);
    }
    canvas.RoundedRect(-17, -20, 34, 38, 7);
    cairo_pattern_t* body = cairo_pattern_create_linear(-17, -20, 17, 18);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.85, 0.9, 0.97);
    cairo_pattern_add_color_stop_rgb(body, 1, steel.r * 0.8, steel.g * 0.8, steel.b * 0.9);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    canvas.Colour(steelDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Striped pushing plate at the front.
    canvas.RoundedRect(-19, 16, 38, 9, 3);
    canvas.Colour({1.0, 0.8, 0.1});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    canvas.Colour({0.12, 0.12, 0.12});
    for (int i = -4; i < 5; ++i) {
        cairo_move_to(cr, i * 9, 16);
        cairo_line_to(cr, i * 9 + 5, 16);
        cairo_line_to(cr, i * 9 - 4, 25);
        cairo_line_to(cr, i * 9 - 9, 25);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    canvas.RoundedRect(-19, 16, 38, 9, 3);
    canvas.Colour(steelDark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Antenna at the back.
    canvas.Colour(steelDark);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 0, -12);
    cairo_line_to(cr, 0, -24);
    cairo_stroke(cr);
    canvas.Glow(0, -25, 6, {1, 0.2, 0.2}, 0.9, 1.2);
    // Dome head at the centre with a glowing visor facing forward.
    canvas.ShadedBall(0, 0, 11, {0.35, 0.55, 0.95}, {0.12, 0.2, 0.45});
    cairo_save(cr);
    cairo_translate(cr, 0, 6);
    cairo_scale(cr, 8, 3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    canvas.Colour({1, 0.25, 0.2});
    cairo_fill(cr);
    canvas.Glow(0, 7, 9, {1, 0.5, 0.3}, 0.6, 1.5);
}

}  // namespace

Pixmap RenderRobotStrip() {
    Pixmap strip(kRobotFrameSize * kRobotFrames, kRobotFrameSize);
    for (int frame = 0; frame < kRobotFrames; ++frame) {
        Canvas canvas(kRobotFrameSize, kRobotFrameSize);
        cairo_t* cr = canvas.cr();
        cairo_translate(cr, kRobotFrameSize / 2.0, kRobotFrameSize / 2.0);
        // cairo turns clockwise on a y-down canvas; the strip turns anticlockwise.
        cairo_rotate(cr, -frame * kDegreesPerFrame * M_PI / 180.0);
        DrawRobotBody(canvas);
        cairo_identity_matrix(cr);
        // The light stays put while the robot turns.
        canvas.Glow(kRobotFrameSize / 2.0 - 4, kRobotFrameSize / 2.0 - 5, 4, {1, 1, 1}, 0.8, 1.5);
        strip.Blit(canvas.Finish(), frame * kRobotFrameSize, 0);
    }
    return strip;
}
