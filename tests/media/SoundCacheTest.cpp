#include <gtest/gtest.h>

#include "core/IOBuffer.h"
#include "media/SoundCache.h"

namespace {
PcmData MakePcm() {
    PcmData pcm;
    pcm.channels = 2;
    pcm.rate = 22050;
    pcm.samples = {1, -1, 32767, -32768, 5, 6};
    return pcm;
}

bool ReadBack(IOBuffer& bytes, PcmData& out) {
    IOBuffer in;
    in.SetData(bytes.Data(), bytes.Size());
    return ReadSoundCache(in, out);
}
}  // namespace

TEST(SoundCache, RoundTripsWithTheDocumentedLayout) {
    IOBuffer out;
    WriteSoundCache(out, MakePcm());
    ASSERT_EQ(out.Size(), 56 + 12);
    IOBuffer view;
    view.SetData(out.Data(), out.Size());
    PcmFormat format = ReadPcmFormat(view);
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSecond, 22050u);
    EXPECT_EQ(format.averageBytesPerSecond, 88200u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(view.ReadInt(), 36);  // description size
    view.SetPosition(52);
    EXPECT_EQ(view.ReadInt(), 12);

    PcmData back;
    ASSERT_TRUE(ReadBack(out, back));
    EXPECT_EQ(back.samples, MakePcm().samples);
    EXPECT_EQ(back.channels, 2);
    EXPECT_EQ(back.rate, 22050);
}

TEST(SoundCache, BrokenRecordsReadAsEmpty) {
    IOBuffer good;
    WriteSoundCache(good, MakePcm());
    auto patched = [&](int32_t offset, int32_t value) {
        std::vector<uint8_t> bytes(good.Data(), good.Data() + good.Size());
        for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(offset + i)] = static_cast<uint8_t>(value >> (8 * i));
        IOBuffer result;
        result.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
        return result;
    };
    PcmData out;
    IOBuffer cases[] = {patched(52, 13),          patched(52, -4),  patched(52, 0x7FFFFFFF),
                        patched(52, 0),           patched(0, 0x00000001),  // zero channels
                        patched(4, 0),            patched(4, 0x7FFFFFFF)};   // absurd rates
    for (IOBuffer& bytes : cases) {
        EXPECT_FALSE(ReadBack(bytes, out));
        EXPECT_TRUE(out.IsEmpty());
    }
    IOBuffer truncated;
    truncated.SetData(good.Data(), 40);
    EXPECT_FALSE(ReadBack(truncated, out));
}
