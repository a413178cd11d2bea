#include "media/Sprite.h"

#include <algorithm>
#include <cmath>

#include "media/Graphics.h"
#include "media/Image.h"
#include "media/TextureAtlas.h"
#include "platform/RenderTexture.h"

Sprite::Sprite(const Image& image) { Load(image); }

Sprite::Sprite(const Image& page, const Rect& source) { Load(page, source); }

bool Sprite::Load(const Image& image) {
    return Load(image, Rect{0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height())});
}

bool Sprite::Load(const Image& page, const Rect& source) {
    mTexture.reset();
    mWidth = mHeight = 0;
    if (page.IsEmpty() || !std::isfinite(source.x) || !std::isfinite(source.y) || !std::isfinite(source.width) ||
        !std::isfinite(source.height) || source.width <= 0 || source.height <= 0)
        return false;
    // The whole texels the source touches, limited to the page.
    float left = std::clamp(std::floor(source.x), 0.0f, static_cast<float>(page.Width()));
    float top = std::clamp(std::floor(source.y), 0.0f, static_cast<float>(page.Height()));
    float right = std::clamp(std::ceil(source.x + source.width), left, static_cast<float>(page.Width()));
    float bottom = std::clamp(std::ceil(source.y + source.height), top, static_cast<float>(page.Height()));
    int32_t x = static_cast<int32_t>(left), y = static_cast<int32_t>(top);
    int32_t width = static_cast<int32_t>(right - left), height = static_cast<int32_t>(bottom - top);
    if (width <= 0 || height <= 0) return false;
    int32_t placedX = 0, placedY = 0;
    TextureAtlas* atlas = GetGraphics().Atlas();
    if (atlas && atlas->Pack(page, x, y, width, height, placedX, placedY)) {
        mTexture = atlas->Texture();
    } else {
        mTexture = std::make_shared<RenderTexture>(width, height);
        mTexture->Write(0, 0, width, height, page.PixelAt(x, y), page.Width());
    }
    mWidth = source.width;
    mHeight = source.height;
    mU = static_cast<float>(placedX) + (source.x - left);
    mV = static_cast<float>(placedY) + (source.y - top);
    return true;
}

Sprite Sprite::Part(const Rect& source) const {
    Sprite part;
    if (!mTexture || !std::isfinite(source.x) || !std::isfinite(source.y) || !std::isfinite(source.width) ||
        !std::isfinite(source.height))
        return part;
    float left = std::clamp(source.x, 0.0f, mWidth), top = std::clamp(source.y, 0.0f, mHeight);
    float right = std::clamp(source.x + source.width, left, mWidth);
    float bottom = std::clamp(source.y + source.height, top, mHeight);
    if (right <= left || bottom <= top) return part;
    part.mTexture = mTexture;
    part.mU = mU + left;
    part.mV = mV + top;
    part.mWidth = right - left;
    part.mHeight = bottom - top;
    return part;
}

void Sprite::Draw(float x, float y) const {
    float corners[8] = {x, y, x + mWidth, y, x + mWidth, y + mHeight, x, y + mHeight};
    DrawCorners(corners);
}

void Sprite::DrawCentred(float x, float y) const { Draw(x - mWidth * 0.5f, y - mHeight * 0.5f); }

void Sprite::DrawRotatedScaled(float x, float y, float degrees, float scale) const {
    if (degrees == 0) {
        float halfWidth = mWidth * 0.5f * scale, halfHeight = mHeight * 0.5f * scale;
        float corners[8] = {x - halfWidth, y - halfHeight, x + halfWidth, y - halfHeight,
                            x + halfWidth, y + halfHeight, x - halfWidth, y + halfHeight};
        DrawCorners(corners);
        return;
    }
    Matrix matrix;
    matrix.Scale(scale, scale);
    matrix.Rotate(degrees);
    matrix.Translate(x, y);
    DrawTransformed(matrix);
}

void Sprite::DrawTransformed(const Matrix& matrix) const {
    float halfWidth = mWidth * 0.5f, halfHeight = mHeight * 0.5f;
    float corners[8] = {-halfWidth, -halfHeight, halfWidth, -halfHeight, halfWidth, halfHeight, -halfWidth, halfHeight};
    for (int i = 0; i < 4; ++i) matrix.Apply(corners[2 * i], corners[2 * i + 1]);
    DrawCorners(corners);
}

void Sprite::DrawCorners(const float corners[8]) const {
    if (!mTexture) return;
    GetGraphics().DrawTexture(*mTexture, corners, Rect{mU, mV, mWidth, mHeight});
}

uint8_t Sprite::AlphaAt(int32_t x, int32_t y) const {
    if (!mTexture || x < 0 || y < 0 || x >= mWidth || y >= mHeight) return 0;
    return static_cast<uint8_t>(mTexture->PixelAt(static_cast<int32_t>(mU) + x, static_cast<int32_t>(mV) + y) >> 24);
}
