#include "media/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "media/Image.h"

namespace {
constexpr int32_t kMaxCodeBits = 12;
constexpr int32_t kTableSize = 1 << kMaxCodeBits;  // 4096 dictionary entries
// A code is at least two bits wide and stands for at most kTableSize pixels,
// which bounds the pixels that one byte of compressed data can produce.
constexpr int64_t kMaxPixelsPerByte = 4 * kTableSize;
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImageDescriptor = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControl = 0xF9;
constexpr uint32_t kOpaque = 0xFF000000;

using Palette = std::array<uint32_t, 256>;

class Reader {
public:
    Reader(const uint8_t* bytes, size_t size) : mBytes(bytes), mSize(size) {}
    bool Has(size_t count) const { return mSize - mPosition >= count; }
    size_t Remaining() const { return mSize - mPosition; }
    int32_t Byte() { return Has(1) ? mBytes[mPosition++] : -1; }
    int32_t Word() {
        if (!Has(2)) return -1;
        int32_t value = mBytes[mPosition] | (mBytes[mPosition + 1] << 8);
        mPosition += 2;
        return value;
    }
    bool ReadPalette(int32_t entries, Palette& palette) {
        if (!Has(static_cast<size_t>(entries) * 3)) return false;
        palette.fill(kOpaque);
        for (int32_t i = 0; i < entries; ++i, mPosition += 3)
            palette[i] = kOpaque | (mBytes[mPosition] << 16) | (mBytes[mPosition + 1] << 8) | mBytes[mPosition + 2];
        return true;
    }
    // Skips data sub-blocks up to and including the empty terminator.
    void SkipBlocks() {
        for (int32_t length = Byte(); length > 0; length = Byte()) mPosition += std::min<size_t>(length, Remaining());
    }
    // Next byte of the sub-block stream; -1 at its terminator or the end of data.
    int32_t StreamByte() {
        if (mStreamEnded) return -1;
        if (mBlockLeft == 0) {
            int32_t length = Byte();
            if (length <= 0) {
                mStreamEnded = true;
                return -1;
            }
            mBlockLeft = length;
        }
        --mBlockLeft;
        return Byte();
    }
    void StartStream() {
        mBlockLeft = 0;
        mStreamEnded = false;
    }
    void FinishStream() {
        if (!mStreamEnded) {
            mPosition += std::min<size_t>(mBlockLeft, Remaining());
            SkipBlocks();
        }
    }

private:
    const uint8_t* mBytes;
    size_t mSize;
    size_t mPosition = 0;
    int32_t mBlockLeft = 0;
    bool mStreamEnded = false;
};

// Row written by the n-th decoded row of an interlaced frame.
int32_t InterlacedRow(int32_t n, int32_t height) {
    static constexpr int32_t kStart[4] = {0, 4, 2, 1};
    static constexpr int32_t kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        int32_t rows = (height - kStart[pass] + kStep[pass] - 1) / kStep[pass];
        if (rows < 0) rows = 0;
        if (n < rows) return kStart[pass] + n * kStep[pass];
        n -= rows;
    }
    return height;
}

