#include "media/MusicChannel.h"

#include <algorithm>
#include <cstring>

#include "media/Mixer.h"

namespace {
constexpr int32_t kMillisecondsPerSecond = 1000;
// Steps of 1/n do not add up to exactly 1 in floats: a fade over n updates
// should still end on the n-th.
constexpr float kFadeTolerance = 1e-4f;
}  // namespace

MusicChannel::MusicChannel(Mixer& mixer) : mMixer(mixer) {
    mVoice.SetStreaming(true);
    mMixer.AddVoice(&mVoice);
}

MusicChannel::~MusicChannel() { mMixer.RemoveVoice(&mVoice); }

bool MusicChannel::Open(const String& path, bool looping) {
    {
        auto lock = mMixer.Lock();
        mVoice.SetSource(nullptr, 0, 1);
        mVoice.Start(0, false);  // back to the first frame; nothing to play yet
    }
    mWanted = false;
    mEnded = false;
    mBufferFrames = 0;
    mPath = path;
    mLooping = looping;
    if (!mStream.Open(path)) return false;
    mCapacityFrames = static_cast<int64_t>(mStream.Rate()) * kBufferedMilliseconds / kMillisecondsPerSecond;
    mBuffer.assign(static_cast<size_t>(mCapacityFrames * mStream.Channels()), 0);
    mScratch.assign(mBuffer.size(), 0);
    {
        auto lock = mMixer.Lock();
        mVoice.SetRate(mStream.Rate());
    }
    Refill();
    return mBufferFrames > 0;
}

void MusicChannel::Play() {
    if (!mStream.IsOpen()) return;
    mWanted = true;
    if (mPauseCount > 0) return;
    auto lock = mMixer.Lock();
    mVoice.Start(mVoice.Position(), false);
}

void MusicChannel::Stop() {
    mWanted = false;
    mFadingIn = false;
    mFadingOut = false;
    auto lock = mMixer.Lock();
    mVoice.Stop();
}

bool MusicChannel::IsPlaying() {
    auto lock = mMixer.Lock();
    return mVoice.IsPlaying() || (mWanted && mPauseCount > 0);
}

void MusicChannel::SetVolume(float volume) { mVolume = std::clamp(volume, 0.0f, 1.0f); }

void MusicChannel::FadeIn(float step) {
    mFadeStep = step;
    mFadingIn = true;
    mFadingOut = false;
}

void MusicChannel::FadeOut(float step) {
    mFadeStep = step;
    mFadingOut = true;
    mFadingIn = false;
}

void MusicChannel::Pause(bool on) {
    auto lock = mMixer.Lock();
    if (on) {
        if (++mPauseCount == 1) mVoice.Stop();
        return;
    }
    if (mPauseCount == 0) return;
    if (--mPauseCount == 0 && mWanted) mVoice.Start(mVoice.Position(), false);
}

void MusicChannel::Update(float musicVolume) {
    if (mFadingIn) {
        mVolume += mFadeStep;
        if (mVolume >= 1.0f - kFadeTolerance) {
            mVolume = 1.0f;
            mFadingIn = false;
        }
    } else if (mFadingOut) {
        mVolume -= mFadeStep;
        if (mVolume <= kFadeTolerance) {
            mVolume = 0.0f;
            Stop();
        }
    }
    ApplyVolume(musicVolume);
    Refill();
}

void MusicChannel::ApplyVolume(float musicVolume) {
    auto lock = mMixer.Lock();
    mVoice.SetGain(mVolume * std::clamp(musicVolume, 0.0f, 1.0f));
}

// Drops what the voice has played, then tops the buffer up from the decoder.
void MusicChannel::Refill() {
    if (!mStream.IsOpen()) return;
    const int32_t channels = mStream.Channels();
    int64_t played;
    {
        auto lock = mMixer.Lock();
        played = std::min(mVoice.Position(), mBufferFrames);
        if (played > 0) {
            std::memmove(mBuffer.data(), mBuffer.data() + played * channels,
                         static_cast<size_t>((mBufferFrames - played) * channels) * sizeof(int16_t));
            mBufferFrames -= played;
            mVoice.DropFrames(played);
            mVoice.SetSource(mBuffer.data(), mBufferFrames, channels);
        }
    }
    int64_t wanted = mCapacityFrames - mBufferFrames;
    int64_t decoded = 0;
    bool rewound = false;
    while (!mEnded && decoded < wanted) {
        int32_t got = mStream.Read(mScratch.data() + decoded * channels, static_cast<int32_t>(wanted - decoded));
        decoded += got;
        if (got > 0) {
            rewound = false;
            continue;
        }
        // The end: a looping piece starts over (once, so an empty stream cannot spin).
        if (mLooping && !rewound && mStream.Rewind()) {
            rewound = true;
            continue;
        }
        mEnded = true;
    }
    auto lock = mMixer.Lock();
    std::memcpy(mBuffer.data() + mBufferFrames * channels, mScratch.data(),
                static_cast<size_t>(decoded * channels) * sizeof(int16_t));
    mBufferFrames += decoded;
    mVoice.SetSource(mBuffer.data(), mBufferFrames, channels);
    mVoice.SetStreaming(!mEnded);
}
