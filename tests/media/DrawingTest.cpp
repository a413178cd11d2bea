#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "data/DisplaySettings.h"
#include "data/HardwareTestResults.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "media/TextureAtlas.h"
#include "platform/Renderer.h"
#include "platform/Window.h"
#include "support/TempDir.h"
#include "support/TestPictures.h"

namespace {
constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

// Draws with the software renderer into the offscreen target and reads the
// frame back.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Graphics& graphics = GetGraphics();
        graphics.SetResolution(800, 600);
        ASSERT_TRUE(graphics.Initialize(nullptr));
        graphics.SetColour(1, 1, 1, 1);
        graphics.SetBlendMode(0);
        graphics.SetFiltering(false);
        graphics.BeginFrame();
    }
    void TearDown() override { GetGraphics().Shutdown(); }

    // Reads the whole frame each time, so draws between two looks are seen.
    uint32_t At(int x, int y) {
        GetRenderer().ReadPixels(pixels, width, height);
        return pixels[static_cast<size_t>(y) * width + x] | 0xFF000000;
    }
    static int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }
    static bool Near(uint32_t a, uint32_t b, int tolerance = 3) {
        for (int shift = 0; shift < 24; shift += 8)
            if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
        return true;
    }

    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
};
}  // namespace

TEST_F(DrawingTest, SpriteLandsAtItsTopLeftCorner) {
    Sprite sprite(TestPictures::Filled(4, 3, kRed));
    sprite.Draw(10, 20);
    EXPECT_EQ(At(10, 20), kRed);
    EXPECT_EQ(At(13, 22), kRed);
    EXPECT_EQ(At(9, 20), kBlack);
    EXPECT_EQ(At(14, 20), kBlack);
    EXPECT_EQ(At(10, 23), kBlack);
}

TEST_F(DrawingTest, CentredAndOffsetStack) {
    Sprite sprite(TestPictures::Filled(4, 4, kRed));
    Graphics& graphics = GetGraphics();
    graphics.PushOffset(100, 50);
    graphics.PushOffset(1, 1);
    graphics.PopOffset();
    sprite.DrawCentred(10, 10);  // covers 108..111, 58..61 on screen
    graphics.PopOffset();
    graphics.PopOffset();  // empty stack: nothing happens
    sprite.Draw(0, 0);
    EXPECT_EQ(At(108, 58), kRed);
    EXPECT_EQ(At(111, 61), kRed);
    EXPECT_EQ(At(107, 58), kBlack);
    EXPECT_EQ(At(112, 61), kBlack);
    EXPECT_EQ(At(0, 0), kRed);
}

TEST_F(DrawingTest, RotationTurnsClockwiseOnScreen) {
    // Left half red, right half blue; a quarter turn puts red above the centre.
    Image image = TestPictures::Filled(20, 10, kBlue);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) *image.PixelAt(x, y) = kRed;
    Sprite sprite(image);
    sprite.DrawRotatedScaled(100, 100, 90, 1);
    EXPECT_EQ(At(100, 93), kRed);
    EXPECT_EQ(At(100, 107), kBlue);
    EXPECT_EQ(At(92, 100), kBlack);            // the turned sprite is only 10 wide
    sprite.DrawRotatedScaled(300, 100, 0, 2);  // doubled: 40 x 20 about the centre
    EXPECT_EQ(At(281, 91), kRed);
    EXPECT_EQ(At(318, 108), kBlue);
}

TEST_F(DrawingTest, ColourTintsAndBlendModeOneDrawsASilhouette) {
    Image image = TestPictures::Filled(4, 4, kWhite);
    *image.PixelAt(3, 3) = 0x80FF0000;  // half-transparent red
    Sprite sprite(image);
    Graphics& graphics = GetGraphics();
    graphics.SetColour(1, 0.5f, 0, 1);
    sprite.Draw(0, 0);
    graphics.SetColour(0, 1, 0, 1);
    graphics.SetBlendMode(1);
    sprite.Draw(10, 0);
    graphics.SetBlendMode(0);
    EXPECT_TRUE(Near(At(0, 0), 0xFFFF8000)) << std::hex << At(0, 0);
    EXPECT_EQ(At(10, 0), 0xFF00FF00);
    EXPECT_TRUE(Near(At(13, 3), 0xFF008000)) << std::hex << At(13, 3);
}

