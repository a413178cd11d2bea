#pragma once
// The sound generator: a script of layers (tones, filtered noise, note
// sequences) mixed into one mono take, then shaped (echo, reverse, loop) and
// levelled. Script lines, one command each:
//   length seconds=S                       total length before the tail
//   tone wave=W freq=A:B at=T dur=D attack=S release=S gain=G vibrato=RATE:DEPTH every=S count=N
//   noise filter=lowpass|bandpass|highpass cutoff=A:B q=Q at dur attack release gain every count
//   notes wave=W step=S at=T attack release gain seq="C5 E5 - G5*2" repeat=N transpose=SEMITONES
//   echo delay=S feedback=F mix=M
//   reverse source=FILE                   the whole take of another script, backwards
//   loop                                  the end runs seamlessly into the start
//   peak db=DB                            level of the loudest sample (default -3)
//   loudness db=DB                        average (RMS) level instead, peak= its ceiling
//   quality value=Q                       Vorbis quality (default 0.4)
// Waves: sine, square, saw, triangle, bell, organ.
#include <string>
#include <vector>

struct SoundTake {
    std::vector<float> samples;  // mono, kSampleRate per second
    float quality = 0.4f;
};

// Renders a script; fails with the file and line of the first bad command.
SoundTake RenderScript(const std::string& path);
