#include "platform/Renderer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/Log.h"
#include "platform/Clock.h"
#include "platform/SdlWindow.h"

namespace {
SDL_Renderer* AsRenderer(void* p) { return static_cast<SDL_Renderer*>(p); }
SDL_Texture* AsTexture(void* p) { return static_cast<SDL_Texture*>(p); }
SDL_Window* AsWindow(void* p) { return static_cast<SDL_Window*>(p); }

constexpr int kQuadIndices[6] = {0, 1, 2, 0, 2, 3};
constexpr uint32_t kSilhouetteRgb = 0x00FFFFFF;
constexpr uint32_t kBlack = 0xFF000000;
constexpr int32_t kUsualRefreshRate = 60;  // Hz, when the display does not say
constexpr double kMsPerSecond = 1000;
// A window smaller than this shows too little to play.
constexpr int32_t kMinimumWindowWidth = 320;  // points
constexpr int32_t kMinimumWindowHeight = 240;

int32_t Round(float value) { return static_cast<int32_t>(std::lround(value)); }
}  // namespace

Renderer& GetRenderer() {
    static Renderer renderer;
    return renderer;
}

bool Renderer::SupportsMode(int32_t width, int32_t height) {
    int count = SDL_GetNumDisplayModes(0);
    if (count < 1) return true;
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w == width && mode.h == height) return true;
    }
    return false;
}

bool Renderer::Open(Window* window, const RendererSettings& settings) {
    Close();
    mSettings = settings;
    mSettings.logicalWidth = std::clamp(settings.logicalWidth, 1, RenderTexture::kMaxSide);
    mSettings.logicalHeight = std::clamp(settings.logicalHeight, 1, RenderTexture::kMaxSide);
    mSettings.deviceWidth = std::clamp(settings.deviceWidth, 1, RenderTexture::kMaxSide);
    mSettings.deviceHeight = std::clamp(settings.deviceHeight, 1, RenderTexture::kMaxSide);
    mSoftware = settings.kind != RendererKind::Accelerated;
    mDrawList.Clear();
    mLastList.Clear();
    mKeptTextures.clear();
    ++mFrameNumber;
    mPrefix = PrefixPicture{};
    mDrawnHash = mShownHash = 0;
    mFramesShown = 0;
    mPaceOrigin = GetClock().Now();
    mNextPresentMs = 0;
    bool opened = false;
    if (window) {
        opened = OpenWindow(*window);
    } else if (settings.kind == RendererKind::Offscreen) {
        int32_t width = mSettings.deviceWidth, height = mSettings.deviceHeight;
        mLetterbox = Letterbox::Fit(mSettings.logicalWidth, mSettings.logicalHeight, width, height, width, height);
        mRasterizer.Resize(mLetterbox.width, mLetterbox.height);
        opened = true;
    }
    if (!opened) {
        Close();
        return false;
    }
    mOpen = true;
    ++mGeneration;
    return true;
}

bool Renderer::OpenWindow(Window& window) {
    SDL_Window* sdl = SdlWindowOf(window);
    if (!sdl) return false;
    mWindow = sdl;
    mWindowObject = &window;
    // Without this SDL backs the window's surface with an OpenGL texture,
    // which maps the whole GL driver (tens of MiB with llvmpipe) into a
    // process that never uses it. Read once, when the first surface is made.
    if (mSoftware) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetWindowMinimumSize(sdl, kMinimumWindowWidth, kMinimumWindowHeight);
    SDL_SetWindowSize(sdl, mSettings.deviceWidth, mSettings.deviceHeight);
    int32_t x = mSettings.windowX == RendererSettings::kCentred ? SDL_WINDOWPOS_CENTERED : mSettings.windowX;
    int32_t y = mSettings.windowY == RendererSettings::kCentred ? SDL_WINDOWPOS_CENTERED : mSettings.windowY;
    SDL_SetWindowPosition(sdl, x, y);
    SetFullscreen(mSettings.fullscreen);
    if (!mSoftware && !OpenAccelerated()) return false;
    SDL_DisplayMode mode{};
    int display = SDL_GetWindowDisplayIndex(sdl);
    mRefreshRate = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0
                       ? mode.refresh_rate
                       : kUsualRefreshRate;
    SDL_AddEventWatch(&Renderer::WatchWindowEvents, this);
    SDL_ShowWindow(sdl);
    UpdateLayout();
    return true;
}

