// Plimb Zappets: the process entry point.
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/App.h"
#include "app/AppReport.h"
#include "app/CommandLine.h"
#include "app/InputScript.h"
#include "app/ProcessEntry.h"
#include "board/BoardFactory.h"
#include "core/Log.h"
#include "core/Random.h"
#include "game/PlimbZappetsApp.h"
#include "platform/CrashHandler.h"
#include "platform/HardwareTesterProcess.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/System.h"

namespace {
constexpr int kExitBadCommandLine = 2;
}  // namespace

int main(int argc, char** argv) {
    MapLargeBlocksApart();
    if (argc == 2 && std::string_view(argv[1]) == HardwareTesterProcess::kChildSwitch)
        return HardwareTesterProcess::RunChild();
    CommandLine commandLine;
    if (!commandLine.Parse(argc, argv)) {
        std::fprintf(stderr, "plimb-zappets: %s\n%s", commandLine.Error().c_str(), CommandLine::Usage().c_str());
        return kExitBadCommandLine;
    }
    LaunchOptions options = commandLine.Options();
    if (options.showHelp) {
        std::printf("%s", CommandLine::Usage().c_str());
        return 0;
    }
    if (options.showVersion) {
        std::printf("%s %s\n", PlimbZappetsApp::kName, PlimbZappetsApp::kVersion);
        return 0;
    }

    if (!options.level.IsEmpty() && !HasBoardFor(options.level)) {
        std::fprintf(stderr, "no board for level %s\n", options.level.c_str());
        return kExitBadCommandLine;
    }

    if (!options.inputFile.IsEmpty()) {
        // A malformed script stops everything before the first tick; its seed
        // makes the run repeat the recorded one.
        InputScript script = InputScript::Load(options.inputFile.str());
        if (!script.error.empty()) {
            std::fprintf(stderr, "%s\n", script.error.c_str());
            return kExitBadCommandLine;
        }
        if (script.hasSeed && !options.hasSeed) {
            options.seed = script.seed;
            options.hasSeed = true;
        }
    }
    if (!options.hasSeed) options.seed = static_cast<int32_t>(MillisecondsSinceBoot());

    SetHeadless(options.headless);
    InstallQuitSignals();
    InstallCrashHandler(&ApplyCrashGuard, &CrashReportText);
    GetRandom().Seed(options.seed);

    EntryResult result = RunApplications(
        []() -> std::unique_ptr<App> {
            std::unique_ptr<App> app = std::make_unique<PlimbZappetsApp>();
            app->SetName(PlimbZappetsApp::kName);
            return app;
        },
        options);
    if (options.ticks >= 0) std::printf("updates=%d draws=%d\n", result.updates, result.draws);
    Log::End();
    ShutdownPlatform();
    return result.exitCode;
}
