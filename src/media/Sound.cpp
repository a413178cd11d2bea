#include "media/Sound.h"

#include <algorithm>

#include "core/IOBuffer.h"
#include "core/Log.h"
#include "media/Audio.h"
#include "media/OggStream.h"
#include "media/SoundCache.h"
#include "media/WavReader.h"
#include "platform/MessageBox.h"

namespace {
constexpr const char* kSoundErrorTitle = "Sound Error";

bool ReadCacheFile(const String& path, PcmData& pcm) {
    IOBuffer in;
    return !path.IsEmpty() && in.LoadFile(path) && ReadSoundCache(in, pcm);
}
}  // namespace

Sound::Sound(Audio& audio) : mAudio(audio) { mAudio.AddSound(this); }

Sound::~Sound() {
    mAudio.RemoveSound(this);
    Unload();
}

bool Sound::Load(const String& name, int32_t copies) {
    Unload();
    if (!mAudio.IsEnabled()) return false;
    auto pcm = std::make_shared<PcmData>();
    if (!LoadSamples(name, *pcm)) return false;
    mName = name;
    MakeInstances(std::move(pcm), std::clamp(copies, 0, kMaxCopies));
    return true;
}

// Cache, then Ogg, then WAV; a decoded file refreshes the cache.
bool Sound::LoadSamples(const String& name, PcmData& pcm) {
    String cachePath = mAudio.CachePathFor(name);
    if (ReadCacheFile(cachePath, pcm)) return true;

    String oggPath = mAudio.FindDataFile(name, ".ogg");
    bool decoded = !oggPath.IsEmpty() && DecodeOggFile(oggPath, pcm);
    if (!oggPath.IsEmpty() && !decoded) Log::Line("Could not decode Ogg sound: %s", oggPath.c_str());

    String wavPath = decoded ? String() : mAudio.FindDataFile(name, ".wav");
    if (!wavPath.IsEmpty()) {
        IOBuffer in;
        in.LoadFile(wavPath);
        WavResult result = ParseWav(in, pcm);
        if (result != WavResult::Ok) {
            ShowMessageBox(kSoundErrorTitle, WavResultMessage(result));
            return false;
        }
        decoded = true;
    }
    if (!decoded) {
        ShowMessageBox(kSoundErrorTitle, String::Format("Error: Could not load sound: %s", name.c_str()));
        return false;
    }
    mAudio.WriteCacheFile(cachePath, pcm);
    return true;
}

void Sound::MakeInstances(std::shared_ptr<const PcmData> pcm, int32_t copies) {
    std::vector<std::unique_ptr<SoundInstance>> made;
    for (int32_t i = 0; i <= copies; ++i) made.push_back(std::make_unique<SoundInstance>(mAudio, pcm));
    auto lock = mAudio.LockSounds();
    for (auto& instance : made)
        for (int32_t i = 0; i < mAudio.GetPauseCount(); ++i) instance->Pause(true);
    mInstances.swap(made);
    mCursor = 0;
}

void Sound::Unload() {
    std::vector<std::unique_ptr<SoundInstance>> old;
    {
        auto lock = mAudio.LockSounds();
        old.swap(mInstances);
        mCursor = 0;
    }
    mName = "";
}

void Sound::Play(float volume) { PlayNext(1.0f, volume); }

void Sound::PlayPitched(float pitch, float volume) { PlayNext(pitch, volume); }

void Sound::PlayNext(float pitch, float volume) {
    auto lock = mAudio.LockSounds();
    if (mInstances.empty() || !mAudio.IsEnabled() || mAudio.GetSoundVolume() <= 0.0f) return;
    if (mCursor >= GetInstanceCount()) mCursor = 0;
    SoundInstance* instance = mInstances[static_cast<size_t>(mCursor++)].get();
    instance->Stop();
    instance->SetPitch(pitch);
    instance->SetVolume(volume);
    instance->Play(false);
}

SoundInstance* Sound::GetInstance(int32_t index) const {
    if (index < 0 || index >= GetInstanceCount()) return nullptr;
    return mInstances[static_cast<size_t>(index)].get();
}

void Sound::Pause(bool on) {
    for (auto& instance : mInstances) instance->Pause(on);
}

void Sound::ApplyVolume() {
    for (auto& instance : mInstances) instance->ApplyVolume();
}
