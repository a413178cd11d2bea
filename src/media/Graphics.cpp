#include "media/Graphics.h"

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "media/BmpFile.h"
#include "media/CursorArt.h"
#include "media/DebugFont.h"
#include "platform/Renderer.h"

namespace {
uint8_t ToByte(float value) { return static_cast<uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f); }

RenderColour ToRenderColour(const Colour& colour) {
    return RenderColour{ToByte(colour.r), ToByte(colour.g), ToByte(colour.b), ToByte(colour.a)};
}
}  // namespace

Graphics& GetGraphics() {
    static Graphics graphics;
    return graphics;
}

void Graphics::SetResolution(int32_t width, int32_t height) {
    mLogicalWidth = std::clamp(width, 1, RenderTexture::kMaxSide);
    mLogicalHeight = std::clamp(height, 1, RenderTexture::kMaxSide);
    mClip = Rect{0, 0, static_cast<float>(mLogicalWidth), static_cast<float>(mLogicalHeight)};
}

bool Graphics::Initialize(Window* window) {
    GetRenderer().Close();
    mReady = false;
    mWindow = window;
    RendererSettings settings;
    settings.logicalWidth = mLogicalWidth;
    settings.logicalHeight = mLogicalHeight;
    settings.deviceWidth = mSettings.safeMode ? kSafeModeWidth : mSettings.width;
    settings.deviceHeight = mSettings.safeMode ? kSafeModeHeight : mSettings.height;
    if (!window) {
        settings.deviceWidth = mLogicalWidth;
        settings.deviceHeight = mLogicalHeight;
    } else if (mSettings.windowWidth > 0 && mSettings.windowHeight > 0) {
        settings.deviceWidth = mSettings.windowWidth;
        settings.deviceHeight = mSettings.windowHeight;
        settings.windowX = mSettings.windowX;
        settings.windowY = mSettings.windowY;
    }
    settings.fullscreen = mSettings.fullscreen;
    settings.vsync = mSettings.vsync;
    settings.kind = !window              ? RendererKind::Offscreen
                    : mSettings.safeMode ? RendererKind::Software
                                         : RendererKind::Accelerated;
    Renderer& renderer = GetRenderer();
    if (!renderer.Open(window, settings) && settings.kind == RendererKind::Accelerated) {
        // No usable accelerated renderer: this run and the next use safe mode.
        mSettings.safeMode = mSettings.safeModeRequired = true;
        RecordSafeModeRequired();
        return Initialize(window);
    }
    if (!renderer.IsOpen()) return false;
    mRefreshRate = renderer.RefreshRate();
    const Letterbox& placement = renderer.Placement();
    Log::Line("Graphics: %s renderer, %dx%d logical, shown at %dx%d", renderer.DeviceDescription().c_str(),
              mLogicalWidth, mLogicalHeight, placement.width, placement.height);
    mReady = true;
    return true;
}

void Graphics::ReadWindowState() {
    if (!mReady || !mWindow) return;
    Renderer& renderer = GetRenderer();
    mSettings.fullscreen = renderer.IsFullscreen();
    int32_t width = 0, height = 0;
    renderer.WindowPlacement(mSettings.windowX, mSettings.windowY, width, height);
    if (mDisplayChangeRequested) return;
    mSettings.windowWidth = width;
    mSettings.windowHeight = height;
}

void Graphics::LoadSettings(const DisplaySettings::Environment& environment) {
    mSettings = DisplaySettings::Read(environment);
    mConfigPath = environment.configPath;
    mHardwareResultsPath = environment.hardwareResultsPath;
}

void Graphics::Shutdown() {
    ReadWindowState();
    if (!mConfigPath.IsEmpty()) mSettings.StoreAtExit(mConfigPath);
    mConfigPath = String();
    if (!mReady) return;
    GetRenderer().Close();
    mReady = false;
    mWindow = nullptr;
}

bool Graphics::DrawsInSoftware() const {
    return GetRenderer().IsOpen() && GetRenderer().Kind() != RendererKind::Accelerated;
}

bool Graphics::SetFullscreen(bool on) {
    mSettings.fullscreen = on;
    if (!mReady) return true;
    GetRenderer().SetFullscreen(on);
    return true;
}

void Graphics::RequestDisplayChange(bool safeMode, int32_t width, int32_t height) {
    mSettings.safeMode = safeMode;
    mSettings.width = width;
    mSettings.height = height;
    // The other renderer starts at its own window size.
    mSettings.windowWidth = mSettings.windowHeight = 0;
    mDisplayChangeRequested = true;
}

void Graphics::BeginFrame() {
    if (mReady && mWindow) mSettings.fullscreen = GetRenderer().IsFullscreen();
    GetRenderer().BeginFrame();
    mOffsetX = mOffsetY = 0;
    mOffsets.clear();
    mClips.clear();
    SetClip(Rect{0, 0, static_cast<float>(mLogicalWidth), static_cast<float>(mLogicalHeight)});
}

