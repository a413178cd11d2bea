#include "media/OggStream.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>

namespace {
constexpr int kLittleEndian = 0;
constexpr int kSixteenBit = 2;
constexpr int kSigned = 1;
constexpr int32_t kDecodeChunkFrames = 4096;
}  // namespace

struct OggStream::File {
    OggVorbis_File vorbis{};
};

OggStream::~OggStream() { Close(); }

bool OggStream::Open(const String& path) {
    Close();
    FILE* handle = std::fopen(path.c_str(), "rb");
    if (!handle) return false;
    File* file = new File;
    // OV_CALLBACKS_DEFAULT closes the handle with the stream; on failure we close it.
    if (ov_open_callbacks(handle, &file->vorbis, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        std::fclose(handle);
        delete file;
        return false;
    }
    mFile = file;
    const vorbis_info* info = ov_info(&mFile->vorbis, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate < PcmData::kMinRate ||
        info->rate > PcmData::kMaxRate) {
        Close();
        return false;
    }
    mChannels = info->channels;
    mRate = static_cast<int32_t>(info->rate);
    return true;
}

void OggStream::Close() {
    if (mFile) {
        ov_clear(&mFile->vorbis);
        delete mFile;
    }
    mFile = nullptr;
    mChannels = 0;
    mRate = 0;
}

int32_t OggStream::Read(int16_t* out, int32_t frames) {
    if (!mFile || frames <= 0) return 0;
    int32_t frameBytes = mChannels * static_cast<int32_t>(sizeof(int16_t));
    int32_t done = 0;
    while (done < frames) {
        int section = 0;
        long bytes = ov_read(&mFile->vorbis, reinterpret_cast<char*>(out + done * mChannels),
                             (frames - done) * frameBytes, kLittleEndian, kSixteenBit, kSigned, &section);
        if (bytes == OV_HOLE) continue;  // a gap in the data: skip it, the stream goes on
        if (bytes <= 0) break;
        const vorbis_info* info = ov_info(&mFile->vorbis, section);
        if (!info || info->channels != mChannels || info->rate != mRate) break;
        done += static_cast<int32_t>(bytes / frameBytes);
    }
    return done;
}

bool OggStream::Rewind() { return mFile && ov_pcm_seek(&mFile->vorbis, 0) == 0; }

bool DecodeOggFile(const String& path, PcmData& out) {
    out = PcmData();
    OggStream stream;
    if (!stream.Open(path)) return false;
    const int64_t maxSamples = PcmData::kMaxBytes / static_cast<int64_t>(sizeof(int16_t));
    int16_t chunk[kDecodeChunkFrames * 2];
    for (;;) {
        int32_t frames = stream.Read(chunk, kDecodeChunkFrames);
        if (frames == 0) break;
        int64_t samples = static_cast<int64_t>(frames) * stream.Channels();
        if (static_cast<int64_t>(out.samples.size()) + samples > maxSamples) {
            out = PcmData();
            return false;
        }
        out.samples.insert(out.samples.end(), chunk, chunk + samples);
    }
    if (out.samples.empty()) return false;
    out.channels = stream.Channels();
    out.rate = stream.Rate();
    return true;
}
