#include <gtest/gtest.h>

#include <string>

#include "FakeLevelTarget.h"
#include "board/LevelLoader.h"
#include "board/LevelValue.h"
#include "data/XMLDocument.h"

namespace {
// A difficulty document with the given GLOBAL lines and one level "Aqua".
std::string Document(const std::string& globals, const std::string& level) {
    return "<Difficulty>" + globals + "<level name=\"Aqua\">" + level + "</level></Difficulty>";
}

FakeLevelTarget Load(const std::string& text, PlayStyle style = PlayStyle::Normal, int32_t tracks = 1,
                     const char* name = "aqua") {
    XMLDocument document;
    document.Parse(text.c_str());
    FakeLevelTarget target(tracks);
    LevelLoader::LoadLevel(document, name, style, target);
    return target;
}

const WaveSpec& OnlyWave(const FakeLevelTarget& target) { return target.tracks.at(0).at(0); }
}  // namespace

TEST(LevelLoader, TypesAndProgressTakeTheGlobalsThenTheirLimits) {
    EXPECT_EQ(OnlyWave(Load(Document("", "<Wave><Types>2</Types></Wave>"))).types, 3);
    EXPECT_EQ(OnlyWave(Load(Document("<GLOBAL_TYPES_ADD>3</GLOBAL_TYPES_ADD>", "<Wave><Types>7</Types></Wave>"))).types,
              8);
    EXPECT_EQ(Load(Document("<GLOBAL_PROGRESS_ADD>20</GLOBAL_PROGRESS_ADD>", "<Progress>50</Progress>")).progressTarget,
              100);
    EXPECT_EQ(
        Load(Document("<global_progress_add>20</global_progress_add>", "<Progress>30000</Progress>")).progressTarget,
        25000);
    EXPECT_EQ(Load(Document("", "<Progress>2147483647</Progress><Progress>700</Progress>")).progressTarget, 700);
    // Huge values and their sum stay in range instead of wrapping.
    EXPECT_EQ(
        Load(Document("<GLOBAL_PROGRESS_ADD>2147483647</GLOBAL_PROGRESS_ADD>", "<Progress>99999999999</Progress>"))
            .progressTarget,
        25000);
}

TEST(LevelLoader, GlobalSpeedIsCappedAndDerivedSpeedsAreNotLimited) {
    FakeLevelTarget target = Load(Document("<GLOBAL_SPEED_ADD>5</GLOBAL_SPEED_ADD>", "<Wave><Speed>9</Speed></Wave>"));
    const WaveSpec& wave = OnlyWave(target);
    EXPECT_FLOAT_EQ(wave.speed, 10.0f);
    EXPECT_FLOAT_EQ(wave.speedInitial, 30.0f);
    EXPECT_FLOAT_EQ(wave.speedFast, 16.0f);
    EXPECT_FLOAT_EQ(wave.speedSlow, 5.0f);

    // Stated speeds take their own global adjustment and the limits.
    FakeLevelTarget stated =
        Load(Document("<GLOBAL_SPEED_INITIAL_ADD>-9</GLOBAL_SPEED_INITIAL_ADD>"
                      "<GLOBAL_SPEED_SLOW_ADD>0.5</GLOBAL_SPEED_SLOW_ADD>",
                      "<Wave><Speed_Initial>2</Speed_Initial><Speed_Slow>0.1</Speed_Slow>"
                      "<Speed_Fast>50</Speed_Fast></Wave>"));
    EXPECT_FLOAT_EQ(OnlyWave(stated).speedInitial, 0.25f);
    EXPECT_FLOAT_EQ(OnlyWave(stated).speedSlow, 0.6f);
    EXPECT_FLOAT_EQ(OnlyWave(stated).speedFast, 10.0f);
    EXPECT_FLOAT_EQ(OnlyWave(stated).speed, 1.0f);
}

