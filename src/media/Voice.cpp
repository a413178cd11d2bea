#include "media/Voice.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kSampleScale = 1.0f / 32768.0f;  // 16-bit sample to full scale
constexpr double kFractionScale = 4294967296.0;  // 2^32: one frame in 32.32 fixed point
constexpr float kFractionToFloat = 1.0f / 4294967296.0f;
}  // namespace

void Voice::SetSource(const int16_t* samples, int64_t frames, int32_t channels) {
    mSamples = samples;
    mFrames = samples ? std::max<int64_t>(frames, 0) : 0;
    mChannels = channels == 2 ? 2 : 1;
}

void Voice::SetRate(double framesPerSecond) { mRate = std::max(framesPerSecond, 0.0); }

void Voice::Start(int64_t frame, bool looping) {
    mPosition = static_cast<uint64_t>(std::clamp<int64_t>(frame, 0, mFrames)) << kFractionBits;
    mLooping = looping;
    mPlaying = mFrames > 0;
}

void Voice::DropFrames(int64_t frames) {
    frames = std::clamp<int64_t>(frames, 0, Position());
    mPosition -= static_cast<uint64_t>(frames) << kFractionBits;
}

void Voice::MixInto(float* out, int32_t frames, int32_t outputRate) {
    if (!mPlaying || outputRate <= 0) return;
    uint64_t step = static_cast<uint64_t>(std::llround(mRate / outputRate * kFractionScale));
    if (step == 0) return;
    if (mChannels == 2)
        MixRun<2>(out, frames, step);
    else
        MixRun<1>(out, frames, step);
}

// Linear interpolation between neighbouring frames. Most of the work runs in
// the inner loop without end checks; the last frame of the source is handled
// on its own (towards the first frame when looping, towards silence otherwise).
template <int kChannels> void Voice::MixRun(float* out, int32_t frames, uint64_t step) {
    const float gain = mGain * kSampleScale;
    int32_t done = 0;
    while (done < frames && mPlaying) {
        int64_t index = static_cast<int64_t>(mPosition >> kFractionBits);
        if (index >= mFrames) {
            if (mLooping && !mStreaming && mFrames > 0) {
                mPosition -= static_cast<uint64_t>(mFrames) << kFractionBits;
                continue;
            }
            if (!mStreaming) mPlaying = false;
            break;
        }
        if (index + 1 < mFrames) {
            uint64_t limit = static_cast<uint64_t>(mFrames - 1) << kFractionBits;
            int64_t run = static_cast<int64_t>((limit - mPosition + step - 1) / step);
            run = std::min<int64_t>(run, frames - done);
            float* to = out + 2 * done;
            for (int64_t k = 0; k < run; ++k) {
                const int16_t* a = mSamples + (mPosition >> kFractionBits) * kChannels;
                float t = static_cast<float>(static_cast<uint32_t>(mPosition)) * kFractionToFloat;
                float left = a[0] + (a[kChannels] - a[0]) * t;
                float right = left;
                if constexpr (kChannels == 2) right = a[1] + (a[3] - a[1]) * t;
                to[2 * k] += left * gain;
                to[2 * k + 1] += right * gain;
                mPosition += step;
            }
            done += static_cast<int32_t>(run);
            continue;
        }
        // The last frame: a stream waits here until more data arrives.
        if (mStreaming) break;
        const int16_t* a = mSamples + index * kChannels;
        const int16_t* b = mLooping ? mSamples : nullptr;
        float t = static_cast<float>(static_cast<uint32_t>(mPosition)) * kFractionToFloat;
        for (int c = 0; c < 2; ++c) {
            int channel = kChannels == 2 ? c : 0;
            float next = b ? b[channel] : 0.0f;
            out[2 * done + c] += (a[channel] + (next - a[channel]) * t) * gain;
        }
        mPosition += step;
        ++done;
    }
    // A one-shot that has played its last frame is over now, not at the next call.
    if (!mLooping && !mStreaming && static_cast<int64_t>(mPosition >> kFractionBits) >= mFrames) mPlaying = false;
}
