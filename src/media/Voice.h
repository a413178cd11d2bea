#pragma once
// One stream of frames inside the mixer: where it reads, how fast, how loud.
// The game thread changes a voice only while it holds the mixer's lock
// (Mixer::Lock); the audio thread reads it under the same lock.

#include <cstdint>

class Voice {
public:
    // `samples` (interleaved, `channels` 1 or 2) stays owned by the caller and
    // must outlive its use here. Keeps the play position.
    void SetSource(const int16_t* samples, int64_t frames, int32_t channels);
    // Source frames per second (the sample rate times the pitch).
    void SetRate(double framesPerSecond);
    void SetGain(float gain) { mGain = gain; }  // linear, 1 = as recorded
    // A streamed source ends where its data ends for now: the voice waits there
    // for more instead of stopping.
    void SetStreaming(bool streaming) { mStreaming = streaming; }

    void Start(int64_t frame, bool looping);
    void Stop() { mPlaying = false; }  // keeps the position
    bool IsPlaying() const { return mPlaying; }
    bool IsLooping() const { return mLooping; }
    int64_t Position() const { return static_cast<int64_t>(mPosition >> kFractionBits); }
    // Forgets the first `frames` frames of the source (a stream dropping what it played).
    void DropFrames(int64_t frames);

    // Adds `frames` output frames (interleaved stereo, in units of full scale)
    // into `out` at `outputRate`. Audio thread; never allocates.
    void MixInto(float* out, int32_t frames, int32_t outputRate);

private:
    static constexpr int kFractionBits = 32;  // play position and step are 32.32 fixed point

    template <int kChannels> void MixRun(float* out, int32_t frames, uint64_t step);

    const int16_t* mSamples = nullptr;
    int64_t mFrames = 0;
    int32_t mChannels = 1;
    double mRate = 0.0;
    float mGain = 1.0f;
    uint64_t mPosition = 0;
    bool mPlaying = false;
    bool mLooping = false;
    bool mStreaming = false;
};
