#include "media/Image.h"

#include <algorithm>

#include "media/ImageFile.h"
#include "platform/MessageBox.h"

namespace {
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr uint32_t kColourBits = 0x00FFFFFF;
constexpr int32_t kAlphaShift = 24;
constexpr int32_t kRedShift = 16;
}  // namespace

bool Image::Load(const String& name, const char* maskName) {
    Clear();
    ImageFile::Source source = ImageFile::Read(name, *this);
    if (source == ImageFile::Source::Shortcut) {
        String target = ImageFile::ShortcutTarget(name);
        return !target.IsEmpty() && ImageFile::LoadRedirected(target, *this);
    }
    if (IsEmpty()) {
        // A missing mask is not an error: the caller simply gets no alpha.
        if (name.Contains("_alpha")) return false;
        Image shape;
        if (!ImageFile::ReadAlphaCompanion(name, shape)) {
            ShowMessageBox("Image Load Error", String::Format("Could not load image: %s", name.c_str()));
            return false;
        }
        Create(shape.mWidth, shape.mHeight, false);
        std::fill(mPixels.begin(), mPixels.end(), kOpaqueWhite);
    }
    if (name.Contains("_alpha")) return true;
    String mask = (maskName && source != ImageFile::Source::Cache) ? String(maskName) : name + "_alpha";
    Image alpha;
    alpha.Load(mask);
    if (alpha.mWidth == mWidth && alpha.mHeight == mHeight) {
        for (size_t i = 0; i < mPixels.size(); ++i) {
            uint32_t red = (alpha.mPixels[i] >> kRedShift) & 0xFF;
            mPixels[i] = (mPixels[i] & kColourBits) | (red << kAlphaShift);
        }
    }
    return true;
}

bool Image::Create(int32_t width, int32_t height, bool clear) {
    Clear();
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
    mWidth = width;
    mHeight = height;
    mPixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    (void)clear;  // fresh pixels are always zeroed: no caller benefits from garbage
    return true;
}

void Image::CopyFrom(const Image& image, int32_t x, int32_t y, int32_t width, int32_t height) {
    int32_t left = std::max(x, 0);
    int32_t top = std::max(y, 0);
    int32_t right = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(x) + width, image.mWidth));
    int32_t bottom = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(y) + height, image.mHeight));
    std::vector<uint8_t> extra = image.mExtra;
    if (image.IsEmpty() || !Create(right - left, bottom - top)) {
        Clear();
        return;
    }
    for (int32_t row = top; row < bottom; ++row) {
        const uint32_t* source = image.PixelAt(left, row);
        std::copy(source, source + mWidth, PixelAt(0, row - top));
    }
    mExtra = std::move(extra);
}

uint32_t* Image::PixelAt(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight) return nullptr;
    return &mPixels[static_cast<size_t>(y) * mWidth + x];
}

const uint32_t* Image::PixelAt(int32_t x, int32_t y) const { return const_cast<Image*>(this)->PixelAt(x, y); }

void Image::Resize(int32_t width, int32_t height, Image& target) const {
    if (IsEmpty() || !target.Create(width, height)) {
        target.Clear();
        return;
    }
    double stepX = static_cast<double>(mWidth) / width;
    double stepY = static_cast<double>(mHeight) / height;
    for (int32_t ty = 0; ty < height; ++ty) {
        double y0 = ty * stepY, y1 = y0 + stepY;
        for (int32_t tx = 0; tx < width; ++tx) {
            double x0 = tx * stepX, x1 = x0 + stepX;
            double sum[4] = {0, 0, 0, 0};
            double area = 0;
            for (int32_t sy = static_cast<int32_t>(y0); sy < mHeight && sy < y1; ++sy) {
                double wy = std::min<double>(sy + 1, y1) - std::max<double>(sy, y0);
                for (int32_t sx = static_cast<int32_t>(x0); sx < mWidth && sx < x1; ++sx) {
                    double weight = wy * (std::min<double>(sx + 1, x1) - std::max<double>(sx, x0));
                    uint32_t pixel = mPixels[static_cast<size_t>(sy) * mWidth + sx];
                    for (int c = 0; c < 4; ++c) sum[c] += weight * ((pixel >> (8 * c)) & 0xFF);
                    area += weight;
                }
            }
            uint32_t result = 0;
            for (int c = 0; c < 4; ++c)
                result |= static_cast<uint32_t>(std::clamp(sum[c] / area + 0.5, 0.0, 255.0)) << (8 * c);
            *target.PixelAt(tx, ty) = result;
        }
    }
}

void Image::Clear() {
    mWidth = -1;
    mHeight = -1;
    mPixels.clear();
    mPixels.shrink_to_fit();
    mExtra.clear();
}
