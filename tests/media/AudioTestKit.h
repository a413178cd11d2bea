#pragma once
// Helpers for the sound tests: WAV files made in the test, and an audio
// service whose mixer renders into a buffer instead of a sound card.

#include <cstdint>
#include <string>
#include <vector>

#include "media/Audio.h"
#include "support/TempDir.h"
#include "support/WavWriter.h"

// Samples 0, 1, 2, ... so that any output sample tells where it was read.
std::vector<int16_t> Ramp(int32_t count);

// An offline audio service over a fresh data root and user folder.
class AudioTestKit {
public:
    AudioTestKit();
    ~AudioTestKit();

    Audio audio;
    TempDir data;
    TempDir user;

    // Writes a data file (e.g. "Sounds/Explode.wav") below the data root and
    // indexes the root again.
    std::string WriteData(const std::string& relative, const std::string& bytes) const;
    // Indexes the data root again after files were written some other way.
    void Reindex() const;
    // Renders `frames` stereo frames; answers the left channel.
    std::vector<int16_t> RenderLeft(int32_t frames);
    // Renders `frames` stereo frames, both channels interleaved.
    std::vector<int16_t> Render(int32_t frames);
};
