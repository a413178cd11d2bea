// A full-screen celebration: three firework bursts set off in one tick plus
// 200 smoke puffs. BM_CelebrationTick reports one update of the whole effect
// manager over the bursts' life; BM_CelebrationStartTick the tick that sets
// the bursts off (making every spark and puff, then the first update).

#include <benchmark/benchmark.h>

#include "core/ObjectManager.h"
#include "core/Random.h"
#include "media/Animator_Sprite.h"
#include "media/Sprite.h"
#include "track/CelebrationBurst.h"
#include "track/EffectImages.h"
#include "track/SmokePuff.h"

namespace {
constexpr int kBursts = 3;
constexpr int kPuffs = 200;
constexpr int kTicksPerScene = 150;  // about a spark's life

void BuildScene(ObjectManager& effects, const EffectImages& images) {
    const float centres[kBursts][2] = {{200, 200}, {400, 300}, {600, 200}};
    for (const auto& centre : centres) CelebrationBurst(effects, images, centre[0], centre[1]);
    for (int i = 0; i < kPuffs; ++i)
        effects.Add(MakeSmokePuff(images, static_cast<float>(i * 4 % 800), static_cast<float>(100 + i * 2)));
}

// Empty sprites: drawing is not part of this measure.
struct FakeImages {
    FakeImages() {
        images.speck = &speck;
        for (auto& image : images.smoke) image = &smoke;
        GetRandom().Seed(1);
    }
    Sprite speck, smoke;
    EffectImages images;
};

void BM_CelebrationTick(benchmark::State& state) {
    FakeImages fake;
    const EffectImages& images = fake.images;

    ObjectManager effects;
    int tick = 0;
    BuildScene(effects, images);
    for (auto _ : state) {
        if (tick == kTicksPerScene) {
            state.PauseTiming();
            effects.Clear();
            BuildScene(effects, images);
            tick = 0;
            state.ResumeTiming();
        }
        effects.Update();
        ++tick;
    }
    effects.Clear();
}
BENCHMARK(BM_CelebrationTick)->Unit(benchmark::kMicrosecond);

void BM_CelebrationStartTick(benchmark::State& state) {
    FakeImages fake;
    ObjectManager effects;
    for (auto _ : state) {
        BuildScene(effects, fake.images);
        effects.Update();
        state.PauseTiming();
        effects.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CelebrationStartTick)->Unit(benchmark::kMicrosecond);
}  // namespace
