#pragma once
// The RIFF/WAVE parser for sound effects. Treats the file as hostile: every
// chunk length is checked against the bytes that are really there.

#include "core/String.h"
#include "media/PcmData.h"

class IOBuffer;

enum class WavResult {
    Ok,
    NotRiff,           // "Could not load WAV sound (1)"
    NotWave,           // "Could not load WAV sound (2)"
    BadFormatChunk,    // "Could not load sound (3)": missing, short or not PCM
    BadDataChunk,      // "Could not load sound (4)": missing or running past the end of the file
    UnplayableFormat,  // "Could not load sound (5)": channels, rate, bits or size the mixer cannot hold
};

// Parses the whole of `in` (from its start) into `out`; `out` is empty unless Ok.
WavResult ParseWav(IOBuffer& in, PcmData& out);

// The player's message for a failed parse ("" for Ok).
String WavResultMessage(WavResult result);
