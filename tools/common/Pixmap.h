#pragma once
// A plain straight-alpha RGBA picture, the currency between the asset tools'
// renderers (cairo, librsvg, our own ray-caster) and the file writers.
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

struct Pixmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // rows top to bottom, 4 bytes per pixel

    Pixmap() = default;
    Pixmap(int w, int h) : width(w), height(h), rgba(size_t(w) * h * 4, 0) {}
    uint8_t* At(int x, int y) { return &rgba[(size_t(y) * width + x) * 4]; }
    const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
    // Copies source with its top-left corner at (x, y), replacing pixels.
    void Blit(const Pixmap& source, int x, int y);
};

// Conversions to and from cairo's premultiplied ARGB32 surfaces.
Pixmap PixmapFromSurface(cairo_surface_t* surface);
cairo_surface_t* SurfaceFromPixmap(const Pixmap& pixmap);

void WritePng(const std::string& path, const Pixmap& pixmap);
// Colour only; alpha is dropped.
void WriteJpeg(const std::string& path, const Pixmap& pixmap, int quality);
// Reads ".png" or ".jpg" (a JPEG with an "_alpha.png" companion takes its alpha
// from the companion's red channel). Returns an empty pixmap when unreadable.
Pixmap ReadImage(const std::string& path);
