#include <gtest/gtest.h>

#include "core/Log.h"
#include "media/Image.h"
#include "support/TestPictures.h"
#include "platform/MessageBox.h"
#include "platform/ResourcePaths.h"
#include "support/TempDir.h"

namespace {
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

// A data root in a temporary folder; counts the "Image Load Error" boxes.
class ImageLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHeadless(true);
        Log::SetPath(log.File("DEBUG.TXT").c_str());
    }
    void Put(const std::string& name, const std::string& bytes) { root.Write(name, bytes); }
    void Index() { ResourcePaths::SetDataRoot(root.Path().c_str()); }
    int Boxes() const {
        std::string text = log.Read("DEBUG.TXT");
        int count = 0;
        for (size_t at = text.find("[Image Load Error]"); at != std::string::npos;
             at = text.find("[Image Load Error]", at + 1))
            ++count;
        return count;
    }
    TempDir root;
    TempDir log;
};
}  // namespace

TEST_F(ImageLoadTest, MaskOfEqualSizeGivesItsRedAsAlpha) {
    Put("Graphics/a.png", TestPictures::Png(TestPictures::Filled(3, 2, kBlue)));
    Put("Graphics/a_alpha.png", TestPictures::Png(TestPictures::Filled(3, 2, 0xFF40FFFF)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("graphics\\A"));
    ASSERT_EQ(image.Width(), 3);
    EXPECT_EQ(*image.PixelAt(2, 1), 0x400000FFu);
    EXPECT_EQ(Boxes(), 0);
}

TEST_F(ImageLoadTest, MaskOfAnotherSizeIsIgnored) {
    Put("a.png", TestPictures::Png(TestPictures::Filled(3, 2, kBlue)));
    Put("a_alpha.png", TestPictures::Png(TestPictures::Filled(4, 2, 0xFF000000)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("a"));
    EXPECT_EQ(*image.PixelAt(0, 0), kBlue);
}

TEST_F(ImageLoadTest, NamedMaskReplacesTheDefaultOne) {
    Put("a.png", TestPictures::Png(TestPictures::Filled(2, 2, kBlue)));
    Put("a_alpha.png", TestPictures::Png(TestPictures::Filled(2, 2, 0xFF000000)));
    Put("shape.png", TestPictures::Png(TestPictures::Filled(2, 2, 0xFF800000)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("a", "shape"));
    EXPECT_EQ(*image.PixelAt(1, 1) >> 24, 0x80u);
}

TEST_F(ImageLoadTest, MaskAloneGivesWhiteWithItsAlpha) {
    Put("a_alpha.png", TestPictures::Png(TestPictures::Filled(5, 4, 0xFF7F0000)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("a"));
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.Height(), 4);
    EXPECT_EQ(*image.PixelAt(4, 3), 0x7FFFFFFFu);
    EXPECT_EQ(Boxes(), 0);
}

TEST_F(ImageLoadTest, MissingPictureShowsOneBoxAndMissingMaskNone) {
    Index();
    Image image;
    EXPECT_FALSE(image.Load("nothing\\here"));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.Width(), -1);
    EXPECT_EQ(Boxes(), 1);
    EXPECT_FALSE(image.Load("b_alpha"));
    EXPECT_EQ(Boxes(), 1);
    EXPECT_NE(log.Read("DEBUG.TXT").find("Could not load image: nothing\\here"), std::string::npos);
}

TEST_F(ImageLoadTest, FileKindsAreTriedInOrder) {
    Put("a.gif", TestPictures::Gif(1, 1, {kRed}, {0}));
    Put("a.png", TestPictures::Png(TestPictures::Filled(1, 1, kBlue)));
    Put("b.jpg", TestPictures::Jpeg(TestPictures::Filled(8, 8, 0xFF00FF00)));
    Put("b.png", TestPictures::Png(TestPictures::Filled(1, 1, kBlue)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("a"));
    EXPECT_EQ(*image.PixelAt(0, 0), kRed);
    ASSERT_TRUE(image.Load("b"));
    EXPECT_EQ(image.Width(), 8);
    uint32_t green = *image.PixelAt(4, 4);
    EXPECT_EQ(green >> 24, 0xFFu);
    EXPECT_GT((green >> 8) & 0xFF, 0xF0u);
    EXPECT_LT((green >> 16) & 0xFF, 0x10u);
}

TEST_F(ImageLoadTest, CacheFileComesFirstAndKeepsItsExtra) {
    std::string cached;
    auto word = [&](int32_t v) { cached.append(reinterpret_cast<const char*>(&v), 4); };
    word(1);
    word(1);
    word(static_cast<int32_t>(kRed));
    word(3);
    cached += "xyz";
    Put("a.cached", cached);
    Put("a.png", TestPictures::Png(TestPictures::Filled(1, 1, kBlue)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("a"));
    EXPECT_EQ(*image.PixelAt(0, 0), kRed);
    EXPECT_EQ(std::string(image.mExtra.begin(), image.mExtra.end()), "xyz");
}

TEST_F(ImageLoadTest, ShortcutWithParentFolderLoadsTheSiblingFolder) {
    Put("x/a.shortcut", "..\\y\r\n");
    Put("y/a.png", TestPictures::Png(TestPictures::Filled(2, 1, kRed)));
    Index();
    Image image;
    ASSERT_TRUE(image.Load("x\\a"));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(*image.PixelAt(1, 0), kRed);
}

TEST_F(ImageLoadTest, ShortcutToItselfEndsEmptyInsteadOfRecursingForever) {
    Put("x/a.shortcut", ".");
    Index();
    Image image;
    EXPECT_FALSE(image.Load("x\\a"));
    EXPECT_TRUE(image.IsEmpty());
}

TEST_F(ImageLoadTest, AbsoluteNamesNeedNoDataRoot) {
    std::string path = root.Write("pics/a.png", TestPictures::Png(TestPictures::Filled(2, 2, kRed)));
    Image image;
    ASSERT_TRUE(image.Load(String(path.substr(0, path.size() - 4))));
    EXPECT_EQ(*image.PixelAt(0, 0), kRed);
}

TEST(ImageOperations, CopyFromClipsToTheSource) {
    Image source = TestPictures::Filled(4, 4, kRed);
    *source.PixelAt(3, 3) = kBlue;
    source.mExtra = {1, 2};
    Image part;
    part.CopyFrom(source, 2, 2, 5, 5);
    ASSERT_EQ(part.Width(), 2);
    ASSERT_EQ(part.Height(), 2);
    EXPECT_EQ(*part.PixelAt(1, 1), kBlue);
    EXPECT_EQ(part.mExtra.size(), 2u);
    EXPECT_EQ(part.PixelAt(2, 0), nullptr);
    EXPECT_EQ(part.PixelAt(-1, 0), nullptr);
}

TEST(ImageOperations, ResizeAveragesTheCoveredArea) {
    Image source = TestPictures::Filled(4, 2, 0xFF000000);
    *source.PixelAt(0, 0) = 0xFFFFFFFF;
    *source.PixelAt(1, 1) = 0xFFFFFFFF;
    Image half;
    source.Resize(2, 1, half);
    ASSERT_EQ(half.Width(), 2);
    EXPECT_EQ(*half.PixelAt(0, 0), 0xFF808080u);
    EXPECT_EQ(*half.PixelAt(1, 0), 0xFF000000u);
    Image grown;
    source.Resize(8, 4, grown);
    EXPECT_EQ(*grown.PixelAt(1, 1), 0xFFFFFFFFu);
}

TEST(ImageOperations, CreateRefusesSizesOutsideTheCap) {
    Image image;
    EXPECT_FALSE(image.Create(0, 5));
    EXPECT_FALSE(image.Create(Image::kMaxSide + 1, 1));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_TRUE(image.Create(3, 2));
    EXPECT_EQ(*image.PixelAt(2, 1), 0u);
    image.Clear();
    EXPECT_EQ(image.Width(), -1);
}
