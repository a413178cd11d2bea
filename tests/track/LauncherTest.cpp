#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "BallRecordLayout.h"
#include "FakeTrackHost.h"
#include "core/IOBuffer.h"
#include "core/Random.h"
#include "track/Launcher.h"
#include "track/LauncherHost.h"
#include "track/Plimb.h"

namespace {
struct FakeLauncherHost : LauncherHost {
    ~FakeLauncherHost() override {
        for (Plimb* shot : shots) delete shot;
    }
    TrackHost* BallBoard() override { return &balls; }
    float TargetX() const override { return targetX; }
    int32_t ChooseLauncherColour(int32_t excluded) override {
        excludedColours.push_back(excluded);
        return nextColour;
    }
    bool HasFireGrant() const override { return fireGrant; }
    void ClearFireGrant() override { fireGrant = false; }
    bool HasBombGrant() const override { return bombGrant; }
    void ClearBombGrant() override { bombGrant = false; }
    Plimb* MakeFireBall() override {
        auto* ball = new Plimb(&balls);
        ball->isFireBall = true;
        ball->colour = Plimb::kSpecialColour;
        return ball;
    }
    Plimb* MakeBomb() override {
        auto* ball = new Plimb(&balls);
        ball->isBomb = true;
        ball->colour = Plimb::kSpecialColour;
        return ball;
    }
    float ShotPitch() const override { return pitch; }
    void SetShotPitch(float value) override { pitch = value; }
    void SetPitchResetTicks(int32_t ticks) override { pitchReset = ticks; }
    void LaunchShot(Plimb* shot) override { shots.push_back(shot); }
    void CountLauncherStatistic(LauncherStatistic statistic) override {
        (statistic == LauncherStatistic::SwitchesMade ? switches : launched) += 1;
    }
    void PlayLauncherSound(LauncherSound sound, float soundPitch, float volume) override {
        sounds.push_back({sound, soundPitch});
    }
    const LauncherImages* LauncherArt() const override { return nullptr; }

    FakeTrackHost balls;
    float targetX = 300.0f;
    int32_t nextColour = 2;
    std::vector<int32_t> excludedColours;
    bool fireGrant = false;
    bool bombGrant = false;
    float pitch = 1.0f;
    int32_t pitchReset = 0;
    std::vector<Plimb*> shots;
    int32_t switches = 0;
    int32_t launched = 0;
    std::vector<std::pair<LauncherSound, float>> sounds;
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetRandom().Seed(11);
        launcher.SetSize(0);
    }
    // Ticks until the launcher holds a loaded ball ready to fire.
    void Reload() {
        for (int i = 0; i < 200 && !(launcher.Loaded() != nullptr && launcher.ReloadTick() == 40); ++i)
            launcher.Update();
    }
    FakeLauncherHost host;
    Launcher launcher{&host};
};
}  // namespace

TEST_F(LauncherTest, SizesSetScaleAndHeight) {
    EXPECT_FLOAT_EQ(launcher.Y(), 572.0f);
    launcher.SetSize(2);
    EXPECT_FLOAT_EQ(launcher.Y(), 562.0f);
    EXPECT_FLOAT_EQ(launcher.BallScale(), 1.0f);
    launcher.SetSize(7);
    EXPECT_FLOAT_EQ(launcher.BallScale(), 0.6f);
}

TEST_F(LauncherTest, FollowsTheMouseAtMostThirtyFivePixelsThenASeventh) {
    host.targetX = 800.0f;
    for (int i = 1; i <= 8; ++i) {
        launcher.Update();
        EXPECT_FLOAT_EQ(launcher.X(), 300.0f + 35.0f * i);
    }
    launcher.Update();
    EXPECT_FLOAT_EQ(launcher.X(), 580.0f + 220.0f / 7.0f);
}

TEST_F(LauncherTest, FiresOnlyOnceTheReloadIsComplete) {
    launcher.Update();  // the next ball appears and rolls into the loaded slot in one reload
    EXPECT_EQ(launcher.Loaded(), nullptr);
    ASSERT_NE(launcher.Next(), nullptr);
    for (int i = 0; i < 39; ++i) launcher.Update();
    ASSERT_NE(launcher.Loaded(), nullptr);
    EXPECT_EQ(launcher.ReloadTick(), 1);
    for (int i = 0; i < 38; ++i) launcher.Update();
    launcher.Fire();
    EXPECT_TRUE(host.shots.empty());
    launcher.Update();
    ASSERT_EQ(launcher.ReloadTick(), 40);
    Plimb* loaded = launcher.Loaded();
    launcher.Fire();
    ASSERT_EQ(host.shots.size(), 1u);
    EXPECT_EQ(host.shots[0], loaded);
    EXPECT_TRUE(loaded->hasAppeared);
    EXPECT_EQ(host.launched, 1);
    EXPECT_FLOAT_EQ(launcher.Recoil(), 10.0f);
    EXPECT_EQ(launcher.ReloadTick(), 0);
    EXPECT_EQ(launcher.Next(), nullptr);
    launcher.Fire();  // reloading again
    EXPECT_EQ(host.shots.size(), 1u);
}

