#pragma once
// Our own mixer: sums every playing voice at the output rate, then passes the
// sum through a soft clip so that many overlapping effects grow quieter
// instead of wrapping around. It renders for the audio device or, without
// one, into any buffer (tests and tools).

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/AudioDevice.h"

class Voice;

class Mixer : public AudioSource {
public:
    static constexpr int32_t kOutputRate = AudioDevice::kFrequency;  // frames per second

    // Holds off the audio thread while the caller changes voices; keep it short.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mLock); }

    // The voice must stay alive until it is removed. Both take the lock.
    void AddVoice(Voice* voice);
    void RemoveVoice(Voice* voice);
    int32_t VoiceCount();

    // Stereo interleaved 16-bit frames at kOutputRate.
    void Render(int16_t* frames, int32_t frameCount) override;

private:
    static constexpr int32_t kChunkFrames = 512;

    std::mutex mLock;
    std::vector<Voice*> mVoices;
    float mSum[kChunkFrames * 2] = {};
};
