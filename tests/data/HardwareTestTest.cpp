// When the hardware tester runs, what it records, and how its verdict reaches
// the display settings. A stand-in probe plays the card; the real tester runs
// on SDL's dummy driver, where no accelerated renderer exists.
#include <gtest/gtest.h>

#include <string>

#include "core/Random.h"
#include "data/DisplaySettings.h"
#include "data/HardwareTest.h"
#include "data/HardwareTestResults.h"
#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "platform/HardwareTester.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"

namespace {
const char* kDevices = "<CARD name=\"slowpipe\"><FORCESAFEMODE>true</FORCESAFEMODE></CARD>\r\n";

struct FakeCard : HardwareProbe {
    HardwareIdentity identity;
    HardwareCheckResult checks;
    int identified = 0;
    int checked = 0;

    FakeCard() {
        identity.accelerated = true;
        identity.cardName = "Fast Card 9000";
        identity.vendorAndRenderer = "Maker Fast Card 9000 (rev 2)";
        identity.driverVersion = "4.6 Driver 1.0; SDL 2.26.5 opengl";
        identity.renderDrivers = "opengl,opengles2";
        checks.renderTargets = checks.drawsCorrectly = true;
    }
    HardwareIdentity Identify() override { return ++identified, identity; }
    HardwareCheckResult RunChecks() override { return ++checked, checks; }
};

struct HardwareTestRun : ::testing::Test {
    TempDir dir;
    FakeCard card;
    String results{dir.File("HardwareTestResults/Hardware.registry")};
    String devices{dir.Write("devices.xml", kDevices)};

    void SetUp() override { SetHeadless(true); }
    HardwareVerdict Run(HardwareSwitches switches = {}) { return HardwareTest::Run(switches, results, devices, &card); }
    String Stored(const char* key) const {
        Registry file;
        file.LoadReadOnly(results);
        return file.Has(key) ? file.GetString(key) : String("(absent)");
    }
};
}  // namespace

TEST_F(HardwareTestRun, FirstStartTestsTheCardAndRecordsEveryKey) {
    HardwareVerdict verdict = Run();
    EXPECT_EQ(card.checked, 1);
    EXPECT_FALSE(verdict.safeModeRecommended);
    EXPECT_FALSE(verdict.safeModeRequired);
    EXPECT_TRUE(verdict.cardChanged);  // no earlier card to compare with
    EXPECT_EQ(verdict.deviceDescription.str(), "Fast Card 9000");
    EXPECT_EQ(verdict.dxVersion.str(), "4.6 Driver 1.0; SDL 2.26.5 opengl");

    String guid = HardwareTest::CardGUID(card.identity.vendorAndRenderer);
    EXPECT_EQ(guid.Length(), 16);
    EXPECT_FALSE(guid == HardwareTest::CardGUID("Maker Fast Card 9001 (rev 2)"));
    EXPECT_EQ(dir.Read("HardwareTestResults/Hardware.registry"),
              "HWTEST::HWTesterVersion=1\r\nHWTEST::DXVersion=4.6 Driver 1.0; SDL 2.26.5 opengl\r\n"
              "HWTEST::DXVersionChanged=true\r\nHWTEST::CardGUID=" +
                  guid.str() +
                  "\r\nHWTEST::CardChanged=true\r\n"
                  "HWTEST::DeviceDescription=Fast Card 9000\r\nHWTEST::SupportedCards=opengl,opengles2\r\n"
                  "HWTEST::SafeModeRecommended=false\r\nHWTEST::SafeModeRequired=false\r\nHWTEST::FailReason=\r\n"
                  "HWTEST::Warnings=\r\n");
}

TEST_F(HardwareTestRun, TheSameCardIsNotDrawnAgainAndKeepsItsVerdict) {
    Run();
    // A texture the card could not make, recorded during the last session.
    HardwareVerdict::RecordSafeModeRequired(results);
    HardwareVerdict verdict = Run();
    EXPECT_EQ(card.identified, 2);
    EXPECT_EQ(card.checked, 1);
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_FALSE(verdict.cardChanged);
    EXPECT_FALSE(verdict.dxVersionChanged);
    EXPECT_EQ(Stored(SettingsKey::kHWCardChanged).str(), "false");
}

TEST_F(HardwareTestRun, ANewCardDriverOrTesterOrTheSwitchTestsAgain) {
    Run();
    card.identity.vendorAndRenderer = "Maker Other Card";
    HardwareVerdict verdict = Run();
    EXPECT_EQ(card.checked, 2);
    EXPECT_TRUE(verdict.cardChanged);
    EXPECT_FALSE(verdict.dxVersionChanged);

    card.identity.driverVersion = "4.6 Driver 1.1; SDL 2.26.5 opengl";
    verdict = Run();
    EXPECT_EQ(card.checked, 3);
    EXPECT_FALSE(verdict.cardChanged);
    EXPECT_TRUE(verdict.dxVersionChanged);

    Registry edit;
    edit.Load(results);
    edit.SetInt(SettingsKey::kHWTesterVersion, HardwareTest::kTesterVersion - 1);
    edit.Close();
    Run();
    EXPECT_EQ(card.checked, 4);

    verdict = Run({.fullTest = true});
    EXPECT_EQ(card.checked, 5);
    EXPECT_FALSE(verdict.cardChanged);
}

TEST_F(HardwareTestRun, SwitchesAndHeadlessRunsLeaveTheCardAlone) {
    Run();
    card.identity.vendorAndRenderer = "Maker Other Card";
    HardwareVerdict hardware = Run({.hardware = true});
    EXPECT_FALSE(hardware.safeModeRequired);
    EXPECT_FALSE(hardware.cardChanged);                             // not compared this run
    EXPECT_EQ(hardware.deviceDescription.str(), "Fast Card 9000");  // the card of the last test
    EXPECT_TRUE(Run({.software = true}).safeModeRequired);
    HardwareVerdict headless = HardwareTest::Run(HardwareSwitches{.fullTest = true}, results, devices, nullptr);
    EXPECT_FALSE(headless.safeModeRecommended);
    EXPECT_EQ(card.identified, 1);
}

