#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "BallRecordLayout.h"
#include "TrackTestSupport.h"
#include "core/IOBuffer.h"

namespace {
const char* kBlueLower =
    "%%Note:;\t-78.9999 500 m;\t533.9574 500 580.9999 500 v;\t770.0697 500 743.1537 264.0187 578.9999 264 c;"
    "\t503.9933 263.9914 311.9999 264 y";

std::string Bytes(const Track& track) {
    IOBuffer out;
    track.Save(out);
    return std::string(reinterpret_cast<const char*>(out.Data()), static_cast<size_t>(out.Size()));
}

void Overwrite(std::string& bytes, size_t offset, int32_t value) { std::memcpy(&bytes[offset], &value, 4); }

bool LoadBytes(Track& track, const std::string& bytes) {
    IOBuffer in;
    in.SetData(bytes.data(), static_cast<int32_t>(bytes.size()));
    return track.Load(in);
}

// Bytes before the first wave count: the fixed part of the record.
constexpr size_t kFixedPart = 6 * 4 + 7 * 4 + 6 * 4 + 7 * 4 + 11 * 4 + 10;
}  // namespace

class TrackRecordTest : public TrackTest {
protected:
    // A curved path with two kinds of waves rolling, split and rejoining.
    void PlayFor(int32_t ticks) {
        for (int32_t tick = 0; tick < ticks; ++tick) {
            if (tick == 250 || tick == 330) {
                const auto& items = track->Items();
                if (items.size() > 12) track->RemoveBall(items[items.size() - 6]);
                if (items.size() > 20) track->RemoveBall(items[items.size() - 15]);
                track->RejoinGaps();
            }
            track->Update();
        }
    }

    void BuildBlue() {
        host.spacing = 53.0f;
        host.scale = 1.0f;
        host.colourCount = 4;
        host.rush = true;
        track = std::make_unique<Track>(&host);
        track->Path().Parse(kBlueLower);
        track->BuildFromPath();
        WaveSpec first;
        first.count = 12;
        first.delayTicks = 40;
        first.delayDist = 0.15f;
        first.speed = 1.5f;
        WaveSpec second = first;
        second.count = 8;
        second.types = 5;
        second.repeat = false;
        second.sameTypeProbability = 0.3f;
        track->AddWave(first);
        track->AddWave(second);
    }
};

TEST_F(TrackRecordTest, ALoadedTrackContinuesTickForTickLikeTheOriginal) {
    BuildBlue();
    PlayFor(400);
    ASSERT_GT(track->Items().size(), 10u);
    ASSERT_GT(track->Segments().size(), 1u);
    const std::string saved = Bytes(*track);
    const Random randomAtSave = GetRandom();
    FakeTrackHost hostAtSave = host;

    FakeTrackHost otherHost = hostAtSave;
    Track copy(&otherHost);
    copy.Path().Parse(kBlueLower);
    copy.BuildFromPath();
    ASSERT_TRUE(LoadBytes(copy, saved));
    EXPECT_EQ(Bytes(copy), saved);

    std::vector<std::string> original;
    for (int tick = 0; tick < 600; ++tick) {
        track->Update();
        original.push_back(Bytes(*track));
    }
    GetRandom() = randomAtSave;
    for (int tick = 0; tick < 600; ++tick) {
        copy.Update();
        ASSERT_EQ(Bytes(copy), original[tick]) << "tick " << tick;
    }
    EXPECT_EQ(otherHost.collisions.size(), host.collisions.size());
    EXPECT_EQ(otherHost.Statistic(TrackStatistic::RobotsCleared), host.Statistic(TrackStatistic::RobotsCleared));
}

TEST_F(TrackRecordTest, TruncatedRecordsFailAndLeaveTheTrackAlone) {
    BuildBlue();
    PlayFor(300);
    const std::string saved = Bytes(*track);
    for (size_t size = 0; size < saved.size(); size += 3) {
        ASSERT_FALSE(LoadBytes(*track, saved.substr(0, size))) << size;
    }
    EXPECT_EQ(Bytes(*track), saved);
}

TEST_F(TrackRecordTest, CorruptedRecordsNeverCrash) {
    BuildBlue();
    PlayFor(300);
    const std::string saved = Bytes(*track);
    Random corruption;
    corruption.Seed(99);
    for (int attempt = 0; attempt < 300; ++attempt) {
        std::string bytes = saved;
        for (int flips = 0; flips < 1 + attempt % 4; ++flips) {
            size_t at = static_cast<size_t>(corruption.Next(static_cast<int32_t>(bytes.size())));
            bytes[at] = static_cast<char>(corruption.Next(256));
        }
        FakeTrackHost otherHost = host;
        Track other(&otherHost);
        other.Path().Parse(kBlueLower);
        other.BuildFromPath();
        if (LoadBytes(other, bytes)) {
            for (int tick = 0; tick < 20; ++tick) other.Update();
        }
    }
}

