// Start-up: folders, single instance, window and services.
#include "app/App.h"
#include "app/DataRootCheck.h"
#include "core/Log.h"
#include "data/Registry.h"
#include "data/SettingsKeys.h"
#include "platform/CrashHandler.h"
#include "platform/Folders.h"
#include "platform/GameController.h"
#include "platform/ScreenSaver.h"

namespace {
constexpr int32_t kWindowX = 64, kWindowY = 64;        // windowed start position
constexpr int32_t kFullScreenX = 1, kFullScreenY = 1;  // full-screen start position
constexpr int32_t kInitialWindowSize = 256;            // the graphics service sizes it later
constexpr const char* kCacheFolder = "cached/";
constexpr const char* kCacheInfoFile = "cacheinfo.cfg";
}  // namespace

void App::Initialize(const LaunchOptions& launch) {
    // The launch options come first: the data folder may be overridden there.
    mInstance = launch;
    if (launch.fast) SetClock(&mFastClock);
    SetupFolders();
    mCommandLine = launch.commandLine.Lower();
    // The parsed switch, not a substring: "-crash" inside a folder name must
    // not crash the game.
    if (launch.crash) RaiseAccessFault();
    CreateCursors();
    mNotifyMessage = WindowMessage::InstanceNotify;
    // Before anything writes into the data folder: a second copy must leave
    // the running one's log and image cache alone.
    if (mMutex.Acquire(mDataFolder, mName) == SingleInstance::Result::AlreadyRunning) {
        mSecondCopy = true;
        mQuit = true;
        return;
    }
    Log::SetPath(mDataFolder + "DEBUG.TXT");
    Log::Line("%s %s starting; data folder \"%s\"", mName.c_str(), mVersion.c_str(), mDataFolder.c_str());
    if (!FindDataRoot()) return;
    CheckImageCache();
    CreateAppWindow();
    if (!StartServices() || !StartInputScript()) Quit();
}

void App::SetupFolders() {
    mDataFolder = ChooseDataFolder(mName, mInstance.userFolder);
    mConfigPath = mDataFolder + SettingsFile::kConfig;
    SetCrashReportFolder(mDataFolder);
}

// Without its data the game would raise an error box for every file it loads;
// it stops here, before the window opens, with one message instead.
bool App::FindDataRoot() {
    DataRootCheck check(mInstance.dataFolder, ExecutableFolder());
    mDataRoot = check.Root();
    if (check.Report()) {
        Log::Line("Game data \"%s\"", mDataRoot.c_str());
        return true;
    }
    mNoGameData = true;
    mExitCode = DataRootCheck::kExitNoGameData;
    mQuit = true;
    return false;
}

void App::CheckImageCache() {
    String cache = mDataFolder + kCacheFolder;
    if (!mUseCache) {
        DeleteFolderTree(cache);
        return;
    }
    Registry info;
    info.Load(cache + kCacheInfoFile);
    if (!info.Has(SettingsKey::kCacheVersion) ||
        !info.GetString(SettingsKey::kCacheVersion).EqualsIgnoreCase(mVersion.view())) {
        info.Close();
        DeleteFolderTree(cache);
        CreateFolders(cache);
        info.Load(cache + kCacheInfoFile);
    }
    info.SetString(SettingsKey::kCacheVersion, mVersion);
    info.Save();
}

void App::CreateAppWindow() {
    bool fullScreen = Display().fullScreen;
    String caption = String::Format("%s %s", mTitle.c_str(), mVersion.c_str());
    int32_t x = fullScreen ? kFullScreenX : kWindowX;
    int32_t y = fullScreen ? kFullScreenY : kWindowY;
    if (!mWindow.Create(caption, x, y, kInitialWindowSize, kInitialWindowSize)) return;
    LoadSystemCursors();
    CreateCursors();
    SetCursor(mArrowCursor);
    // A frameless window is shown at once; the others wait for the graphics
    // service to size them.
    if (!fullScreen && !mFramedWindow) mWindow.Show();
    // The screen saver is held off only while a level is played (the game
    // says when); pads plugged in now announce themselves with the events below.
    AllowScreenSaver(true);
    GetGameControllers().Start();
    WindowEvent event;
    while (!mQuit && mWindow.PollEvent(event)) WindowProcedure(event);
}
