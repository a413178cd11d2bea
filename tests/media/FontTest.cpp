#include <gtest/gtest.h>

#include "core/IOBuffer.h"
#include "media/Font.h"
#include "media/FontTextDescription.h"
#include "media/Graphics.h"
#include "support/TestPictures.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

namespace {
struct Record {
    char ch;
    int32_t page;
    float x, y, width, height;
    int32_t advance, offsetX, offsetY;
};

std::string Description(int32_t pages, const std::vector<Record>& records) {
    IOBuffer out;
    out.WriteInt(pages);
    out.WriteInt(static_cast<int32_t>(records.size()));
    for (const Record& r : records) {
        out.WriteByte(static_cast<uint8_t>(r.ch));
        out.WriteInt(r.page);
        out.WriteFloat(r.x);
        out.WriteFloat(r.y);
        out.WriteFloat(r.width);
        out.WriteFloat(r.height);
        out.WriteInt(r.advance);
        out.WriteInt(r.offsetX);
        out.WriteInt(r.offsetY);
    }
    return std::string(reinterpret_cast<const char*>(out.Data()), static_cast<size_t>(out.Size()));
}

// A font folder "Fonts/Test" with one 64 x 32 page: "a" advance 10, "b"
// advance 7 (listed twice: the first wins), blank 4, "B" 12 pixels tall, the
// em dash advance 13.
class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        Image page = TestPictures::Filled(64, 32, 0x00000000);
        for (int y = 0; y < 10; ++y) *page.PixelAt(1, y) = 0xFFFFFFFF;  // a vertical stroke in "a"
        root.Write("Fonts/Test/data0.png", TestPictures::Png(page));
        root.Write("Fonts/Test/font.description",
                   Description(1, {{'a', 0, 0, 0, 8, 10, 10, 0, 2},
                                   {'b', 0, 10, 0, 6, 10, 7, 1, 0},
                                   {'b', 0, 20, 0, 6, 10, 99, 0, 0},
                                   {' ', 0, 0, 0, 0, 0, 4, 0, 0},
                                   {'B', 0, 30, 0, 9, 12, 11, 0, 0},
                                   {static_cast<char>(Font::kEmDash), 0, 40, 0, 8, 2, 13, 0, 5},
                                   {static_cast<char>(200), 0, 0, 0, 5, 5, 5, 0, 0}}));
        ResourcePaths::SetDataRoot(root.Path().c_str());
        ASSERT_TRUE(font.Load("fonts\\TEST"));
    }
    TempDir root;
    Font font;
};
}  // namespace

TEST_F(FontTest, FirstDefinitionWinsAndLineHeightIsTheTallestGlyph) {
    EXPECT_EQ(font.Advance('b'), 7);
    EXPECT_EQ(font.Advance(' '), 4);
    EXPECT_EQ(font.Advance(200), 0);
    EXPECT_FLOAT_EQ(font.LineHeight(), 12);
}

TEST_F(FontTest, LineBreakMeasuresOneGlyphWideAndTwoLinesHigh) {
    float width = 0, height = 0;
    font.TextSize("a\nb", width, height);
    EXPECT_FLOAT_EQ(width, 10);
    EXPECT_FLOAT_EQ(height, 24);
    font.TextSize("ab  ", width, height);  // trailing blanks follow no glyph
    EXPECT_FLOAT_EQ(width, 17);
    EXPECT_FLOAT_EQ(height, 12);
}

TEST_F(FontTest, TextWidthSumsAdvancesAndBlanksPerLine) {
    EXPECT_EQ(font.TextWidth("ab ab"), 2 * (10 + 7) + 4);
    EXPECT_EQ(font.TextWidth("ab\na"), 17);
    EXPECT_EQ(font.TextWidth(""), 0);
}

TEST_F(FontTest, HighCharactersNeitherDrawNorMoveThePen) {
    std::string high = "a";
    high += static_cast<char>(200);
    high += static_cast<char>(128);
    high += "b";
    EXPECT_EQ(font.TextWidth(String(high)), 17);
    std::vector<Font::Point> positions;
    font.GlyphPositions(String(high), positions);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_FLOAT_EQ(positions[0].y, 2);       // offset of "a"
    EXPECT_FLOAT_EQ(positions[1].x, 10 + 1);  // after "a", plus the offset of "b"
}