TEST_F(DrawingTest, SmoothFilteringKeepsFlatColoursTintedAndBlended) {
    Sprite white(TestPictures::Filled(20, 20, kWhite));
    Graphics& graphics = GetGraphics();
    graphics.SetFiltering(true);
    graphics.SetColour(1, 0.5f, 0, 1);
    white.DrawRotatedScaled(100, 100, 30, 1.5f);
    graphics.SetColour(0, 0, 1, 0.5f);
    white.DrawRotatedScaled(300, 100, 45, 1);
    EXPECT_TRUE(Near(At(100, 100), 0xFFFF8000)) << std::hex << At(100, 100);
    EXPECT_TRUE(Near(At(106, 94), 0xFFFF8000)) << std::hex << At(106, 94);
    EXPECT_TRUE(Near(At(300, 100), 0xFF000080)) << std::hex << At(300, 100);
    EXPECT_EQ(At(100, 80), kBlack);  // outside the turned square
}

TEST_F(DrawingTest, ColourAlphaBlendsOverWhatIsThere) {
    Sprite white(TestPictures::Filled(2, 2, kWhite));
    Graphics& graphics = GetGraphics();
    graphics.PushColour(Colour{1, 1, 1, 0.5f});
    white.Draw(0, 0);
    graphics.PopColour();
    EXPECT_TRUE(Near(At(0, 0), 0xFF808080)) << std::hex << At(0, 0);
    EXPECT_EQ(graphics.GetColour().a, 1.0f);
}

TEST_F(DrawingTest, ClipStackNarrowsAndRestores) {
    Sprite sprite(TestPictures::Filled(10, 10, kRed));
    Graphics& graphics = GetGraphics();
    graphics.PushClip(Rect{0, 0, 105, 600});
    graphics.PushClip(Rect{0, 0, 800, 104});  // overlap: 105 x 104
    sprite.Draw(100, 100);
    graphics.PopClip();
    graphics.PopClip();
    sprite.Draw(200, 100);
    EXPECT_EQ(At(104, 103), kRed);
    EXPECT_EQ(At(105, 103), kBlack);
    EXPECT_EQ(At(104, 104), kBlack);
    EXPECT_EQ(At(209, 109), kRed);
}

TEST_F(DrawingTest, StripFramesAreCutAtFractionalWidths) {
    // 10 pixels in 3 frames: frame 1 covers x 3.33 .. 6.67.
    Image image = TestPictures::Filled(10, 2, kRed);
    for (int x = 4; x < 6; ++x) *image.PixelAt(x, 0) = *image.PixelAt(x, 1) = kBlue;
    SpriteStrip strip(image, 3);
    ASSERT_EQ(strip.FrameCount(), 3);
    EXPECT_FLOAT_EQ(strip.Frame(1).Width(), 10.0f / 3);
    EXPECT_FALSE(strip.Frame(3).IsLoaded());
    strip.Frame(1).Draw(50, 50);
    EXPECT_EQ(At(51, 50), kBlue);
    EXPECT_FALSE(SpriteStrip().Load(image, 0));
}

TEST_F(DrawingTest, AtlasSpritesShareOneTexture) {
    TextureAtlas atlas(64, 64);
    Graphics& graphics = GetGraphics();
    graphics.SetAtlas(&atlas);
    Sprite red(TestPictures::Filled(8, 8, kRed));
    Sprite blue(TestPictures::Filled(8, 8, kBlue));
    graphics.SetAtlas(nullptr);
    Sprite own(TestPictures::Filled(8, 8, kRed));
    graphics.BeginFrame();
    red.Draw(0, 0);
    blue.Draw(10, 0);
    EXPECT_EQ(graphics.TextureSwaps(), 1);
    own.Draw(20, 0);
    EXPECT_EQ(graphics.TextureSwaps(), 2);
    EXPECT_EQ(At(7, 7), kRed);
    EXPECT_EQ(At(10, 0), kBlue);
    EXPECT_EQ(At(8, 0), kBlack);
    EXPECT_EQ(red.AlphaAt(0, 0), 255);
    EXPECT_EQ(red.AlphaAt(8, 0), 0);
}

TEST_F(DrawingTest, BrokenTransformsDrawNothingAndNeverCrash) {
    Sprite sprite(TestPictures::Filled(4, 4, kRed));
    Graphics& graphics = GetGraphics();
    graphics.SetFiltering(true);
    sprite.DrawRotatedScaled(100, 100, std::nanf(""), 1);
    sprite.DrawRotatedScaled(1e30f, -1e30f, 10, 1e20f);
    sprite.DrawRotatedScaled(100, 100, 45, 0);  // a point: nothing to draw
    graphics.SetOffset(std::numeric_limits<float>::infinity(), 0);
    sprite.Draw(0, 0);
    graphics.SetOffset(0, 0);
    graphics.FillRect(-1e9f, -1e9f, 2e9f, 2e9f);
    EXPECT_EQ(At(400, 300),
              0xFFFFFFFFu);  // the huge rectangle covers the screen in white
}

