// The game application's start-up loading, title screen and transitions,
// without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "game/BuiltData.h"
#include "game/PlimbZappetsApp.h"
#include "game/TitleScreen.h"
#include "game/Transition.h"
#include "game/journey/TempleLayout.h"
#include "game/menus/MainMenu.h"
#include "media/Graphics.h"
#include "platform/RenderTexture.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

namespace {

class GameAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.mDataFolder = String(folder.Path() + "/");
        app.mConfigPath = String(folder.File("config.cfg"));
    }
    TempDir folder;
    PlimbZappetsApp app;
};

TEST_F(GameAppTest, TheColourOrderIsAPermutationAndTheStateStartsAsDesigned) {
    std::set<int32_t> colours(app.colourOrder.begin(), app.colourOrder.end());
    EXPECT_EQ(colours.size(), 8u);
    EXPECT_EQ(*colours.begin(), 0);
    EXPECT_EQ(*colours.rbegin(), 7);
    EXPECT_EQ(app.currentGroup, "Null!");
    EXPECT_EQ(app.playStyle, 2);
    EXPECT_EQ(app.lives, 3);
    EXPECT_EQ(app.highScoreRank, -1);
    EXPECT_TRUE(app.restartGroup);
    EXPECT_EQ(app.mVersion, "1.00");
    EXPECT_EQ(app.mCompany, "TAVGames");
}

TEST_F(GameAppTest, AQuitRequestDuringLoadingStopsAfterTheCurrentStep) {
    app.mQuit = true;
    app.LoadResources();
    EXPECT_EQ(app.loadProgress.load(), 1);  // the high scores and profiles, nothing after
    EXPECT_EQ(app.coloursLoaded.load(), 0);
    EXPECT_EQ(app.highScores.At(0).name, "Bemo");
}

TEST_F(GameAppTest, TheWholeCatalogueLoadsInOrderAndFillsTheBoardsPictures) {
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    ResourcePaths::SetDataRoot(root.c_str());
    app.LoadResources();
    EXPECT_EQ(app.loadProgress.load(), 151);
    EXPECT_EQ(app.coloursLoaded.load(), 8);
    BoardMedia media = app.Resources().BoardPictures(app.colourOrder);
    for (const SpriteStrip* strip : media.track.balls) ASSERT_NE(strip, nullptr);
    // Ball colour c is drawn with the strip its place in the colour order names.
    EXPECT_EQ(media.track.balls[0], app.Resources().Ball(app.colourOrder[0]));
    EXPECT_NE(media.titleFont, nullptr);
    EXPECT_NE(app.Resources().FindStrip("Graphics\\usermenu\\createuser"), nullptr);
    EXPECT_EQ(app.Resources().FindStrip("Graphics\\usermenu\\createuser")->FrameCount(), 3);
    EXPECT_FALSE(app.Resources().Levels().Groups().empty());
}