bool Renderer::OpenAccelerated() {
    SDL_Window* sdl = AsWindow(mWindow);
    uint32_t flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (mSettings.vsync) flags |= SDL_RENDERER_PRESENTVSYNC;
    SDL_Renderer* renderer = SDL_CreateRenderer(sdl, -1, flags);
    mRenderer = renderer;
    if (!renderer) {
        Log::Line("Error[SDL_CreateRenderer]: %s", SDL_GetError());
        return false;
    }
    SDL_Texture* target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                            mSettings.logicalWidth, mSettings.logicalHeight);
    if (!target || SDL_SetRenderTarget(renderer, target) != 0) {
        Log::Line("CreateSurface Error: %s", SDL_GetError());
        if (target) SDL_DestroyTexture(target);
        return false;
    }
    mTarget = target;
    SDL_SetTextureScaleMode(target, SDL_ScaleModeLinear);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    return true;
}

int Renderer::WatchWindowEvents(void* renderer, SDL_Event* event) {
    auto* self = static_cast<Renderer*>(renderer);
    if (event->type != SDL_WINDOWEVENT || !self->mWindow ||
        event->window.windowID != SDL_GetWindowID(AsWindow(self->mWindow)))
        return 0;
    switch (event->window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: self->mExposed = true; break;
        default: break;
    }
    return 0;
}

void Renderer::UpdateLayout() {
    SDL_Window* sdl = AsWindow(mWindow);
    if (!sdl) return;
    int pointsWide = 0, pointsHigh = 0, pixelsWide = 0, pixelsHigh = 0;
    SDL_GetWindowSize(sdl, &pointsWide, &pointsHigh);
    SDL_GetWindowSizeInPixels(sdl, &pixelsWide, &pixelsHigh);
    Letterbox box =
        Letterbox::Fit(mSettings.logicalWidth, mSettings.logicalHeight, pixelsWide, pixelsHigh, pointsWide, pointsHigh);
    if (box == mLetterbox) return;
    mLetterbox = box;
    if (mWindowObject) mWindowObject->SetLetterbox(box);
    if (mSoftware) {
        mRasterizer.Resize(std::min(box.width, RenderTexture::kMaxSide), std::min(box.height, RenderTexture::kMaxSide));
        mDrawnHash = mShownHash = 0;
    }
}

