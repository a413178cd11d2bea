#include <gtest/gtest.h>

#include "data/AudioVolumes.h"
#include "data/DisplaySettings.h"
#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"

namespace {
const char* kDevices =
    "<CARD name=\"llvmpipe\">\r\n<DEFAULTCOLORDEPTH>32</DEFAULTCOLORDEPTH>\r\n"
    "<DEFAULTRESOLUTION>1024x768</DEFAULTRESOLUTION>\r\n<DEFAULTFULLSCREEN>true</DEFAULTFULLSCREEN>\r\n</CARD>\r\n"
    "<CARD name=\"OldCard\"><FORCESAFEMODE "
    "dxversion=\"7.0\">true</FORCESAFEMODE><DEFAULTCOLORDEPTH>24</DEFAULTCOLORDEPTH></CARD>\r\n";

struct Display {
    TempDir dir;
    DisplaySettings::Environment environment;

    Display(const std::string& config, const char* card) {
        SetHeadless(true);
        if (!config.empty()) dir.Write("config.cfg", config);
        environment.configPath = String(dir.File("config.cfg"));
        environment.devicesPath = String(dir.Write("devices.xml", kDevices));
        environment.deviceDescription = card;
        environment.verdict.safeModeRecommended = false;
        environment.verdict.safeModeRequired = false;
        environment.supportsMode = [](int32_t w, int32_t h) { return w <= 1280 && h <= 1024; };
    }
    String Value(const char* key) const {
        Registry config;
        config.LoadReadOnly(environment.configPath);
        return config.Has(key) ? config.GetString(key) : String("(absent)");
    }
};
}  // namespace

TEST(DisplaySettings, FirstStartTakesTheCardDefaultsAndWritesThem) {
    Display display("", "LLVMPIPE");
    DisplaySettings settings = DisplaySettings::Read(display.environment);
    EXPECT_TRUE(settings.loaded);
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 768);
    EXPECT_EQ(settings.colorDepth, 32);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_FALSE(settings.safeMode);
    EXPECT_EQ(display.dir.Read("config.cfg"),
              "DX::ScreenWidth=1024\r\nDX::ScreenHeight=768\r\nDX::ColorDepth=32\r\nDX::Fullscreen=true\r\n"
              "DX::UseCustomCursors=false\r\nDX::VSync=false\r\nDX::SafeMode=false\r\n");
}

TEST(DisplaySettings, StoredSettingsWinUntilTheCardChanges) {
    Display display("DX::ColorDepth=16\r\nDX::ScreenWidth=640\r\n", "llvmpipe");
    DisplaySettings settings = DisplaySettings::Read(display.environment);
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, 600);  // missing key: the plain default, devices.xml was not read
    EXPECT_EQ(settings.colorDepth, 16);

    display.environment.verdict.cardChanged = true;
    display.dir.Write("config.cfg", "DX::ColorDepth=16\r\n");
    settings = DisplaySettings::Read(display.environment);
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.colorDepth, 16);
}

TEST(DisplaySettings, DeviceTableRules) {
    DisplayDefaults defaults;
    HardwareVerdict verdict;
    verdict.safeModeRecommended = false;
    verdict.safeModeRequired = false;
    verdict.dxVersion = "6.1";
    auto small = [](int32_t w, int32_t h) { return w <= 800 && h <= 600; };
    defaults.ApplyDeviceText(kDevices, "oldcard", small, verdict);
    EXPECT_EQ(defaults.colorDepth, 16);      // 24 is not a depth we run
    EXPECT_FALSE(verdict.safeModeRequired);  // the version does not match
    verdict.dxVersion = "7.0.3";
    defaults.ApplyDeviceText(kDevices, "oldcard", small, verdict);
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_TRUE(verdict.safeModeRecommended);

    DisplayDefaults unsupported;
    unsupported.ApplyDeviceText(kDevices, "llvmpipe", small, verdict);
    EXPECT_EQ(unsupported.width, 800);  // 1024x768 is not offered by this display
    EXPECT_EQ(unsupported.colorDepth, 32);

    DisplayDefaults junk;
    junk.ApplyDeviceText("<CARD name=\"x\"><DEFAULTRESOLUTIONx>9</CARD><CARD><<<>", "x", small, verdict);
    EXPECT_EQ(junk.width, 800);
}