TEST_F(HardwareTestRun, SafeModeForMissingAccelerationFailedPicturesAndForcedCards) {
    card.checks.drawsCorrectly = false;
    card.checks.failReason = "Additive blending: expected 6080a0, read 204060";
    HardwareVerdict verdict = Run();
    EXPECT_TRUE(verdict.safeModeRecommended);
    EXPECT_FALSE(verdict.safeModeRequired);  // the player may still try
    EXPECT_EQ(Stored(SettingsKey::kHWFailReason).str(), "Additive blending: expected 6080a0, read 204060");

    card.checks.renderTargets = false;
    EXPECT_TRUE(Run({.fullTest = true}).safeModeRequired);

    card.identity = HardwareIdentity{};
    card.identity.failReason = "No accelerated renderer: Couldn't find matching render driver";
    verdict = Run();
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_EQ(card.checked, 2);  // nothing to draw with
    EXPECT_EQ(Stored(SettingsKey::kHWFailReason).str(), card.identity.failReason.str());

    card = FakeCard{};
    card.identity.cardName = "SLOWPIPE";
    card.identity.vendorAndRenderer = "Maker slowpipe";
    verdict = Run();
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_TRUE(verdict.safeModeRecommended);
    EXPECT_FALSE(Stored(SettingsKey::kHWFailReason).IsEmpty());
}

TEST_F(HardwareTestRun, HostileResultsFilesReadAsUntrustedCards) {
    // Line breaks in driver texts cannot smuggle entries into the file.
    card.identity.cardName = "Card\r\nHWTEST::SafeModeRequired=false";
    card.checks.renderTargets = false;
    Run();
    EXPECT_TRUE(HardwareTestResults::Read(results).safeModeRequired);
    EXPECT_EQ(Stored(SettingsKey::kHWDeviceDescription).str(), "Card  HWTEST::SafeModeRequired=false");

    dir.Write("HardwareTestResults/Hardware.registry",
              std::string(HardwareTestResults::kMaxFileBytes, '=') + "\nHWTEST::SafeModeRequired=false\n");
    EXPECT_TRUE(HardwareTestResults::Read(results).safeModeRequired);  // oversized: not ours

    Random random;
    for (int file = 0; file < 50; ++file) {
        std::string bytes = "HWTEST::HWTesterVersion=99999999999999\nHWTEST::CardGUID=\n";
        for (int i = random.Next(2000); i > 0; --i) bytes += static_cast<char>(random.Next(256));
        dir.Write("HardwareTestResults/Hardware.registry", bytes);
        EXPECT_TRUE(Run().safeModeRequired);
    }
    EXPECT_EQ(card.checked, 51);
}

TEST_F(HardwareTestRun, ANewCardReappliesTheDisplayDefaultsAndSafeMode) {
    // The player chose hardware mode on the old card.
    dir.Write("config.cfg", "DX::ColorDepth=16\r\nDX::SafeMode=false\r\n");
    DisplaySettings::Environment environment;
    environment.configPath = String(dir.File("config.cfg"));
    environment.devicesPath = devices;
    auto read = [&](HardwareSwitches switches) {
        environment.switches = switches;
        environment.verdict = HardwareTest::Run(environment.switches, results, devices, &card);
        environment.deviceDescription = environment.verdict.deviceDescription;
        return DisplaySettings::Read(environment);
    };
    EXPECT_FALSE(read({}).safeMode);  // the first test passed
    EXPECT_FALSE(read({}).safeMode);

    card.identity.cardName = "slowpipe";
    card.identity.vendorAndRenderer = "Maker slowpipe";
    DisplaySettings settings = read({});
    EXPECT_TRUE(settings.safeMode);
    EXPECT_TRUE(settings.safeModeRequired);

    // Back on the first card the verdict changes again; a switch leaves the stored choice alone.
    card = FakeCard{};
    EXPECT_FALSE(read({.hardware = true}).safeModeRequired);
    Registry config;
    config.LoadReadOnly(environment.configPath);
    EXPECT_TRUE(config.GetBool(SettingsKey::kSafeMode));
    EXPECT_FALSE(read({}).safeMode);
}

TEST(HardwareTester, TheDummyDriverHasNoAcceleratedRendererAndSafeModeIsRequired) {
    SetHeadless(true);
    TempDir dir;
    String results(dir.File("HardwareTestResults/Hardware.registry"));
    HardwareTester tester;
    HardwareVerdict verdict = HardwareTest::Run(HardwareSwitches{}, results, String(dir.File("none.xml")), &tester);
    EXPECT_TRUE(verdict.safeModeRequired);
    EXPECT_TRUE(verdict.safeModeRecommended);
    EXPECT_TRUE(HardwareTestResults::Read(results).failReason.StartsWith("No accelerated renderer"));
}

TEST(HardwareTester, MesaRendererTextsFindTheirDeviceTableEntries) {
    for (const char* renderer : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "SVGA3D; build: RELEASE;  LLVM;"}) {
        DisplayDefaults defaults;
        HardwareVerdict verdict;
        verdict.safeModeRequired = false;
        defaults.ApplyDeviceTable(PZ_ASSET_DIR "/data/devices.xml", HardwareTester::CardNameOf(renderer), nullptr,
                                  verdict);
        EXPECT_EQ(defaults.colorDepth, 32) << renderer;
    }
}
