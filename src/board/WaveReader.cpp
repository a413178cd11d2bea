#include "board/WaveReader.h"

#include <algorithm>

#include "board/LevelValue.h"
#include "data/XMLTag.h"

namespace {
constexpr int32_t kMinCount = 1, kMaxCount = 300;            // balls
constexpr int64_t kMinTypes = 3, kMaxTypes = 8;              // colours
constexpr int32_t kMinDelayTicks = 0, kMaxDelayTicks = 1000;  // update steps
constexpr int32_t kMinRobotTrigger = 1;                       // live balls
constexpr float kMinSpeed = 0.25f, kMaxSpeed = 10.0f;         // pixels per update step
constexpr float kMinDelayDist = 0.15f, kMaxDelayDist = 0.85f;  // fraction of the path length
constexpr float kPercent = 100.0f;                            // the file states the probability in percent
constexpr int32_t kMinSameTypeChain = 1, kMaxSameTypeChain = 6;  // balls

// Speeds a wave leaves unstated follow its final normal speed.
constexpr float kInitialSpeedFactor = 3.0f;
constexpr float kFastSpeedFactor = 1.6f;
constexpr float kSlowSpeedFactor = 0.5f;

float Speed(const XMLTag& key, float add) { return std::clamp(LevelValue::Decimal(key.value.view()) + add, kMinSpeed, kMaxSpeed); }

int32_t Integer(const XMLTag& key) { return LevelValue::Integer(key.value.view()); }
}  // namespace

void WaveReader::ReadKey(const XMLTag& key, const DifficultyGlobals& globals, WaveSpec& wave, bool& initialGiven,
                         bool& fastGiven, bool& slowGiven) {
    const String& name = key.name;
    if (name.EqualsIgnoreCase("Robot_Trigger")) {
        wave.robotTrigger = std::max(Integer(key), kMinRobotTrigger);
    } else if (name.EqualsIgnoreCase("Delay_Ticks")) {
        wave.delayTicks = std::clamp(Integer(key), kMinDelayTicks, kMaxDelayTicks);
    } else if (name.EqualsIgnoreCase("Delay_Dist")) {
        wave.delayDist = std::clamp(LevelValue::Decimal(key.value.view()), kMinDelayDist, kMaxDelayDist);
    } else if (name.EqualsIgnoreCase("Count")) {
        wave.count = std::clamp(Integer(key), kMinCount, kMaxCount);
    } else if (name.EqualsIgnoreCase("Types")) {
        int64_t types = static_cast<int64_t>(Integer(key)) + globals.typesAdd;
        wave.types = static_cast<int32_t>(std::clamp(types, kMinTypes, kMaxTypes));
    } else if (name.EqualsIgnoreCase("Target_Track")) {
        wave.targetTrack = Integer(key);
    } else if (name.EqualsIgnoreCase("Speed")) {
        wave.speed = Speed(key, globals.speedAdd);
    } else if (name.EqualsIgnoreCase("Speed_Initial")) {
        wave.speedInitial = Speed(key, globals.speedInitialAdd);
        initialGiven = true;
    } else if (name.EqualsIgnoreCase("Speed_Fast")) {
        wave.speedFast = Speed(key, globals.speedFastAdd);
        fastGiven = true;
    } else if (name.EqualsIgnoreCase("Speed_Slow")) {
        wave.speedSlow = Speed(key, globals.speedSlowAdd);
        slowGiven = true;
    } else if (name.EqualsIgnoreCase("Max_Same_Type_Chain")) {
        wave.maxSameTypeChain = std::clamp(Integer(key), kMinSameTypeChain, kMaxSameTypeChain);
    } else if (name.EqualsIgnoreCase("Same_Type_Probability")) {
        wave.sameTypeProbability = std::clamp(LevelValue::Decimal(key.value.view()) / kPercent, 0.0f, 1.0f);
    }
}

WaveSpec WaveReader::Read(const XMLTag& waveTag, const DifficultyGlobals& globals, int32_t& extraCopies) {
    WaveSpec wave;
    bool initialGiven = false;
    bool fastGiven = false;
    bool slowGiven = false;
    for (const auto& key : waveTag.children) ReadKey(*key, globals, wave, initialGiven, fastGiven, slowGiven);
    // Derived from the final speed, which already holds the global adjustment;
    // the derived values take no adjustment and no limit of their own.
    if (!initialGiven) wave.speedInitial = wave.speed * kInitialSpeedFactor;
    if (!slowGiven) wave.speedSlow = wave.speed * kSlowSpeedFactor;
    if (!fastGiven) wave.speedFast = wave.speed * kFastSpeedFactor;

    extraCopies = 0;
    for (const auto& attribute : waveTag.parameters) {
        if (attribute->name.EqualsIgnoreCase("REPEAT")) {
            wave.repeat = attribute->value.Contains("TRUE") || attribute->value.Contains("YES");
        } else if (attribute->name.EqualsIgnoreCase("Copies")) {
            int64_t copies = static_cast<int64_t>(LevelValue::Integer(attribute->value.view())) - 1;
            extraCopies = static_cast<int32_t>(std::clamp(copies, int64_t{0}, int64_t{kMaxExtraCopies}));
        }
    }
    return wave;
}
