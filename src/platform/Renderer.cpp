#include "platform/Renderer.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "core/Log.h"
#include "platform/SdlWindow.h"

namespace {
SDL_Renderer* AsRenderer(void* p) { return static_cast<SDL_Renderer*>(p); }
SDL_Texture* AsTexture(void* p) { return static_cast<SDL_Texture*>(p); }

constexpr int kQuadIndices[6] = {0, 1, 2, 0, 2, 3};
constexpr uint32_t kSilhouetteRgb = 0x00FFFFFF;
constexpr uint32_t kBlack = 0xFF000000;
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
    mSoftware = settings.kind != RendererKind::Accelerated;
    if (mSoftware) mRasterizer.Resize(mSettings.logicalWidth, mSettings.logicalHeight);
    bool opened = window ? OpenWindow(*window) : settings.kind == RendererKind::Offscreen;
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
    SDL_SetWindowSize(sdl, mSettings.deviceWidth, mSettings.deviceHeight);
    SDL_SetWindowPosition(sdl, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SetFullscreen(mSettings.fullscreen);
    uint32_t flags = mSoftware ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    if (mSettings.vsync) flags |= SDL_RENDERER_PRESENTVSYNC;
    SDL_Renderer* renderer = SDL_CreateRenderer(sdl, -1, flags);
    mRenderer = renderer;
    if (!renderer) {
        Log::Line("Error[SDL_CreateRenderer]: %s", SDL_GetError());
        return false;
    }
    // Hardware mode draws into a target texture; safe mode draws in memory
    // and streams the frame to the window when presenting.
    SDL_Texture* target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                            mSoftware ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_TARGET,
                                            mSettings.logicalWidth, mSettings.logicalHeight);
    if (!target || (!mSoftware && SDL_SetRenderTarget(renderer, target) != 0)) {
        Log::Line("CreateSurface Error: %s", SDL_GetError());
        if (target) SDL_DestroyTexture(target);
        return false;
    }
    mTarget = target;
    SDL_SetTextureScaleMode(target, SDL_ScaleModeLinear);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_ShowWindow(sdl);
    return true;
}

void Renderer::SetFullscreen(bool on) {
    mSettings.fullscreen = on;
    if (!mWindow) return;
    SDL_Window* sdl = static_cast<SDL_Window*>(mWindow);
    if (SDL_SetWindowFullscreen(sdl, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        Log::Line("Error[SDL_SetWindowFullscreen]: %s", SDL_GetError());
    if (!on) SDL_SetWindowSize(sdl, mSettings.deviceWidth, mSettings.deviceHeight);
}

int32_t Renderer::RefreshRate() const {
    constexpr int32_t kUsualRefreshRate = 60;
    SDL_DisplayMode mode{};
    if (!mWindow) return kUsualRefreshRate;
    int display = SDL_GetWindowDisplayIndex(static_cast<SDL_Window*>(mWindow));
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0 || mode.refresh_rate <= 0)
        return kUsualRefreshRate;
    return mode.refresh_rate;
}

void Renderer::OutputSize(int32_t& width, int32_t& height) const {
    width = mSettings.logicalWidth;
    height = mSettings.logicalHeight;
    if (mWindow) SDL_GetWindowSize(static_cast<SDL_Window*>(mWindow), &width, &height);
}

void Renderer::Close() {
    if (mRenderer) ReleaseDeviceTextures();
    if (mTarget) SDL_DestroyTexture(AsTexture(mTarget));
    if (mRenderer) SDL_DestroyRenderer(AsRenderer(mRenderer));
    mTarget = nullptr;
    mRenderer = nullptr;
    mWindow = nullptr;
    mOpen = false;
    mLastTexture = nullptr;
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
    if (mSoftware) {
        mRasterizer.ClearClip();
        mRasterizer.Clear(kBlack);
        return;
    }
    DestroyRetired();
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    SDL_RenderSetClipRect(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

void Renderer::Present() {
    if (!mOpen || !mWindow) return;
    SDL_Renderer* renderer = AsRenderer(mRenderer);
    if (mSoftware) {
        SDL_UpdateTexture(AsTexture(mTarget), nullptr, mRasterizer.Pixels(), mRasterizer.Width() * 4);
        SDL_RenderCopy(renderer, AsTexture(mTarget), nullptr, nullptr);
        SDL_RenderPresent(renderer);
        return;
    }
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_RenderCopy(renderer, AsTexture(mTarget), nullptr, nullptr);
    SDL_RenderPresent(renderer);
    SDL_SetRenderTarget(renderer, AsTexture(mTarget));
}

void Renderer::SetClip(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!mOpen) return;
    if (mSoftware) {
        mRasterizer.SetClip(x, y, width, height);
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
        mRasterizer.ClearClip();
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
    if (!dirty.IsEmpty()) {
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
        std::lock_guard<std::mutex> guard(texture.mLock);
        SoftwareRasterizer::Source source{texture.mPixels.data(), texture.mWidth, texture.mHeight};
        mRasterizer.DrawQuad(source, corners, colour, silhouette, linear);
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
        mRasterizer.FillQuad(corners, colour);
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

bool Renderer::ReadPixels(std::vector<uint32_t>& pixels, int32_t& width, int32_t& height) {
    if (!mOpen) return false;
    width = mSettings.logicalWidth;
    height = mSettings.logicalHeight;
    if (mSoftware) {
        pixels.assign(mRasterizer.Pixels(), mRasterizer.Pixels() + static_cast<size_t>(width) * height);
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
    std::lock_guard<std::mutex> guard(mTexturesLock);
    mTextures.erase(texture);
    for (int layer = 0; layer < 2; ++layer)
        if (texture->mDevice[layer] && texture->mDeviceGeneration[layer] == mGeneration)
            mRetired.push_back(texture->mDevice[layer]);
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
        std::lock_guard<std::mutex> guard(mTexturesLock);
        retired.swap(mRetired);
    }
    for (void* texture : retired) SDL_DestroyTexture(AsTexture(texture));
}
