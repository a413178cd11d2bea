// The built sounds: each decodes, stays within its length budget, does not
// clip and is not silent; the music pieces match in loudness; the rewind
// sound is the died song backwards.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "game/BuiltData.h"
#include "game/ResourceCatalogue.h"

namespace {

constexpr double kEffectBudgetSeconds = 3.0;
constexpr double kMusicBudgetSeconds = 60.0;
constexpr float kFullScale = 1.0f;      // 0 dBFS
constexpr float kQuietestPeak = 0.25f;  // about -12 dBFS: anything lower is a mistake
constexpr double kWindowSeconds = 0.05;
// One piece following another on a screen change should not jump in level.
constexpr double kMusicLoudnessSpreadDb = 2.0;
constexpr const char* kMusicLoops[] = {"Sounds\\Music\\Calm", "Sounds\\Music\\Temple", "Sounds\\Music\\Lively",
                                       "Sounds\\Music\\Bounce", "Sounds\\Music\\Chase"};

class ContentSound : public testing::Test {
protected:
    void SetUp() override {
        root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    }
    Samples Load(const std::string& name) {
        std::string base = ResolveResource(root, name, {".ogg"});
        return base.empty() ? Samples{} : LoadOgg(base + ".ogg");
    }
    std::string root;
};

float Peak(const Samples& s) {
    float peak = 0;
    for (float v : s.mono) peak = std::max(peak, std::fabs(v));
    return peak;
}

std::vector<double> Loudness(const Samples& s) {
    size_t window = size_t(kWindowSeconds * s.rate);
    std::vector<double> out;
    for (size_t start = 0; start + window <= s.mono.size(); start += window) {
        double sum = 0;
        for (size_t i = start; i < start + window; ++i) sum += double(s.mono[i]) * s.mono[i];
        out.push_back(std::sqrt(sum / double(window)));
    }
    return out;
}

TEST_F(ContentSound, EverySoundDecodesWithinBudgetAndLevel) {
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        if (entry.kind != ResourceKind::Sound && entry.kind != ResourceKind::Music) continue;
        SCOPED_TRACE(entry.name);
        Samples s = Load(entry.name);
        ASSERT_GT(s.rate, 0) << "does not decode";
        double seconds = double(s.mono.size()) / s.rate;
        EXPECT_LT(seconds, entry.kind == ResourceKind::Sound ? kEffectBudgetSeconds : kMusicBudgetSeconds);
        float peak = Peak(s);
        EXPECT_LT(peak, kFullScale);
        EXPECT_GT(peak, kQuietestPeak);
    }
}

TEST_F(ContentSound, EffectsStartAndEndWithoutAClick) {
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        if (entry.kind != ResourceKind::Sound || std::string(entry.name) == "Sounds\\ROLL") continue;
        SCOPED_TRACE(entry.name);
        Samples s = Load(entry.name);
        ASSERT_GT(s.mono.size(), 2u);
        EXPECT_LT(std::fabs(s.mono.front()), 0.02f);
        EXPECT_LT(std::fabs(s.mono.back()), 0.02f);
    }
}

TEST_F(ContentSound, LoopsJoinSeamlessly) {
    std::vector<std::string> loops(std::begin(kMusicLoops), std::end(kMusicLoops));
    loops.push_back("Sounds\\ROLL");
    for (const std::string& name : loops) {
        SCOPED_TRACE(name);
        Samples s = Load(name);
        ASSERT_GT(s.mono.size(), 2u);
        // The step from the last sample to the first is no bigger than steps inside.
        float largestStep = 0;
        for (size_t i = 1; i < s.mono.size(); ++i)
            largestStep = std::max(largestStep, std::fabs(s.mono[i] - s.mono[i - 1]));
        EXPECT_LE(std::fabs(s.mono.front() - s.mono.back()), largestStep);
    }
}

TEST_F(ContentSound, MusicPiecesAndStingsAreEquallyLoud) {
    double quietest = 1e9, loudest = -1e9;  // dBFS
    std::vector<std::string> pieces(std::begin(kMusicLoops), std::end(kMusicLoops));
    pieces.insert(pieces.end(), {"Sounds\\Music\\LevelWon", "Sounds\\Music\\GameOver"});
    for (const std::string& name : pieces) {
        SCOPED_TRACE(name);
        Samples s = Load(name);
        ASSERT_GT(s.mono.size(), 0u);
        double energy = 0;
        for (float v : s.mono) energy += double(v) * v;
        double db = 10 * std::log10(energy / double(s.mono.size()));
        quietest = std::min(quietest, db);
        loudest = std::max(loudest, db);
    }
    EXPECT_LT(loudest - quietest, kMusicLoudnessSpreadDb);
}

TEST_F(ContentSound, RewindSoundIsTheDiedSongBackwards) {
    Samples forward = Load("Sounds\\DiedSong");
    Samples backward = Load("Sounds\\DIEDSONGREVERSE");
    ASSERT_GT(forward.rate, 0);
    ASSERT_GT(backward.rate, 0);
    std::vector<double> a = Loudness(forward), b = Loudness(backward);
    ASSERT_NEAR(double(a.size()), double(b.size()), 1.0);
    size_t n = std::min(a.size(), b.size());
    double difference = 0, total = 0;
    for (size_t i = 0; i < n; ++i) {
        difference += std::fabs(a[i] - b[b.size() - 1 - i]);
        total += a[i];
    }
    EXPECT_LT(difference, 0.25 * total) << "the loudness curves do not mirror each other";
}

}  // namespace
