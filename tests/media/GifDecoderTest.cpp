#include <gtest/gtest.h>

#include "media/GifDecoder.h"
#include "media/Image.h"
#include "support/TestPictures.h"

namespace {
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

bool Decode(const std::string& bytes, Image& image) {
    return GifDecoder::Decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
}
}  // namespace

TEST(GifDecoder, TransparentIndexGivesAllZeroPixels) {
    Image image;
    ASSERT_TRUE(Decode(TestPictures::Gif(2, 1, {kRed, kGreen}, {0, 1}, false, 1), image));
    EXPECT_EQ(*image.PixelAt(0, 0), kRed);
    EXPECT_EQ(*image.PixelAt(1, 0), 0u);
}

TEST(GifDecoder, InterlacedRowsComeOutInNormalOrder) {
    // Ten rows, each one colour by its index; stored in pass order 0,8 | 4 | 2,6 | 1,3,5,7,9.
    const int rowsInFileOrder[] = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    std::vector<uint8_t> indices;
    for (int row : rowsInFileOrder) indices.push_back(static_cast<uint8_t>(row % 4));
    Image image;
    ASSERT_TRUE(Decode(TestPictures::Gif(1, 10, {kRed, kGreen, kBlue, kWhite}, indices, true), image));
    const uint32_t byIndex[] = {kRed, kGreen, kBlue, kWhite};
    for (int row = 0; row < 10; ++row) EXPECT_EQ(*image.PixelAt(0, row), byIndex[row % 4]) << "row " << row;
}

TEST(GifDecoder, LastFrameIsTheResult) {
    std::string first = TestPictures::Gif(2, 2, {kRed, kBlue}, {0, 0, 0, 0});
    std::string second = TestPictures::Gif(1, 3, {kRed, kBlue}, {1, 1, 1});
    // Splice the second file's frame (from its image descriptor on) over the first's trailer.
    size_t frame = second.find('\x2C', 13);
    std::string both = first.substr(0, first.size() - 1) + second.substr(frame);
    Image image;
    ASSERT_TRUE(Decode(both, image));
    EXPECT_EQ(image.Width(), 1);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(*image.PixelAt(0, 2), kBlue);
}

TEST(GifDecoder, RefusesWhatIsNotAGifOrHasAnEmptyFrame) {
    Image image;
    EXPECT_FALSE(Decode("GIF90a and more bytes", image));
    std::string empty = TestPictures::Gif(0, 1, {kRed}, {});
    EXPECT_FALSE(Decode(empty, image));
    EXPECT_TRUE(image.IsEmpty());
}

TEST(GifDecoder, HostileSizesAndCodesNeverReadOutside) {
    std::string huge = TestPictures::Gif(1, 1, {kRed}, {0});
    // Claim 8000 x 8000 in the frame descriptor: far more than a few bytes of data can fill.
    size_t frame = huge.find('\x2C', 13);
    huge[frame + 5] = static_cast<char>(0x40), huge[frame + 6] = 0x1F;
    huge[frame + 7] = static_cast<char>(0x40), huge[frame + 8] = 0x1F;
    Image image;
    EXPECT_FALSE(Decode(huge, image));
    // A code past the table stops the frame; what was decoded stays.
    std::string bad = TestPictures::Gif(2, 1, {kRed, kGreen}, {0, 1});
    size_t data = bad.find('\x2C', 13) + 11;  // block length byte of the LZW data
    bad[data + 1] = static_cast<char>(0x7F);  // first code 7: past the table
    ASSERT_TRUE(Decode(bad, image));
    EXPECT_EQ(image.Width(), 2);
    for (size_t cut = 0; cut < bad.size(); ++cut) Decode(bad.substr(0, cut), image);
}
