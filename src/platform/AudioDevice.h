#pragma once
// The sound card: an SDL audio device at 44100 Hz, stereo, signed 16-bit,
// whose callback pulls every sample from an AudioSource (our mixer). Nothing
// but this file pair sees SDL's audio API.

#include <cstdint>

#include "core/String.h"

// Anything that can fill the device's buffer.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Writes `frameCount` interleaved stereo frames (left, right). Called on the
    // audio thread: it must not allocate, block for long or touch game objects.
    virtual void Render(int16_t* frames, int32_t frameCount) = 0;
};

// Why the device did not open, in the terms the player's message box uses.
enum class AudioDeviceFailure { None, NoMemory, NoDriver, UnsupportedFormat, AlreadyOpen, Other };

class AudioDevice {
public:
    static constexpr int32_t kFrequency = 44100;  // output frames per second
    static constexpr int32_t kChannels = 2;
    static constexpr int32_t kBufferFrames = 1024;  // about 23 ms per callback

    AudioDevice() = default;
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Opens the default device and starts pulling from `source`, which must
    // outlive the device (or Close). FailureText() holds SDL's reason.
    AudioDeviceFailure Open(AudioSource& source);
    // The same on a device that plays to nowhere, for a machine without a
    // working sound card: the mixer still runs, so the game keeps its pace.
    AudioDeviceFailure OpenSilent(AudioSource& source);
    void Close();
    bool IsOpen() const { return mDevice != 0; }
    const String& FailureText() const { return mFailureText; }

private:
    // `driver` null: the one SDL picks.
    AudioDeviceFailure OpenWith(AudioSource& source, const char* driver);

    uint32_t mDevice = 0;
    bool mSubsystemStarted = false;
    String mFailureText;
};
