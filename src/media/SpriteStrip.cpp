#include "media/SpriteStrip.h"

#include "media/Image.h"

namespace {
const Sprite kNoFrame;
}  // namespace

bool SpriteStrip::Load(const Image& image, int32_t frameCount) {
    mFrames.clear();
    // More frames than pixel columns cannot be told apart; refusing them keeps
    // a hostile count from allocating without bound.
    if (image.IsEmpty() || frameCount < 1 || frameCount > image.Width()) return false;
    float width = static_cast<float>(image.Width()) / static_cast<float>(frameCount);
    mFrames.resize(static_cast<size_t>(frameCount));
    for (int32_t i = 0; i < frameCount; ++i)
        mFrames[i].Load(image, Rect{static_cast<float>(i) * width, 0, width, static_cast<float>(image.Height())});
    return true;
}

const Sprite& SpriteStrip::Frame(int32_t index) const {
    if (index < 0 || index >= FrameCount()) return kNoFrame;
    return mFrames[static_cast<size_t>(index)];
}
