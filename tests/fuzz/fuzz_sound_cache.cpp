// The sound cache reader on arbitrary bytes; whatever it accepts must write
// back to a record that reads the same.
#include <cstddef>
#include <cstdint>

#include "core/IOBuffer.h"
#include "media/SoundCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(IOBuffer::kMaxFileBytes)) return 0;
    IOBuffer in;
    in.SetData(data, static_cast<int32_t>(size));
    PcmData pcm;
    if (!ReadSoundCache(in, pcm)) return 0;
    IOBuffer out;
    WriteSoundCache(out, pcm);
    PcmData again;
    if (!ReadSoundCache(out, again) || again.samples != pcm.samples || again.rate != pcm.rate) __builtin_trap();
    return 0;
}
