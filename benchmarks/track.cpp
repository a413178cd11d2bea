// One tick of a busy chain, and sampling a path, on a 3000-pixel path.
#include "track/Track.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "../tests/track/FakeTrackHost.h"
#include "core/IOBuffer.h"
#include "core/Random.h"
#include "track/Plimb.h"

namespace {
// A winding path of about 3000 pixels across the play field.
const char* kLongPath =
    "%%Note:;-60 560 m;200 560 600 560 760 500 c;880 440 880 300 760 250 c;600 190 200 190 80 250 c;"
    "-40 310 -40 440 80 470 c;200 500 500 500 620 440 c;700 390 620 330 420 330 c";
constexpr int32_t kWaves = 5;
constexpr int32_t kBallsPerWave = 63;
constexpr int32_t kGapsPerWave = 3;  // 5 x 63 - 15 = 300 balls in 20 pieces
constexpr float kFrontDistance = 2500.0f;
constexpr float kWaveGap = 60.0f;
// Ticks before the busy state is restored, so the chains never run out.
constexpr int64_t kTicksPerRound = 100;

// Five waves laid out one behind the other, each cut into four pieces.
std::unique_ptr<Track> BusyTrack(FakeTrackHost& host) {
    auto track = std::make_unique<Track>(&host);
    track->Path().Parse(kLongPath);
    track->BuildFromPath();
    WaveSpec wave;
    wave.count = kBallsPerWave;
    wave.types = 5;
    wave.sameTypeProbability = 0.5f;
    track->AddWave(wave);
    for (int32_t i = 0; i < kWaves; ++i) track->StartWave();
    float front = kFrontDistance;
    const auto& segments = track->Segments();
    for (size_t s = segments.size(); s-- > 0;) {
        float d = front - static_cast<float>(segments[s]->items.size() - 1) * host.spacing;
        for (Plimb* item : segments[s]->items) {
            item->distance = item->previousDistance = d;
            item->position = track->PointAtDistance(d);
            d += host.spacing;
        }
        front = segments[s]->First()->distance - host.spacing - kWaveGap;
    }
    std::vector<Plimb*> cuts;
    for (size_t s = 0; s < segments.size(); ++s) {
        const auto& items = segments[s]->items;
        for (int32_t k = 1; k <= kGapsPerWave; ++k) cuts.push_back(items[k * kBallsPerWave / (kGapsPerWave + 1)]);
    }
    for (Plimb* ball : cuts) track->RemoveBall(ball);
    return track;
}
}  // namespace

// A track's state and the random generator's, taken once and put back
// before timed ticks so every round measures the same work.
struct TrackSnapshot {
    IOBuffer record;
    Random random;

    void Take(const Track& track) {
        record.Clear();
        track.Save(record);
        random = GetRandom();
    }
    void Restore(Track& track) {
        record.SetPosition(0);
        track.Load(record);
        GetRandom() = random;
    }
};

static void TrackUpdateBusy(benchmark::State& state) {
    FakeTrackHost host;
    host.goalReached = true;  // no further waves: the state stays comparable
    GetRandom().Seed(7);
    std::unique_ptr<Track> track = BusyTrack(host);
    TrackSnapshot snapshot;
    snapshot.Take(*track);
    state.counters["balls"] = track->BallCount();
    state.counters["pieces"] = static_cast<double>(track->Segments().size());
    state.counters["robots"] = static_cast<double>(track->Robots().size());
    state.counters["length"] = track->Length();
    int64_t tick = 0;
    for (auto _ : state) {
        if (tick++ % kTicksPerRound == 0) {
            state.PauseTiming();
            snapshot.Restore(*track);
            state.ResumeTiming();
        }
        track->Update();
    }
}
BENCHMARK(TrackUpdateBusy);

// The tick in which an inserted shot completes a group of three whose hole
// is flanked by equal colours: the pop, its scoring and the magnet pull.
static void TrackUpdatePopTick(benchmark::State& state) {
    FakeTrackHost host;
    host.goalReached = true;
    GetRandom().Seed(7);
    std::unique_ptr<Track> track = BusyTrack(host);
    // Colours Y X X Y around a ball on the path near the front.
    const ChainSegment& front = *track->Segments().back();
    Plimb* hit = front.items[front.items.size() - 6];
    hit->colour = 6;
    front.items[front.items.size() - 5]->colour = 6;
    front.items[front.items.size() - 7]->colour = 7;
    front.items[front.items.size() - 4]->colour = 7;
    track->Update();
    auto* shot = new Plimb(&host);
    shot->colour = 6;
    shot->scale = host.scale;
    const Vec2 ahead = track->PointAtDistance(hit->distance + host.spacing);
    shot->position = {hit->position.x + (ahead.x - hit->position.x) * 0.3f,
                      hit->position.y + (ahead.y - hit->position.y) * 0.3f + 8.0f};
    if (!track->InsertShot(shot)) {
        delete shot;
        state.SkipWithError("the shot missed");
        return;
    }
    while (track->IsInserting() || track->InsertLock() > 1) track->Update();
    TrackSnapshot snapshot;
    snapshot.Take(*track);
    const size_t groupsBefore = host.groups.size();
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Restore(*track);
        state.ResumeTiming();
        track->Update();
    }
    state.counters["pops"] = static_cast<double>(host.groups.size() - groupsBefore) /
                             static_cast<double>(std::max<int64_t>(state.iterations(), 1));
}
BENCHMARK(TrackUpdatePopTick);

// The same busy tick, restored before every tick like the pop tick above.
static void TrackUpdateRestoredEveryTick(benchmark::State& state) {
    FakeTrackHost host;
    host.goalReached = true;
    GetRandom().Seed(7);
    std::unique_ptr<Track> track = BusyTrack(host);
    track->Update();
    TrackSnapshot snapshot;
    snapshot.Take(*track);
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Restore(*track);
        state.ResumeTiming();
        track->Update();
    }
}
BENCHMARK(TrackUpdateRestoredEveryTick);

static void SampleLongPath(benchmark::State& state) {
    QuickSpline path;
    path.Parse(kLongPath);
    for (auto _ : state) {
        std::vector<Vec2> samples;
        path.SampleEvenly(samples, 1.0f);
        benchmark::DoNotOptimize(samples.data());
        state.counters["samples"] = static_cast<double>(samples.size());
    }
}
BENCHMARK(SampleLongPath)->Unit(benchmark::kMillisecond);
