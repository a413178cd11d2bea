#include "media/SoundCache.h"

#include "core/IOBuffer.h"

namespace {
constexpr int32_t kDescriptionBytes = 36;
constexpr int32_t kDescriptionTailBytes = 24;  // reserved word, format reference, algorithm id
// Volume, pan and frequency control, and the accurate play cursor.
constexpr int32_t kBufferFlags = 0x000100E0;
}  // namespace

void WriteSoundCache(IOBuffer& out, const PcmData& pcm) {
    int32_t dataBytes = static_cast<int32_t>(pcm.samples.size() * sizeof(int16_t));
    WritePcmFormat(out, pcm.Format());
    out.WriteInt(kDescriptionBytes);
    out.WriteInt(kBufferFlags);
    out.WriteInt(dataBytes);
    const uint8_t zeros[kDescriptionTailBytes] = {};
    out.WriteBytes(zeros, kDescriptionTailBytes);
    out.WriteInt(dataBytes);
    for (int16_t sample : pcm.samples) {
        out.WriteByte(static_cast<uint8_t>(sample));
        out.WriteByte(static_cast<uint8_t>(static_cast<uint16_t>(sample) >> 8));
    }
}

bool ReadSoundCache(IOBuffer& in, PcmData& out) {
    out = PcmData();
    in.SetPosition(0);
    PcmFormat format = ReadPcmFormat(in);
    in.SetPosition(in.Position() + kDescriptionBytes);
    int32_t dataBytes = in.ReadInt();
    if (in.HasError() || dataBytes <= 0 || dataBytes > in.Remaining()) return false;
    return DecodePcm(format, in.Data() + in.Position(), dataBytes, out);
}
