#pragma once
// A block of 0xAARRGGBB pixels that the renderer can draw from. The pixels live
// in memory and may be written from any thread (the loader packs sprites into
// textures on its thread); the device copy is made or refreshed on the main
// thread when the texture is next drawn, and rebuilt after a device change.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class RenderTexture {
public:
    // Largest texture side; bigger requests are clamped to it.
    static constexpr int32_t kMaxSide = 8192;

    // A transparent texture of at least 1 x 1 pixels.
    RenderTexture(int32_t width, int32_t height);
    ~RenderTexture();
    RenderTexture(const RenderTexture&) = delete;
    RenderTexture& operator=(const RenderTexture&) = delete;

    int32_t Width() const { return mWidth; }
    int32_t Height() const { return mHeight; }
    // Copies `width` x `height` pixels (rows `pitch` pixels apart) to (x, y);
    // whatever falls outside the texture is dropped.
    void Write(int32_t x, int32_t y, int32_t width, int32_t height, const uint32_t* pixels, int32_t pitch);
    // The pixel at (x, y), 0 outside.
    uint32_t PixelAt(int32_t x, int32_t y) const;
    // Gives back the rows from `height` down (a packed atlas keeps only what
    // it filled); texel coordinates above stay where they were.
    void TrimHeight(int32_t height);
    // Gives back all the pixels while nothing wants the picture: a parked
    // texture draws nothing, reads as transparent and ignores writes. Only
    // for the software renderer, whose only copy they are.
    void Park();
    // Takes `source`'s pixels back in (as many rows as both have).
    void Unpark(const RenderTexture& source);
    bool IsParked() const { return mParked; }

private:
    friend class Renderer;
    struct Dirty {
        int32_t left = 0, top = 0, right = 0, bottom = 0;  // right/bottom exclusive; empty when left >= right
        void Add(int32_t l, int32_t t, int32_t r, int32_t b);
        bool IsEmpty() const { return left >= right || top >= bottom; }
    };

    int32_t mWidth;
    std::atomic<int32_t> mHeight;  // only shrinks, and may while another thread draws
    mutable std::mutex mLock;      // guards the pixels and the dirty areas
    std::vector<uint32_t> mPixels;
    // Device copies, owned by the renderer: normal and silhouette (white, same alpha).
    void* mDevice[2] = {nullptr, nullptr};
    uint32_t mDeviceGeneration[2] = {0, 0};
    Dirty mDirty[2];
    int32_t mScaleMode[2] = {-1, -1};
    const uint64_t mSerial;       // never repeats, unlike the address
    uint64_t mListedInFrame = 0;  // the software frame that last listed it, 0: none
    uint32_t mVersion = 0;        // counts writes, so a frame drawn from changed pixels is seen to differ
    std::atomic<bool> mParked{false};
};
