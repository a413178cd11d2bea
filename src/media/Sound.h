#pragma once
// A sound effect: a few copies of one sample so that the effect can overlap
// itself; each play takes the next copy in turn.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"
#include "media/PcmData.h"
#include "media/SoundInstance.h"

class Audio;
Audio& GetAudio();

class Sound {
public:
    static constexpr int32_t kMaxCopies = 64;  // extra copies of one sample

    explicit Sound(Audio& audio = GetAudio());
    virtual ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // `name` is a resource name such as "Sounds\\explode". Tries the cache
    // file, then name.ogg, then name.wav; `copies` extra copies besides the
    // first. Without audio it does nothing. A missing or broken file tells the
    // player and leaves the sound empty; answers whether it loaded.
    bool Load(const String& name, int32_t copies = 0);
    void Unload();
    bool IsLoaded() const { return !mInstances.empty(); }
    const String& GetName() const { return mName; }

    // Plays the next copy once from its start at `volume` (0..1) times the sound volume.
    void Play(float volume = 1.0f);
    // As Play, at `pitch` times the copy's base frequency (limited to 100..100000 Hz).
    void PlayPitched(float pitch, float volume = 1.0f);

    int32_t GetInstanceCount() const { return static_cast<int32_t>(mInstances.size()); }
    // 0 .. GetInstanceCount()-1, else null.
    SoundInstance* GetInstance(int32_t index) const;

    // For Audio: focus changes and sound-volume changes reach every copy.
    void Pause(bool on);
    void ApplyVolume();

private:
    void PlayNext(float pitch, float volume);
    bool LoadSamples(const String& name, PcmData& pcm);
    void MakeInstances(std::shared_ptr<const PcmData> pcm, int32_t copies);

    Audio& mAudio;
    String mName;
    std::vector<std::unique_ptr<SoundInstance>> mInstances;
    int32_t mCursor = 0;
};
