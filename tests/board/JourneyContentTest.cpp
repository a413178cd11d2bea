#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "FakeLevelTarget.h"
#include "board/JourneyNames.h"
#include "board/LevelLibrary.h"
#include "support/TempDir.h"

namespace {
const char* const kThemeWords[] = {"Aqua",   "Beach",      "Bees",    "Blue",        "Bobsled", "Chameleon",
                                   "Cheeze", "Chrome",     "Cosmic",  "Egypt",       "Forest",  "Green",
                                   "Lava",   "Movies",     "Pretzel", "Snail",       "Snake",   "Spiral",
                                   "Spooky", "Surreality", "Taxman",  "Technicolor", "Tooth",   "Video"};

const LevelLibrary& Content() {
    static LevelLibrary library = [] {
        LevelLibrary loaded;
        loaded.Load(PZ_ASSET_DIR "/levels");
        return loaded;
    }();
    return library;
}

std::vector<std::string> ExpectedStages() {
    std::vector<std::string> names;
    for (int world = 1; world <= 4; ++world) {
        for (int stage = 1; stage <= 3; ++stage) names.push_back(JourneyNames::StageName(world, stage).str());
    }
    names.push_back(JourneyNames::StageName(5, 1).str());
    return names;
}
}  // namespace

TEST(JourneyContent, ThirteenStagesOfThreeToSixLevelsWithEveryTheme) {
    const auto& groups = Content().Groups();
    std::vector<std::string> expected = ExpectedStages();
    ASSERT_EQ(groups.size(), expected.size());
    std::set<std::string> seen;
    for (size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].name.str(), expected[i]);
        EXPECT_GE(groups[i].levelNames.size(), 3u) << expected[i];
        EXPECT_LE(groups[i].levelNames.size(), 6u) << expected[i];
        for (const String& level : groups[i].levelNames) seen.insert(level.Lower().str());
    }
    for (const char* word : kThemeWords) EXPECT_TRUE(seen.count(String(word).Lower().str())) << word;
    EXPECT_EQ(seen.size(), 24u);  // nothing but theme words
}

TEST(JourneyContent, EveryOrderedLevelExistsInEveryWorldWithWavesAndATitle) {
    for (int32_t world = 0; world < LevelLibrary::kWorldCount; ++world) {
        ASSERT_EQ(Content().Difficulty(world).error, 0) << "world " << world;
        for (const LevelGroup& group : Content().Groups()) {
            for (const String& level : group.levelNames) {
                FakeLevelTarget target(2);
                ASSERT_TRUE(Content().LoadLevel(level, world, PlayStyle::Normal, target))
                    << level.str() << " in world " << world;
                EXPECT_FALSE(target.tracks[0].empty()) << level.str();
                EXPECT_FALSE(target.displayName == "UNNAMED LEVEL") << level.str();
            }
        }
    }
}

TEST(JourneyContent, TheJourneyGetsHarder) {
    // The first level of the first stage against the last level of the final stage.
    const LevelGroup* first = Content().FindGroup("world 1-1");
    const LevelGroup* last = Content().FindGroup("World 5-1");
    ASSERT_TRUE(first && last);
    FakeLevelTarget easy;
    FakeLevelTarget hard;
    Content().LoadLevel(first->levelNames.front(), 0, PlayStyle::Normal, easy);
    Content().LoadLevel(last->levelNames.back(), 4, PlayStyle::Normal, hard);
    EXPECT_LT(easy.progressTarget, hard.progressTarget);
    EXPECT_LE(easy.tracks[0].front().types, 4);
    EXPECT_GT(hard.tracks[0].back().types, easy.tracks[0].back().types);
    EXPECT_GT(hard.tracks[0].back().speed, easy.tracks[0].back().speed);
    EXPECT_GT(hard.tracks[0].size(), easy.tracks[0].size());
}

TEST(JourneyContent, TheFilesUseEveryKeyOfTheSchema) {
    std::string all;
    for (int i = 1; i <= 5; ++i) {
        FILE* file =
            std::fopen((std::string(PZ_ASSET_DIR "/levels/Difficulty") + std::to_string(i) + ".CFG").c_str(), "rb");
        ASSERT_NE(file, nullptr);
        char buffer[4096];
        size_t read;
        while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) all.append(buffer, read);
        std::fclose(file);
    }
    for (const char* key : {"GLOBAL_SPEED_ADD",
                            "GLOBAL_SPEED_INITIAL_ADD",
                            "GLOBAL_SPEED_FAST_ADD",
                            "GLOBAL_SPEED_SLOW_ADD",
                            "GLOBAL_TYPES_ADD",
                            "GLOBAL_PROGRESS_ADD",
                            "<Progress>",
                            "<DisplayName>",
                            "<Rush>",
                            "REPEAT=",
                            "Copies=",
                            "<Count>",
                            "<Types>",
                            "<Delay_Ticks>",
                            "<Target_Track>",
                            "<Robot_Trigger>",
                            "<Speed>",
                            "<Speed_Initial>",
                            "<Speed_Fast>",
                            "<Speed_Slow>",
                            "<Delay_Dist>",
                            "<Same_Type_Probability>",
                            "<Max_Same_Type_Chain>"}) {
        EXPECT_NE(all.find(key), std::string::npos) << key;
    }
}

TEST(JourneyNames, CharactersStagesAndTitles) {
    EXPECT_EQ(JourneyNames::CharacterName(0).str(), "TAZZIMO");
    EXPECT_EQ(JourneyNames::CharacterName(3).str(), "ZISKO");
    EXPECT_EQ(JourneyNames::CharacterName(4).str(), "BEMO");
    EXPECT_EQ(JourneyNames::CharacterName(-1).str(), "BEMO");
    EXPECT_EQ(JourneyNames::StageNumber(1), 1);
    EXPECT_EQ(JourneyNames::StageNumber(0), 2);
    EXPECT_EQ(JourneyNames::StageNumber(2), 3);
    EXPECT_EQ(JourneyNames::StageName(2, 3).str(), "World 2-3");
    EXPECT_EQ(JourneyNames::StageName(5, 2).str(), "World 5-1");
    EXPECT_EQ(JourneyNames::LevelTitle(0, 2, 3).str(), "TAZZIMO LEVEL 2-3");
}

TEST(LevelLibrary, MissingFilesLeaveEverythingEmptyAndWorldsOutOfRangeUseTheFirst) {
    TempDir dir;
    dir.Write("Difficulty1.CFG", "<D><level name=\"Aqua\"><Wave/></level></D>");
    dir.Write("Difficulty2.CFG", "\x01\x02<<<binary");
    LevelLibrary library;
    library.Load(String(dir.Path()));
    EXPECT_TRUE(library.Groups().empty());
    EXPECT_EQ(library.FindGroup("World 1-1"), nullptr);
    FakeLevelTarget target;
    EXPECT_TRUE(library.LoadLevel("Aqua", 7, PlayStyle::Normal, target));
    EXPECT_FALSE(library.LoadLevel("Aqua", 1, PlayStyle::Normal, target));
    EXPECT_FALSE(library.LoadLevel("Aqua", 4, PlayStyle::Normal, target));
}
