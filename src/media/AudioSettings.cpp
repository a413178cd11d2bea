// Audio's two volume keys in "config.cfg" of the per-user data folder.
#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "media/Audio.h"

String Audio::ConfigPath() const {
    return mUserFolder.IsEmpty() ? String() : mUserFolder + "/" + SettingsFile::kConfig;
}

// Missing keys are written with their defaults; the store is written back as
// it goes away.
void Audio::ReadVolumeSettings() {
    String path = ConfigPath();
    if (!path.IsEmpty()) {
        Registry config;
        config.Load(path);
        if (!config.Has(SettingsKey::kSoundVolume)) config.SetFloat(SettingsKey::kSoundVolume, kDefaultSoundVolume);
        if (!config.Has(SettingsKey::kMusicVolume)) config.SetFloat(SettingsKey::kMusicVolume, kDefaultMusicVolume);
        mSoundVolume = config.GetFloat(SettingsKey::kSoundVolume);
        mMusicVolume = config.GetFloat(SettingsKey::kMusicVolume);
    }
    SetSoundVolume(mSoundVolume);
    SetMusicVolume(mMusicVolume);
}

void Audio::StoreVolumeSettings() {
    String path = ConfigPath();
    if (path.IsEmpty()) return;
    Registry config;
    config.Load(path);
    config.SetFloat(SettingsKey::kSoundVolume, mSoundVolume);
    config.SetFloat(SettingsKey::kMusicVolume, mMusicVolume);
}
