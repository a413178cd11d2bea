// Safe mode in a window against the headless target: the window draws at its
// own size and shows at most one frame per display refresh, and none of that
// may change what the game does or what a screenshot shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "process/GameProcess.h"
#include "support/TempDir.h"

namespace {
namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : mName(name) {
        if (const char* old = std::getenv(name)) mOld = old, mHadOld = true;
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (mHadOld)
            setenv(mName, mOld.c_str(), 1);
        else
            unsetenv(mName);
    }

private:
    const char* mName;
    std::string mOld;
    bool mHadOld = false;
};

TEST(WindowedPlayProcess, PacedSafeModeWindowPlaysAndPicturesLikeTheHeadlessRun) {
    const char* data = std::getenv("PZ_TEST_DATA");
    if (!data || !*data) GTEST_SKIP() << "no built data root (set PZ_TEST_DATA)";
    std::string root = fs::absolute(data).string();
    // A real window on SDL's dummy video driver, so the safe-mode renderer
    // (640 x 480, paced presents) runs as on a desktop; no sound device.
    ScopedVariable video("SDL_VIDEODRIVER", "dummy");
    ScopedVariable audio("SDL_AUDIODRIVER", "dummy");
    TempDir windowed, headless;
    auto run = [&](TempDir& folder, bool inWindow) {
        std::vector<std::string> arguments = {"--data",       root,
                                              "--user-dir",   folder.File("user"),
                                              "--fast",       "--level",
                                              "Blue",         "--autoplay",
                                              "--ticks",      "700",
                                              "--seed",       "11",
                                              "--screenshot", folder.File("shot.bmp")};
        arguments.push_back(inWindow ? "-software" : "--headless");
        return RunGame(folder, arguments);
    };
    Outcome shown = run(windowed, true);
    Outcome unseen = run(headless, false);
    ASSERT_TRUE(shown.exited && shown.code == 0) << shown.errors;
    ASSERT_TRUE(unseen.exited && unseen.code == 0) << unseen.errors;
    EXPECT_NE(shown.output.find("updates=700 "), std::string::npos) << shown.output;
    // The same report lines: level outcome, score, shots, update and draw counts.
    EXPECT_EQ(shown.output, unseen.output);
    std::string windowShot = windowed.Read("shot.bmp"), headlessShot = headless.Read("shot.bmp");
    ASSERT_FALSE(windowShot.empty());
    // The window's screenshot is the logical picture, pixel for pixel.
    EXPECT_TRUE(windowShot == headlessShot);
}
}  // namespace
