#pragma once
// A 32-bit picture in memory: rows top to bottom, each pixel a little-endian
// 0xAARRGGBB value (bytes blue, green, red, alpha). Empty is -1 x -1; every
// user checks IsEmpty() after loading.

#include <cstdint>
#include <vector>

#include "core/String.h"

class Image {
public:
    // Larger pictures are refused by every decoder.
    static constexpr int32_t kMaxSide = 8192;

    Image() = default;
    Image(const Image& other) = default;
    Image& operator=(const Image& other) = default;
    virtual ~Image() = default;

    // Loads the resource `name` (no extension): ".cached", ".gif", ".jpg",
    // ".png", then a ".shortcut" redirection; with no file but an "_alpha"
    // companion, a white picture shaped by it. The mask `maskName` (null: the
    // name followed by "_alpha") gives the alpha when it has the same size.
    // A picture that cannot be found shows "Could not load image: %s" once.
    bool Load(const String& name, const char* maskName = nullptr);
    // Allocates width x height pixels (all bytes 0 when `clear`); answers false
    // and stays empty for sizes outside 1 .. kMaxSide.
    bool Create(int32_t width, int32_t height, bool clear = true);
    // Becomes a copy of a rectangle of `image` (clipped to it), extra data included.
    void CopyFrom(const Image& image, int32_t x, int32_t y, int32_t width, int32_t height);
    // Address of the pixel at (x, y), null outside.
    uint32_t* PixelAt(int32_t x, int32_t y);
    const uint32_t* PixelAt(int32_t x, int32_t y) const;
    // Resamples into `target` at width x height by averaging the covered source area.
    void Resize(int32_t width, int32_t height, Image& target) const;
    // Frees everything: -1 x -1.
    void Clear();

    bool IsEmpty() const { return mWidth <= 0 || mHeight <= 0; }
    int32_t Width() const { return mWidth; }
    int32_t Height() const { return mHeight; }
    uint32_t* Pixels() { return mPixels.data(); }
    const uint32_t* Pixels() const { return mPixels.data(); }

    int32_t mWidth = -1;
    int32_t mHeight = -1;
    std::vector<uint32_t> mPixels;
    std::vector<uint8_t> mExtra;  // opaque bytes carried by the cache format
};
