#include "support/OggWriter.h"

#ifdef PZ_HAVE_VORBISENC
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {
constexpr float kQuality = 0.3f;
constexpr float kAmplitude = 0.5f;
constexpr int32_t kBlockFrames = 1024;

void WritePages(ogg_stream_state& stream, FILE* file, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file);
        std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file);
    }
}
}  // namespace

bool WriteOggTone(const std::string& path, int32_t rate, int32_t channels, int32_t frames, float hertz) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, kQuality) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    WritePages(stream, file, true);

    for (int32_t done = 0;;) {
        int32_t count = std::min(kBlockFrames, frames - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            for (int32_t i = 0; i < count; ++i) {
                float value = kAmplitude * std::sin(2.0f * std::numbers::pi_v<float> * hertz * (done + i) / rate);
                for (int32_t c = 0; c < channels; ++c) buffer[c][i] = value;
            }
        }
        vorbis_analysis_wrote(&dsp, std::max(count, 0));  // 0 marks the end
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                WritePages(stream, file, false);
            }
        }
        if (count <= 0) break;
        done += count;
    }
    WritePages(stream, file, true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0;
}
#else
bool WriteOggTone(const std::string&, int32_t, int32_t, int32_t, float) { return false; }
#endif