TEST_F(DrawingTest, FillRectUsesColourAndOffset) {
    Graphics& graphics = GetGraphics();
    graphics.SetColour(0, 0, 1, 1);
    graphics.SetOffset(5, 5);
    graphics.FillRect(0, 0, 3, 3);
    EXPECT_EQ(At(5, 5), kBlue);
    EXPECT_EQ(At(7, 7), kBlue);
    EXPECT_EQ(At(8, 8), kBlack);
}

TEST(WindowDrawing, SafeModeDrawsTheLogicalScreenScaledToTheWindow) {
    Window window;
    ASSERT_TRUE(window.Create("test", 0, 0, 256, 256));
    Graphics& graphics = GetGraphics();
    graphics.SetResolution(800, 600);
    graphics.Settings().safeMode = true;
    ASSERT_TRUE(graphics.Initialize(&window));
    EXPECT_EQ(window.Width(), Graphics::kSafeModeWidth);
    EXPECT_EQ(GetRenderer().Placement().width, Graphics::kSafeModeWidth);
    Sprite sprite(TestPictures::Filled(2, 2, kRed));
    graphics.SetColour(1, 1, 1, 1);
    graphics.BeginFrame();
    sprite.Draw(700, 500);
    graphics.EndFrame();
    graphics.Present();
    // The frame stays readable at the logical size after it was shown.
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
    ASSERT_TRUE(GetRenderer().ReadPixels(pixels, width, height));
    EXPECT_EQ(width, 800);
    EXPECT_EQ(pixels[500 * 800 + 701] | 0xFF000000, kRed);
    graphics.Shutdown();
}

TEST_F(DrawingTest, SourceRunningPastThePageDrawsWhatThePageHas) {
    // Glyph rectangles are one pixel larger than the glyph, so the last glyph
    // of a page reaches past its edge; it must still be drawn.
    Image page = TestPictures::Filled(8, 8, kBlue);
    Sprite sprite(page, Rect{5, 5, 4, 4});
    ASSERT_EQ(sprite.Width(), 4);
    sprite.Draw(40, 40);
    EXPECT_EQ(At(40, 40), kBlue);
    EXPECT_EQ(At(42, 42), kBlue);
    EXPECT_EQ(At(39, 40), kBlack);
    Sprite beyond(page, Rect{8, 0, 2, 2});  // nothing of the page left: nothing to draw
    beyond.Draw(60, 60);
    EXPECT_EQ(At(60, 60), kBlack);
}

TEST_F(DrawingTest, APartOfASpriteDrawsOnlyItsOwnTexelsAndStaysInside) {
    Image page = TestPictures::Filled(8, 4, kBlue);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 4; x < 8; ++x) *page.PixelAt(x, y) = kRed;
    Sprite whole(page);
    Sprite right = whole.Part(Rect{4, 0, 4, 4});
    ASSERT_EQ(right.Width(), 4);
    right.Draw(20, 20);
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(23, 23), kRed);
    EXPECT_EQ(At(24, 20), kBlack);
    // A part reaching past the sprite is cut to it; one wholly outside is empty.
    EXPECT_EQ(whole.Part(Rect{6, 2, 10, 10}).Width(), 2);
    EXPECT_FALSE(whole.Part(Rect{9, 0, 2, 2}).IsLoaded());
    EXPECT_FALSE(Sprite().Part(Rect{0, 0, 1, 1}).IsLoaded());
}

TEST(WindowDrawing, AFailingAcceleratedDeviceFallsBackAndIsRecordedForTheCard) {
    // The dummy video driver has no accelerated renderer.
    TempDir folder;
    DisplaySettings::Environment environment;
    environment.configPath = String(folder.File("config.cfg").c_str());
    environment.hardwareResultsPath =
        String(folder.Write("Hardware.registry", "HWTEST::SafeModeRecommended=false\nHWTEST::SafeModeRequired=false\n")
                   .c_str());
    ASSERT_FALSE(HardwareTestResults::Read(environment.hardwareResultsPath).safeModeRequired);
    environment.switches.hardware = true;
    environment.verdict.safeModeRecommended = environment.verdict.safeModeRequired = false;
    Graphics& graphics = GetGraphics();
    graphics.LoadSettings(environment);
    ASSERT_FALSE(graphics.IsSafeMode());
    Window window;
    ASSERT_TRUE(window.Create("test", 0, 0, 256, 256));
    ASSERT_TRUE(graphics.Initialize(&window));
    EXPECT_TRUE(graphics.IsSafeMode());
    EXPECT_TRUE(graphics.IsSafeModeRequired());
    EXPECT_TRUE(HardwareTestResults::Read(environment.hardwareResultsPath).safeModeRequired);
    graphics.Shutdown();
}
