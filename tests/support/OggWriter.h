#pragma once
// Encodes a sine tone as an Ogg Vorbis file, so that tests and benchmarks make
// their own music and effects. Needs libvorbisenc (PZ_HAVE_VORBISENC).

#include <cstdint>
#include <string>

// Writes `frames` frames of a `hertz` tone at `rate` with `channels` (1 or 2)
// to `path`; false when encoding is unavailable or fails.
bool WriteOggTone(const std::string& path, int32_t rate, int32_t channels, int32_t frames, float hertz);
