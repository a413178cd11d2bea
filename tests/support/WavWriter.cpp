#include "support/WavWriter.h"

namespace {
constexpr uint32_t kHeaderBytesAfterRiff = 36;  // "WAVE", the format chunk and the data chunk header
constexpr uint32_t kFormatBytes = 16;
constexpr uint16_t kPcm = 1;
constexpr uint16_t kBits = 16;

void PutU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

void PutU16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value));
    out.push_back(static_cast<char>(value >> 8));
}
}  // namespace

std::string MakeWav(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    const uint16_t blockAlign = static_cast<uint16_t>(channels * static_cast<int32_t>(sizeof(int16_t)));
    std::string out = "RIFF";
    PutU32(out, kHeaderBytesAfterRiff + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, kFormatBytes);
    PutU16(out, kPcm);
    PutU16(out, static_cast<uint16_t>(channels));
    PutU32(out, static_cast<uint32_t>(rate));
    PutU32(out, static_cast<uint32_t>(rate) * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, kBits);
    out += "data";
    PutU32(out, dataBytes);
    for (int16_t sample : samples) PutU16(out, static_cast<uint16_t>(sample));
    return out;
}
