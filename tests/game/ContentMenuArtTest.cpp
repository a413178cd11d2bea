// The built temple-map and menu art: the sizes and places the screens draw
// them by (assets/graphics/TempleScreen/README.md and SCREENS.md).
#include <gtest/gtest.h>

#include <string>

#include "game/BuiltData.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kMapHeight = 1600;  // the temple Background, scrolled vertically

// The door strips are cut at these x positions and widths, all kDoorHeight high.
constexpr int kDoorCutX[3] = {0, 67, 135};
constexpr int kDoorCutWidth[3] = {67, 68, 65};
constexpr int kDoorStripWidth = 200;
constexpr int kDoorHeight = 58;
constexpr int kDoorPillarInset = 2;  // pixels at a cut's side left clear for the tier's pillars

// Where the map draws each tier (top-left, map pixels) and each world's row of doors.
constexpr int kTierX[4] = {30, 80, 120, 160};
constexpr int kTierY[4] = {1280, 1030, 780, 530};
constexpr int kDoorRowX = 300;
constexpr int kDoorRowY[4] = {1350, 1100, 850, 600};

// Level-up rows: the labels' picture is centred on the panel and its clip reveals rows
// from 120 pixels above the panel's centre, 29 pixels a row.
constexpr int kLevelupRows = 8;
constexpr int kLevelupRowPitch = 29;
constexpr int kLevelupFirstRowAbove = 120;

class ContentMenuArt : public testing::Test {
protected:
    void SetUp() override {
        root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    }
    Picture Png(const std::string& name) const {
        std::string base = ResolveResource(root, name, {".png"});
        return base.empty() ? Picture{} : LoadPicture(base + ".png");
    }
    Picture Jpeg(const std::string& name) const {
        std::string base = ResolveResource(root, name, {".jpg"});
        return base.empty() ? Picture{} : LoadPicture(base + ".jpg");
    }
    std::string root;
};

TEST_F(ContentMenuArt, OpaqueBackgroundsCoverTheScreenWidth) {
    Picture temple = Jpeg("Graphics\\TempleScreen\\Background");
    EXPECT_EQ(temple.width, kScreenWidth);
    EXPECT_EQ(temple.height, kMapHeight);
    Picture scores = Jpeg("Graphics\\HighScore\\InfoBackground");
    EXPECT_EQ(scores.width, kScreenWidth);
    EXPECT_EQ(scores.height, kScreenHeight);
}

TEST_F(ContentMenuArt, EveryDoorSitsInsideItsOwnCut) {
    for (int w = 1; w <= 4; ++w) {
        SCOPED_TRACE(w);
        Picture strip = Png("Graphics\\TempleScreen\\World" + std::to_string(w) + "Doors");
        ASSERT_EQ(strip.width, kDoorStripWidth);
        ASSERT_EQ(strip.height, kDoorHeight);
        for (int j = 0; j < 3; ++j) {
            int left = kDoorCutX[j], right = kDoorCutX[j] + kDoorCutWidth[j] - 1;
            EXPECT_GT(strip.At((left + right) / 2, kDoorHeight - 8)[3], 200) << "no door in cut " << j;
            // A door reaching over a cut would leave a sliver on its neighbour's flying pieces.
            for (int y = 0; y < kDoorHeight; ++y) {
                EXPECT_EQ(strip.At(left + kDoorPillarInset - 1, y)[3], 0) << "cut " << j << " y " << y;
                EXPECT_EQ(strip.At(right - kDoorPillarInset + 1, y)[3], 0) << "cut " << j << " y " << y;
            }
        }
    }
}

TEST_F(ContentMenuArt, ShatterMaskCracksEachDoorButKeepsItsPieces) {
    Picture mask = Png("Graphics\\TempleScreen\\ShatterMask");
    ASSERT_EQ(mask.width, kDoorStripWidth);
    ASSERT_EQ(mask.height, kDoorHeight);
    for (int j = 0; j < 3; ++j) {
        int solid = 0;
        for (int y = 0; y < kDoorHeight; ++y)
            for (int x = kDoorCutX[j]; x < kDoorCutX[j] + kDoorCutWidth[j]; ++x) solid += mask.At(x, y)[3] > 128;
        double share = double(solid) / (kDoorCutWidth[j] * kDoorHeight);
        EXPECT_GT(share, 0.6) << "cut " << j << " is more crack than door";
        EXPECT_LT(share, 0.97) << "cut " << j << " has no cracks";
    }
}

TEST_F(ContentMenuArt, AnOpenedDoorLeavesADoorwayNotAHole) {
    for (int w = 0; w < 4; ++w) {
        SCOPED_TRACE(w + 1);
        Picture tier = Png("Graphics\\TempleScreen\\World" + std::to_string(w + 1));
        ASSERT_GT(tier.width, 0);
        for (int j = 0; j < 3; ++j) {
            int x = kDoorRowX + kDoorCutX[j] + kDoorCutWidth[j] / 2 - kTierX[w];
            int y = kDoorRowY[w] + kDoorHeight / 2 - kTierY[w];
            ASSERT_LT(x, tier.width);
            ASSERT_LT(y, tier.height);
            EXPECT_EQ(tier.At(x, y)[3], 255) << "door " << j;
        }
    }
}

TEST_F(ContentMenuArt, LayersAndStripsMatchTheirPartners) {
    Picture words = Png("Graphics\\YouWin");
    Picture outline = Png("Graphics\\YouWinOutline");
    ASSERT_GT(words.width, 0);
    EXPECT_EQ(words.width, outline.width);
    EXPECT_EQ(words.height, outline.height);
    Picture button = Png("Graphics\\Levelup\\ContinueButton");
    ASSERT_GT(button.width, 0);
    EXPECT_EQ(button.width % 3, 0);
    EXPECT_EQ(Png("Graphics\\Levelup\\LevelupBackground").width, Png("Graphics\\GameOver\\FinalStats").width);
    for (const char* name : {"BackToGame", "BackToMainMenu", "BackToTemple"}) {
        SCOPED_TRACE(name);
        Picture rest = Png(std::string("Graphics\\PopupMenu\\") + name);
        Picture lit = Png(std::string("Graphics\\PopupMenu\\") + name + "Hilite");
        ASSERT_GT(rest.width, 0);
        EXPECT_EQ(rest.width, lit.width);
        EXPECT_EQ(rest.height, lit.height);
    }
}

TEST_F(ContentMenuArt, LevelupLabelsFillEveryRowTheClipReveals) {
    Picture labels = Png("Graphics\\Levelup\\LevelupStats");
    ASSERT_EQ(labels.height, 2 * kLevelupFirstRowAbove);
    for (int row = 0; row < kLevelupRows; ++row) {
        int ink = 0;
        for (int y = row * kLevelupRowPitch; y < (row + 1) * kLevelupRowPitch && y < labels.height; ++y)
            for (int x = 0; x < labels.width; ++x) ink += labels.At(x, y)[3] > 200;
        EXPECT_GT(ink, 200) << "row " << row << " has no label";
    }
}

}  // namespace
