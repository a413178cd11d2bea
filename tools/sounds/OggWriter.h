#pragma once
#include <string>
#include <vector>

constexpr int kSampleRate = 44100;

// Encodes mono samples (-1 ... 1) as Ogg Vorbis at the given VBR quality
// (-0.1 ... 1) and writes the file atomically. The stream serial number is
// fixed so the same sound always gives the same bytes.
void WriteOggVorbis(const std::string& path, const std::vector<float>& samples, float quality);
