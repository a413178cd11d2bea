#include "media/SoundInstance.h"

#include <algorithm>
#include <cmath>

#include "media/Audio.h"
#include "media/AudioVolume.h"
#include "media/Mixer.h"

SoundInstance::SoundInstance(Audio& audio, std::shared_ptr<const PcmData> pcm)
    : mAudio(audio), mPcm(std::move(pcm)) {
    if (mPcm) {
        mVoice.SetSource(mPcm->samples.data(), mPcm->Frames(), mPcm->channels);
        mBaseFrequency = mPcm->rate;
    }
    mFrequency = mBaseFrequency;
    mVoice.SetRate(mFrequency);
    ApplyVolume();
    mAudio.GetMixer().AddVoice(&mVoice);
}

SoundInstance::~SoundInstance() { mAudio.GetMixer().RemoveVoice(&mVoice); }

void SoundInstance::Play(bool looping) {
    mLooping = looping;
    auto lock = mAudio.GetMixer().Lock();
    if (mPauseCount > 0) {
        mVoice.Stop();
        mSavedPosition = 0;
        mPlaying = true;
        return;
    }
    mVoice.Start(0, looping);
}

void SoundInstance::Stop() {
    auto lock = mAudio.GetMixer().Lock();
    mVoice.Stop();
    mPlaying = false;
}

bool SoundInstance::IsPlaying() {
    auto lock = mAudio.GetMixer().Lock();
    return mVoice.IsPlaying() || (mPauseCount > 0 && mPlaying);
}

void SoundInstance::SetVolume(float volume) {
    mVolume = std::clamp(volume, 0.0f, 1.0f);
    ApplyVolume();
}

void SoundInstance::ApplyVolume() {
    float gain = CentibelsToGain(VolumeToCentibels(mVolume * mAudio.GetSoundVolume(), mAudio.IsEnabled()));
    auto lock = mAudio.GetMixer().Lock();
    mVoice.SetGain(gain);
}

void SoundInstance::SetFrequency(int32_t hertz) {
    mFrequency = std::clamp(hertz, kMinFrequency, kMaxFrequency);
    auto lock = mAudio.GetMixer().Lock();
    mVoice.SetRate(mFrequency);
}

void SoundInstance::SetPitch(float pitch) {
    double hertz = std::clamp(static_cast<double>(pitch) * mBaseFrequency, static_cast<double>(kMinFrequency),
                              static_cast<double>(kMaxFrequency));
    SetFrequency(static_cast<int32_t>(std::lround(hertz)));
}

void SoundInstance::Pause(bool on) {
    auto lock = mAudio.GetMixer().Lock();
    if (on) {
        if (++mPauseCount == 1) {
            mPlaying = mVoice.IsPlaying();
            mSavedPosition = mVoice.Position();
            mVoice.Stop();
        }
        return;
    }
    if (mPauseCount == 0) return;
    if (--mPauseCount == 0 && mPlaying) mVoice.Start(mSavedPosition, mLooping);
}

int64_t SoundInstance::GetPosition() {
    auto lock = mAudio.GetMixer().Lock();
    return mPauseCount > 0 ? mSavedPosition : mVoice.Position();
}
