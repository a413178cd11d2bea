// The built play-field art and fonts: the properties the game's drawing relies on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/BuiltData.h"
#include "media/Font.h"
#include "media/Image.h"
#include "platform/ResourcePaths.h"

namespace {

constexpr int kBallFrames = 90;
constexpr int kHalfTurnFrame = 45;
const char* const kFonts[] = {"Fonts\\Arial24Bold", "Fonts\\Arial14Bold", "Fonts\\ArialBlack16Bold",
                              "Fonts\\ArialBlack20Bold"};

class ContentArt : public testing::Test {
protected:
    void SetUp() override {
        root = BuiltDataRoot();
        if (root.empty()) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    }
    std::string root;
};

TEST_F(ContentArt, BallStripsRollWhileTheirSilhouetteStays) {
    for (int colour = 1; colour <= 8; ++colour) {
        SCOPED_TRACE(colour);
        std::string base = ResolveResource(root, "graphics\\balls\\" + std::to_string(colour), {".png"});
        ASSERT_FALSE(base.empty());
        Picture strip = LoadPicture(base + ".png");
        ASSERT_EQ(strip.width, strip.height * kBallFrames);
        int frame = strip.height;
        long colourChange = 0;
        int worstAlpha = 0, opaqueCentre = 0;
        for (int y = 0; y < frame; ++y) {
            for (int x = 0; x < frame; ++x) {
                const uint8_t* a = strip.At(x, y);
                const uint8_t* b = strip.At(kHalfTurnFrame * frame + x, y);
                for (int c = 0; c < 3; ++c) colourChange += std::abs(int(a[c]) - int(b[c]));
                worstAlpha = std::max(worstAlpha, std::abs(int(a[3]) - int(b[3])));
            }
        }
        opaqueCentre = strip.At(frame / 2, frame / 2)[3];
        EXPECT_GT(colourChange, long(frame) * frame * 3) << "half a turn later the surface looks the same";
        EXPECT_LE(worstAlpha, 1) << "the outline changes while rolling";
        EXPECT_EQ(opaqueCentre, 255);
        EXPECT_EQ(strip.At(0, 0)[3], 0) << "the frame corner is not clear";
    }
}

TEST_F(ContentArt, BallColoursHaveDistinctHues) {
    // Average colour of each ball's first frame; no two may be near-identical.
    double mean[8][3] = {};
    for (int colour = 0; colour < 8; ++colour) {
        Picture strip =
            LoadPicture(ResolveResource(root, "graphics\\balls\\" + std::to_string(colour + 1), {".png"}) + ".png");
        ASSERT_GT(strip.width, 0);
        double weight = 0;
        for (int y = 0; y < strip.height; ++y)
            for (int x = 0; x < strip.height; ++x) {
                const uint8_t* p = strip.At(x, y);
                for (int c = 0; c < 3; ++c) mean[colour][c] += p[c] * p[3];
                weight += p[3];
            }
        for (double& c : mean[colour]) c /= weight;
    }
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b) {
            double distance = 0;
            for (int c = 0; c < 3; ++c) distance += std::abs(mean[a][c] - mean[b][c]);
            EXPECT_GT(distance, 60.0) << "balls " << a + 1 << " and " << b + 1 << " look alike";
        }
}

TEST_F(ContentArt, FontGlyphsLieOnTheirPages) {
    for (const char* name : kFonts) {
        SCOPED_TRACE(name);
        std::string folder = ResolveResource(root, name, {""});
        ASSERT_FALSE(folder.empty());
        FontTable table;
        ASSERT_TRUE(LoadFontTable(folder + "/font.description", table));
        std::vector<Picture> pages;
        for (int i = 0; i < table.pages; ++i)
            pages.push_back(LoadPicture(folder + "/data" + std::to_string(i) + ".png"));
        for (const GlyphRecord& g : table.glyphs) {
            ASSERT_GE(g.page, 0);
            ASSERT_LT(g.page, table.pages);
            // The game cuts one pixel more than the stated size.
            EXPECT_LE(g.x + g.width + 1, float(pages[size_t(g.page)].width)) << char(g.character);
            EXPECT_LE(g.y + g.height + 1, float(pages[size_t(g.page)].height)) << char(g.character);
        }
    }
}

