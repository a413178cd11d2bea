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

int32_t App::ScriptTick() const {
    // On the virtual clock loading is over before the first step is fed.
    int32_t loadedStep = mInstance.fast ? 1 : mLoadedStep;
    if (loadedStep == 0) return -1;
    return mUpdateCount + 1 - loadedStep;
}

void App::FeedInputScript() {
    if (!mScriptPlayer || mQuit || ScriptTick() < 0) return;
    if (mScriptPlayer->Feed(ScriptTick())) return;
    std::fprintf(stderr, "%s\n", mScriptPlayer->Error().c_str());
    Log::Line("%s", mScriptPlayer->Error().c_str());
    mExitCode = InputScriptPlayer::kExitNoGadget;
    Quit();
}
