#include <gtest/gtest.h>

#include "AudioTestKit.h"
#include "core/IOBuffer.h"
#include "media/WavReader.h"

namespace {
WavResult Parse(const std::string& bytes, PcmData& pcm) {
    IOBuffer in;
    in.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
    return ParseWav(in, pcm);
}

WavResult Parse(const std::string& bytes) {
    PcmData pcm;
    WavResult result = Parse(bytes, pcm);
    if (result != WavResult::Ok) {
        EXPECT_TRUE(pcm.IsEmpty());
    }
    return result;
}

// Overwrites the little-endian 16- or 32-bit field at `offset` of a MakeWav file.
std::string Patch(std::string wav, size_t offset, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) wav[offset + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    return wav;
}

constexpr size_t kChannelsOffset = 22;
constexpr size_t kRateOffset = 24;
constexpr size_t kBitsOffset = 34;
constexpr size_t kDataLengthOffset = 40;
}  // namespace

TEST(WavReader, ReadsSixteenBitStereoSamplesAndFormat) {
    PcmData pcm;
    ASSERT_EQ(Parse(MakeWav({1, -2, 300, -400}, 2, 22050), pcm), WavResult::Ok);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.rate, 22050);
    EXPECT_EQ(pcm.Frames(), 2);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{1, -2, 300, -400}));
}

TEST(WavReader, WidensEightBitSamplesAroundTheirCentre) {
    std::string wav = MakeWav({0}, 1, 8000);  // rewritten below as three 8-bit samples
    wav = Patch(wav, kBitsOffset, 8, 2);
    wav = Patch(wav, 32, 1, 2);  // block align
    wav = Patch(wav, kDataLengthOffset, 3, 4);
    wav.resize(44);
    wav += std::string("\x80\xff\x00", 3);
    PcmData pcm;
    ASSERT_EQ(Parse(wav, pcm), WavResult::Ok);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{0, 127 * 256, -128 * 256}));
}

TEST(WavReader, SkipsUnknownChunksIncludingOddPadding) {
    std::string wav = MakeWav({7, 8});
    std::string withList = wav.substr(0, 36) + std::string("LIST\x03\x00\x00\x00xyz\x00", 12) + wav.substr(36);
    PcmData pcm;
    ASSERT_EQ(Parse(withList, pcm), WavResult::Ok);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{7, 8}));
}

TEST(WavReader, EachBrokenPartHasItsOwnMessage) {
    std::string good = MakeWav({1, 2, 3, 4});
    EXPECT_EQ(Parse("RIFX" + good.substr(4)), WavResult::NotRiff);
    EXPECT_EQ(Parse(""), WavResult::NotRiff);
    EXPECT_EQ(Parse(good.substr(0, 8) + "AVI " + good.substr(12)), WavResult::NotWave);
    EXPECT_EQ(Parse(good.substr(0, 10)), WavResult::NotWave);
    EXPECT_EQ(Parse(good.substr(0, 12)), WavResult::BadFormatChunk);
    EXPECT_EQ(Parse(Patch(good, 16, 12, 4)), WavResult::BadFormatChunk);   // format chunk too short
    EXPECT_EQ(Parse(Patch(good, 20, 3, 2)), WavResult::BadFormatChunk);    // not PCM
    EXPECT_EQ(Parse(good.substr(0, 36)), WavResult::BadDataChunk);         // no data chunk

    EXPECT_EQ(WavResultMessage(WavResult::NotRiff).str(), "Could not load WAV sound (1)");
    EXPECT_EQ(WavResultMessage(WavResult::NotWave).str(), "Could not load WAV sound (2)");
    EXPECT_EQ(WavResultMessage(WavResult::BadFormatChunk).str(), "Could not load sound (3)");
    EXPECT_EQ(WavResultMessage(WavResult::BadDataChunk).str(), "Could not load sound (4)");
    EXPECT_EQ(WavResultMessage(WavResult::UnplayableFormat).str(), "Could not load sound (5)");
}

TEST(WavReader, HostileFieldsLeaveTheSoundEmpty) {
    std::string good = MakeWav({1, 2, 3, 4});
    EXPECT_EQ(Parse(Patch(good, kChannelsOffset, 0, 2)), WavResult::UnplayableFormat);
    EXPECT_EQ(Parse(Patch(good, kChannelsOffset, 6, 2)), WavResult::UnplayableFormat);
    EXPECT_EQ(Parse(Patch(good, kRateOffset, 0, 4)), WavResult::UnplayableFormat);
    EXPECT_EQ(Parse(Patch(good, kRateOffset, 0xFFFFFFFFu, 4)), WavResult::UnplayableFormat);
    EXPECT_EQ(Parse(Patch(good, kBitsOffset, 24, 2)), WavResult::UnplayableFormat);
    EXPECT_EQ(Parse(Patch(good, kDataLengthOffset, 9, 4)), WavResult::BadDataChunk);           // past the end
    EXPECT_EQ(Parse(Patch(good, kDataLengthOffset, 0xFFFFFFFFu, 4)), WavResult::BadDataChunk);  // 4 GB
    EXPECT_EQ(Parse(Patch(good, 16, 0xFFFFFFF0u, 4)), WavResult::BadFormatChunk);              // 4 GB format
    EXPECT_EQ(Parse(Patch(good, kDataLengthOffset, 0, 4)), WavResult::UnplayableFormat);       // no frames
    EXPECT_EQ(Parse(Patch(good, kDataLengthOffset, 1, 4)), WavResult::UnplayableFormat);       // half a frame
}
