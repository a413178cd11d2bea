// The application's seam to the framework services: graphics (drawing,
// display mode, presenting), audio and input. Each service wires itself in
// here; until one exists the application does the least it needs itself.
#include "app/App.h"
#include "core/Log.h"
#include "data/HardwareTest.h"
#include "data/SettingsKeys.h"
#include "media/Audio.h"
#include "media/Graphics.h"
#include "media/InputManager.h"
#include "media/Keyboard.h"
#include "platform/HardwareTesterProcess.h"
#include "platform/MessageBox.h"
#include "platform/Renderer.h"
#include "platform/ResourcePaths.h"

namespace {
constexpr const char* kDevicesFile = "Data/devices.xml";  // in the game data root

// The tester runs in a child process of its own, so the OpenGL driver it
// loads is gone before the game makes its own renderer.
HardwareVerdict TestHardware(const DisplaySettings::Environment& environment, const String& resultsPath,
                             bool headless) {
    HardwareTesterProcess tester;
    return HardwareTest::Run(environment.switches, resultsPath, environment.devicesPath, headless ? nullptr : &tester);
}
}  // namespace

App::DisplayState App::Display() const {
    const Graphics& graphics = GetGraphics();
    const DisplaySettings& settings = graphics.Settings();
    DisplayState state;
    state.ready = graphics.IsReady();
    state.fullScreen = graphics.IsFullscreen();
    state.deviceLost = graphics.IsDeviceLost();
    state.minimised = graphics.IsMinimised() || mWindow.IsMinimised();
    state.refreshRate = graphics.RefreshRate();
    state.safeMode = graphics.IsSafeMode();
    state.width = settings.width;
    state.height = settings.height;
    state.colourDepth = settings.colorDepth;
    return state;
}

bool App::StartServices() {
    if (!mWindow.Exists()) return false;
    // Every resource name resolves through one index of the data tree.
    ResourcePaths::SetDataRoot(mDataRoot);
    Graphics& graphics = GetGraphics();
    DisplaySettings::Environment environment;
    environment.configPath = mConfigPath;
    environment.devicesPath = ResourcePaths::Find(kDevicesFile);
    environment.switches = mInstance.Hardware();
    environment.hardwareResultsPath = mDataFolder + SettingsFile::kHardwareTestResults;
    environment.verdict = TestHardware(environment, environment.hardwareResultsPath, IsHeadless());
    environment.deviceDescription = environment.verdict.deviceDescription;
    environment.supportsMode = [](int32_t width, int32_t height) { return Renderer::SupportsMode(width, height); };
    graphics.LoadSettings(environment);
    // Headless runs draw with the software renderer into memory, so
    // screenshots work without a display.
    if (!graphics.Initialize(IsHeadless() ? nullptr : &mWindow)) return false;
    GetInputManager().Initialize();
    GetKeyboard().Initialize();
    GetAudio().SetUserFolder(mDataFolder);
    GetAudio().Initialize();
    return true;
}

void App::UpdateServices() {
    GetAudio().Update();
    GetKeyboard().Update();
}

void App::StopServices() {
    GetAudio().Shutdown();
    Graphics& graphics = GetGraphics();
    if (!mInstance.screenshotFile.IsEmpty() && !graphics.SaveScreenshot(mInstance.screenshotFile))
        Log::Line("Could not write the screenshot \"%s\"", mInstance.screenshotFile.c_str());
    graphics.Shutdown();
    GetInputManager().Shutdown();
}

void App::SetServicesActive(bool active) {
    GetAudio().SetActive(active);
    GetGraphics().SetActive(active);
}

void App::BeginDraw() {
    if (Display().minimised) return;
    GetGraphics().BeginFrame();
    GetGraphics().SetCursorPosition(mMouseX, mMouseY);
}

void App::EndDraw() {
    if (!Display().minimised) GetGraphics().EndFrame();
}

void App::PresentFrame() { GetGraphics().Present(); }

void App::DrawDebugText(int32_t x, int32_t y, const String& text) {
    GetGraphics().DrawDebugText(text, static_cast<float>(x), static_cast<float>(y));
}

int32_t App::TextureSwapsThisFrame() const { return GetGraphics().TextureSwaps(); }

void App::ToggleFullScreen() {
    Graphics& graphics = GetGraphics();
    graphics.SetFullscreen(!graphics.IsFullscreen());
}

void App::TurnOnDisplayVSync() { GetGraphics().SetVSync(true); }
