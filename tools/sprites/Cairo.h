#pragma once
// Small drawing helpers over cairo shared by the computed sprites.
#include <cairo.h>

#include "common/Pixmap.h"

struct Rgb {
    double r, g, b;
};

// A transparent canvas of the given size; Finish converts and frees it.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr() { return mCr; }
    Pixmap Finish();

    void Colour(Rgb c, double alpha = 1.0) { cairo_set_source_rgba(mCr, c.r, c.g, c.b, alpha); }
    // Radial gradient from the centre colour/alpha to fully transparent at radius.
    void Glow(double x, double y, double radius, Rgb c, double alpha, double falloff = 2.0);
    void StarPath(double x, double y, int points, double inner, double outer, double turnDegrees);
    void RoundedRect(double x, double y, double w, double h, double radius);
    // A ball with a radial gradient and a highlight, outlined in dark.
    void ShadedBall(double x, double y, double radius, Rgb base, Rgb dark);

private:
    cairo_surface_t* mSurface;
    cairo_t* mCr;
};
