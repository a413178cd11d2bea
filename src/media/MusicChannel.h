#pragma once
// A piece of music streamed from an Ogg Vorbis file through one mixer voice,
// with its own volume, fades and pause count. The game thread decodes ahead
// on every update step; the audio thread only reads what is already decoded.

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "media/OggStream.h"
#include "media/Voice.h"

class Mixer;

class MusicChannel {
public:
    // Decoded ahead of the play position: covers a stall of the game loop this long.
    static constexpr int32_t kBufferedMilliseconds = 1000;

    explicit MusicChannel(Mixer& mixer);
    virtual ~MusicChannel();
    MusicChannel(const MusicChannel&) = delete;
    MusicChannel& operator=(const MusicChannel&) = delete;

    // Opens `path` and decodes its start; false when it is not playable music.
    bool Open(const String& path, bool looping);
    const String& GetPath() const { return mPath; }

    void Play();  // from where it stands (the start after Open)
    void Stop();
    bool IsPlaying();

    // Channel volume 0..1; heard times the music volume given to Update.
    void SetVolume(float volume);
    float GetVolume() const { return mVolume; }
    // From the current volume up to 1 (or down to 0, then stopped) by `step` per update.
    void FadeIn(float step);
    void FadeOut(float step);
    bool IsFadingIn() const { return mFadingIn; }
    bool IsFadingOut() const { return mFadingOut; }

    // Focus changes: paused while the count is above 0.
    void Pause(bool on);
    int32_t GetPauseCount() const { return mPauseCount; }

    // Each update step: moves the fades, applies the volume and decodes ahead.
    void Update(float musicVolume);
    // Applies the volume without moving the fades.
    void ApplyVolume(float musicVolume);

private:
    void Refill();

    Mixer& mMixer;
    OggStream mStream;
    Voice mVoice;
    String mPath;
    std::vector<int16_t> mBuffer;   // decoded frames, fixed capacity once opened
    std::vector<int16_t> mScratch;  // decoded here before being appended under the lock
    int64_t mBufferFrames = 0;      // frames in mBuffer
    int64_t mCapacityFrames = 0;
    float mVolume = 1.0f;
    float mFadeStep = 0.0f;
    bool mFadingIn = false;
    bool mFadingOut = false;
    int32_t mPauseCount = 0;
    bool mWanted = false;  // playing as far as the game is concerned
    bool mLooping = false;
    bool mEnded = false;   // the decoder has delivered the last frame
};
