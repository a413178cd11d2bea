#include "data/AudioVolumes.h"

#include <algorithm>
#include <cmath>

#include "data/Registry.h"
#include "data/SettingsKeys.h"

namespace {
float ReadVolume(const Registry& config, const char* key, float fallback) {
    float value = config.GetFloat(key);
    if (!std::isfinite(value)) return fallback;
    return std::clamp(value, 0.0f, 1.0f);
}
}  // namespace

AudioVolumes AudioVolumes::Read(const String& configPath) {
    Registry config;
    config.Load(configPath);
    if (!config.Has(SettingsKey::kSoundVolume)) config.SetFloat(SettingsKey::kSoundVolume, kDefaultSound);
    if (!config.Has(SettingsKey::kMusicVolume)) config.SetFloat(SettingsKey::kMusicVolume, kDefaultMusic);
    AudioVolumes volumes;
    volumes.sound = ReadVolume(config, SettingsKey::kSoundVolume, kDefaultSound);
    volumes.music = ReadVolume(config, SettingsKey::kMusicVolume, kDefaultMusic);
    return volumes;
}

void AudioVolumes::Store(const String& configPath) const {
    Registry config;
    config.Load(configPath);
    config.SetFloat(SettingsKey::kSoundVolume, sound);
    config.SetFloat(SettingsKey::kMusicVolume, music);
}
