#include "media/TextureAtlas.h"

#include <algorithm>

#include "media/Image.h"
#include "platform/RenderTexture.h"

namespace {
// Transparent pixels kept between blocks so that smooth filtering never
// picks up a neighbour.
constexpr int32_t kPadding = 1;
}  // namespace

TextureAtlas::TextureAtlas(int32_t width, int32_t height) : mTexture(std::make_shared<RenderTexture>(width, height)) {}

bool TextureAtlas::Pack(const Image& image, int32_t x, int32_t y, int32_t width, int32_t height, int32_t& placedX,
                        int32_t& placedY) {
    int32_t needWidth = width + 2 * kPadding;
    int32_t needHeight = height + 2 * kPadding;
    std::lock_guard<std::mutex> guard(mLock);
    if (needWidth > mTexture->Width()) return false;
    if (mShelfX + needWidth > mTexture->Width()) {
        mShelfY += mShelfHeight;
        mShelfX = 0;
        mShelfHeight = 0;
    }
    if (mShelfY + needHeight > mTexture->Height()) return false;
    placedX = mShelfX + kPadding;
    placedY = mShelfY + kPadding;
    mTexture->Write(placedX, placedY, width, height, image.PixelAt(x, y), image.Width());
    mShelfX += needWidth;
    mShelfHeight = std::max(mShelfHeight, needHeight);
    return true;
}

void TextureAtlas::Trim() {
    std::lock_guard<std::mutex> guard(mLock);
    mTexture->TrimHeight(mShelfY + mShelfHeight);
    // Nothing more fits.
    mShelfY = mTexture->Height();
    mShelfHeight = 0;
}
