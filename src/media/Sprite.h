#pragma once
// A picture ready to draw: a rectangle of pixels in a texture of its own or in
// the current texture atlas. Its geometry is centred on its own origin; every
// draw uses the graphics service's colour, offset, clip, filtering and blend
// mode. Sprites may be made on the loader thread; the pixels reach the device
// on the main thread when first drawn.

#include <cstdint>
#include <memory>

#include "core/Matrix.h"
#include "core/Rect.h"

class Image;
class RenderTexture;

class Sprite {
public:
    Sprite() = default;
    explicit Sprite(const Image& image);
    // The part `source` of `page` (fractional edges allowed; what lies outside
    // the page is transparent).
    Sprite(const Image& page, const Rect& source);
    virtual ~Sprite() = default;

    // Both answer false (and leave the sprite empty) for an empty image or source.
    bool Load(const Image& image);
    bool Load(const Image& page, const Rect& source);
    bool IsLoaded() const { return mTexture != nullptr; }
    // The texture it draws from, shared with the other sprites of an atlas.
    const std::shared_ptr<RenderTexture>& Texture() const { return mTexture; }
    // The part `source` (pixels from the top-left corner, limited to this
    // sprite) drawing from the same texture.
    Sprite Part(const Rect& source) const;

    float Width() const { return mWidth; }
    float Height() const { return mHeight; }

    // Top-left corner at (x, y).
    void Draw(float x, float y) const;
    // Centre at (x, y).
    void DrawCentred(float x, float y) const;
    // Turned by `degrees` (clockwise on screen) and scaled by `scale` about the
    // centre, centre at (x, y).
    void DrawRotatedScaled(float x, float y, float degrees, float scale) const;
    // The centred geometry through `matrix`.
    void DrawTransformed(const Matrix& matrix) const;

    // Alpha (0 .. 255) at (x, y) from the top-left corner; 0 outside. For hit tests.
    uint8_t AlphaAt(int32_t x, int32_t y) const;

private:
    // Draws the quad whose corners (top-left, top-right, bottom-right,
    // bottom-left) are given in logical pixels before the drawing offset.
    void DrawCorners(const float corners[8]) const;

    std::shared_ptr<RenderTexture> mTexture;
    float mWidth = 0;
    float mHeight = 0;
    float mU = 0;  // texel position of the top-left corner
    float mV = 0;
};
