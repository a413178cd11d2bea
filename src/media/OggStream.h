#pragma once
// An Ogg Vorbis file decoded piece by piece with vorbisfile: whole sound
// effects and streamed music both read through it.

#include <cstdint>

#include "core/String.h"
#include "media/PcmData.h"

class OggStream {
public:
    OggStream() = default;
    ~OggStream();
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;

    // Opens `path`; false (and closed) when it is not an Ogg Vorbis file of 1
    // or 2 channels at a rate the mixer can play.
    bool Open(const String& path);
    void Close();
    bool IsOpen() const { return mFile != nullptr; }
    int32_t Channels() const { return mChannels; }
    int32_t Rate() const { return mRate; }

    // Decodes up to `frames` frames into `out` (interleaved 16-bit). Answers the
    // frames written; 0 at the end of the stream or on a decoding error (also
    // when a chained stream changes its channels or rate).
    int32_t Read(int16_t* out, int32_t frames);
    // Back to the first sample; false when the file cannot seek.
    bool Rewind();

private:
    struct File;
    File* mFile = nullptr;
    int32_t mChannels = 0;
    int32_t mRate = 0;
};

// Decodes the whole of `path` into `out`; false (and `out` empty) when it is
// not a playable Ogg Vorbis file or holds more than PcmData::kMaxBytes.
bool DecodeOggFile(const String& path, PcmData& out);
