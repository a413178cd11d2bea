// pz_sounds <script> <out.ogg>: renders one sound script and encodes it.
#include <cstdio>

#include "sounds/OggWriter.h"
#include "sounds/Synth.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pz_sounds <script> <out.ogg>\n");
        return 2;
    }
    SoundTake take = RenderScript(argv[1]);
    WriteOggVorbis(argv[2], take.samples, take.quality);
    return 0;
}