TEST_F(GameAppTest, PictureGroupsGoWhileUnwantedAndComeBackPixelForPixel) {
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    ResourcePaths::SetDataRoot(root.c_str());
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    ASSERT_TRUE(graphics.Initialize(nullptr)) << "the software renderer";
    app.LoadResources();
    const Catalogue& pictures = app.Resources();
    const Sprite* tree = pictures.FindSprite(TemplePictures::kTree);
    const Sprite* background = pictures.FindSprite(TemplePictures::kBackground);
    // Loaded in the step after the temple's, once packed into its atlas too.
    const Sprite* menu = pictures.FindSprite("Graphics\\HighScore\\MasterZappets");
    ASSERT_TRUE(tree && background && menu && tree->Texture() && background->Texture());
    ASSERT_NE(tree->Texture(), menu->Texture()) << "the temple atlas holds the temple's pictures only";
    auto pixelsOf = [](const RenderTexture& texture) {
        std::vector<uint32_t> pixels;
        for (int32_t y = 0; y < texture.Height(); ++y)
            for (int32_t x = 0; x < texture.Width(); ++x) pixels.push_back(texture.PixelAt(x, y));
        return pixels;
    };
    std::vector<uint32_t> atlas = pixelsOf(*tree->Texture()), wall = pixelsOf(*background->Texture());
    std::vector<uint32_t> menuPixels = pixelsOf(*menu->Texture());

    for (int32_t round = 0; round < 2; ++round) {
        app.Resources().WantPictures(Catalogue::PictureGroup::Temple, false);
        EXPECT_TRUE(tree->Texture()->IsParked());
        EXPECT_TRUE(background->Texture()->IsParked());
        EXPECT_FALSE(menu->Texture()->IsParked());
        EXPECT_EQ(tree->AlphaAt(static_cast<int32_t>(tree->Width() / 2), static_cast<int32_t>(tree->Height() / 2)), 0);
        app.Resources().WantPictures(Catalogue::PictureGroup::Temple, true);
        EXPECT_FALSE(tree->Texture()->IsParked());
        EXPECT_TRUE(pixelsOf(*tree->Texture()) == atlas) << "round " << round;
        EXPECT_TRUE(pixelsOf(*background->Texture()) == wall) << "round " << round;
    }
    EXPECT_TRUE(pixelsOf(*menu->Texture()) == menuPixels);

    const Sprite* mainMenu = pictures.FindSprite(MainMenu::kBackground);
    ASSERT_TRUE(mainMenu && mainMenu->Texture());
    std::vector<uint32_t> mainMenuPixels = pixelsOf(*mainMenu->Texture());
    app.Resources().WantPictures(Catalogue::PictureGroup::Menus, false);
    EXPECT_TRUE(mainMenu->Texture()->IsParked());
    EXPECT_FALSE(tree->Texture()->IsParked()) << "one group at a time";
    app.Resources().WantPictures(Catalogue::PictureGroup::Menus, true);
    EXPECT_TRUE(pixelsOf(*mainMenu->Texture()) == mainMenuPixels);
    graphics.Shutdown();
}

TEST_F(GameAppTest, TheTitleRollsOnlyLoadedColoursAndItsBarNeverOverflows) {
    std::string root = BuiltDataRoot();
    if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    ResourcePaths::SetDataRoot(root.c_str());
    TitleScreen title(app);
    for (int32_t tick = 0; tick < 100; ++tick) title.Update();
    EXPECT_TRUE(title.Balls().empty()) << "no colour is loaded yet";

    app.coloursLoaded = 2;
    std::set<int32_t> seen;
    for (int32_t tick = 0; tick < 2000; ++tick) {
        title.Update();
        for (const TitleScreen::RollingBall& ball : title.Balls()) seen.insert(ball.colour);
    }
    EXPECT_EQ(seen, (std::set<int32_t>{app.colourOrder[0], app.colourOrder[1]}));

    float full = title.ProgressWidth(PlimbZappetsApp::kProgressSteps);
    EXPECT_GT(full, 0);
    EXPECT_FLOAT_EQ(title.ProgressWidth(PlimbZappetsApp::kProgressSteps / 2), full / 2);
    EXPECT_FLOAT_EQ(title.ProgressWidth(151), full);
    EXPECT_FLOAT_EQ(title.ProgressWidth(-3), 0);
    EXPECT_EQ(title.PlayButton(), nullptr) << "no play button while loading";
    title.ShowPlayButton();
    EXPECT_NE(title.PlayButton(), nullptr);
}

TEST_F(GameAppTest, ASecondTransitionWhileOneRunsDoesNothing) {
    app.StartTransition(TransitionKind::MainMenu);
    Transition* first = app.CurrentTransition();
    ASSERT_NE(first, nullptr);
    app.StartTransition(TransitionKind::HighScores);
    EXPECT_EQ(app.CurrentTransition(), first);
    EXPECT_EQ(app.mGadgets.Count(), 1);
    EXPECT_GE(first->Creature(), 1);
    EXPECT_LE(first->Creature(), 7);
    app.specialTransition = true;
    Transition gloomy(app, TransitionKind::MainMenu);
    EXPECT_EQ(gloomy.Creature(), 8);
    EXPECT_FALSE(app.specialTransition);
}

}  // namespace
