#include "media/WavReader.h"

#include <cstring>

#include "core/IOBuffer.h"

namespace {
constexpr int32_t kChunkIdBytes = 4;

bool ReadChunkId(IOBuffer& in, const char* expected) {
    char id[kChunkIdBytes];
    in.ReadBytes(id, kChunkIdBytes);
    return !in.HasError() && std::memcmp(id, expected, kChunkIdBytes) == 0;
}

// Chunk lengths are unsigned 32-bit: a length near 4 GB must not turn negative.
int64_t ReadChunkLength(IOBuffer& in) { return static_cast<uint32_t>(in.ReadInt()); }
}  // namespace

WavResult ParseWav(IOBuffer& in, PcmData& out) {
    out = PcmData();
    in.SetPosition(0);
    if (!ReadChunkId(in, "RIFF")) return WavResult::NotRiff;
    ReadChunkLength(in);  // the RIFF length is often wrong in the wild; the real size rules
    if (!ReadChunkId(in, "WAVE")) return WavResult::NotWave;

    bool haveFormat = false;
    PcmFormat format;
    while (in.Remaining() >= 2 * kChunkIdBytes) {
        char id[kChunkIdBytes];
        in.ReadBytes(id, kChunkIdBytes);
        int64_t length = ReadChunkLength(in);
        int64_t available = in.Remaining();
        if (std::memcmp(id, "fmt ", kChunkIdBytes) == 0) {
            if (length < PcmFormat::kBytes || length > available) return WavResult::BadFormatChunk;
            int32_t start = in.Position();
            format = ReadPcmFormat(in);
            if (format.formatTag != PcmFormat::kTagPcm) return WavResult::BadFormatChunk;
            haveFormat = true;
            in.SetPosition(start + static_cast<int32_t>(length));
        } else if (std::memcmp(id, "data", kChunkIdBytes) == 0) {
            if (!haveFormat) return WavResult::BadFormatChunk;
            if (length > available) return WavResult::BadDataChunk;
            if (!DecodePcm(format, in.Data() + in.Position(), length, out)) return WavResult::UnplayableFormat;
            return WavResult::Ok;
        } else {
            if (length > available) break;
            in.SetPosition(in.Position() + static_cast<int32_t>(length));
        }
        if (length % 2 == 1 && in.Remaining() > 0) in.SetPosition(in.Position() + 1);  // chunks are word aligned
    }
    return haveFormat ? WavResult::BadDataChunk : WavResult::BadFormatChunk;
}

String WavResultMessage(WavResult result) {
    switch (result) {
        case WavResult::Ok: return "";
        case WavResult::NotRiff: return "Could not load WAV sound (1)";
        case WavResult::NotWave: return "Could not load WAV sound (2)";
        case WavResult::BadFormatChunk: return "Could not load sound (3)";
        case WavResult::BadDataChunk: return "Could not load sound (4)";
        case WavResult::UnplayableFormat: return "Could not load sound (5)";
    }
    return "";
}
