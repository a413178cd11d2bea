// pz_contact_sheet <data root> <out.png>: every picture of the data root on one
// sheet for review. A picture at least three times as wide as high that its
// height divides is taken as a strip of square frames; four of its frames are
// shown. Small pictures are enlarged, large ones reduced. A composed view of the
// Blue board heads the sheet.
#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Pixmap.h"
#include "contact/ScenePreview.h"

namespace {

constexpr int kCell = 220;       // pixels per cell side
constexpr int kLabel = 16;       // label strip under each cell
constexpr int kColumns = 8;
constexpr int kShownFrames = 4;

struct Entry {
    std::string name;
    Pixmap picture;
};

std::vector<Entry> Collect(const std::string& root) {
    std::vector<Entry> entries;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        std::string path = item.path().string();
        std::string ext = item.path().extension().string();
        if (!item.is_regular_file() || (ext != ".png" && ext != ".jpg")) continue;
        if (path.find("_alpha.") != std::string::npos || path.find("/Fonts/") != std::string::npos) continue;
        Entry entry{std::filesystem::relative(item.path(), root).string(), ReadImage(path)};
        if (entry.picture.width > 0) entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

void DrawChecker(cairo_t* cr, double x, double y, double w, double h) {
    for (int cy = 0; cy < h; cy += 10)
        for (int cx = 0; cx < w; cx += 10) {
            double shade = ((cx + cy) / 10) % 2 ? 0.42 : 0.5;
            cairo_set_source_rgb(cr, shade, shade, shade + 0.05);
            cairo_rectangle(cr, x + cx, y + cy, std::min(10.0, w - cx), std::min(10.0, h - cy));
            cairo_fill(cr);
        }
}

// Draws source rectangle (sx, 0, sw, sh) of the picture fitted into the box.
void DrawFitted(cairo_t* cr, cairo_surface_t* picture, double sx, double sw, double sh, double bx, double by,
                double bw, double bh) {
    double scale = std::min({bw / sw, bh / sh, 3.0});
    cairo_save(cr);
    cairo_translate(cr, bx + (bw - sw * scale) / 2, by + (bh - sh * scale) / 2);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, sw, sh);
    cairo_clip(cr);
    cairo_set_source_surface(cr, picture, -sx, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pz_contact_sheet <data root> <out.png>\n");
        return 2;
    }
    std::vector<Entry> entries = Collect(argv[1]);
    Pixmap preview = ComposeBluePreview(argv[1]);
    int rows = int((entries.size() + kColumns - 1) / kColumns);
    int top = preview.height;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kColumns * kCell,
                                                        top + std::max(1, rows) * (kCell + kLabel));
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.16);
    cairo_paint(cr);
    if (preview.width > 0) {
        cairo_surface_t* picture = SurfaceFromPixmap(preview);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_paint(cr);
        cairo_surface_destroy(picture);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const Pixmap& p = entries[i].picture;
        double x = double(i % kColumns) * kCell, y = top + double(i / kColumns) * (kCell + kLabel);
        DrawChecker(cr, x + 2, y + 2, kCell - 4, kCell - 4);
        cairo_surface_t* picture = SurfaceFromPixmap(p);
        int frames = (p.width >= 3 * p.height && p.width % p.height == 0) ? p.width / p.height : 1;
        if (frames == 1) {
            DrawFitted(cr, picture, 0, p.width, p.height, x + 4, y + 4, kCell - 8, kCell - 8);
        } else {
            double half = (kCell - 8) / 2.0;
            for (int k = 0; k < kShownFrames; ++k) {
                int frame = frames * k / kShownFrames;
                DrawFitted(cr, picture, double(frame) * p.height, p.height, p.height, x + 4 + (k % 2) * half,
                           y + 4 + double(k / 2) * half, half, half);
            }
        }
        cairo_surface_destroy(picture);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
        cairo_set_font_size(cr, 11);
        cairo_move_to(cr, x + 4, y + kCell + 11);
        std::string label = entries[i].name + " " + std::to_string(p.width) + "x" + std::to_string(p.height);
        cairo_show_text(cr, label.c_str());
    }
    cairo_destroy(cr);
    WritePng(argv[2], PixmapFromSurface(sheet));
    cairo_surface_destroy(sheet);
    return 0;
}
