#pragma once
// RIFF/WAVE files made by tests and benchmarks.

#include <cstdint>
#include <string>
#include <vector>

// A 16-bit PCM WAV file holding `samples` (interleaved when `channels` is 2).
std::string MakeWav(const std::vector<int16_t>& samples, int32_t channels = 1, int32_t rate = 44100);
