#include "media/ImageCache.h"

#include "core/IOBuffer.h"
#include "media/Image.h"

void ImageCache::Write(const Image& image, IOBuffer& out) {
    out.WriteInt(image.mWidth);
    out.WriteInt(image.mHeight);
    for (uint32_t pixel : image.mPixels) out.WriteInt(static_cast<int32_t>(pixel));
    out.WriteInt(static_cast<int32_t>(image.mExtra.size()));
    out.WriteBytes(image.mExtra.data(), static_cast<int32_t>(image.mExtra.size()));
}

bool ImageCache::Read(const uint8_t* bytes, size_t size, Image& image) {
    image.Clear();
    IOBuffer in;
    in.SetData(bytes, static_cast<int32_t>(size));
    int32_t width = in.ReadInt();
    int32_t height = in.ReadInt();
    if (width < 1 || height < 1 || width > Image::kMaxSide || height > Image::kMaxSide) return false;
    // The file must hold every pixel before anything is allocated for them.
    if (static_cast<int64_t>(width) * height * 4 > in.Remaining()) return false;
    image.Create(width, height);
    in.ReadBytes(image.mPixels.data(), width * height * 4);
    int32_t extraSize = in.ReadInt();
    if (in.HasError() || extraSize < 0 || extraSize > in.Remaining()) {
        image.Clear();
        return false;
    }
    image.mExtra.resize(static_cast<size_t>(extraSize));
    in.ReadBytes(image.mExtra.data(), extraSize);
    return true;
}