TEST_F(FontTest, TheUtf8EmDashIsOneGlyphAndABrokenOneIsSkipped) {
    const String dashed(std::string("a\xE2\x80\x94") + "b");
    EXPECT_EQ(font.TextWidth(dashed), 10 + 13 + 7);
    float width = 0, height = 0;
    font.TextSize(dashed, width, height);
    EXPECT_FLOAT_EQ(width, 30);
    std::vector<Font::Point> positions;
    font.GlyphPositions(dashed, positions);
    ASSERT_EQ(positions.size(), 3u);
    EXPECT_FLOAT_EQ(positions[1].y, 5);            // the dash's own offset
    EXPECT_FLOAT_EQ(positions[2].x, 10 + 13 + 1);  // "b" after it
    // Two of its three bytes are two unknown high characters.
    EXPECT_EQ(font.TextWidth(String(std::string("a\xE2\x80") + "b")), 17);
}

TEST_F(FontTest, GlyphsAreCutOnePixelLargerThanStated) {
    Image a = font.GlyphImage('a');
    EXPECT_EQ(a.Width(), 9);
    EXPECT_EQ(a.Height(), 11);
    EXPECT_EQ(*a.PixelAt(1, 0), 0xFFFFFFFFu);
    Image canvas = TestPictures::Filled(20, 20, 0xFF000000);
    font.DrawInto("a", canvas, 3, 0);
    EXPECT_EQ(*canvas.PixelAt(4, 2), 0xFFFFFFFFu);  // the stroke, moved by the offset (0, 2)
    EXPECT_EQ(*canvas.PixelAt(5, 2), 0xFF000000u);
}

TEST(FontLoading, MissingFolderLeavesTheFontUnloaded) {
    SetHeadless(true);
    TempDir root;
    ResourcePaths::SetDataRoot(root.Path().c_str());
    Font font;
    EXPECT_FALSE(font.Load("Fonts\\Nothing"));
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_EQ(font.TextWidth("abc"), 0);
    float width = 1, height = 1;
    font.TextSize("abc", width, height);
    EXPECT_EQ(width, 0);
    font.Draw("abc", 0, 0);
}

TEST(FontLoading, HostileTablesAreRefusedOrBounded) {
    SetHeadless(true);
    Font font;
    std::string huge = Description(1, {});
    huge[4] = static_cast<char>(0xFF), huge[5] = static_cast<char>(0xFF);  // 65535 glyphs in 8 bytes
    EXPECT_FALSE(font.LoadDescription(reinterpret_cast<const uint8_t*>(huge.data()), huge.size(), "x"));
    std::string pages = Description(-3, {});
    EXPECT_FALSE(font.LoadDescription(reinterpret_cast<const uint8_t*>(pages.data()), pages.size(), "x"));
    // A page index out of range and a negative size: defined, without pixels.
    std::string odd = Description(0, {{'a', 7, 0, 0, -5, 3, 6, 0, 0}});
    ASSERT_TRUE(font.LoadDescription(reinterpret_cast<const uint8_t*>(odd.data()), odd.size(), "x"));
    EXPECT_EQ(font.Advance('a'), 6);
    EXPECT_TRUE(font.GlyphImage('a').IsEmpty());
    // Advances near the int32 limit are clamped, so long texts still measure.
    Font wide;
    std::string far = Description(0, {{'w', 0, 0, 0, 1, 1, 2147483647, 0, 0}});
    ASSERT_TRUE(wide.LoadDescription(reinterpret_cast<const uint8_t*>(far.data()), far.size(), "x"));
    EXPECT_GT(wide.TextWidth("wwwwwwww"), 0);
}

TEST(FontLoading, TextDescriptionBuildsGlyphsFromItsLists) {
    SetHeadless(true);
    TempDir root;
    root.Write("Fonts/page.png", TestPictures::Png(TestPictures::Filled(32, 16, 0xFFFFFFFF)));
    root.Write("Fonts/Small.txt",
               "Define CharList (\"A\", \",\", B)\n"
               "Define WidthList (8, 3, 7)\n"
               "Define RectList ((0 0 7 10), (8 0 2 10), (11 0 6 10))\n"
               "Define OffsetList ((0 1), (0 8), (1 1))\n"
               "LayerSetImage \"page\"\n"
               "LayerSetCharWidths CharList WidthList\n");
    ResourcePaths::SetDataRoot(root.Path().c_str());
    Font font;
    ASSERT_TRUE(font.Load("Fonts\\Small"));
    EXPECT_EQ(font.TextWidth("A,B"), 18);
    EXPECT_EQ(font.GlyphImage(',').Width(), 3);
    Font junk;
    EXPECT_FALSE(FontTextDescription::Parse("Define CharList ((((\nLayerSetCharWidths\n\x01\x02)", "x", junk));
}
