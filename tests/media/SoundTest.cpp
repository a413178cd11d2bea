#include <gtest/gtest.h>

#include <filesystem>

#include "AudioTestKit.h"
#include "media/AudioVolume.h"
#include "media/Sound.h"
#include "platform/MessageBox.h"
#include "support/OggWriter.h"

namespace {
constexpr const char* kName = "Sounds\\explode";

std::vector<int16_t> Slice(const std::vector<int16_t>& v, size_t from, size_t count) {
    return std::vector<int16_t>(v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(from + count));
}
}  // namespace

TEST(AudioVolume, MapsThroughHundredthsOfADecibel) {
    EXPECT_EQ(VolumeToCentibels(1.0f, true), 0);
    EXPECT_EQ(VolumeToCentibels(0.0f, true), kSilentCentibels);
    EXPECT_EQ(VolumeToCentibels(0.5f, true), -605);  // (log10(5.5) - 1) x 2333, truncated
    EXPECT_EQ(VolumeToCentibels(0.0001f, true), -2332);  // the quietest step still heard
    EXPECT_EQ(VolumeToCentibels(1.0f, false), kSilentCentibels);
    EXPECT_FLOAT_EQ(CentibelsToGain(0), 1.0f);
    EXPECT_NEAR(CentibelsToGain(-2000), 0.1f, 1e-6f);
    EXPECT_EQ(CentibelsToGain(kSilentCentibels), 0.0f);
}

TEST(Sound, LoadsAWavWhoseNameDiffersInCase) {
    AudioTestKit kit;
    kit.WriteData("sounds/EXPLODE.wav", MakeWav(Ramp(100)));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName, 2));
    EXPECT_EQ(sound.GetInstanceCount(), 3);
    EXPECT_EQ(sound.GetInstance(0)->GetBaseFrequency(), 44100);
    EXPECT_EQ(sound.GetInstance(3), nullptr);
}

TEST(Sound, PlaysItsCopiesInTurnAndTheFourthPlayReusesTheFirst) {
    AudioTestKit kit;
    kit.WriteData("Sounds/explode.wav", MakeWav(Ramp(10000)));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName, 2));
    for (int i = 0; i < 3; ++i) {
        sound.Play(1.0f);
        kit.Render(100);
    }
    EXPECT_EQ(sound.GetInstance(0)->GetPosition(), 300);
    EXPECT_EQ(sound.GetInstance(1)->GetPosition(), 200);
    EXPECT_EQ(sound.GetInstance(2)->GetPosition(), 100);
    sound.Play(1.0f);
    EXPECT_EQ(sound.GetInstance(0)->GetPosition(), 0);
    EXPECT_TRUE(sound.GetInstance(0)->IsPlaying());
    EXPECT_EQ(sound.GetInstance(1)->GetPosition(), 200);
}

TEST(Sound, SoundVolumeZeroPlaysNothing) {
    AudioTestKit kit;
    kit.WriteData("Sounds/explode.wav", MakeWav(std::vector<int16_t>(500, 8000)));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName));
    kit.audio.SetSoundVolume(0.0f);
    sound.Play(1.0f);
    sound.PlayPitched(1.5f, 1.0f);
    kit.audio.Beep();
    EXPECT_FALSE(sound.GetInstance(0)->IsPlaying());
    std::vector<int16_t> out = kit.Render(200);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t s) { return s == 0; }));

    kit.audio.SetSoundVolume(0.5f);  // a copy that plays follows the volume
    sound.Play(1.0f);
    int16_t half = kit.Render(1)[0];
    EXPECT_NEAR(half, 8000 * CentibelsToGain(VolumeToCentibels(0.5f, true)), 1.0);
}