void Renderer::SetFullscreen(bool on) {
    SDL_Window* sdl = AsWindow(mWindow);
    if (sdl && on && !IsFullscreen()) {
        // Leaving full screen goes back to the size the window had.
        SDL_GetWindowSize(sdl, &mSettings.deviceWidth, &mSettings.deviceHeight);
        SDL_GetWindowPosition(sdl, &mSettings.windowX, &mSettings.windowY);
    }
    mSettings.fullscreen = on;
    if (!sdl) return;
    if (SDL_SetWindowFullscreen(sdl, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        Log::Line("Error[SDL_SetWindowFullscreen]: %s", SDL_GetError());
    if (!on) SDL_SetWindowSize(sdl, mSettings.deviceWidth, mSettings.deviceHeight);
    mExposed = true;
}

bool Renderer::IsFullscreen() const {
    if (!mWindow) return mSettings.fullscreen;
    return (SDL_GetWindowFlags(AsWindow(mWindow)) & SDL_WINDOW_FULLSCREEN) != 0;
}

bool Renderer::WindowPlacement(int32_t& x, int32_t& y, int32_t& width, int32_t& height) const {
    SDL_Window* sdl = AsWindow(mWindow);
    if (!sdl) return false;
    x = mSettings.windowX, y = mSettings.windowY;
    width = mSettings.deviceWidth, height = mSettings.deviceHeight;
    if (IsFullscreen()) return true;
    SDL_GetWindowPosition(sdl, &x, &y);
    SDL_GetWindowSize(sdl, &width, &height);
    return true;
}

int32_t Renderer::RefreshRate() const { return mWindow ? mRefreshRate : kUsualRefreshRate; }

void Renderer::Close() {
    if (mRenderer) ReleaseDeviceTextures();
    if (mTarget) SDL_DestroyTexture(AsTexture(mTarget));
    if (mRenderer) SDL_DestroyRenderer(AsRenderer(mRenderer));
    if (mWindow) SDL_DelEventWatch(&Renderer::WatchWindowEvents, this);
    mTarget = nullptr;
    mRenderer = nullptr;
    mWindow = nullptr;
    mWindowObject = nullptr;
    mLetterbox = Letterbox{};
    mOpen = false;
    mLastTexture = nullptr;
    mDrawList.Clear();
    ++mGeneration;
}

std::string Renderer::DeviceDescription() const {
    if (mOpen && mSoftware) return mWindow ? "software" : "software (offscreen)";
    SDL_RendererInfo info{};
    if (!mRenderer || SDL_GetRendererInfo(AsRenderer(mRenderer), &info) != 0 || !info.name) return "none";
    return info.name;
}

Renderer::TextureFailure Renderer::TakeTextureFailure() { return mTextureFailure.exchange(TextureFailure::None); }

void Renderer::BeginFrame() {
    mTextureSwaps = 0;
    mLastTexture = nullptr;
    if (!mOpen) return;
    UpdateLayout();
    if (mSoftware) {
        std::swap(mDrawList, mLastList);
        mDrawList.Clear();
        std::lock_guard<std::mutex> guard(mTexturesLock);
        mKeptTextures.clear();
        ++mFrameNumber;
        return;
    }
    DestroyRetired();
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    SDL_RenderSetClipRect(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

bool Renderer::PresentIsDue() {
    double now = static_cast<int32_t>(GetClock().Now() - mPaceOrigin);
    if (now < mNextPresentMs) return false;
    double period = kMsPerSecond / mRefreshRate;
    // Kept on a steady grid, so 100 frames a second show as 60 evenly; after
    // a quiet spell the grid starts again.
    mNextPresentMs = mNextPresentMs + period < now ? now + period : mNextPresentMs + period;
    return true;
}

void Renderer::Present() {
    if (!mOpen) return;
    if (mSoftware) {
        if (!mWindow) {
            DrawSoftwareFrame();
            return;
        }
        bool exposed = mExposed.exchange(false);
        if (!exposed && (mDrawList.Hash() == mShownHash || !PresentIsDue())) return;
        DrawSoftwareFrame();
        ShowOnSurface();
        mShownHash = mDrawList.Hash();
        ++mFramesShown;
        return;
    }
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_Rect picture{mLetterbox.x, mLetterbox.y, mLetterbox.width, mLetterbox.height};
    SDL_RenderCopy(renderer, AsTexture(mTarget), nullptr, &picture);
    SDL_RenderPresent(renderer);
    SDL_SetRenderTarget(renderer, AsTexture(mTarget));
}

void Renderer::ShowOnSurface() {
    SDL_Window* sdl = AsWindow(mWindow);
    SDL_Surface* surface = SDL_GetWindowSurface(sdl);
    if (!surface) {
        if (!mSurfaceFailed) Log::Line("Error[SDL_GetWindowSurface]: %s", SDL_GetError());
        mSurfaceFailed = true;
        return;
    }
    mSurfaceFailed = false;
    const Letterbox& box = mLetterbox;
    // The bars: above and below, then left and right of the picture.
    uint32_t black = SDL_MapRGB(surface->format, 0, 0, 0);
    SDL_Rect bars[4] = {{0, 0, surface->w, box.y},
                        {0, box.y + box.height, surface->w, surface->h - box.y - box.height},
                        {0, box.y, box.x, box.height},
                        {box.x + box.width, box.y, surface->w - box.x - box.width, box.height}};
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, black);
    int32_t width = std::min(mRasterizer.Width(), surface->w - box.x);
    int32_t height = std::min(mRasterizer.Height(), surface->h - box.y);
    if (width > 0 && height > 0 && SDL_LockSurface(surface) == 0) {
        auto* first = static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(box.y) * surface->pitch +
                      static_cast<size_t>(box.x) * surface->format->BytesPerPixel;
        const SDL_PixelFormat* format = surface->format;
        bool sameLayout = format->BytesPerPixel == 4 && format->Rmask == 0x00FF0000 && format->Gmask == 0x0000FF00 &&
                          format->Bmask == 0x000000FF;
        if (sameLayout) {
            for (int32_t row = 0; row < height; ++row)
                std::memcpy(first + static_cast<size_t>(row) * surface->pitch,
                            mRasterizer.Pixels() + static_cast<size_t>(row) * mRasterizer.Width(),
                            static_cast<size_t>(width) * 4);
        } else {
            SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, mRasterizer.Pixels(), mRasterizer.Width() * 4,
                              format->format, first, surface->pitch);
        }
        SDL_UnlockSurface(surface);
    }
    SDL_UpdateWindowSurface(sdl);
}

void Renderer::SetClip(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!mOpen) return;
    if (mSoftware) {
        mDrawList.AddClip(x, y, width, height);
        return;
    }
    // SDL treats an empty clip as "no clip": an empty one is a rectangle off screen.
    SDL_Rect rect{x, y, width, height};
    if (width <= 0 || height <= 0) rect = SDL_Rect{-2, -2, 1, 1};
    SDL_RenderSetClipRect(AsRenderer(mRenderer), &rect);
}

void Renderer::ClearClip() {
    if (!mOpen) return;
    if (mSoftware) {
        mDrawList.AddClip(0, 0, mSettings.logicalWidth, mSettings.logicalHeight);
        return;
    }
    SDL_RenderSetClipRect(AsRenderer(mRenderer), nullptr);
}

void* Renderer::DeviceTexture(RenderTexture& texture, int layer) {
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    std::lock_guard<std::mutex> guard(texture.mLock);
    RenderTexture::Dirty& dirty = texture.mDirty[layer];
    if (!texture.mDevice[layer] || texture.mDeviceGeneration[layer] != mGeneration) {
        // A device texture of an older generation went with its renderer.
        SDL_Texture* made = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                              texture.mWidth, texture.mHeight);
        if (!made) {
            Log::Line("CreateTexture Error: %s", SDL_GetError());
            // SDL says "Out of memory" for every failed allocation.
            bool outOfMemory = std::strstr(SDL_GetError(), "memory") != nullptr;
            if (!outOfMemory) {
                mTextureFailure = TextureFailure::Device;
            } else if (mTextureFailure == TextureFailure::None) {
                mTextureFailure = TextureFailure::OutOfMemory;
            }
            texture.mDevice[layer] = nullptr;
            return nullptr;
        }
        SDL_SetTextureBlendMode(made, SDL_BLENDMODE_BLEND);
        texture.mDevice[layer] = made;
        texture.mDeviceGeneration[layer] = mGeneration;
        texture.mScaleMode[layer] = -1;
        dirty = RenderTexture::Dirty{0, 0, texture.mWidth, texture.mHeight};
    }
    if (!dirty.IsEmpty() && !texture.mParked) {
        SDL_Rect area{dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top};
        const uint32_t* first = &texture.mPixels[static_cast<size_t>(dirty.top) * texture.mWidth + dirty.left];
        if (layer == 0) {
            SDL_UpdateTexture(AsTexture(texture.mDevice[0]), &area, first, texture.mWidth * 4);
        } else {
            std::vector<uint32_t> white(static_cast<size_t>(area.w) * area.h);
            for (int32_t row = 0; row < area.h; ++row)
                for (int32_t col = 0; col < area.w; ++col)
                    white[static_cast<size_t>(row) * area.w + col] =
                        first[static_cast<size_t>(row) * texture.mWidth + col] | kSilhouetteRgb;
            SDL_UpdateTexture(AsTexture(texture.mDevice[1]), &area, white.data(), area.w * 4);
        }
        dirty = RenderTexture::Dirty{};
    }
    return texture.mDevice[layer];
}

