#pragma once
// One large texture that many sprites share, filled shelf by shelf. The loader
// names an atlas as the packing target (Graphics::SetAtlas); sprites made
// while it is current are packed into it, which saves texture changes while
// drawing. A sprite that no longer fits gets a texture of its own.

#include <cstdint>
#include <memory>
#include <mutex>

class Image;
class RenderTexture;

class TextureAtlas {
public:
    TextureAtlas(int32_t width, int32_t height);
    virtual ~TextureAtlas() = default;

    // Copies the `width` x `height` block at (x, y) of `image` into the atlas;
    // answers where it went, or false when there is no room.
    bool Pack(const Image& image, int32_t x, int32_t y, int32_t width, int32_t height, int32_t& placedX,
              int32_t& placedY);
    const std::shared_ptr<RenderTexture>& Texture() const { return mTexture; }
    // Once packing is over: gives back the rows below the last shelf.
    void Trim();

private:
    std::mutex mLock;
    std::shared_ptr<RenderTexture> mTexture;
    int32_t mShelfX = 0;       // next free column on the current shelf
    int32_t mShelfY = 0;       // top of the current shelf
    int32_t mShelfHeight = 0;  // tallest block on it
};