TEST_F(LauncherTest, ASwapWaitsForTheReloadAndNeedsBothBalls) {
    Reload();
    launcher.Fire();
    launcher.Update();
    launcher.RequestSwap();
    EXPECT_TRUE(launcher.IsSwapRequested());
    launcher.Fire();  // not while a swap is asked for
    EXPECT_EQ(host.shots.size(), 1u);
    Plimb* loaded = launcher.Loaded();
    Plimb* next = launcher.Next();
    for (int i = 0; i < 38; ++i) launcher.Update();
    EXPECT_FALSE(launcher.IsSwapping());
    launcher.Update();
    EXPECT_TRUE(launcher.IsSwapping());
    EXPECT_EQ(launcher.Loaded(), next);
    EXPECT_EQ(launcher.Next(), loaded);
    EXPECT_EQ(host.switches, 1);
    for (int i = 0; i < 40; ++i) launcher.Update();
    EXPECT_FALSE(launcher.IsSwapping());

    host.nextColour = -1;  // no next ball any more
    launcher.Fire();
    ASSERT_EQ(launcher.Next(), nullptr);
    launcher.RequestSwap();
    for (int i = 0; i < 45; ++i) launcher.Update();
    EXPECT_FALSE(launcher.IsSwapRequested());
    EXPECT_FALSE(launcher.IsSwapping());
    EXPECT_EQ(host.switches, 1);
}

TEST_F(LauncherTest, RapidShotsRaiseThePitchToTheFirstStepPastTheLimit) {
    std::vector<float> pitches;
    for (int shot = 0; shot < 12; ++shot) {
        Reload();
        launcher.Fire();
        pitches.push_back(host.sounds.back().second);
    }
    EXPECT_FLOAT_EQ(pitches[0], 1.0f);
    EXPECT_FLOAT_EQ(pitches[1], 1.075f);
    EXPECT_NEAR(host.pitch, 1.675f, 0.0001f);
    EXPECT_NEAR(pitches.back(), 1.675f, 0.0001f);
    EXPECT_EQ(host.pitchReset, 150);
}

TEST_F(LauncherTest, GrantsTurnTheLoadedBallIntoASpecialBall) {
    Reload();
    host.fireGrant = true;
    launcher.Update();
    ASSERT_TRUE(launcher.Loaded()->isFireBall);
    EXPECT_FALSE(host.fireGrant);
    launcher.Fire();
    EXPECT_EQ(host.sounds.back().first, LauncherSound::FireBall);
    EXPECT_FLOAT_EQ(host.pitch, 1.0f);
}

TEST_F(LauncherTest, RecordRoundTripAndDamagedRecords) {
    Reload();
    host.bombGrant = true;
    launcher.Update();
    IOBuffer out;
    launcher.Save(out);
    const std::string bytes(reinterpret_cast<const char*>(out.Data()), static_cast<size_t>(out.Size()));

    Launcher copy(&host);
    copy.SetSize(0);
    IOBuffer in;
    in.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
    ASSERT_TRUE(copy.Load(in));
    ASSERT_NE(copy.Loaded(), nullptr);
    EXPECT_TRUE(copy.Loaded()->isBomb);
    EXPECT_FLOAT_EQ(copy.X(), launcher.X());

    for (size_t size = 0; size < bytes.size(); ++size) {
        IOBuffer part;
        part.SetData(bytes.data(), static_cast<int32_t>(size));
        EXPECT_FALSE(copy.Load(part)) << size;
    }
    std::string unknownKind = bytes;
    const int32_t kind = 7;
    std::memcpy(&unknownKind[1 + 4 + 4 + 5 * 4 + 1], &kind, 4);
    IOBuffer bad;
    bad.SetData(unknownKind.data(), static_cast<int32_t>(unknownKind.size()));
    EXPECT_FALSE(copy.Load(bad));
    EXPECT_TRUE(copy.Loaded()->isBomb);
}

