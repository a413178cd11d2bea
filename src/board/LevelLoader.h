#pragma once
// Applies one level of a difficulty document to a board: title, rush,
// progress target and the wave list of every track.

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "track/PlayStyle.h"
#include "track/WaveSpec.h"

class LevelTarget;
class XMLDocument;
class XMLTag;

class LevelLoader {
public:
    static constexpr int32_t kMinProgress = 100;    // progress points
    static constexpr int32_t kMaxProgress = 25000;
    static constexpr float kMinRush = 0.0f;         // fraction of the path length
    static constexpr float kMaxRush = 0.75f;
    // Waves kept per level, copies included: a hostile file with thousands
    // of copied waves cannot make every track allocate without bound.
    static constexpr int32_t kMaxWavesPerLevel = 1000;

    // Reads the first level named `levelName` (ignoring case) from
    // `difficulty` and hands it to `target`. Answers false, changing nothing
    // on the target, when the document has no root or no such level (each
    // track then plays a default wave of its own).
    static bool LoadLevel(const XMLDocument& difficulty, const String& levelName, PlayStyle style, LevelTarget& target);

    // The level's waves in play order, after the play style (for tests and tools).
    static std::vector<WaveSpec> ReadWaves(const XMLTag& root, const XMLTag& level, PlayStyle style);
    static const XMLTag* FindLevel(const XMLTag& root, const String& levelName);

private:
    static void ApplyPlayStyle(PlayStyle style, WaveSpec& wave);
    static void HandOut(const std::vector<WaveSpec>& waves, LevelTarget& target);
};