TEST(LevelLoader, PlayStylesAdjustEveryWave) {
    const std::string level = Document("",
                                       "<Wave><Speed>2</Speed><Types>4</Types>"
                                       "<Max_Same_Type_Chain>5</Max_Same_Type_Chain></Wave>");
    const WaveSpec normal = OnlyWave(Load(level));
    EXPECT_FLOAT_EQ(normal.speedInitial, 6.0f);
    EXPECT_FLOAT_EQ(normal.speedFast, 3.2f);
    EXPECT_FLOAT_EQ(normal.speedSlow, 1.0f);

    const WaveSpec child = OnlyWave(Load(level, PlayStyle::Child));
    EXPECT_FLOAT_EQ(child.speed, 1.6f);
    EXPECT_FLOAT_EQ(child.speedInitial, 4.8f);
    EXPECT_FLOAT_EQ(child.speedFast, 2.56f);
    EXPECT_FLOAT_EQ(child.speedSlow, 0.8f);
    EXPECT_EQ(child.types, 4);

    const WaveSpec apocalypse = OnlyWave(Load(level, PlayStyle::Apocalypse));
    EXPECT_FLOAT_EQ(apocalypse.speed, 2.3f);
    EXPECT_EQ(apocalypse.types, 6);
    EXPECT_EQ(apocalypse.maxSameTypeChain, 2);
    // Not limited again: a speed at the limit goes beyond it.
    EXPECT_FLOAT_EQ(OnlyWave(Load(Document("", "<Wave><Speed>10</Speed></Wave>"), PlayStyle::Apocalypse)).speed, 11.5f);
}

TEST(LevelLoader, CopiesFollowTheirWaveAndPlayOnEveryTrack) {
    FakeLevelTarget target = Load(
        Document(
            "",
            "<Wave Copies=\"3\"><Target_Track>1</Target_Track><Count>20</Count><Delay_Ticks>40</Delay_Ticks></Wave>"
            "<Wave><Count>9</Count></Wave>"),
        PlayStyle::Normal, 2);
    ASSERT_EQ(target.tracks[1].size(), 4u);  // the original, two copies, the last wave
    ASSERT_EQ(target.tracks[0].size(), 3u);  // two copies and the last wave
    EXPECT_EQ(target.tracks[0][0].count, 20);
    EXPECT_EQ(target.tracks[0][2].count, 9);
    for (const auto& track : target.tracks) {
        for (const WaveSpec& wave : track) EXPECT_EQ(wave.targetTrack, -1);
    }
    // Each track's first wave sets its release wait.
    EXPECT_EQ(target.releaseWaits[0], 40);
    EXPECT_EQ(target.releaseWaits[1], 40);

    FakeLevelTarget many = Load(Document("", "<Wave Copies=\"40\"/>"));
    EXPECT_EQ(many.tracks[0].size(), 26u);

    // A target beyond the last track reaches no track.
    FakeLevelTarget beyond = Load(Document("", "<Wave><Target_Track>5</Target_Track></Wave>"), PlayStyle::Normal, 2);
    EXPECT_TRUE(beyond.tracks[0].empty());
    EXPECT_TRUE(beyond.tracks[1].empty());
    EXPECT_EQ(beyond.releaseWaits[0], -1);
}

TEST(LevelLoader, RepeatIsASubstringTest) {
    FakeLevelTarget target = Load(Document("",
                                           "<Wave REPEAT=\"no\"/><Wave/><Wave REPEAT=\"yes please\"/>"
                                           "<Wave Repeat=\"isTrue\"/><Wave REPEAT=\"\"/>"));
    ASSERT_EQ(target.tracks[0].size(), 5u);
    EXPECT_FALSE(target.tracks[0][0].repeat);
    EXPECT_TRUE(target.tracks[0][1].repeat);
    EXPECT_TRUE(target.tracks[0][2].repeat);
    EXPECT_TRUE(target.tracks[0][3].repeat);
    EXPECT_FALSE(target.tracks[0][4].repeat);
}