TEST_F(TrackRecordTest, CountsBeyondTheirBoundsAreRefused) {
    Build(1000);
    const std::string empty = Bytes(*track);
    ASSERT_EQ(empty.size(), kFixedPart + 3 * 4 + 1 + 4 + 5 * 4 + 4 + 4 + 4);

    std::string waves = empty;
    Overwrite(waves, kFixedPart, Track::kMaxWaves + 1);
    EXPECT_FALSE(LoadBytes(*track, waves));
    std::string items = empty;
    Overwrite(items, kFixedPart + 8, Track::kMaxItems + 1);
    EXPECT_FALSE(LoadBytes(*track, items));
    std::string negative = empty;
    Overwrite(negative, kFixedPart + 8, -1);
    EXPECT_FALSE(LoadBytes(*track, negative));
    std::string entered = empty;  // the segment being entered, with no segments
    Overwrite(entered, empty.size() - 4, 0);
    EXPECT_FALSE(LoadBytes(*track, entered));
    EXPECT_TRUE(LoadBytes(*track, empty));
}

TEST_F(TrackRecordTest, ItemsOutOfTheirPiecesOrderAreRefused) {
    Build(1000);
    host.frozen = true;
    StartWave(3, {1});  // robot + ball | ball
    const std::string saved = Bytes(*track);
    // The second piece names item 3; name item 1 instead (already in the first piece).
    std::string bytes = saved;
    const size_t lastMember = saved.size() - (4 + 1 + 4 * 5 + 4) - 4;
    int32_t member;
    std::memcpy(&member, &bytes[lastMember], 4);
    ASSERT_EQ(member, 2);
    Overwrite(bytes, lastMember, 1);
    EXPECT_FALSE(LoadBytes(*track, bytes));
    EXPECT_EQ(Bytes(*track), saved);
}

TEST_F(TrackTest, TheRecordHoldsItsFieldsInTheirOrder) {
    Build(3000);
    track->StartWave();  // the default wave: a robot and 15 balls
    track->SetLost(true);
    track->StopWaves();
    const std::vector<Plimb*>& items = track->Items();
    ASSERT_EQ(items.size(), 16u);
    MarkBallFields(*items[3]);
    items[3]->gapLeft = items[1];
    items[3]->gapRight = items[5];
    auto* robot = static_cast<Pusher*>(items[0]);
    robot->countdown = 7;
    robot->targetSpeed = 0.25f;
    IOBuffer in;
    track->Save(in);
    in.SetPosition(0);

    const float length = static_cast<float>(track->Length());
    const Vec2 start = track->Samples().front();
    for (float value : {start.x, start.y, 0.0f, 0.0f, 0.0f, 0.0f}) EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    // fastZone, slowZone, dangerZone, brake, acceleration, endDistance, nextWaveDistance
    for (float value : {length * 0.75f, 1000.0f, 400.0f, 0.0025f, 0.075f, track->EndDistance(), length * 0.35f})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    for (float value : {static_cast<float>(track->Length() / 4), length - 300, length - 100, 0.0f, 0.0f, 0.0f})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    // Two spares, flight and room left, the last pop's distances, the last robot's.
    for (float value : {0.0f, 1.25f, 0.0f, 0.0f, 0.0f, 0.0f, track->LastRobotDistance()})
        EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    // robotTrigger, nextWave, insertLock, comboCount, samples, nextRobotColour,
    // two spares, insert index, waveDelay, endTicks
    for (int32_t value : {100000, 1, 0, 0, static_cast<int32_t>(track->Samples().size()), -101, 0, 0, 0, 25, 0})
        EXPECT_EQ(in.ReadInt(), value);
    // spare, lost, spare, comboActive, spare, behind, arrived, gapOpened, roomMade, wavesStopped
    for (bool flag : {false, true, false, false, false, false, false, false, false, true})
        EXPECT_EQ(in.ReadBool(), flag);
    EXPECT_EQ(in.ReadInt(), 1);  // waves
    for (int32_t value : {15, 3, 25, 3}) EXPECT_EQ(in.ReadInt(), value);
    for (float value : {1.0f, 3.0f, 3.0f, 0.5f, 0.35f, 1.25f}) EXPECT_FLOAT_EQ(in.ReadFloat(), value);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_EQ(in.ReadInt(), 0);  // retired waves

    EXPECT_EQ(in.ReadInt(), 16);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(in.ReadBool(), i == 0);
    EXPECT_EQ(in.ReadInt(), 0);   // the robot's wave
    EXPECT_EQ(in.ReadInt(), -1);  // among the retired ones
    EXPECT_EQ(in.ReadInt(), 7);
    EXPECT_FLOAT_EQ(in.ReadFloat(), 0.25f);
    for (int32_t i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        ExpectBallRecord(in, *items[i], i == 3 ? 1 : -1, i == 3 ? 5 : -1);
    }
    EXPECT_EQ(in.ReadInt(), 1);  // robots
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_EQ(in.ReadInt(), 1);  // pieces
    EXPECT_FLOAT_EQ(in.ReadFloat(), track->Segments().front()->speed);
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadInt(), 16);
    for (int32_t i = 0; i < 16; ++i) EXPECT_EQ(in.ReadInt(), i);
    EXPECT_EQ(in.ReadInt(), 0);   // match candidates
    EXPECT_FALSE(in.ReadBool());  // no shot sliding in
    EXPECT_EQ(in.ReadInt(), 0);   // rearmost
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(in.ReadInt(), -1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.HasError());
}
