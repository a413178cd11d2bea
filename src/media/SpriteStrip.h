#pragma once
// A picture cut into equal frames side by side, left to right (animations,
// button states). Frame i covers x from i * w to (i + 1) * w, with
// w = picture width / frame count kept as a float, and the full height.

#include <cstdint>
#include <vector>

#include "media/Sprite.h"

class Image;

class SpriteStrip {
public:
    SpriteStrip() = default;
    SpriteStrip(const Image& image, int32_t frameCount) { Load(image, frameCount); }
    virtual ~SpriteStrip() = default;

    // False (no frames) for an empty image or a frame count below 1.
    bool Load(const Image& image, int32_t frameCount);
    int32_t FrameCount() const { return static_cast<int32_t>(mFrames.size()); }
    // Frame `index` (0 .. FrameCount()-1); an empty sprite outside that range.
    const Sprite& Frame(int32_t index) const;
    float FrameWidth() const { return mFrames.empty() ? 0 : mFrames[0].Width(); }
    float FrameHeight() const { return mFrames.empty() ? 0 : mFrames[0].Height(); }

private:
    std::vector<Sprite> mFrames;
};
