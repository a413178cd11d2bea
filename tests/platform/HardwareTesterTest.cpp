// The hardware tester's device work on SDL's dummy video driver, where no
// accelerated renderer exists, and its reading of OpenGL renderer texts.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/HardwareTester.h"

TEST(HardwareTester, WithoutAcceleratedRendererNothingIsDrawnAndTheReasonIsGiven) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    Uint32 videoBefore = SDL_WasInit(SDL_INIT_VIDEO);
    {
        HardwareTester tester;
        for (int attempt = 0; attempt < 2; ++attempt) {
            HardwareIdentity identity = tester.Identify();
            EXPECT_FALSE(identity.accelerated);
            EXPECT_TRUE(identity.failReason.StartsWith("No accelerated renderer")) << identity.failReason.str();
            EXPECT_TRUE(identity.cardName.IsEmpty());
            HardwareCheckResult checks = tester.RunChecks();
            EXPECT_FALSE(checks.renderTargets);
            EXPECT_FALSE(checks.drawsCorrectly);
        }
    }
    // Checks without an identified card fail too.
    EXPECT_FALSE(HardwareTester().RunChecks().renderTargets);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), videoBefore);  // the video it started went with it
}

TEST(HardwareTester, CardNamesLeaveOutWhatDriversAppend) {
    struct Case {
        const char* renderer;
        const char* card;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", "llvmpipe"},
        {"NVIDIA GeForce GTX 1080/PCIe/SSE2", "NVIDIA GeForce GTX 1080"},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "Mesa Intel(R) UHD Graphics 620"},
        {"SVGA3D; build: RELEASE;  LLVM;", "SVGA3D"},
        {"  virgl  ", "virgl"},
        {"/odd", "/odd"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(HardwareTester::CardNameOf(c.renderer).str(), c.card) << c.renderer;
}
