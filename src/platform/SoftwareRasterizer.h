#pragma once
// Our own rasterizer for safe mode and the headless target: textured, tinted,
// alpha-blended quads drawn into a frame in memory (0xAARRGGBB, rows top to
// bottom). Quads are parallelograms (a rectangle through an affine
// transform), which is all that sprites, text and filled rectangles need.
// A pixel is drawn when its centre lies inside the quad.

#include <cstdint>
#include <vector>

#include "platform/RenderVertex.h"

class SoftwareRasterizer {
public:
    // The texels a quad is drawn from.
    struct Source {
        const uint32_t* pixels = nullptr;
        int32_t width = 0;
        int32_t height = 0;
    };

    void Resize(int32_t width, int32_t height);
    int32_t Width() const { return mWidth; }
    int32_t Height() const { return mHeight; }
    const uint32_t* Pixels() const { return mPixels.data(); }
    // Puts back a frame taken from Pixels() at this size; false for another size.
    bool Restore(const std::vector<uint32_t>& pixels);

    void Clear(uint32_t pixel);
    // Nothing is drawn outside this rectangle (clamped to the frame).
    void SetClip(int32_t x, int32_t y, int32_t width, int32_t height);
    void ClearClip() { SetClip(0, 0, mWidth, mHeight); }

    // Corners top-left, top-right, bottom-right, bottom-left; texel
    // coordinates in u, v. `silhouette`: the colour alone with the texels'
    // alpha. `linear`: bilinear sampling, else the nearest texel.
    void DrawQuad(const Source& source, const RenderVertex corners[4], RenderColour colour, bool silhouette,
                  bool linear);
    void FillQuad(const RenderVertex corners[4], RenderColour colour);

private:
    struct Span {
        int32_t y, left, right;  // pixels left .. right-1 of row y
        float s, t;              // quad coordinates (0 .. 1) at the centre of pixel `left`
    };
    // A quad's edges from its first corner, and how its coordinates change
    // from one pixel to the next to the right.
    struct QuadFrame {
        float e1x, e1y, e2x, e2y;
        float inverseDet;
        float dsdx, dtdx;
    };
    // False for a quad too thin to draw.
    static bool FrameOf(const RenderVertex corners[4], QuadFrame& frame);
    // Calls draw(span) for every row piece of the quad inside the clip.
    template <class Draw>
    void Rasterize(const RenderVertex corners[4], const QuadFrame& frame, Draw draw);
    bool DrawAligned(const Source& source, const RenderVertex corners[4], RenderColour colour, bool silhouette);

    int32_t mWidth = 0;
    int32_t mHeight = 0;
    std::vector<uint32_t> mPixels;
    int32_t mClipLeft = 0, mClipTop = 0, mClipRight = 0, mClipBottom = 0;
};
