#include "common/Svg.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>

#include "common/ToolError.h"

namespace {
constexpr double kLargestSide = 4096;  // pixels; larger means a typo in the source
}

Pixmap RenderSvg(const std::string& path, int width) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!handle) {
        std::string message = error ? error->message : "unreadable";
        if (error) g_error_free(error);
        Fail(path + ": " + message);
    }
    double ownWidth = 0, ownHeight = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &ownWidth, &ownHeight) || ownWidth < 1 || ownHeight < 1 ||
        ownWidth > kLargestSide || ownHeight > kLargestSide) {
        g_object_unref(handle);
        FailAt(path, 1, "the <svg> element needs width and height in pixels (1 ... 4096)");
    }
    if (width > kLargestSide) {
        g_object_unref(handle);
        Fail(path + ": wider than 4096 pixels asked for");
    }
    const double scale = width > 0 ? width / ownWidth : 1.0;
    int w = std::max(1, int(std::lround(ownWidth * scale))), h = std::max(1, int(std::lround(ownHeight * scale)));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport{0, 0, double(w), double(h)};
    bool ok = rsvg_handle_render_document(handle, cr, &viewport, &error);
    cairo_destroy(cr);
    g_object_unref(handle);
    if (!ok) {
        std::string message = error ? error->message : "cannot render";
        if (error) g_error_free(error);
        cairo_surface_destroy(surface);
        Fail(path + ": " + message);
    }
    Pixmap out = PixmapFromSurface(surface);
    cairo_surface_destroy(surface);
    return out;
}
