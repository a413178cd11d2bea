// Mixing cost: 32 pitched effect voices plus one streamed Ogg Vorbis piece,
// 10 seconds of output per iteration, rendered as the game would: one update
// step (music decoding ahead) and 10 ms of mixing at a time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <vector>

#include "media/Audio.h"
#include "media/Sound.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "support/OggWriter.h"
#include "support/TempDir.h"
#include "support/WavWriter.h"

namespace {
constexpr int32_t kVoices = 32;
constexpr int32_t kSecondsPerIteration = 10;
constexpr int32_t kUpdatesPerSecond = 100;
constexpr int32_t kFramesPerUpdate = Mixer::kOutputRate / kUpdatesPerSecond;

std::vector<int16_t> Tone(int32_t frames, double hertz) {
    std::vector<int16_t> samples(static_cast<size_t>(frames));
    for (int32_t i = 0; i < frames; ++i)
        samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * hertz * i / Mixer::kOutputRate));
    return samples;
}
}  // namespace

static void BM_Mix32PitchedVoicesAndMusic(benchmark::State& state) {
    SetHeadless(true);
    TempDir data;
    std::filesystem::create_directories(data.File("Music"));
    data.Write("Sounds/fx.wav", MakeWav(Tone(Mixer::kOutputRate, 330.0)));
    if (!WriteOggTone(data.File("Music/theme.ogg"), 44100, 2, 44100 * 4, 220.0f)) {
        state.SkipWithError("no Ogg Vorbis encoder");
        return;
    }
    ResourcePaths::SetDataRoot(data.Path().c_str());
    Audio audio;
    audio.InitializeOffline();
    Sound effect(audio);
    effect.Load("Sounds\\fx", kVoices - 1);
    for (int32_t i = 0; i < kVoices; ++i) {
        SoundInstance* voice = effect.GetInstance(i);
        voice->SetPitch(0.5f + 1.4f * static_cast<float>(i) / kVoices);
        voice->SetVolume(0.5f);
        voice->Play(true);
    }
    audio.PlayMusic("Music\\theme", 0);
    std::vector<int16_t> out(2 * kFramesPerUpdate);
    for (auto _ : state) {
        for (int32_t step = 0; step < kSecondsPerIteration * kUpdatesPerSecond; ++step) {
            audio.Update();
            audio.GetMixer().Render(out.data(), kFramesPerUpdate);
        }
        benchmark::DoNotOptimize(out.data());
    }
    audio.Shutdown();
}
BENCHMARK(BM_Mix32PitchedVoicesAndMusic)->Unit(benchmark::kMillisecond);
