#pragma once
// One playable copy of a sound: a mixer voice over samples it shares with the
// other copies, with its own volume, frequency, pause count and saved place.

#include <cstdint>
#include <memory>

#include "media/PcmData.h"
#include "media/Voice.h"

class Audio;

class SoundInstance {
public:
    static constexpr int32_t kMinFrequency = 100;     // Hz
    static constexpr int32_t kMaxFrequency = 100000;  // Hz

    SoundInstance(Audio& audio, std::shared_ptr<const PcmData> pcm);
    virtual ~SoundInstance();
    SoundInstance(const SoundInstance&) = delete;
    SoundInstance& operator=(const SoundInstance&) = delete;

    // From the first sample. While paused (focus lost) it starts on resume.
    void Play(bool looping = false);
    void Stop();
    bool IsPlaying();
    bool IsLooping() const { return mLooping; }

    // Own volume 0..1, heard times the sound volume of Audio.
    void SetVolume(float volume);
    float GetVolume() const { return mVolume; }
    // Re-applies the volume after the sound volume changed.
    void ApplyVolume();

    // Playback rate in frames per second, limited to kMinFrequency..kMaxFrequency.
    void SetFrequency(int32_t hertz);
    int32_t GetFrequency() const { return mFrequency; }
    int32_t GetBaseFrequency() const { return mBaseFrequency; }
    // The base frequency times `pitch` (2 = an octave up, twice as fast).
    void SetPitch(float pitch);

    // Focus changes count up (on) and down (off, never below 0): a playing copy
    // saves its place and stops at the first, and plays on from there at the last.
    void Pause(bool on);
    int32_t GetPauseCount() const { return mPauseCount; }
    // Frames from the start of the sample.
    int64_t GetPosition();

private:
    Audio& mAudio;
    std::shared_ptr<const PcmData> mPcm;
    Voice mVoice;
    float mVolume = 1.0f;
    int32_t mBaseFrequency = 0;
    int32_t mFrequency = 0;
    int32_t mPauseCount = 0;
    int64_t mSavedPosition = 0;
    bool mPlaying = false;  // was playing when paused: resumes at the last resume
    bool mLooping = false;
};
