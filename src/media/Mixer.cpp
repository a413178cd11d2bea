#include "media/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "media/Voice.h"

namespace {
// Below the knee (half of full scale) the sum passes unchanged; above it the
// curve bends smoothly towards full scale and never reaches it.
constexpr float kKnee = 0.5f;
constexpr float kFullScale = 32768.0f;

float SoftClip(float x) {
    float magnitude = std::fabs(x);
    if (magnitude <= kKnee) return x;
    float over = (magnitude - kKnee) / (1.0f - kKnee);
    float bent = kKnee + (1.0f - kKnee) * over / (1.0f + over);
    return x < 0.0f ? -bent : bent;
}
}  // namespace

void Mixer::AddVoice(Voice* voice) {
    std::lock_guard<std::mutex> guard(mLock);
    if (voice && std::find(mVoices.begin(), mVoices.end(), voice) == mVoices.end()) mVoices.push_back(voice);
}

void Mixer::RemoveVoice(Voice* voice) {
    std::lock_guard<std::mutex> guard(mLock);
    mVoices.erase(std::remove(mVoices.begin(), mVoices.end(), voice), mVoices.end());
}

int32_t Mixer::VoiceCount() {
    std::lock_guard<std::mutex> guard(mLock);
    return static_cast<int32_t>(mVoices.size());
}

void Mixer::Render(int16_t* frames, int32_t frameCount) {
    std::lock_guard<std::mutex> guard(mLock);
    for (int32_t start = 0; start < frameCount; start += kChunkFrames) {
        int32_t count = std::min(kChunkFrames, frameCount - start);
        std::memset(mSum, 0, sizeof(float) * 2 * static_cast<size_t>(count));
        for (Voice* voice : mVoices) voice->MixInto(mSum, count, kOutputRate);
        int16_t* out = frames + 2 * start;
        for (int32_t i = 0; i < 2 * count; ++i) {
            float value = std::round(SoftClip(mSum[i]) * kFullScale);
            out[i] = static_cast<int16_t>(std::clamp(value, -kFullScale, kFullScale - 1.0f));
        }
    }
}