TEST(LevelLoader, EveryWaveKeyWithItsLimits) {
    const WaveSpec low =
        OnlyWave(Load(Document("",
                               "<Wave><Count>0</Count><Delay_Ticks>-5</Delay_Ticks><Robot_Trigger>-3</Robot_Trigger>"
                               "<Delay_Dist>0.01</Delay_Dist><Same_Type_Probability>-10</Same_Type_Probability>"
                               "<Max_Same_Type_Chain>0</Max_Same_Type_Chain><Speed>0</Speed></Wave>")));
    EXPECT_EQ(low.count, 1);
    EXPECT_EQ(low.delayTicks, 0);
    EXPECT_EQ(low.robotTrigger, 1);
    EXPECT_FLOAT_EQ(low.delayDist, 0.15f);
    EXPECT_FLOAT_EQ(low.sameTypeProbability, 0.0f);
    EXPECT_EQ(low.maxSameTypeChain, 1);
    EXPECT_FLOAT_EQ(low.speed, 0.25f);

    const WaveSpec high = OnlyWave(
        Load(Document("",
                      "<wave><COUNT>999</COUNT><delay_ticks>5000</delay_ticks><Delay_Dist>0.99</Delay_Dist>"
                      "<Same_Type_Probability>40</Same_Type_Probability><Max_Same_Type_Chain>9</Max_Same_Type_Chain>"
                      "<Robot_Trigger>12</Robot_Trigger><Unknown>1</Unknown></wave>")));
    EXPECT_EQ(high.count, 300);
    EXPECT_EQ(high.delayTicks, 1000);
    EXPECT_FLOAT_EQ(high.delayDist, 0.85f);
    EXPECT_FLOAT_EQ(high.sameTypeProbability, 0.4f);
    EXPECT_EQ(high.maxSameTypeChain, 6);
    EXPECT_EQ(high.robotTrigger, 12);

    const WaveSpec defaults = OnlyWave(Load(Document("", "<Wave/>")));
    EXPECT_EQ(defaults.count, 15);
    EXPECT_FLOAT_EQ(defaults.sameTypeProbability, 1.25f);
    EXPECT_FLOAT_EQ(defaults.speedInitial, 3.0f);
}

TEST(LevelLoader, TitleRushAndTheFirstOfTwoLevelsWithOneName) {
    FakeLevelTarget target = Load(
        "<D><level name=\"Aqua\"><DisplayName> TIDE POOL </DisplayName><Rush>2</Rush>"
        "<Wave><Count>7</Count></Wave></level>"
        "<level name=\"AQUA\"><DisplayName>SECOND</DisplayName><Wave/><Wave/></level></D>");
    EXPECT_EQ(target.displayName.str(), "TIDE POOL");
    EXPECT_FLOAT_EQ(target.rush, 0.75f);
    ASSERT_EQ(target.tracks[0].size(), 1u);
    EXPECT_EQ(target.tracks[0][0].count, 7);
    EXPECT_FLOAT_EQ(Load(Document("", "<Rush>-1</Rush>")).rush, 0.0f);
}

TEST(LevelLoader, MissingDocumentsAndLevelsChangeNothing) {
    for (const char* text :
         {"", "<!-- nothing -->", "<D><level name=\"Bees\"><Progress>900</Progress><Wave/></level></D>",
          "<D><level><Wave/></level><level x=\"Aqua\"><Wave/></level></D>"}) {
        XMLDocument document;
        document.Parse(text);
        FakeLevelTarget target(2);
        EXPECT_FALSE(LevelLoader::LoadLevel(document, "Aqua", PlayStyle::Normal, target));
        EXPECT_TRUE(target.tracks[0].empty());
        EXPECT_EQ(target.displayName.str(), "UNNAMED LEVEL");
        EXPECT_EQ(target.progressTarget, 100);
        EXPECT_FLOAT_EQ(target.rush, 0.25f);
    }
}

TEST(LevelLoader, ThousandsOfCopiedWavesAreBounded) {
    std::string level;
    for (int i = 0; i < 5000; ++i) level += "<Wave Copies=\"26\"/>";
    FakeLevelTarget target = Load(Document("", level), PlayStyle::Normal, 2);
    EXPECT_EQ(target.tracks[0].size(), static_cast<size_t>(LevelLoader::kMaxWavesPerLevel));
    EXPECT_EQ(target.tracks[1].size(), static_cast<size_t>(LevelLoader::kMaxWavesPerLevel));
}

TEST(LevelValue, NumbersReadOnlyTheirLeadingDecimalPart) {
    EXPECT_EQ(LevelValue::Integer("42abc"), 42);
    EXPECT_EQ(LevelValue::Integer("-7"), -7);
    EXPECT_EQ(LevelValue::Integer("+3"), 3);
    EXPECT_EQ(LevelValue::Integer("x1"), 0);
    EXPECT_EQ(LevelValue::Integer(""), 0);
    EXPECT_EQ(LevelValue::Integer("99999999999999999999"), 2147483647);
    EXPECT_EQ(LevelValue::Integer("-99999999999999999999"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("1.5e1x"), 15.0f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("-.5"), -0.5f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("2e"), 2.0f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("nan"), 0.0f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("inf"), 0.0f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("0x10"), 0.0f);
    EXPECT_FLOAT_EQ(LevelValue::Decimal("."), 0.0f);
}
