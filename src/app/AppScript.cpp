// Input scripts and recordings of the application (App.h).
#include <cstdio>

#include "app/App.h"
#include "app/InputScriptPlayer.h"
#include "core/Log.h"

namespace {
constexpr int32_t kExitBadScript = 2;
}

bool App::StartInputScript() {
    if (!mInstance.inputFile.IsEmpty()) {
        InputScript script = InputScript::Load(mInstance.inputFile.str());
        if (!script.error.empty()) {
            std::fprintf(stderr, "%s\n", script.error.c_str());
            Log::Line("%s", script.error.c_str());
            mExitCode = kExitBadScript;
            return false;
        }
        mScriptPlayer = std::make_unique<InputScriptPlayer>(*this, std::move(script));
    }
    if (!mInstance.recordFile.IsEmpty()) {
        mRecorder = std::make_unique<InputRecorder>();
        if (!mRecorder->Open(mInstance.recordFile.str(), mInstance.seed)) {
            Log::Line("Could not write the recording \"%s\"", mInstance.recordFile.c_str());
            mRecorder.reset();
        }
    }
    return true;
}

void App::FeedInputScript() {
    if (!mScriptPlayer || mQuit) return;
    if (mScriptPlayer->Feed(mUpdateCount)) return;
    std::fprintf(stderr, "%s\n", mScriptPlayer->Error().c_str());
    Log::Line("%s", mScriptPlayer->Error().c_str());
    mExitCode = InputScriptPlayer::kExitNoGadget;
    Quit();
}
