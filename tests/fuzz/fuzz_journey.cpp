// Saved journeys of arbitrary bytes: resuming must refuse them or leave a
// journey that plays on and saves again, never crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/IOBuffer.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "game/ScratchFolder.h"
#include "game/play/Game.h"
#include "platform/MessageBox.h"

namespace {
constexpr int32_t kTicksAfterLoad = 20;

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/fuzz_journey_XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return folder;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetHeadless(true);
    GetRandom().Seed(1);
    PlimbZappetsApp app;
    UseScratchFolder(app, ScratchFolder());
    app.singleLevel = LevelGroup{"Test Stage", {"Blue", "Blue"}};
    IOBuffer file;
    file.SetData(data, static_cast<int32_t>(size));
    if (!file.SaveFile(app.profiles.ProfileFilePath("Journey.SAV"))) return 0;
    if (!app.LoadJourney()) return 0;
    // Where the resume choice leads once its transition covers the screen.
    app.SetTransitionSlot(nullptr);
    app.RunTransitionAction(app.CurrentGame() ? TransitionKind::StartGame : TransitionKind::JourneyMap);
    if (Game* game = app.CurrentGame()) {
        game->ResumePlay();
        for (int32_t i = 0; i < kTicksAfterLoad; ++i) game->DoUpdate();
    }
    app.SaveJourney();
    return 0;
}
