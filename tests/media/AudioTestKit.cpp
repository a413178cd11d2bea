#include "AudioTestKit.h"

#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"

std::vector<int16_t> Ramp(int32_t count) {
    std::vector<int16_t> samples(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) samples[static_cast<size_t>(i)] = static_cast<int16_t>(i % 16000);
    return samples;
}

AudioTestKit::AudioTestKit() {
    SetHeadless(true);
    Reindex();
    audio.SetUserFolder(user.Path().c_str());
    audio.InitializeOffline();
}

AudioTestKit::~AudioTestKit() { audio.Shutdown(); }

std::string AudioTestKit::WriteData(const std::string& relative, const std::string& bytes) const {
    std::string path = data.Write(relative, bytes);
    Reindex();
    return path;
}

void AudioTestKit::Reindex() const { ResourcePaths::SetDataRoot(data.Path().c_str()); }

std::vector<int16_t> AudioTestKit::Render(int32_t frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    audio.GetMixer().Render(out.data(), frames);
    return out;
}

std::vector<int16_t> AudioTestKit::RenderLeft(int32_t frames) {
    std::vector<int16_t> both = Render(frames);
    std::vector<int16_t> left(static_cast<size_t>(frames));
    for (int32_t i = 0; i < frames; ++i) left[static_cast<size_t>(i)] = both[static_cast<size_t>(2 * i)];
    return left;
}