// Decodes one frame's LZW data into `image`; stops quietly at bad codes or
// the end of the data, leaving the remaining pixels transparent.
void DecodeFrame(Reader& in, int32_t minimumCodeSize, const Palette& palette, int32_t transparent, bool interlaced,
                 Image& image) {
    uint16_t prefix[kTableSize];
    uint8_t suffix[kTableSize];
    uint8_t stack[kTableSize + 1];
    int32_t clearCode = 1 << minimumCodeSize;
    int32_t endCode = clearCode + 1;
    int32_t codeBits = minimumCodeSize + 1;
    int32_t nextCode = endCode + 1;
    int32_t previous = -1;
    uint8_t firstByte = 0;
    for (int32_t i = 0; i < clearCode; ++i) {
        prefix[i] = 0;
        suffix[i] = static_cast<uint8_t>(i);
    }
    int64_t total = static_cast<int64_t>(image.mWidth) * image.mHeight;
    int64_t written = 0;
    uint32_t bits = 0;
    int32_t bitCount = 0;
    in.StartStream();
    while (written < total) {
        while (bitCount < codeBits) {
            int32_t byte = in.StreamByte();
            if (byte < 0) {
                in.FinishStream();
                return;
            }
            bits |= static_cast<uint32_t>(byte) << bitCount;
            bitCount += 8;
        }
        int32_t code = static_cast<int32_t>(bits & ((1u << codeBits) - 1));
        bits >>= codeBits;
        bitCount -= codeBits;
        if (code == clearCode) {
            codeBits = minimumCodeSize + 1;
            nextCode = endCode + 1;
            previous = -1;
            continue;
        }
        if (code == endCode) break;
        int32_t depth = 0;
        int32_t current = code;
        if (previous < 0) {
            if (code >= clearCode) break;  // the first code must be a plain colour
        } else if (code > nextCode || (code == nextCode && nextCode >= kTableSize)) {
            break;  // a code past the table
        } else if (code == nextCode) {
            stack[depth++] = firstByte;
            current = previous;
        }
        while (current >= clearCode) {
            stack[depth++] = suffix[current];
            current = prefix[current];
        }
        stack[depth++] = static_cast<uint8_t>(current);
        firstByte = static_cast<uint8_t>(current);
        if (previous >= 0 && nextCode < kTableSize) {
            prefix[nextCode] = static_cast<uint16_t>(previous);
            suffix[nextCode] = firstByte;
            ++nextCode;
            if (nextCode == (1 << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
        }
        previous = code;
        while (depth > 0 && written < total) {
            uint8_t index = stack[--depth];
            int32_t column = static_cast<int32_t>(written % image.mWidth);
            int32_t row = static_cast<int32_t>(written / image.mWidth);
            if (interlaced) row = InterlacedRow(row, image.mHeight);
            *image.PixelAt(column, row) = index == transparent ? 0 : palette[index];
            ++written;
        }
    }
    in.FinishStream();
}
}  // namespace

bool GifDecoder::Decode(const uint8_t* bytes, size_t size, Image& image) {
    image.Clear();
    if (size < 13 || (std::memcmp(bytes, "GIF87", 5) != 0 && std::memcmp(bytes, "GIF89", 5) != 0)) return false;
    Reader in(bytes + 6, size - 6);
    in.Word();  // logical screen size: the frame's own size is used
    in.Word();
    int32_t flags = in.Byte();
    in.Byte();  // background colour index (ignored)
    in.Byte();  // aspect ratio
    Palette global;
    global.fill(kOpaque);
    if ((flags & 0x80) && !in.ReadPalette(2 << (flags & 7), global)) return false;
    int32_t transparent = -1;
    bool decoded = false;
    for (;;) {
        int32_t block = in.Byte();
        if (block < 0 || block == kTrailer) break;
        if (block == kExtension) {
            int32_t label = in.Byte();
            if (label == kGraphicControl && in.Byte() == 4) {
                int32_t control = in.Byte();
                in.Word();  // delay
                int32_t index = in.Byte();
                transparent = (control & 1) ? index : -1;
            }
            in.SkipBlocks();  // comments, application blocks ("NETSCAPE2.0"), the rest
            continue;
        }
        if (block != kImageDescriptor) break;
        in.Word();  // frame offset (ignored)
        in.Word();
        int32_t width = in.Word();
        int32_t height = in.Word();
        int32_t frameFlags = in.Byte();
        if (frameFlags < 0 || width <= 0 || height <= 0) {
            image.Clear();
            return false;
        }
        Palette local = global;
        if ((frameFlags & 0x80) && !in.ReadPalette(2 << (frameFlags & 7), local)) break;
        int32_t minimumCodeSize = in.Byte();
        if (minimumCodeSize < 1 || minimumCodeSize > kMaxCodeBits - 1) break;
        if (width > Image::kMaxSide || height > Image::kMaxSide ||
            static_cast<int64_t>(width) * height > static_cast<int64_t>(in.Remaining()) * kMaxPixelsPerByte) {
            image.Clear();
            return false;
        }
        Image frame;
        frame.Create(width, height);
        DecodeFrame(in, minimumCodeSize, local, transparent, (frameFlags & 0x40) != 0, frame);
        image = std::move(frame);
        decoded = true;
    }
    return decoded;
}
