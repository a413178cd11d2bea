#pragma once
// The audio service, one per process (GetAudio): the mixer and its device,
// the sound effects, the music channels and the two volume settings.
// Without a device (--headless, or none opens) every operation is safe and
// silent and sounds do not load; InitializeOffline runs the mixer with no
// device so that the caller renders it (tests, tools).

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "core/String.h"
#include "data/AudioVolumes.h"
#include "media/Mixer.h"
#include "media/MusicChannel.h"
#include "platform/AudioDevice.h"

class Sound;
class SoundInstance;

class Audio {
public:
    Audio();
    virtual ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // Opens the sound card (not when headless), reads the volumes and applies
    // them. A card that does not open is reported once; the game goes on silent.
    void Initialize();
    // The mixer without a device: Mixer::Render is called by the owner.
    void InitializeOffline();
    // Each update step: music fades and decoding ahead.
    void Update();
    // Focus changes: pauses (false) or resumes (true) every sound and music channel.
    void SetActive(bool active);
    // Stores the volumes, stops the music, unloads every sound and closes the card.
    void Shutdown();

    bool IsEnabled() const { return mEnabled; }
    Mixer& GetMixer() { return mMixer; }

    void SetSoundVolume(float volume);  // 0..1; re-applied to every sound
    float GetSoundVolume() const { return mSoundVolume; }
    void SetMusicVolume(float volume);  // 0..1; scales every music channel
    float GetMusicVolume() const { return mMusicVolume; }

    // The per-user data folder: its "config.cfg" holds the volumes, its
    // "cached" folder the sound cache (empty: neither). Set before Initialize.
    // Game data resolves through ResourcePaths.
    void SetUserFolder(const String& folder) { mUserFolder = folder; }
    // The file of resource `name` ("Sounds\\explode") with `extension`, or "".
    String FindDataFile(const String& name, const char* extension) const;
    // "<user folder>/cached/<name>.cached", or "" without a user folder.
    String CachePathFor(const String& name) const;
    // Writes the cache record, creating its folders; a failure is logged only.
    void WriteCacheFile(const String& path, const PcmData& pcm) const;

    // Music: a channel of the piece `name` (an Ogg Vorbis resource), kept until
    // CloseMusic or Shutdown; null when it cannot be opened or audio is off.
    MusicChannel* OpenMusic(const String& name, bool looping);
    void CloseMusic(MusicChannel* channel);
    // Plays `name` as the current piece (looping, or once: a sting), cross-fading
    // from the previous one over `fadeSteps` update steps (0: at once). The same
    // piece again changes nothing. A piece played once is no longer current
    // when it has ended.
    bool PlayMusic(const String& name, int32_t fadeSteps, bool looping = true);
    // Fades the current piece out over `fadeSteps` update steps and stops it.
    void StopMusic(int32_t fadeSteps);
    MusicChannel* GetCurrentMusic() const { return mCurrentMusic; }
    // The game's own pause: every music channel, and those opened meanwhile,
    // hold still while it is on (on top of focus changes).
    void SetMusicPaused(bool on);
    bool IsMusicPaused() const { return mMusicPaused; }
    int32_t GetMusicChannelCount() const { return static_cast<int32_t>(mMusic.size()); }

    // The system beep: a short tone through the mixer at the sound volume.
    void Beep();

    // For Sound: registration and the lock that guards every sound's copies
    // (sounds load on the loader thread while the main thread plays them).
    void AddSound(Sound* sound);
    void RemoveSound(Sound* sound);
    std::unique_lock<std::recursive_mutex> LockSounds() { return std::unique_lock<std::recursive_mutex>(mSoundsLock); }
    // Focus losses not yet returned: what a copy or channel made now starts
    // paused with (a sound may finish loading while the window is in the back).
    int32_t GetPauseCount() const { return mPauseCount; }

private:
    struct MusicEntry {
        std::unique_ptr<MusicChannel> channel;
        bool releaseWhenStopped = false;  // opened by PlayMusic: dropped once faded out
    };

    void StartMixer();
    String ConfigPath() const;  // "config.cfg" in the user folder, or ""
    void ReadVolumeSettings();
    MusicEntry* AddMusic(const String& name, bool looping);
    void ReleaseStoppedMusic();

    Mixer mMixer;
    AudioDevice mDevice;
    std::recursive_mutex mSoundsLock;
    std::vector<Sound*> mSounds;
    std::vector<MusicEntry> mMusic;
    MusicChannel* mCurrentMusic = nullptr;
    std::unique_ptr<SoundInstance> mBeep;
    String mUserFolder;
    float mSoundVolume = AudioVolumes::kDefaultSound;
    float mMusicVolume = AudioVolumes::kDefaultMusic;
    int32_t mPauseCount = 0;  // guarded by mSoundsLock
    bool mMusicPaused = false;
    bool mStarted = false;  // Initialize ran: Shutdown stores the volumes
    bool mEnabled = false;  // the mixer runs (device open, or offline)
};

// The process-wide audio service.
Audio& GetAudio();

// The system beep of edit boxes and debug keys.
void MessageBeep();

// The player's message when the sound card does not open.
String MusicInterfaceErrorText(AudioDeviceFailure failure);
