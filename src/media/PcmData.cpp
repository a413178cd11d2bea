#include "media/PcmData.h"

#include "core/IOBuffer.h"

namespace {
constexpr uint16_t kBitsEight = 8;
constexpr uint16_t kBitsSixteen = 16;
constexpr int32_t kEightBitSilence = 128;  // unsigned 8-bit samples centre here

void WriteUint16(IOBuffer& out, uint16_t value) {
    out.WriteByte(static_cast<uint8_t>(value));
    out.WriteByte(static_cast<uint8_t>(value >> 8));
}

uint16_t ReadUint16(IOBuffer& in) {
    uint16_t low = in.ReadByte();
    return static_cast<uint16_t>(low | (in.ReadByte() << 8));
}
}  // namespace

void WritePcmFormat(IOBuffer& out, const PcmFormat& format) {
    WriteUint16(out, format.formatTag);
    WriteUint16(out, format.channels);
    out.WriteInt(static_cast<int32_t>(format.samplesPerSecond));
    out.WriteInt(static_cast<int32_t>(format.averageBytesPerSecond));
    WriteUint16(out, format.blockAlign);
    WriteUint16(out, format.bitsPerSample);
}

PcmFormat ReadPcmFormat(IOBuffer& in) {
    PcmFormat format;
    format.formatTag = ReadUint16(in);
    format.channels = ReadUint16(in);
    format.samplesPerSecond = static_cast<uint32_t>(in.ReadInt());
    format.averageBytesPerSecond = static_cast<uint32_t>(in.ReadInt());
    format.blockAlign = ReadUint16(in);
    format.bitsPerSample = ReadUint16(in);
    return format;
}

PcmFormat PcmData::Format() const {
    PcmFormat format;
    format.channels = static_cast<uint16_t>(channels);
    format.samplesPerSecond = static_cast<uint32_t>(rate);
    format.bitsPerSample = kBitsSixteen;
    format.blockAlign = static_cast<uint16_t>(channels * static_cast<int32_t>(sizeof(int16_t)));
    format.averageBytesPerSecond = format.samplesPerSecond * format.blockAlign;
    return format;
}

bool IsPlayableFormat(const PcmFormat& format) {
    if (format.formatTag != PcmFormat::kTagPcm) return false;
    if (format.channels < 1 || format.channels > 2) return false;
    if (format.bitsPerSample != kBitsEight && format.bitsPerSample != kBitsSixteen) return false;
    if (format.samplesPerSecond < static_cast<uint32_t>(PcmData::kMinRate) ||
        format.samplesPerSecond > static_cast<uint32_t>(PcmData::kMaxRate))
        return false;
    return format.blockAlign == format.channels * (format.bitsPerSample / 8);
}

bool DecodePcm(const PcmFormat& format, const uint8_t* bytes, int64_t byteCount, PcmData& out) {
    out = PcmData();
    if (!IsPlayableFormat(format) || !bytes || byteCount <= 0) return false;
    int64_t frames = byteCount / format.blockAlign;
    int64_t sampleCount = frames * format.channels;
    if (frames == 0 || sampleCount * static_cast<int64_t>(sizeof(int16_t)) > PcmData::kMaxBytes) return false;

    out.samples.resize(static_cast<size_t>(sampleCount));
    if (format.bitsPerSample == kBitsEight) {
        for (int64_t i = 0; i < sampleCount; ++i)
            out.samples[static_cast<size_t>(i)] = static_cast<int16_t>((bytes[i] - kEightBitSilence) * 256);
    } else {
        for (int64_t i = 0; i < sampleCount; ++i)
            out.samples[static_cast<size_t>(i)] =
                static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    }
    out.channels = format.channels;
    out.rate = static_cast<int32_t>(format.samplesPerSecond);
    return true;
}