TEST(Sound, PitchTwoHalvesAOneShotAndThePitchIsLimited) {
    AudioTestKit kit;
    kit.WriteData("Sounds/explode.wav", MakeWav(std::vector<int16_t>(2000, 1000)));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName));
    sound.PlayPitched(2.0f, 1.0f);
    EXPECT_EQ(sound.GetInstance(0)->GetFrequency(), 88200);
    kit.Render(999);
    EXPECT_TRUE(sound.GetInstance(0)->IsPlaying());
    kit.Render(1);
    EXPECT_FALSE(sound.GetInstance(0)->IsPlaying());

    sound.Play(1.0f);  // a plain play goes back to the base frequency
    EXPECT_EQ(sound.GetInstance(0)->GetFrequency(), 44100);
    sound.PlayPitched(1000.0f, 1.0f);
    EXPECT_EQ(sound.GetInstance(0)->GetFrequency(), SoundInstance::kMaxFrequency);
    sound.PlayPitched(0.0001f, 1.0f);
    EXPECT_EQ(sound.GetInstance(0)->GetFrequency(), SoundInstance::kMinFrequency);
}

TEST(Sound, FocusLossPausesAndReturnResumesFromTheSameSample) {
    AudioTestKit kit;
    kit.WriteData("Sounds/explode.wav", MakeWav(Ramp(5000)));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName));
    sound.Play(1.0f);
    std::vector<int16_t> before = kit.RenderLeft(1000);
    EXPECT_EQ(before[999], 999);

    kit.audio.SetActive(false);
    kit.audio.SetActive(false);  // a second loss needs a second return
    std::vector<int16_t> during = kit.RenderLeft(300);
    EXPECT_TRUE(std::all_of(during.begin(), during.end(), [](int16_t s) { return s == 0; }));
    EXPECT_TRUE(sound.GetInstance(0)->IsPlaying());
    kit.audio.SetActive(true);
    EXPECT_EQ(kit.RenderLeft(1)[0], 0);
    kit.audio.SetActive(true);
    kit.audio.SetActive(true);  // never below zero: the next loss pauses again
    EXPECT_EQ(sound.GetInstance(0)->GetPauseCount(), 0);
    EXPECT_EQ(Slice(kit.RenderLeft(3), 0, 3), (std::vector<int16_t>{1000, 1001, 1002}));
}

TEST(Sound, ASoundLoadedWhileInTheBackStaysQuietUntilFocusReturns) {
    AudioTestKit kit;
    kit.WriteData("Sounds/explode.wav", MakeWav(Ramp(1000)));
    kit.audio.SetActive(false);
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load(kName));
    sound.Play(1.0f);
    EXPECT_EQ(kit.RenderLeft(10), std::vector<int16_t>(10, 0));
    kit.audio.SetActive(true);
    EXPECT_EQ(kit.RenderLeft(3), (std::vector<int16_t>{0, 1, 2}));
}

TEST(Sound, LoopingCopyLoopsAgainAfterAPause) {
    AudioTestKit kit;
    kit.WriteData("Sounds/roll.wav", MakeWav({10, 20, 30, 40}));
    Sound sound(kit.audio);
    ASSERT_TRUE(sound.Load("Sounds\\ROLL"));
    SoundInstance* roll = sound.GetInstance(0);
    roll->Play(true);
    kit.Render(2);
    kit.audio.SetActive(false);
    kit.audio.SetActive(true);
    EXPECT_EQ(kit.RenderLeft(6), (std::vector<int16_t>{30, 40, 10, 20, 30, 40}));
}

TEST(Sound, MissingOrBrokenFilesLeaveTheSoundEmpty) {
    AudioTestKit kit;
    Sound sound(kit.audio);
    EXPECT_FALSE(sound.Load("Sounds\\nothing"));
    kit.WriteData("Sounds/bad.wav", "RIFF\x04\x00\x00\x00WAVX");
    EXPECT_FALSE(sound.Load("Sounds\\bad"));
    kit.WriteData("Sounds/badogg.ogg", "OggS this is not a real stream");
    EXPECT_FALSE(sound.Load("Sounds\\badogg"));
    EXPECT_FALSE(sound.IsLoaded());
    sound.Play(1.0f);  // harmless
    EXPECT_FALSE(std::filesystem::exists(kit.user.File("cached")));
}

