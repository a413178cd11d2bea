#include "platform/AudioDevice.h"

#include <SDL.h>

namespace {
void PullFromSource(void* user, Uint8* stream, int bytes) {
    constexpr int kFrameBytes = AudioDevice::kChannels * static_cast<int>(sizeof(int16_t));
    static_cast<AudioSource*>(user)->Render(reinterpret_cast<int16_t*>(stream), bytes / kFrameBytes);
}

AudioDeviceFailure ClassifyOpenFailure(const String& reason) {
    if (reason.IsEmpty()) return AudioDeviceFailure::Other;
    if (reason.Contains("memory")) return AudioDeviceFailure::NoMemory;
    if (reason.Contains("format")) return AudioDeviceFailure::UnsupportedFormat;
    return AudioDeviceFailure::NoDriver;
}
}  // namespace

AudioDevice::~AudioDevice() { Close(); }

AudioDeviceFailure AudioDevice::Open(AudioSource& source) { return OpenWith(source, nullptr); }

AudioDeviceFailure AudioDevice::OpenSilent(AudioSource& source) {
    // SDL's dummy driver plays to nowhere at the pace of a real card; it is
    // only ever chosen by name.
    return OpenWith(source, "dummy");
}

AudioDeviceFailure AudioDevice::OpenWith(AudioSource& source, const char* driver) {
    if (IsOpen()) {
        mFailureText = "The audio device is already open.";
        return AudioDeviceFailure::AlreadyOpen;
    }
    if (driver && mSubsystemStarted) Close();
    if (!mSubsystemStarted) {
        // Above the player's SDL_AUDIODRIVER too, and only for this start.
        if (driver) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
        bool started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!started) mFailureText = SDL_GetError();
        if (driver) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (!started) return AudioDeviceFailure::NoDriver;
        mSubsystemStarted = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = PullFromSource;
    wanted.userdata = &source;
    SDL_ClearError();
    // No allowed changes: SDL converts to whatever the hardware wants, so the
    // mixer always sees exactly this format.
    mDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (mDevice == 0) {
        mFailureText = SDL_GetError();
        Close();
        return ClassifyOpenFailure(mFailureText);
    }
    mFailureText = "";
    SDL_PauseAudioDevice(mDevice, 0);
    return AudioDeviceFailure::None;
}

void AudioDevice::Close() {
    if (mDevice != 0) SDL_CloseAudioDevice(mDevice);
    mDevice = 0;
    if (mSubsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mSubsystemStarted = false;
}
