#include "board/LevelLoader.h"

#include <algorithm>

#include "board/DifficultyGlobals.h"
#include "board/LevelTarget.h"
#include "board/LevelValue.h"
#include "board/WaveReader.h"
#include "core/Log.h"
#include "data/XMLDocument.h"

namespace {
constexpr float kChildSpeedFactor = 0.8f;
constexpr float kApocalypseSpeedFactor = 1.15f;
constexpr int32_t kApocalypseSameTypeChain = 2;  // balls
constexpr int32_t kApocalypseMinTypes = 6;       // colours
}  // namespace

const XMLTag* LevelLoader::FindLevel(const XMLTag& root, const String& levelName) {
    for (const auto& child : root.children) {
        if (!child->name.EqualsIgnoreCase("level")) continue;
        const XMLParameter* name = nullptr;
        for (const auto& parameter : child->parameters) {
            if (parameter->name.EqualsIgnoreCase("name")) name = parameter.get();
        }
        if (name && name->value.EqualsIgnoreCase(levelName.view())) return child.get();
    }
    return nullptr;
}

void LevelLoader::ApplyPlayStyle(PlayStyle style, WaveSpec& wave) {
    float factor = 1.0f;
    if (style == PlayStyle::Child) factor = kChildSpeedFactor;
    if (style == PlayStyle::Apocalypse) {
        factor = kApocalypseSpeedFactor;
        wave.maxSameTypeChain = kApocalypseSameTypeChain;
        wave.types = std::max(wave.types, kApocalypseMinTypes);
    }
    wave.speed *= factor;
    wave.speedInitial *= factor;
    wave.speedFast *= factor;
    wave.speedSlow *= factor;
}

std::vector<WaveSpec> LevelLoader::ReadWaves(const XMLTag& root, const XMLTag& level, PlayStyle style) {
    DifficultyGlobals globals = DifficultyGlobals::Read(root);
    std::vector<WaveSpec> waves;
    for (const auto& child : level.children) {
        if (!child->name.EqualsIgnoreCase("Wave")) continue;
        int32_t extraCopies = 0;
        WaveSpec wave = WaveReader::Read(*child, globals, extraCopies);
        int32_t room = kMaxWavesPerLevel - static_cast<int32_t>(waves.size());
        if (room <= 0) {
            Log::Line("Level file: more than %d waves in one level, the rest are ignored", kMaxWavesPerLevel);
            break;
        }
        waves.push_back(wave);
        WaveSpec copy = wave;
        copy.targetTrack = -1;  // copies play on every track
        waves.insert(waves.end(), static_cast<size_t>(std::min(extraCopies, room - 1)), copy);
    }
    for (WaveSpec& wave : waves) ApplyPlayStyle(style, wave);
    return waves;
}

void LevelLoader::HandOut(const std::vector<WaveSpec>& waves, LevelTarget& target) {
    int32_t trackCount = target.TrackCount();
    std::vector<bool> received(static_cast<size_t>(std::max(trackCount, 0)), false);
    for (const WaveSpec& wave : waves) {
        for (int32_t track = 0; track < trackCount; ++track) {
            if (wave.targetTrack != -1 && wave.targetTrack != track) continue;
            WaveSpec copy = wave;
            copy.targetTrack = -1;
            target.AddWaveToTrack(track, copy);
            if (!received[static_cast<size_t>(track)]) {
                received[static_cast<size_t>(track)] = true;
                target.SetTrackReleaseWait(track, wave.delayTicks);
            }
        }
    }
}

bool LevelLoader::LoadLevel(const XMLDocument& difficulty, const String& levelName, PlayStyle style,
                            LevelTarget& target) {
    const XMLTag* root = difficulty.Root();
    if (!root) return false;
    const XMLTag* level = FindLevel(*root, levelName);
    if (!level) return false;

    DifficultyGlobals globals = DifficultyGlobals::Read(*root);
    for (const auto& child : level->children) {
        if (child->name.EqualsIgnoreCase("Progress")) {
            int64_t progress = static_cast<int64_t>(LevelValue::Integer(child->value.view())) + globals.progressAdd;
            target.SetProgressTarget(
                static_cast<int32_t>(std::clamp(progress, int64_t{kMinProgress}, int64_t{kMaxProgress})));
        } else if (child->name.EqualsIgnoreCase("DisplayName")) {
            target.SetDisplayName(child->value);
        } else if (child->name.EqualsIgnoreCase("Rush")) {
            target.SetRush(std::clamp(LevelValue::Decimal(child->value.view()), kMinRush, kMaxRush));
        }
    }
    HandOut(ReadWaves(*root, *level, style), target);
    return true;
}
