// Audio's music channels: opening, cross-fading and releasing pieces.
#include <algorithm>

#include "core/Log.h"
#include "media/Audio.h"

namespace {
constexpr const char* kMusicExtension = ".ogg";

float FadeStepFor(int32_t fadeSteps) { return fadeSteps > 0 ? 1.0f / static_cast<float>(fadeSteps) : 1.0f; }
}  // namespace

Audio::MusicEntry* Audio::AddMusic(const String& name, bool looping) {
    if (!mEnabled) return nullptr;
    String path = FindDataFile(name, kMusicExtension);
    auto channel = std::make_unique<MusicChannel>(mMixer);
    if (path.IsEmpty() || !channel->Open(path, looping)) {
        Log::Line("Could not open music: %s", name.c_str());
        return nullptr;
    }
    channel->ApplyVolume(mMusicVolume);
    for (int32_t i = 0; i < GetPauseCount(); ++i) channel->Pause(true);
    if (mMusicPaused) channel->Pause(true);
    mMusic.push_back(MusicEntry{std::move(channel), false});
    return &mMusic.back();
}

MusicChannel* Audio::OpenMusic(const String& name, bool looping) {
    MusicEntry* entry = AddMusic(name, looping);
    return entry ? entry->channel.get() : nullptr;
}

void Audio::CloseMusic(MusicChannel* channel) {
    if (channel == mCurrentMusic) mCurrentMusic = nullptr;
    std::erase_if(mMusic, [channel](const MusicEntry& entry) { return entry.channel.get() == channel; });
}

bool Audio::PlayMusic(const String& name, int32_t fadeSteps, bool looping) {
    if (mCurrentMusic && mCurrentMusic->GetPath() == FindDataFile(name, kMusicExtension) &&
        !mCurrentMusic->IsFadingOut())
        return true;
    StopMusic(fadeSteps);
    MusicEntry* entry = AddMusic(name, looping);
    if (!entry) return false;
    entry->releaseWhenStopped = true;
    mCurrentMusic = entry->channel.get();
    if (fadeSteps > 0) {
        mCurrentMusic->SetVolume(0.0f);
        mCurrentMusic->FadeIn(FadeStepFor(fadeSteps));
    }
    mCurrentMusic->ApplyVolume(mMusicVolume);
    mCurrentMusic->Play();
    return true;
}

void Audio::StopMusic(int32_t fadeSteps) {
    if (!mCurrentMusic) return;
    for (MusicEntry& entry : mMusic)
        if (entry.channel.get() == mCurrentMusic) entry.releaseWhenStopped = true;
    if (fadeSteps > 0)
        mCurrentMusic->FadeOut(FadeStepFor(fadeSteps));
    else
        mCurrentMusic->Stop();
    mCurrentMusic = nullptr;
    ReleaseStoppedMusic();
}

void Audio::SetMusicPaused(bool on) {
    if (on == mMusicPaused) return;
    mMusicPaused = on;
    for (MusicEntry& entry : mMusic) entry.channel->Pause(on);
}

void Audio::ReleaseStoppedMusic() {
    std::erase_if(mMusic, [this](const MusicEntry& entry) {
        if (!entry.releaseWhenStopped || entry.channel->IsPlaying()) return false;
        if (entry.channel.get() == mCurrentMusic) mCurrentMusic = nullptr;  // a sting that has ended
        return true;
    });
}