TEST_F(ContentArt, FontsLoadAndMeasureSensibly) {
    ResourcePaths::SetDataRoot(root.c_str());
    for (const char* name : kFonts) {
        SCOPED_TRACE(name);
        Font font;
        ASSERT_TRUE(font.Load(name));
        for (int ch = '!'; ch <= '~'; ++ch) EXPECT_TRUE(font.HasGlyph(uint8_t(ch))) << char(ch);
        EXPECT_TRUE(font.HasGlyph(Font::kEmDash));
        EXPECT_GT(font.TextWidth("\xE2\x80\x94"), font.TextWidth("-")) << "the em dash is wider than a hyphen";
        int32_t digit = font.Advance('0');
        for (int ch = '1'; ch <= '9'; ++ch) EXPECT_EQ(font.Advance(uint8_t(ch)), digit) << "digit " << char(ch);
        EXPECT_GT(font.Advance('W'), font.Advance('i'));
        EXPECT_GT(font.SpaceWidth(), 0.0f);
        EXPECT_EQ(font.TextWidth("10 10"), int32_t(2 * (font.Advance('1') + digit) + font.SpaceWidth() + 0.5f));
        EXPECT_GT(font.LineHeight(), float(digit));  // a line is taller than a digit is wide
        // Glyphs are white with a dark outline, so a drawing colour tints the fill only.
        Image a = font.GlyphImage('A');
        ASSERT_FALSE(a.IsEmpty());
        bool white = false, dark = false;
        for (int32_t y = 0; y < a.Height(); ++y)
            for (int32_t x = 0; x < a.Width(); ++x) {
                uint32_t p = *a.PixelAt(x, y);
                uint32_t alpha = p >> 24, red = (p >> 16) & 0xFF;
                white = white || (alpha == 255 && red > 240);
                dark = dark || (alpha > 200 && red < 60);
            }
        EXPECT_TRUE(white);
        EXPECT_TRUE(dark);
    }
}

TEST_F(ContentArt, BlueBackgroundFillsTheScreen) {
    std::string base = ResolveResource(root, "Levels\\Blue\\Background", {".jpg", ".png"});
    ASSERT_FALSE(base.empty());
    Picture background = LoadPicture(base + ".jpg");
    EXPECT_EQ(background.width, 800);
    EXPECT_EQ(background.height, 600);
}

TEST_F(ContentArt, GameLoaderReadsTheBackgroundUpright) {
    ResourcePaths::SetDataRoot(root.c_str());
    Image image;
    ASSERT_TRUE(image.Load("Levels\\Blue\\Background"));
    Picture reference = LoadPicture(ResolveResource(root, "Levels\\Blue\\Background", {".jpg"}) + ".jpg");
    ASSERT_EQ(image.Width(), reference.width);
    ASSERT_EQ(image.Height(), reference.height);
    long difference = 0;
    for (int y = 0; y < reference.height; y += 7) {
        uint32_t p = *image.PixelAt(400, y);
        const uint8_t* q = reference.At(400, y);
        difference += std::abs(int((p >> 16) & 0xFF) - q[0]) + std::abs(int((p >> 8) & 0xFF) - q[1]);
    }
    EXPECT_LT(difference, 4 * (reference.height / 7)) << "rows come out in another order";
}

TEST_F(ContentArt, HeadsUpFrameLeavesThePlayFieldClear) {
    Picture border = LoadPicture(ResolveResource(root, "graphics\\UIBorder", {".png"}) + ".png");
    ASSERT_EQ(border.width, 800);
    ASSERT_EQ(border.height, 600);
    EXPECT_EQ(border.At(400, 300)[3], 0);
    EXPECT_EQ(border.At(100, 500)[3], 0);
    EXPECT_GT(border.At(96, 18)[3], 200) << "no score panel";
    EXPECT_GT(border.At(774, 570)[3], 200) << "no lives corner";
}

}  // namespace