TEST(DisplaySettings, SafeModeFollowsTheVerdictAndTheSwitches) {
    Display recommended("", "unknown card");
    recommended.environment.verdict.safeModeRecommended = true;
    EXPECT_TRUE(DisplaySettings::Read(recommended.environment).safeMode);

    // With a switch the key is not written, and the switch decides the run.
    Display forcedHardware("DX::SafeMode=true\r\n", "unknown card");
    forcedHardware.environment.switches = HardwareSwitches{.hardware = true};
    EXPECT_FALSE(DisplaySettings::Read(forcedHardware.environment).safeMode);
    EXPECT_EQ(forcedHardware.Value(SettingsKey::kSafeMode).str(), "true");

    Display forcedSoftware("", "unknown card");
    forcedSoftware.environment.switches = HardwareSwitches{.software = true};
    EXPECT_TRUE(DisplaySettings::Read(forcedSoftware.environment).safeMode);
    EXPECT_EQ(forcedSoftware.Value(SettingsKey::kSafeMode).str(), "(absent)");
}

TEST(DisplaySettings, ZeroSizesFallBackToAModeEveryDisplayOffers) {
    Display display("DX::ScreenWidth=0\r\nDX::ScreenHeight=-5\r\nDX::ColorDepth=32\r\nDX::SafeMode=true\r\n", "x");
    DisplaySettings settings = DisplaySettings::Read(display.environment);
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.colorDepth, 16);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_FALSE(settings.safeMode);
}

TEST(DisplaySettings, ExitAsksOnceWhetherToKeepHardwareAcceleration) {
    Display display("DX::ConfirmHardware=true\r\n", "x");
    DisplaySettings settings = DisplaySettings::Read(display.environment);
    settings.safeMode = false;
    settings.safeModeRecommended = true;
    int asked = 0;
    settings.StoreAtExit(display.environment.configPath, [&] { return ++asked, true; });
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(settings.safeMode);
    EXPECT_EQ(display.Value(SettingsKey::kConfirmHardware).str(), "false");
    EXPECT_EQ(display.Value(SettingsKey::kSafeMode).str(), "false");

    // Asked again after a new confirmation request; the headless box answers no.
    {
        Registry edit;
        edit.Load(display.environment.configPath);
        edit.SetBool(SettingsKey::kConfirmHardware, true);
    }
    settings.width = 1024;
    settings.StoreAtExit(display.environment.configPath);
    EXPECT_TRUE(settings.safeMode);
    EXPECT_EQ(display.Value(SettingsKey::kSafeMode).str(), "true");
    EXPECT_EQ(display.Value(SettingsKey::kScreenWidth).str(), "1024");

    DisplaySettings unread;
    unread.StoreAtExit(String(display.dir.File("other.cfg")));
    EXPECT_EQ(display.dir.Read("other.cfg"), "");
}

TEST(DisplaySettings, CrashGuardTurnsSafeModeOnOnlyWhileAwaitingConfirmation) {
    Display display("DX::ConfirmHardware=true\r\nDX::SafeMode=false\r\n", "x");
    DisplaySettings settings;
    settings.safeMode = false;
    settings.safeModeRecommended = true;
    settings.ApplyCrashGuard(display.environment.configPath);
    EXPECT_EQ(display.Value(SettingsKey::kSafeMode).str(), "true");

    display.dir.Write("config.cfg", "DX::SafeMode=false\n");
    settings.ApplyCrashGuard(display.environment.configPath);
    EXPECT_EQ(display.dir.Read("config.cfg"), "DX::SafeMode=false\n");  // untouched
}

TEST(HardwareVerdict, ReadsTheTesterResultsAndRecordsTextureFailures) {
    TempDir dir;
    String path(dir.File("Hardware.registry"));
    HardwareVerdict absent = HardwareVerdict::Read(path);
    EXPECT_TRUE(absent.safeModeRequired);
    EXPECT_EQ(dir.Read("Hardware.registry"), "");  // reading never creates the file

    dir.Write("Hardware.registry",
              "HWTEST::SafeModeRecommended=false\r\nHWTEST::SafeModeRequired=false\r\nHWTEST::CardChanged=true\r\n"
              "HWTEST::DXVersion=2.26\r\n");
    HardwareVerdict verdict = HardwareVerdict::Read(path);
    EXPECT_FALSE(verdict.safeModeRecommended);
    EXPECT_FALSE(verdict.safeModeRequired);
    EXPECT_TRUE(verdict.cardChanged);
    EXPECT_EQ(verdict.dxVersion.str(), "2.26");
    EXPECT_TRUE(HardwareVerdict::Resolve(HardwareSwitches{.software = true}, path).safeModeRequired);

    HardwareVerdict::RecordSafeModeRequired(path);
    verdict = HardwareVerdict::Read(path);
    EXPECT_TRUE(verdict.safeModeRecommended);
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_FALSE(HardwareVerdict::Resolve(HardwareSwitches{.hardware = true}, path).safeModeRequired);
}