void Renderer::DrawQuad(RenderTexture& texture, const RenderVertex corners[4], RenderColour colour, bool silhouette,
                        bool linear) {
    if (!mOpen) return;
    if (mLastTexture != &texture) {
        ++mTextureSwaps;
        mLastTexture = &texture;
    }
    if (mSoftware) {
        uint32_t version = 0;
        {
            std::lock_guard<std::mutex> guard(texture.mLock);
            version = texture.mVersion;
            texture.mListedInFrame = mFrameNumber;
        }
        mDrawList.AddQuad(texture, texture.mSerial, version, corners, colour, silhouette, linear);
        return;
    }
    int layer = silhouette ? 1 : 0;
    SDL_Texture* device = AsTexture(DeviceTexture(texture, layer));
    if (!device) return;
    int32_t scaleMode = linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    if (texture.mScaleMode[layer] != scaleMode) {
        SDL_SetTextureScaleMode(device, static_cast<SDL_ScaleMode>(scaleMode));
        texture.mScaleMode[layer] = scaleMode;
    }
    float inverseWidth = 1.0f / static_cast<float>(texture.mWidth);
    float inverseHeight = 1.0f / static_cast<float>(texture.mHeight);
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].position = SDL_FPoint{corners[i].x, corners[i].y};
        vertices[i].color = SDL_Color{colour.r, colour.g, colour.b, colour.a};
        vertices[i].tex_coord = SDL_FPoint{corners[i].u * inverseWidth, corners[i].v * inverseHeight};
    }
    SDL_RenderGeometry(AsRenderer(mRenderer), device, vertices, 4, kQuadIndices, 6);
}

