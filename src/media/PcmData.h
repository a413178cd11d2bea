#pragma once
// Decoded sound samples shared by every voice that plays them: signed 16-bit,
// interleaved, one or two channels, at the rate they were recorded.

#include <cstdint>
#include <vector>

class IOBuffer;

// The PCM wave format block of WAV files and sound cache files.
struct PcmFormat {
    static constexpr uint16_t kTagPcm = 1;
    static constexpr int32_t kBytes = 16;

    uint16_t formatTag = kTagPcm;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

struct PcmData {
    // What a sound may be: a wrong value here means a broken or hostile file.
    static constexpr int32_t kMinRate = 100;                    // Hz
    static constexpr int32_t kMaxRate = 100000;                 // Hz
    static constexpr int64_t kMaxBytes = 64LL * 1024 * 1024;   // of 16-bit samples, about 6 min stereo

    std::vector<int16_t> samples;
    int32_t channels = 0;
    int32_t rate = 0;  // frames per second

    int64_t Frames() const { return channels > 0 ? static_cast<int64_t>(samples.size()) / channels : 0; }
    bool IsEmpty() const { return Frames() == 0; }

    // The format these samples are stored in (16-bit PCM).
    PcmFormat Format() const;
};

// Whether the mixer can play samples stored in `format`: PCM, 1 or 2 channels,
// 8 or 16 bits, a rate of kMinRate..kMaxRate and a consistent block size.
bool IsPlayableFormat(const PcmFormat& format);

// Converts `byteCount` bytes stored in `format` into `out` (replaced). A
// trailing partial frame is dropped. Answers false, leaving `out` empty, for an
// unplayable format, no whole frame, or more than PcmData::kMaxBytes of samples.
bool DecodePcm(const PcmFormat& format, const uint8_t* bytes, int64_t byteCount, PcmData& out);

// The 16-byte format record, little-endian, as WAV and cache files hold it.
void WritePcmFormat(IOBuffer& out, const PcmFormat& format);
PcmFormat ReadPcmFormat(IOBuffer& in);  // the in buffer's error flag tells a short read