TEST(Sound, CacheIsWrittenThenUsedThenRebuiltAfterTheFolderIsDeleted) {
    AudioTestKit kit;
    std::vector<int16_t> samples = Ramp(300);
    std::string source = kit.WriteData("Sounds/Explode.wav", MakeWav(samples, 1, 22050));
    std::string cache = kit.user.File("cached/sounds/explode.cached");
    {
        Sound first(kit.audio);
        ASSERT_TRUE(first.Load(kName));
        ASSERT_TRUE(std::filesystem::exists(cache));
    }
    // With the source made unreadable, only the cache can supply the samples.
    kit.WriteData("Sounds/Explode.wav", "not a wave file at all");
    {
        Sound second(kit.audio);
        ASSERT_TRUE(second.Load("SOUNDS\\EXPLODE"));
        EXPECT_EQ(second.GetInstance(0)->GetBaseFrequency(), 22050);
    }
    // A broken cache falls back to the source, which is decoded and cached again.
    kit.user.Write("cached/sounds/explode.cached", "short");
    kit.WriteData("Sounds/Explode.wav", MakeWav(samples, 1, 22050));
    {
        Sound third(kit.audio);
        ASSERT_TRUE(third.Load(kName));
    }
    EXPECT_GT(std::filesystem::file_size(cache), 56u);
    std::filesystem::remove_all(kit.user.File("cached"));
    {
        Sound fourth(kit.audio);
        ASSERT_TRUE(fourth.Load(kName));
    }
    EXPECT_TRUE(std::filesystem::exists(cache));
}

TEST(Sound, OggEffectsDecodeAndTheirCacheSkipsDecoding) {
    AudioTestKit kit;
    std::string ogg = kit.data.File("Sounds/zap.ogg");
    std::filesystem::create_directories(kit.data.File("Sounds"));
    if (!WriteOggTone(ogg, 22050, 2, 4410, 440.0f)) GTEST_SKIP() << "no Ogg Vorbis encoder";
    kit.Reindex();
    int64_t frames = 0;
    {
        Sound sound(kit.audio);
        ASSERT_TRUE(sound.Load("Sounds\\Zap"));
        EXPECT_EQ(sound.GetInstance(0)->GetBaseFrequency(), 22050);
        sound.Play(1.0f);
        std::vector<int16_t> out = kit.Render(2000);
        EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](int16_t s) { return s > 5000; }));
        for (; sound.GetInstance(0)->IsPlaying() && frames < 100000; ++frames) kit.Render(1);
    }
    EXPECT_NEAR(static_cast<double>(frames + 2000), 8820.0, 2.0);  // 0.2 s at the output rate
    kit.WriteData("Sounds/zap.ogg", "OggS broken");
    Sound again(kit.audio);
    EXPECT_TRUE(again.Load("Sounds\\Zap"));
}

TEST(Sound, HostileOggFilesNeverCrash) {
    AudioTestKit kit;
    std::filesystem::create_directories(kit.data.File("Sounds"));
    if (!WriteOggTone(kit.data.File("Sounds/surround.ogg"), 44100, 3, 1000, 440.0f))
        GTEST_SKIP() << "no Ogg Vorbis encoder";
    kit.Reindex();
    Sound sound(kit.audio);
    EXPECT_FALSE(sound.Load("Sounds\\surround"));
    // A truncated stream gives at most its first part, which still plays.
    ASSERT_TRUE(WriteOggTone(kit.data.File("Sounds/cut.ogg"), 44100, 1, 44100, 440.0f));
    kit.Reindex();
    std::string whole = kit.data.Read("Sounds/cut.ogg");
    for (size_t size : {whole.size() / 3, size_t{60}, size_t{4}}) {
        kit.WriteData("Sounds/cut.ogg", whole.substr(0, size));
        std::filesystem::remove_all(kit.user.File("cached"));
        sound.Load("Sounds\\cut");
        sound.Play(1.0f);
        kit.Render(100);
    }
}