void Renderer::FillQuad(const RenderVertex corners[4], RenderColour colour) {
    if (!mOpen) return;
    if (mSoftware) {
        mDrawList.AddFill(corners, colour);
        return;
    }
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].position = SDL_FPoint{corners[i].x, corners[i].y};
        vertices[i].color = SDL_Color{colour.r, colour.g, colour.b, colour.a};
        vertices[i].tex_coord = SDL_FPoint{0, 0};
    }
    SDL_RenderGeometry(AsRenderer(mRenderer), nullptr, vertices, 4, kQuadIndices, 6);
}

void Renderer::Run(SoftwareRasterizer& target, const DrawList::Command& command, float scaleX, float scaleY) {
    RenderVertex corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = RenderVertex{command.corners[i].x * scaleX, command.corners[i].y * scaleY, command.corners[i].u,
                                  command.corners[i].v};
    switch (command.kind) {
        case DrawList::Kind::Clip: {
            const RenderVertex& clip = command.corners[0];
            int32_t left = Round(clip.x * scaleX), top = Round(clip.y * scaleY);
            int32_t right = Round((clip.x + std::max(clip.u, 0.0f)) * scaleX);
            int32_t bottom = Round((clip.y + std::max(clip.v, 0.0f)) * scaleY);
            target.SetClip(left, top, right - left, bottom - top);
            break;
        }
        case DrawList::Kind::Fill: target.FillQuad(corners, command.colour); break;
        case DrawList::Kind::Quad: {
            if (mTextures.count(command.texture) && command.texture->mSerial == command.serial) {
                RenderTexture& texture = *command.texture;
                std::lock_guard<std::mutex> pixels(texture.mLock);
                if (texture.mParked) break;
                SoftwareRasterizer::Source source{texture.mPixels.data(), texture.mWidth, texture.mHeight};
                target.DrawQuad(source, corners, command.colour, command.silhouette, command.linear);
                break;
            }
            // Destroyed since it was listed: its pixels were kept for the frame.
            auto kept = mKeptTextures.find(command.serial);
            if (kept == mKeptTextures.end() || kept->second.pixels.empty()) break;
            SoftwareRasterizer::Source source{kept->second.pixels.data(), kept->second.width, kept->second.height};
            target.DrawQuad(source, corners, command.colour, command.silhouette, command.linear);
            break;
        }
    }
}

void Renderer::Replay(SoftwareRasterizer& target, float scaleX, float scaleY, bool keepPrefix) {
    const std::vector<DrawList::Command>& commands = mDrawList.Commands();
    // Held throughout, so no texture of the list can go while it is drawn from.
    std::lock_guard<std::mutex> registered(mTexturesLock);
    size_t start = 0;
    target.ClearClip();
    if (keepPrefix && mPrefix.length > 0 && mPrefix.length <= commands.size() &&
        mDrawList.PrefixHash(mPrefix.length) == mPrefix.hash && target.Restore(mPrefix.pixels)) {
        start = mPrefix.length;
        for (size_t i = start; i-- > 0;) {
            if (commands[i].kind != DrawList::Kind::Clip) continue;
            Run(target, commands[i], scaleX, scaleY);
            break;
        }
    } else {
        target.Clear(kBlack);
    }
    // What stayed the same since the last frame (usually the backgrounds) is
    // likely to stay the same in the next: its picture is kept.
    size_t keepAt = keepPrefix ? mDrawList.CommonPrefix(mLastList) : 0;
    auto keep = [&](size_t length) {
        mPrefix.length = length;
        mPrefix.hash = mDrawList.PrefixHash(length);
        mPrefix.pixels.assign(target.Pixels(), target.Pixels() + static_cast<size_t>(target.Width()) * target.Height());
    };
    for (size_t i = start; i < commands.size(); ++i) {
        if (i == keepAt && keepAt > start) keep(i);
        Run(target, commands[i], scaleX, scaleY);
    }
    if (keepAt == commands.size() && keepAt > start) keep(keepAt);
}

