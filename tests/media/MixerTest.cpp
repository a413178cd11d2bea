#include <gtest/gtest.h>

#include <algorithm>

#include "AudioTestKit.h"
#include "media/Mixer.h"
#include "media/Voice.h"

namespace {
std::vector<int16_t> RenderMixer(Mixer& mixer, int32_t frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    mixer.Render(out.data(), frames);
    return out;
}

int32_t CountPlayedFrames(Mixer& mixer, Voice& voice) {
    for (int32_t frames = 1; frames < 100000; ++frames) {
        RenderMixer(mixer, 1);
        auto lock = mixer.Lock();
        if (!voice.IsPlaying()) return frames;
    }
    return -1;
}
}  // namespace

TEST(Mixer, AtTheOutputRateASamplePassesUnchangedToBothSides) {
    Mixer mixer;
    std::vector<int16_t> samples = Ramp(100);
    Voice voice;
    voice.SetSource(samples.data(), 100, 1);
    voice.SetRate(Mixer::kOutputRate);
    voice.Start(0, false);
    mixer.AddVoice(&voice);
    std::vector<int16_t> out = RenderMixer(mixer, 120);
    for (int32_t i = 0; i < 99; ++i) {
        ASSERT_EQ(out[static_cast<size_t>(2 * i)], i);
        ASSERT_EQ(out[static_cast<size_t>(2 * i + 1)], i);
    }
    for (int32_t i = 100; i < 120; ++i) ASSERT_EQ(out[static_cast<size_t>(2 * i)], 0);
    mixer.RemoveVoice(&voice);
}

TEST(Mixer, DoubleRateHalvesAOneShotAndInterpolatesBetweenFrames) {
    Mixer mixer;
    std::vector<int16_t> samples = Ramp(1000);
    Voice voice;
    voice.SetSource(samples.data(), 1000, 1);
    mixer.AddVoice(&voice);

    voice.SetRate(Mixer::kOutputRate);
    voice.Start(0, false);
    EXPECT_EQ(CountPlayedFrames(mixer, voice), 1000);

    voice.SetRate(2.0 * Mixer::kOutputRate);
    voice.Start(0, false);
    EXPECT_EQ(CountPlayedFrames(mixer, voice), 500);

    voice.SetRate(0.5 * Mixer::kOutputRate);  // half speed: every other output lies between two frames
    voice.Start(10, false);
    std::vector<int16_t> out = RenderMixer(mixer, 4);
    EXPECT_EQ(out[0], 10);
    EXPECT_EQ(out[2], 11);  // 10.5, rounded away from zero
    EXPECT_EQ(out[4], 11);
    EXPECT_EQ(out[6], 12);  // 11.5
    mixer.RemoveVoice(&voice);
}

TEST(Mixer, LoopingVoiceWrapsToItsFirstFrame) {
    Mixer mixer;
    std::vector<int16_t> samples = {100, 200, 300};
    Voice voice;
    voice.SetSource(samples.data(), 3, 1);
    voice.SetRate(Mixer::kOutputRate);
    voice.Start(0, true);
    mixer.AddVoice(&voice);
    std::vector<int16_t> out = RenderMixer(mixer, 7);
    std::vector<int16_t> left;
    for (size_t i = 0; i < out.size(); i += 2) left.push_back(out[i]);
    EXPECT_EQ(left, (std::vector<int16_t>{100, 200, 300, 100, 200, 300, 100}));
    mixer.RemoveVoice(&voice);
}

TEST(Mixer, ManyLoudVoicesBendTowardsFullScaleAndNeverWrap) {
    Mixer mixer;
    std::vector<int16_t> loud(64, 30000);
    std::vector<int16_t> quiet(64, -30000);
    std::vector<Voice> voices(40);
    for (size_t i = 0; i < voices.size(); ++i) {
        voices[i].SetSource(i < 20 ? loud.data() : quiet.data(), 64, 1);
        voices[i].SetRate(Mixer::kOutputRate);
        voices[i].Start(0, true);
    }
    for (size_t i = 0; i < 20; ++i) mixer.AddVoice(&voices[i]);
    std::vector<int16_t> positive = RenderMixer(mixer, 32);
    EXPECT_TRUE(std::all_of(positive.begin(), positive.end(), [](int16_t s) { return s > 30000; }));
    for (size_t i = 0; i < 20; ++i) mixer.RemoveVoice(&voices[i]);
    for (size_t i = 20; i < 40; ++i) mixer.AddVoice(&voices[i]);
    std::vector<int16_t> negative = RenderMixer(mixer, 32);
    EXPECT_TRUE(std::all_of(negative.begin(), negative.end(), [](int16_t s) { return s < -30000; }));

    // Louder input never gives quieter output.
    Voice one;
    one.SetSource(loud.data(), 64, 1);
    one.SetRate(Mixer::kOutputRate);
    one.Start(0, true);
    Mixer single;
    single.AddVoice(&one);
    int16_t last = 0;
    for (float gain : {0.2f, 0.5f, 0.6f, 1.0f, 2.0f, 8.0f, 100.0f}) {
        {
            auto lock = single.Lock();
            one.SetGain(gain);
        }
        int16_t now = RenderMixer(single, 1)[0];
        EXPECT_GE(now, last);
        last = now;
    }
    EXPECT_LE(last, 32767);
    single.RemoveVoice(&one);
}

TEST(Mixer, StreamingVoiceWaitsAtTheEndOfItsDataInsteadOfStopping) {
    Mixer mixer;
    std::vector<int16_t> samples = Ramp(10);
    Voice voice;
    voice.SetSource(samples.data(), 4, 1);
    voice.SetStreaming(true);
    voice.SetRate(Mixer::kOutputRate);
    voice.Start(0, false);
    mixer.AddVoice(&voice);
    RenderMixer(mixer, 8);
    {
        auto lock = mixer.Lock();
        EXPECT_TRUE(voice.IsPlaying());
        EXPECT_EQ(voice.Position(), 3);
        voice.DropFrames(3);
        voice.SetSource(samples.data() + 3, 7, 1);
    }
    std::vector<int16_t> out = RenderMixer(mixer, 3);
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[2], 4);
    EXPECT_EQ(out[4], 5);
    mixer.RemoveVoice(&voice);
}
