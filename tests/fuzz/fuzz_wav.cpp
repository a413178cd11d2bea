// The RIFF/WAVE parser on arbitrary bytes: never a crash, a hang or a huge allocation.
#include <cstddef>
#include <cstdint>

#include "core/IOBuffer.h"
#include "media/WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(IOBuffer::kMaxFileBytes)) return 0;
    IOBuffer in;
    in.SetData(data, static_cast<int32_t>(size));
    PcmData pcm;
    if (ParseWav(in, pcm) == WavResult::Ok && (pcm.IsEmpty() || pcm.channels < 1 || pcm.channels > 2)) __builtin_trap();
    return 0;
}
