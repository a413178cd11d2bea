#include "AudioTestKit.h"

#include "platform/MessageBox.h"

namespace {
void PutU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}
void PutU16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value));
    out.push_back(static_cast<char>(value >> 8));
}
}  // namespace

std::string MakeWav(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
    std::string out = "RIFF";
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    PutU32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, 1);
    PutU16(out, static_cast<uint16_t>(channels));
    PutU32(out, static_cast<uint32_t>(rate));
    PutU32(out, static_cast<uint32_t>(rate * channels * 2));
    PutU16(out, static_cast<uint16_t>(channels * 2));
    PutU16(out, 16);
    out += "data";
    PutU32(out, dataBytes);
    for (int16_t sample : samples) PutU16(out, static_cast<uint16_t>(sample));
    return out;
}

std::vector<int16_t> Ramp(int32_t count) {
    std::vector<int16_t> samples(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) samples[static_cast<size_t>(i)] = static_cast<int16_t>(i % 16000);
    return samples;
}

AudioTestKit::AudioTestKit() {
    SetHeadless(true);
    audio.SetDataRoot(data.Path().c_str());
    audio.SetUserFolder(user.Path().c_str());
    audio.InitializeOffline();
}

AudioTestKit::~AudioTestKit() { audio.Shutdown(); }

std::string AudioTestKit::WriteData(const std::string& relative, const std::string& bytes) const {
    return data.Write(relative, bytes);
}

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
