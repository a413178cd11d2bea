#include "media/Audio.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "core/IOBuffer.h"
#include "core/Log.h"
#include "data/SettingsKeys.h"
#include "media/PcmData.h"
#include "media/Sound.h"
#include "media/SoundCache.h"
#include "media/SoundInstance.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"

namespace {
constexpr const char* kMusicErrorTitle = "Music Interface Error";
constexpr const char* kMusicErrorText =
    "The BASS music interface could not initialize because:\n\n[%s]\n\nMusic will not play during the game.";
constexpr const char* kCacheFolder = "cached";
constexpr const char* kCacheExtension = ".cached";

constexpr int32_t kBeepFrequency = 880;  // Hz
constexpr int32_t kBeepMilliseconds = 120;
constexpr int32_t kBeepEdgeMilliseconds = 5;  // fade in and out, so the tone does not click
constexpr float kBeepAmplitude = 0.25f;       // of full scale
constexpr int32_t kMillisecondsPerSecond = 1000;

const char* FailureReason(AudioDeviceFailure failure) {
    switch (failure) {
        case AudioDeviceFailure::NoMemory: return "There is insufficent memory.";
        case AudioDeviceFailure::NoDriver:
            return "There is no available device driver... the device may already be in use.";
        case AudioDeviceFailure::UnsupportedFormat: return "The specified format is not supported by the device.";
        case AudioDeviceFailure::AlreadyOpen: return "BASS has already been initialized.";
        case AudioDeviceFailure::None:
        case AudioDeviceFailure::Other: break;
    }
    return "Some other mystery problem!";
}

std::shared_ptr<const PcmData> MakeBeepTone() {
    auto tone = std::make_shared<PcmData>();
    tone->channels = 1;
    tone->rate = Mixer::kOutputRate;
    const int32_t frames = tone->rate * kBeepMilliseconds / kMillisecondsPerSecond;
    const int32_t edge = tone->rate * kBeepEdgeMilliseconds / kMillisecondsPerSecond;
    tone->samples.resize(static_cast<size_t>(frames));
    for (int32_t i = 0; i < frames; ++i) {
        float envelope = std::min({1.0f, static_cast<float>(i) / edge, static_cast<float>(frames - 1 - i) / edge});
        double phase = 2.0 * std::numbers::pi * kBeepFrequency * i / tone->rate;
        tone->samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(std::sin(phase) * kBeepAmplitude * envelope * INT16_MAX);
    }
    return tone;
}

// `folder` and `name` with one "/" between them.
String InFolder(const String& folder, const String& name) {
    bool hasSlash = !folder.IsEmpty() && folder[folder.Length() - 1] == '/';
    return folder + (hasSlash ? "" : "/") + name;
}
}  // namespace

Audio& GetAudio() {
    static Audio audio;
    return audio;
}

void MessageBeep() { GetAudio().Beep(); }

String MusicInterfaceErrorText(AudioDeviceFailure failure) {
    return String::Format(kMusicErrorText, FailureReason(failure));
}

Audio::Audio() = default;

Audio::~Audio() {
    mMusic.clear();
    mBeep.reset();
    mDevice.Close();
}

void Audio::Initialize() {
    if (mStarted) return;
    mStarted = true;
    if (!IsHeadless()) {
        AudioDeviceFailure failure = mDevice.Open(mMixer);
        if (failure != AudioDeviceFailure::None) {
            Log::Line("Audio device did not open: %s", mDevice.FailureText().c_str());
            // Without a sound card the game plays on silently; only a machine
            // that cannot even do that hears about it.
            if (mDevice.OpenSilent(mMixer) == AudioDeviceFailure::None)
                Log::Line("Playing without sound");
            else
                ShowMessageBox(kMusicErrorTitle, MusicInterfaceErrorText(failure));
        }
    }
    if (mDevice.IsOpen()) StartMixer();
    ReadVolumeSettings();
}

void Audio::InitializeOffline() {
    if (mStarted) return;
    mStarted = true;
    StartMixer();
    ReadVolumeSettings();
}

void Audio::StartMixer() {
    mEnabled = true;
    mBeep = std::make_unique<SoundInstance>(*this, MakeBeepTone());
}

void Audio::Update() {
    for (MusicEntry& entry : mMusic) entry.channel->Update(mMusicVolume);
    ReleaseStoppedMusic();
}

void Audio::SetActive(bool active) {
    for (MusicEntry& entry : mMusic) entry.channel->Pause(!active);
    if (mBeep) mBeep->Pause(!active);
    auto lock = LockSounds();
    mPauseCount = active ? std::max(mPauseCount - 1, 0) : mPauseCount + 1;
    for (Sound* sound : mSounds) sound->Pause(!active);
}

void Audio::Shutdown() {
    if (!mStarted) return;
    if (!ConfigPath().IsEmpty()) AudioVolumes{mSoundVolume, mMusicVolume}.Store(ConfigPath());
    mCurrentMusic = nullptr;
    mMusic.clear();
    mMusicPaused = false;
    {
        auto lock = LockSounds();
        for (Sound* sound : mSounds) sound->Unload();
    }
    mBeep.reset();
    mDevice.Close();
    mEnabled = false;
    mStarted = false;
}

void Audio::SetSoundVolume(float volume) {
    mSoundVolume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : AudioVolumes::kDefaultSound;
    if (mBeep) mBeep->ApplyVolume();
    auto lock = LockSounds();
    for (Sound* sound : mSounds) sound->ApplyVolume();
}

void Audio::SetMusicVolume(float volume) {
    mMusicVolume = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : AudioVolumes::kDefaultMusic;
    for (MusicEntry& entry : mMusic) entry.channel->ApplyVolume(mMusicVolume);
}

String Audio::FindDataFile(const String& name, const char* extension) const {
    return ResourcePaths::Find(name + extension);
}

String Audio::CachePathFor(const String& name) const {
    if (mUserFolder.IsEmpty() || name.IsEmpty()) return "";
    return InFolder(mUserFolder, String(kCacheFolder) + "/" + ResourcePaths::Normalise(name, true) + kCacheExtension);
}

void Audio::WriteCacheFile(const String& path, const PcmData& pcm) const {
    if (path.IsEmpty()) return;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path.str()).parent_path(), error);
    IOBuffer out;
    WriteSoundCache(out, pcm);
    if (!out.SaveFile(path)) Log::Line("Could not write the sound cache file %s", path.c_str());
}

void Audio::AddSound(Sound* sound) {
    auto lock = LockSounds();
    mSounds.push_back(sound);
}

void Audio::RemoveSound(Sound* sound) {
    auto lock = LockSounds();
    mSounds.erase(std::remove(mSounds.begin(), mSounds.end(), sound), mSounds.end());
}

void Audio::Beep() {
    if (!mBeep || mSoundVolume <= 0.0f) return;
    mBeep->Stop();
    mBeep->Play(false);
}

String Audio::ConfigPath() const {
    return mUserFolder.IsEmpty() ? String() : InFolder(mUserFolder, SettingsFile::kConfig);
}

void Audio::ReadVolumeSettings() {
    if (!ConfigPath().IsEmpty()) {
        AudioVolumes volumes = AudioVolumes::Read(ConfigPath());
        mSoundVolume = volumes.sound;
        mMusicVolume = volumes.music;
    }
    SetSoundVolume(mSoundVolume);
    SetMusicVolume(mMusicVolume);
}