void Renderer::DrawSoftwareFrame() {
    if (mDrawnHash == mDrawList.Hash()) return;
    Replay(mRasterizer, mLetterbox.ScaleX(), mLetterbox.ScaleY(), true);
    mDrawnHash = mDrawList.Hash();
}

bool Renderer::ReadDevicePixels(std::vector<uint32_t>& pixels, int32_t& width, int32_t& height) {
    if (!mOpen || !mSoftware) return ReadPixels(pixels, width, height);
    DrawSoftwareFrame();
    width = mRasterizer.Width();
    height = mRasterizer.Height();
    pixels.assign(mRasterizer.Pixels(), mRasterizer.Pixels() + static_cast<size_t>(width) * height);
    return true;
}

bool Renderer::ReadPixels(std::vector<uint32_t>& pixels, int32_t& width, int32_t& height) {
    if (!mOpen) return false;
    width = mSettings.logicalWidth;
    height = mSettings.logicalHeight;
    if (mSoftware) {
        if (mRasterizer.Width() == width && mRasterizer.Height() == height)
            return ReadDevicePixels(pixels, width, height);
        // Drawn once more at the logical size, so screenshots are the same picture at any window size.
        SoftwareRasterizer logical;
        logical.Resize(width, height);
        Replay(logical, 1, 1, false);
        pixels.assign(logical.Pixels(), logical.Pixels() + static_cast<size_t>(width) * height);
        return true;
    }
    pixels.assign(static_cast<size_t>(width) * height, 0);
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    SDL_Rect saved;
    SDL_RenderGetClipRect(renderer, &saved);
    SDL_RenderSetClipRect(renderer, nullptr);
    int result = SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4);
    if (!SDL_RectEmpty(&saved)) SDL_RenderSetClipRect(renderer, &saved);
    if (result != 0) {
        Log::Line("Could not read the screen: %s", SDL_GetError());
        return false;
    }
    return true;
}

void Renderer::Register(RenderTexture* texture) {
    std::lock_guard<std::mutex> guard(mTexturesLock);
    mTextures.insert(texture);
}

void Renderer::Unregister(RenderTexture* texture) {
    {
        std::lock_guard<std::mutex> guard(mTexturesLock);
        mTextures.erase(texture);
        // Drawn from this frame and gone before the frame was: the frame keeps its pixels.
        std::lock_guard<std::mutex> pixels(texture->mLock);
        if (texture->mListedInFrame == mFrameNumber)
            mKeptTextures[texture->mSerial] =
                KeptTexture{std::move(texture->mPixels), texture->mWidth, texture->mHeight.load()};
    }
    std::lock_guard<std::mutex> guard(mRetiredLock);
    for (int layer = 0; layer < 2; ++layer)
        if (texture->mDevice[layer] && texture->mDeviceGeneration[layer] == mGeneration)
            mRetired.push_back(texture->mDevice[layer]);
}

void Renderer::Retire(RenderTexture& texture) {
    std::lock_guard<std::mutex> guard(mRetiredLock);
    for (int layer = 0; layer < 2; ++layer) {
        if (texture.mDevice[layer] && texture.mDeviceGeneration[layer] == mGeneration)
            mRetired.push_back(texture.mDevice[layer]);
        texture.mDevice[layer] = nullptr;
    }
}

void Renderer::ReleaseDeviceTextures() {
    DestroyRetired();
    std::lock_guard<std::mutex> guard(mTexturesLock);
    for (RenderTexture* texture : mTextures) {
        std::lock_guard<std::mutex> pixels(texture->mLock);
        for (int layer = 0; layer < 2; ++layer) {
            if (texture->mDevice[layer] && texture->mDeviceGeneration[layer] == mGeneration)
                SDL_DestroyTexture(AsTexture(texture->mDevice[layer]));
            texture->mDevice[layer] = nullptr;
        }
    }
}

void Renderer::DestroyRetired() {
    std::vector<void*> retired;
    {
        std::lock_guard<std::mutex> guard(mRetiredLock);
        retired.swap(mRetired);
    }
    for (void* texture : retired) SDL_DestroyTexture(AsTexture(texture));
}
