#include <gtest/gtest.h>

#include <cstring>

#include "media/BmpFile.h"
#include "media/Graphics.h"
#include "media/Sprite.h"
#include "support/TestPictures.h"
#include "support/TempDir.h"

namespace {
int32_t Int(const std::string& bytes, size_t at) {
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}
int32_t Short(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8);
}
}  // namespace

TEST(Screenshot, WritesA24BitBottomUpBmpOfTheLastFrame) {
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    ASSERT_TRUE(graphics.Initialize(nullptr));
    graphics.SetColour(1, 1, 1, 1);
    graphics.BeginFrame();
    Sprite(TestPictures::Filled(1, 1, 0xFF102030)).Draw(0, 0);      // top-left
    Sprite(TestPictures::Filled(1, 1, 0xFFA0B0C0)).Draw(799, 599);  // bottom-right
    graphics.EndFrame();
    graphics.Present();
    TempDir folder;
    ASSERT_TRUE(graphics.SaveScreenshot(folder.File("shot.bmp").c_str()));
    graphics.Shutdown();

    std::string bytes = folder.Read("shot.bmp");
    const int32_t rowBytes = 800 * 3;  // already a multiple of 4
    ASSERT_EQ(bytes.size(), 14u + 40u + rowBytes * 600u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Int(bytes, 2), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(Int(bytes, 10), 54);      // pixels follow the two headers
    EXPECT_EQ(Int(bytes, 14), 40);      // info header size
    EXPECT_EQ(Int(bytes, 18), 800);
    EXPECT_EQ(Int(bytes, 22), 600);     // positive height: bottom-up
    EXPECT_EQ(Short(bytes, 26), 1);     // planes
    EXPECT_EQ(Short(bytes, 28), 24);    // bits per pixel
    EXPECT_EQ(Int(bytes, 30), 0);       // uncompressed
    // The first stored row is the bottom one: its last pixel is the bottom-right sprite.
    size_t bottomRight = 54 + (800 - 1) * 3;
    EXPECT_EQ(static_cast<uint8_t>(bytes[bottomRight]), 0xC0);  // blue, green, red
    EXPECT_EQ(static_cast<uint8_t>(bytes[bottomRight + 1]), 0xB0);
    EXPECT_EQ(static_cast<uint8_t>(bytes[bottomRight + 2]), 0xA0);
    size_t topLeft = 54 + static_cast<size_t>(rowBytes) * 599;
    EXPECT_EQ(static_cast<uint8_t>(bytes[topLeft]), 0x30);
    EXPECT_EQ(static_cast<uint8_t>(bytes[topLeft + 2]), 0x10);
}

TEST(Screenshot, OddWidthsPadRowsToFourBytesAndReadBack) {
    TempDir folder;
    std::vector<uint32_t> pixels = {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C, 0xFF0D0E0F, 0xFF101112};
    ASSERT_TRUE(BmpFile::Write(folder.File("odd.bmp").c_str(), pixels.data(), 3, 2));
    EXPECT_EQ(folder.Read("odd.bmp").size(), 54u + 2 * 12u);
    std::vector<uint32_t> back;
    int32_t width = 0, height = 0;
    ASSERT_TRUE(BmpFile::Read(folder.File("odd.bmp").c_str(), back, width, height));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(back, pixels);
    EXPECT_FALSE(BmpFile::Write(folder.File("none.bmp").c_str(), pixels.data(), 0, 2));
}