TEST(Audio, HeadlessServiceIsSilentAndSafe) {
    SetHeadless(true);
    Audio audio;
    audio.Initialize();
    EXPECT_FALSE(audio.IsEnabled());
    Sound sound(audio);
    EXPECT_FALSE(sound.Load(kName, 3));
    sound.Play(1.0f);
    sound.PlayPitched(2.0f, 1.0f);
    audio.Beep();
    EXPECT_FALSE(audio.PlayMusic("Music\\Theme", 50));
    audio.StopMusic(10);
    audio.SetActive(false);
    audio.SetActive(true);
    audio.SetSoundVolume(0.3f);
    audio.Update();
    audio.Shutdown();
    EXPECT_FLOAT_EQ(audio.GetSoundVolume(), 0.3f);
}

TEST(Audio, BeepIsAShortToneThroughTheMixer) {
    AudioTestKit kit;
    kit.audio.Beep();
    std::vector<int16_t> out = kit.RenderLeft(44100 / 4);
    int32_t last = 0;
    for (int32_t i = 0; i < static_cast<int32_t>(out.size()); ++i)
        if (out[static_cast<size_t>(i)] != 0) last = i;
    EXPECT_GT(*std::max_element(out.begin(), out.end()), 4000);
    EXPECT_LT(last, 44100 / 5);  // over well before a quarter second
}

TEST(Audio, InitializeOpensTheDeviceAndShutdownClosesIt) {
    SetHeadless(false);  // CTest selects SDL's dummy audio driver
    Audio audio;
    audio.Initialize();
    EXPECT_TRUE(audio.IsEnabled());
    audio.Shutdown();
    EXPECT_FALSE(audio.IsEnabled());
    SetHeadless(true);
}

TEST(Audio, VolumesComeFromTheSettingsFileAndGoBackAtShutdown) {
    SetHeadless(true);
    TempDir user;
    {
        Audio audio;
        audio.SetUserFolder(user.Path().c_str());
        audio.Initialize();
        EXPECT_FLOAT_EQ(audio.GetSoundVolume(), 1.0f);
        EXPECT_FLOAT_EQ(audio.GetMusicVolume(), 0.75f);
        EXPECT_NE(user.Read("config.cfg").find("Audio::MusicVolume=0.750000"), std::string::npos);
        audio.SetSoundVolume(0.25f);
        audio.Shutdown();
    }
    EXPECT_NE(user.Read("config.cfg").find("Audio::SoundVolume=0.250000"), std::string::npos);

    user.Write("config.cfg", "Other=1\r\nAudio::SoundVolume=7\r\nAudio::MusicVolume=nan\r\n");
    Audio audio;
    audio.SetUserFolder(user.Path().c_str());
    audio.Initialize();
    EXPECT_FLOAT_EQ(audio.GetSoundVolume(), 1.0f);   // out of range: clamped
    EXPECT_FLOAT_EQ(audio.GetMusicVolume(), 0.75f);  // not a number: the default
    EXPECT_NE(user.Read("config.cfg").find("Other=1"), std::string::npos);
}

TEST(Audio, EachDeviceFailureExplainsItselfInTheMusicInterfaceBox) {
    EXPECT_EQ(MusicInterfaceErrorText(AudioDeviceFailure::NoDriver).str(),
              "The BASS music interface could not initialize because:\n\n"
              "[There is no available device driver... the device may already be in use.]\n\n"
              "Music will not play during the game.");
    EXPECT_TRUE(MusicInterfaceErrorText(AudioDeviceFailure::NoMemory).Contains("[There is insufficent memory.]"));
    EXPECT_TRUE(MusicInterfaceErrorText(AudioDeviceFailure::UnsupportedFormat)
                    .Contains("[The specified format is not supported by the device.]"));
    EXPECT_TRUE(MusicInterfaceErrorText(AudioDeviceFailure::AlreadyOpen).Contains("[BASS has already been initialized.]"));
    EXPECT_TRUE(MusicInterfaceErrorText(AudioDeviceFailure::Other).Contains("[Some other mystery problem!]"));
}
