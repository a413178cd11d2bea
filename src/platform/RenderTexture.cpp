#include "platform/RenderTexture.h"

#include <algorithm>

#include "platform/Renderer.h"

void RenderTexture::Dirty::Add(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (IsEmpty()) {
        left = l, top = t, right = r, bottom = b;
        return;
    }
    left = std::min(left, l);
    top = std::min(top, t);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
}

namespace {
std::atomic<uint64_t> gNextSerial{1};
}  // namespace

RenderTexture::RenderTexture(int32_t width, int32_t height)
    : mWidth(std::clamp(width, 1, kMaxSide)), mHeight(std::clamp(height, 1, kMaxSide)), mSerial(gNextSerial++) {
    mPixels.assign(static_cast<size_t>(mWidth) * static_cast<size_t>(mHeight), 0);
    GetRenderer().Register(this);
}

RenderTexture::~RenderTexture() { GetRenderer().Unregister(this); }

void RenderTexture::Write(int32_t x, int32_t y, int32_t width, int32_t height, const uint32_t* pixels, int32_t pitch) {
    std::lock_guard<std::mutex> guard(mLock);
    if (mParked) return;
    int32_t left = std::max(x, 0);
    int32_t top = std::max(y, 0);
    int32_t right = std::min<int64_t>(static_cast<int64_t>(x) + width, mWidth);
    int32_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + height, mHeight);
    if (!pixels || left >= right || top >= bottom) return;
    for (int32_t row = top; row < bottom; ++row) {
        const uint32_t* source = pixels + static_cast<size_t>(row - y) * pitch + (left - x);
        std::copy(source, source + (right - left), &mPixels[static_cast<size_t>(row) * mWidth + left]);
    }
    mDirty[0].Add(left, top, right, bottom);
    mDirty[1].Add(left, top, right, bottom);
    ++mVersion;
}

uint32_t RenderTexture::PixelAt(int32_t x, int32_t y) const {
    std::lock_guard<std::mutex> guard(mLock);
    if (mParked || x < 0 || y < 0 || x >= mWidth || y >= mHeight) return 0;
    return mPixels[static_cast<size_t>(y) * mWidth + x];
}

void RenderTexture::Park() {
    std::lock_guard<std::mutex> guard(mLock);
    if (mParked) return;
    mParked = true;
    mPixels.clear();
    mPixels.shrink_to_fit();
    ++mVersion;
}

void RenderTexture::Unpark(const RenderTexture& source) {
    if (&source == this) return;
    std::scoped_lock guard(mLock, source.mLock);
    mPixels.assign(static_cast<size_t>(mWidth) * static_cast<size_t>(mHeight), 0);
    int32_t rows = std::min(mHeight.load(), source.mHeight.load()), columns = std::min(mWidth, source.mWidth);
    if (!source.mParked)
        for (int32_t row = 0; row < rows; ++row)
            std::copy_n(&source.mPixels[static_cast<size_t>(row) * source.mWidth], columns,
                        &mPixels[static_cast<size_t>(row) * mWidth]);
    mParked = false;
    mDirty[0].Add(0, 0, mWidth, mHeight);
    mDirty[1].Add(0, 0, mWidth, mHeight);
    ++mVersion;
}

void RenderTexture::TrimHeight(int32_t height) {
    std::lock_guard<std::mutex> guard(mLock);
    height = std::clamp(height, 1, mHeight.load());
    if (height == mHeight) return;
    mHeight = height;
    mPixels.resize(static_cast<size_t>(mWidth) * static_cast<size_t>(height));
    mPixels.shrink_to_fit();
    // Device copies of the old height are remade on the next draw.
    GetRenderer().Retire(*this);
    ++mVersion;
}
