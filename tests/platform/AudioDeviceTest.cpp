#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "platform/AudioDevice.h"

namespace {
class CountingSource : public AudioSource {
public:
    void Render(int16_t* frames, int32_t frameCount) override {
        for (int32_t i = 0; i < 2 * frameCount; ++i) frames[i] = 0;
        rendered += frameCount;
    }
    std::atomic<int64_t> rendered{0};
};
}  // namespace

// CTest runs this with SDL's dummy audio driver, which always opens.
TEST(AudioDevice, OpensOnceClosesAndOpensAgain) {
    CountingSource source;
    AudioDevice device;
    ASSERT_EQ(device.Open(source), AudioDeviceFailure::None) << device.FailureText().c_str();
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(device.Open(source), AudioDeviceFailure::AlreadyOpen);
    device.Close();
    EXPECT_FALSE(device.IsOpen());
    device.Close();
    EXPECT_EQ(device.Open(source), AudioDeviceFailure::None);
}

TEST(AudioDevice, AMissingDriverIsReportedAsNoDriverAndTheSilentDeviceStillOpens) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    CountingSource source;
    AudioDevice device;
    EXPECT_EQ(device.Open(source), AudioDeviceFailure::NoDriver);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_FALSE(device.FailureText().IsEmpty());
    // The silent device is there even then, and choosing it does not stick.
    EXPECT_EQ(device.OpenSilent(source), AudioDeviceFailure::None) << device.FailureText().c_str();
    EXPECT_TRUE(device.IsOpen());
    device.Close();
    EXPECT_EQ(device.Open(source), AudioDeviceFailure::NoDriver);
    if (old)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}
