#pragma once
// Sound-effect and music volumes (0-1) kept in "config.cfg" by the audio service.

#include "core/String.h"

struct AudioVolumes {
    static constexpr float kDefaultSound = 1.0f;
    static constexpr float kDefaultMusic = 0.75f;

    // Writes the defaults of missing keys, then reads both volumes. A value
    // outside 0-1 is brought into range; one that is not a number reads as
    // the default.
    static AudioVolumes Read(const String& configPath);
    // At audio shutdown, when the audio service had started.
    void Store(const String& configPath) const;

    float sound = kDefaultSound;
    float music = kDefaultMusic;
};
