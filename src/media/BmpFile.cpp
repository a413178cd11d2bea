#include "media/BmpFile.h"

#include "core/IOBuffer.h"

namespace {
constexpr int32_t kFileHeaderBytes = 14;
constexpr int32_t kInfoHeaderBytes = 40;
constexpr int32_t kBitsPerPixel = 24;
constexpr int32_t kBytesPerPixel = 3;
constexpr int32_t kMaxSide = 8192;

void WriteShort(IOBuffer& out, int32_t value) {
    out.WriteByte(static_cast<uint8_t>(value));
    out.WriteByte(static_cast<uint8_t>(value >> 8));
}

int32_t ReadShort(IOBuffer& in) {
    int32_t low = in.ReadByte();
    return low | (in.ReadByte() << 8);
}

int32_t RowBytes(int32_t width) { return (width * kBytesPerPixel + 3) & ~3; }
}  // namespace

bool BmpFile::Write(const String& path, const uint32_t* pixels, int32_t width, int32_t height) {
    if (!pixels || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
    int32_t imageBytes = RowBytes(width) * height;
    IOBuffer out;
    out.WriteByte('B');
    out.WriteByte('M');
    out.WriteInt(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);  // file size
    out.WriteInt(0);                                                 // reserved
    out.WriteInt(kFileHeaderBytes + kInfoHeaderBytes);               // offset of the pixels
    out.WriteInt(kInfoHeaderBytes);
    out.WriteInt(width);
    out.WriteInt(height);  // positive: rows bottom-up
    WriteShort(out, 1);    // planes
    WriteShort(out, kBitsPerPixel);
    out.WriteInt(0);  // no compression
    out.WriteInt(imageBytes);
    out.WriteInt(0);  // pixels per metre, x and y: unknown
    out.WriteInt(0);
    out.WriteInt(0);  // colours used, important: none
    out.WriteInt(0);
    for (int32_t row = height - 1; row >= 0; --row) {
        const uint32_t* source = pixels + static_cast<size_t>(row) * width;
        for (int32_t col = 0; col < width; ++col) {
            out.WriteByte(static_cast<uint8_t>(source[col]));
            out.WriteByte(static_cast<uint8_t>(source[col] >> 8));
            out.WriteByte(static_cast<uint8_t>(source[col] >> 16));
        }
        for (int32_t pad = width * kBytesPerPixel; pad < RowBytes(width); ++pad) out.WriteByte(0);
    }
    return out.SaveFile(path);
}

bool BmpFile::Read(const String& path, std::vector<uint32_t>& pixels, int32_t& width, int32_t& height) {
    IOBuffer in;
    if (!in.LoadFile(path) || in.ReadByte() != 'B' || in.ReadByte() != 'M') return false;
    in.ReadInt();  // file size
    in.ReadInt();
    int32_t offset = in.ReadInt();
    if (in.ReadInt() != kInfoHeaderBytes) return false;
    width = in.ReadInt();
    height = in.ReadInt();
    if (ReadShort(in) != 1 || ReadShort(in) != kBitsPerPixel || in.ReadInt() != 0) return false;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
    if (offset < 0 || static_cast<int64_t>(offset) + static_cast<int64_t>(RowBytes(width)) * height > in.Size())
        return false;
    pixels.assign(static_cast<size_t>(width) * height, 0);
    for (int32_t row = 0; row < height; ++row) {
        in.SetPosition(offset + (height - 1 - row) * RowBytes(width));
        for (int32_t col = 0; col < width; ++col) {
            uint32_t blue = in.ReadByte(), green = in.ReadByte(), red = in.ReadByte();
            pixels[static_cast<size_t>(row) * width + col] = 0xFF000000 | (red << 16) | (green << 8) | blue;
        }
    }
    return !in.HasError();
}