TEST(AudioVolumes, DefaultsAreWrittenAndHostileValuesKeptInRange) {
    TempDir dir;
    String path(dir.File("config.cfg"));
    AudioVolumes volumes = AudioVolumes::Read(path);
    EXPECT_FLOAT_EQ(volumes.sound, 1.0f);
    EXPECT_FLOAT_EQ(volumes.music, 0.75f);
    EXPECT_EQ(dir.Read("config.cfg"), "Audio::SoundVolume=1.000000\r\nAudio::MusicVolume=0.750000\r\n");

    volumes.sound = 0.5f;
    volumes.Store(path);
    EXPECT_FLOAT_EQ(AudioVolumes::Read(path).sound, 0.5f);

    dir.Write("config.cfg", "Audio::SoundVolume=7\nAudio::MusicVolume=nan\n");
    volumes = AudioVolumes::Read(path);
    EXPECT_FLOAT_EQ(volumes.sound, 1.0f);
    EXPECT_FLOAT_EQ(volumes.music, 0.75f);
}

TEST(DisplayDefaults, OurDeviceTableRecognisesSoftwareRenderers) {
    DisplayDefaults defaults;
    HardwareVerdict verdict;
    verdict.safeModeRecommended = false;
    verdict.safeModeRequired = false;
    auto any = [](int32_t, int32_t) { return true; };
    defaults.ApplyDeviceTable(PZ_ASSET_DIR "/data/devices.xml", "LLVMpipe", any, verdict);
    EXPECT_EQ(defaults.colorDepth, 32);
    EXPECT_FALSE(defaults.fullscreen);
    EXPECT_TRUE(verdict.safeModeRequired);
}

TEST(DisplaySettings, WindowPlaceAndSizeComeBackAndNonsenseIsIgnored) {
    Display display("Window::X=40\r\nWindow::Y=-20\r\nWindow::Width=1280\r\nWindow::Height=720\r\n", "llvmpipe");
    DisplaySettings settings = DisplaySettings::Read(display.environment);
    EXPECT_EQ(settings.windowX, 40);
    EXPECT_EQ(settings.windowY, -20);
    EXPECT_EQ(settings.windowWidth, 1280);
    EXPECT_EQ(settings.windowHeight, 720);
    // A renderer change asked for its own size: the next start does not get the old one.
    settings.windowWidth = settings.windowHeight = 0;
    settings.StoreAtExit(display.environment.configPath, [] { return true; });
    EXPECT_EQ(DisplaySettings::Read(display.environment).windowWidth, 0);

    const char* nonsense[] = {"Window::Width=50\r\nWindow::Height=40\r\n",
                              "Window::Width=abc\r\nWindow::Height=600\r\n",
                              "Window::Width=99999\r\nWindow::Height=600\r\n"};
    for (const char* config : nonsense) {
        display.dir.Write("config.cfg", config);
        EXPECT_EQ(DisplaySettings::Read(display.environment).windowWidth, 0) << config;
    }
    // A size without a place, or a place far off every desktop: centred.
    display.dir.Write("config.cfg", "Window::Width=800\r\nWindow::Height=600\r\nWindow::X=9000000\r\nWindow::Y=0\r\n");
    settings = DisplaySettings::Read(display.environment);
    EXPECT_EQ(settings.windowWidth, 800);
    EXPECT_EQ(settings.windowX, DisplaySettings::kCentred);
    display.dir.Write("config.cfg",
                      "Window::Width=800\r\nWindow::Height=600\r\nWindow::X=-2147483648\r\nWindow::Y=0\r\n");
    EXPECT_EQ(DisplaySettings::Read(display.environment).windowX, DisplaySettings::kCentred) << "the smallest int";
}