TEST_F(LauncherTest, TheRecordHoldsItsFieldsInTheirOrder) {
    Reload();
    host.fireGrant = true;
    launcher.Update();
    host.targetX = 500;
    launcher.Update();
    launcher.Fire();  // the fire ball flies: recoil, flash, and the plain ball moves up
    launcher.Update();
    host.bombGrant = true;
    launcher.Update();  // the loaded plain ball becomes a bomb
    ASSERT_TRUE(launcher.Loaded()->isBomb);
    ASSERT_NE(launcher.Next(), nullptr);
    MarkBallFields(*launcher.Next());
    IOBuffer out;
    launcher.Save(out);
    out.SetPosition(0);
    EXPECT_TRUE(out.ReadBool());  // the saved flag, set from the start
    EXPECT_EQ(out.ReadInt(), Launcher::kFlashTicks);
    EXPECT_EQ(out.ReadInt(), launcher.ReloadTick());
    EXPECT_FLOAT_EQ(out.ReadFloat(), launcher.Recoil());
    EXPECT_FLOAT_EQ(out.ReadFloat(), launcher.X());
    EXPECT_FLOAT_EQ(out.ReadFloat(), launcher.Y());
    EXPECT_FLOAT_EQ(out.ReadFloat(), 0);  // the aim: straight up
    EXPECT_FLOAT_EQ(out.ReadFloat(), -1);
    EXPECT_TRUE(out.ReadBool());
    EXPECT_EQ(out.ReadInt(), Launcher::kBombKind);
    ExpectBallRecord(out, *launcher.Loaded(), -1, -1);
    EXPECT_TRUE(out.ReadBool());
    EXPECT_EQ(out.ReadInt(), Launcher::kPlainKind);
    ExpectBallRecord(out, *launcher.Next(), -1, -1);
    EXPECT_TRUE(out.AtEnd());
    EXPECT_FALSE(out.HasError());
}

namespace {
std::vector<uint8_t> LauncherRecord(const Launcher& launcher) {
    IOBuffer out;
    launcher.Save(out);
    return std::vector<uint8_t>(out.Data(), out.Data() + out.Size());
}
}  // namespace

// A game saved at any tick of a swap resumes the swap where it was: the balls
// glide on, and the launcher stays unable to fire until they arrive.
TEST(LauncherSwapRecord, AGameSavedMidSwapResumesTheSwapAtEverySize) {
    for (int32_t size = 0; size < 3; ++size) {
        for (int32_t swapTick = 0; swapTick <= 41; ++swapTick) {
            GetRandom().Seed(11);
            FakeLauncherHost host;
            Launcher original(&host);
            original.SetSize(size);
            host.targetX = 420;
            for (int i = 0; i < 100; ++i) original.Update();
            original.RequestSwap();
            original.Update();
            ASSERT_TRUE(original.IsSwapping());
            for (int i = 0; i < swapTick; ++i) original.Update();

            const std::vector<uint8_t> saved = LauncherRecord(original);
            const Random generatorAtSave = GetRandom();
            std::vector<std::vector<uint8_t>> expected;
            std::vector<bool> swapping;
            for (int i = 0; i < 45; ++i) {
                swapping.push_back(original.IsSwapping());
                original.Fire();
                original.Update();
                expected.push_back(LauncherRecord(original));
            }

            Launcher restored(&host);
            restored.SetSize(size);
            IOBuffer in;
            in.SetData(saved.data(), static_cast<int32_t>(saved.size()));
            ASSERT_TRUE(restored.Load(in));
            GetRandom() = generatorAtSave;
            for (int i = 0; i < 45; ++i) {
                ASSERT_EQ(restored.IsSwapping(), swapping[i]) << size << " " << swapTick << " " << i;
                restored.Fire();
                restored.Update();
                ASSERT_EQ(LauncherRecord(restored), expected[i]) << size << " " << swapTick << " " << i;
            }
        }
    }
}

// Loading a launcher at rest over one caught mid-swap leaves no swap behind.
TEST_F(LauncherTest, ARecordAtRestEndsASwapThatWasRunning) {
    Reload();
    const std::vector<uint8_t> atRest = LauncherRecord(launcher);
    launcher.RequestSwap();
    launcher.Update();
    launcher.Update();
    ASSERT_TRUE(launcher.IsSwapping());
    IOBuffer in;
    in.SetData(atRest.data(), static_cast<int32_t>(atRest.size()));
    ASSERT_TRUE(launcher.Load(in));
    EXPECT_FALSE(launcher.IsSwapping());
    EXPECT_FALSE(launcher.IsSwapRequested());
    launcher.Fire();
    EXPECT_EQ(host.shots.size(), 1u);
}
