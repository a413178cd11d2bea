#pragma once
// The sound cache record: decoded samples saved so that later runs skip
// decoding. Layout (little-endian): the 16-byte PCM format; a 36-byte buffer
// description (its size, flags, buffer bytes, a reserved word, a format
// reference and a 16-byte algorithm id, all but the first three zero and
// ignored when read); the sample byte count n (int32); n bytes of samples.

#include "media/PcmData.h"

class IOBuffer;

void WriteSoundCache(IOBuffer& out, const PcmData& pcm);
// Answers false, leaving `out` empty, for a short, inconsistent or unplayable record.
bool ReadSoundCache(IOBuffer& in, PcmData& out);