void Graphics::EndFrame() {
    if (!mDrawCursor) return;
    PushColour(Colour{});
    int32_t blendMode = mBlendMode;
    mBlendMode = 0;
    float offsetX = mOffsetX, offsetY = mOffsetY;
    mOffsetX = mOffsetY = 0;
    CursorArt::Draw(mCursorKind, mCursorX, mCursorY);
    mOffsetX = offsetX, mOffsetY = offsetY;
    mBlendMode = blendMode;
    PopColour();
}

void Graphics::Present() {
    GetRenderer().Present();
    // A card that fails to make a texture for any reason but memory (or
    // while safe mode was advised anyway) is not trusted again.
    Renderer::TextureFailure failure = GetRenderer().TakeTextureFailure();
    if (failure == Renderer::TextureFailure::Device ||
        (failure == Renderer::TextureFailure::OutOfMemory && mSettings.safeModeRecommended))
        RecordSafeModeRequired();
}

void Graphics::RecordSafeModeRequired() {
    if (mHardwareResultsPath.IsEmpty() || mSafeModeRecorded) return;
    HardwareVerdict::RecordSafeModeRequired(mHardwareResultsPath);
    mSafeModeRecorded = true;
}

int32_t Graphics::TextureSwaps() const { return GetRenderer().TextureSwaps(); }

void Graphics::PushColour(const Colour& colour) {
    mColours.push_back(mColour);
    mColour = colour;
}

void Graphics::PopColour() {
    if (mColours.empty()) return;
    mColour = mColours.back();
    mColours.pop_back();
}

void Graphics::SetOffset(float x, float y) {
    mOffsetX = x;
    mOffsetY = y;
}

void Graphics::PushOffset() {
    mOffsets.push_back(mOffsetX);
    mOffsets.push_back(mOffsetY);
}

void Graphics::PushOffset(float dx, float dy) {
    PushOffset();
    mOffsetX += dx;
    mOffsetY += dy;
}

void Graphics::PopOffset() {
    if (mOffsets.size() < 2) return;
    mOffsetY = mOffsets.back();
    mOffsets.pop_back();
    mOffsetX = mOffsets.back();
    mOffsets.pop_back();
}

void Graphics::SetClip(const Rect& clip) {
    mClip = clip;
    ApplyClip();
}

void Graphics::PushClip() { mClips.push_back(mClip); }

void Graphics::PushClip(const Rect& clip) {
    PushClip();
    SetClip(mClip.Intersect(clip));
}

void Graphics::PopClip() {
    if (mClips.empty()) return;
    mClip = mClips.back();
    mClips.pop_back();
    ApplyClip();
}

void Graphics::ApplyClip() {
    int32_t left = static_cast<int32_t>(std::lround(mClip.x));
    int32_t top = static_cast<int32_t>(std::lround(mClip.y));
    int32_t right = static_cast<int32_t>(std::lround(mClip.Right()));
    int32_t bottom = static_cast<int32_t>(std::lround(mClip.Bottom()));
    GetRenderer().SetClip(left, top, right - left, bottom - top);
}

void Graphics::PopFiltering() {
    if (mFilterings.empty()) return;
    mLinear = mFilterings.back();
    mFilterings.pop_back();
}

void Graphics::FillRect(float x, float y, float width, float height) {
    x += mOffsetX;
    y += mOffsetY;
    RenderVertex corners[4] = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}};
    GetRenderer().FillQuad(corners, ToRenderColour(mColour));
}

void Graphics::DrawTexture(RenderTexture& texture, const float corners[8], const Rect& source) {
    RenderVertex quad[4] = {
        {corners[0] + mOffsetX, corners[1] + mOffsetY, source.x, source.y},
        {corners[2] + mOffsetX, corners[3] + mOffsetY, source.Right(), source.y},
        {corners[4] + mOffsetX, corners[5] + mOffsetY, source.Right(), source.Bottom()},
        {corners[6] + mOffsetX, corners[7] + mOffsetY, source.x, source.Bottom()},
    };
    GetRenderer().DrawQuad(texture, quad, ToRenderColour(mColour), mBlendMode == 1, mLinear);
}

void Graphics::DrawDebugText(const String& text, float x, float y) { DebugFont::Draw(text, x, y); }

bool Graphics::SaveScreenshot(const String& path) {
    std::vector<uint32_t> pixels;
    int32_t width = 0, height = 0;
    if (!GetRenderer().ReadPixels(pixels, width, height)) return false;
    return BmpFile::Write(path, pixels.data(), width, height);
}

void Graphics::SetCursorPosition(float x, float y) {
    mCursorX = x;
    mCursorY = y;
}
