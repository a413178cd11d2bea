#include "platform/HardwareTester.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {
// The test pictures: four cells side by side in one render target.
constexpr int kCell = 16;  // pixels per side of a cell
constexpr int kTargetWidth = 4 * kCell;
constexpr int kTargetHeight = kCell;
constexpr int kTextureSide = 4;  // pixels; the test textures are one colour each
// Drivers round blends differently; a channel may be off by this much (of 255).
constexpr int kTolerance = 8;
// The frame target holds the 800 x 600 logical screen, and backgrounds are as large.
constexpr int kTextureSideNeeded = 1024;  // pixels

constexpr int kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

struct Rgb {
    int r, g, b;
};

constexpr Rgb kBackground{32, 64, 96};
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;  // ARGB
constexpr uint32_t kOpaqueYellow = 0xFFFFFF00;
constexpr int kTranslucentAlpha = 128;
constexpr uint32_t kTranslucentRed = static_cast<uint32_t>(kTranslucentAlpha) << 24 | 0x00FF0000;
constexpr SDL_Color kNoTint{255, 255, 255, 255};
constexpr SDL_Color kAddedTint{64, 32, 16, 255};
constexpr SDL_Color kClippedTint{0, 255, 0, 255};
constexpr SDL_Color kSwitchTint{0, 0, 255, 255};

// What a picture should show at one point.
struct Sample {
    const char* check;
    int x, y;
    Rgb expected;
};

int Mix(int source, int alpha, int destination) { return (source * alpha + destination * (255 - alpha) + 127) / 255; }

const std::vector<Sample>& Samples() {
    constexpr int kMiddle = kCell / 2;
    constexpr int kQuarter = kCell / 4;
    static const std::vector<Sample> samples = {
        {"Alpha blending", kMiddle, kMiddle,
         Rgb{Mix(255, kTranslucentAlpha, kBackground.r), Mix(0, kTranslucentAlpha, kBackground.g),
             Mix(0, kTranslucentAlpha, kBackground.b)}},
        {"Additive blending", kCell + kMiddle, kMiddle,
         Rgb{kBackground.r + kAddedTint.r, kBackground.g + kAddedTint.g, kBackground.b + kAddedTint.b}},
        {"Clipping (inside)", 2 * kCell + kQuarter, kMiddle, Rgb{kClippedTint.r, kClippedTint.g, kClippedTint.b}},
        {"Clipping (outside)", 3 * kCell - kQuarter, kMiddle, kBackground},
        {"Texture switching (first)", 3 * kCell + kMiddle, kQuarter, Rgb{kSwitchTint.r, kSwitchTint.g, kSwitchTint.b}},
        {"Texture switching (second)", 3 * kCell + kMiddle, kCell - kQuarter, Rgb{255, 255, 0}},
    };
    return samples;
}

SDL_Texture* MakeTexture(SDL_Renderer* renderer, uint32_t argb) {
    std::vector<uint32_t> pixels(kTextureSide * kTextureSide, argb);
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, kTextureSide, kTextureSide);
    if (texture && SDL_UpdateTexture(texture, nullptr, pixels.data(), kTextureSide * 4) == 0) return texture;
    if (texture) SDL_DestroyTexture(texture);
    return nullptr;
}

// Through SDL_RenderGeometry, as the game draws.
bool DrawRect(SDL_Renderer* renderer, SDL_Texture* texture, SDL_BlendMode mode, SDL_Rect area, SDL_Color tint) {
    float left = static_cast<float>(area.x), top = static_cast<float>(area.y);
    float right = left + static_cast<float>(area.w), bottom = top + static_cast<float>(area.h);
    SDL_Vertex vertices[4] = {{{left, top}, tint, {0, 0}},
                              {{right, top}, tint, {1, 0}},
                              {{right, bottom}, tint, {1, 1}},
                              {{left, bottom}, tint, {0, 1}}};
    return SDL_SetTextureBlendMode(texture, mode) == 0 &&
           SDL_RenderGeometry(renderer, texture, vertices, 4, kQuadIndices, 6) == 0;
}

bool DrawPictures(SDL_Renderer* renderer, SDL_Texture* white, SDL_Texture* red, SDL_Texture* yellow) {
    SDL_SetRenderDrawColor(renderer, kBackground.r, kBackground.g, kBackground.b, 255);
    SDL_Rect clip{2 * kCell, 0, kCell / 2, kCell};
    bool drawn = SDL_RenderClear(renderer) == 0 &&
                 DrawRect(renderer, red, SDL_BLENDMODE_BLEND, {0, 0, kCell, kCell}, kNoTint) &&
                 DrawRect(renderer, white, SDL_BLENDMODE_ADD, {kCell, 0, kCell, kCell}, kAddedTint) &&
                 SDL_RenderSetClipRect(renderer, &clip) == 0 &&
                 DrawRect(renderer, white, SDL_BLENDMODE_BLEND, {2 * kCell, 0, kCell, kCell}, kClippedTint);
    SDL_RenderSetClipRect(renderer, nullptr);
    return drawn && DrawRect(renderer, white, SDL_BLENDMODE_BLEND, {3 * kCell, 0, kCell, kCell / 2}, kSwitchTint) &&
           DrawRect(renderer, yellow, SDL_BLENDMODE_BLEND, {3 * kCell, kCell / 2, kCell, kCell / 2}, kNoTint);
}

void Compare(const std::vector<uint32_t>& pixels, HardwareCheckResult& result) {
    result.drawsCorrectly = true;
    for (const Sample& sample : Samples()) {
        uint32_t pixel = pixels[static_cast<size_t>(sample.y) * kTargetWidth + sample.x];
        Rgb read{static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                 static_cast<int>(pixel & 0xFF)};
        Rgb want{std::min(sample.expected.r, 255), std::min(sample.expected.g, 255), std::min(sample.expected.b, 255)};
        if (std::abs(read.r - want.r) <= kTolerance && std::abs(read.g - want.g) <= kTolerance &&
            std::abs(read.b - want.b) <= kTolerance)
            continue;
        String failure = String::Format("%s: expected %02x%02x%02x, read %02x%02x%02x", sample.check, want.r, want.g,
                                        want.b, read.r, read.g, read.b);
        if (result.drawsCorrectly) {
            result.failReason = failure;
        } else {
            if (!result.warnings.IsEmpty()) result.warnings += "; ";
            result.warnings += failure;
        }
        result.drawsCorrectly = false;
    }
}

String AcceleratedDrivers() {
    String names;
    for (int i = 0, count = SDL_GetNumRenderDrivers(); i < count; ++i) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(i, &info) != 0 || !(info.flags & SDL_RENDERER_ACCELERATED) || !info.name) continue;
        if (!names.IsEmpty()) names += ',';
        names += info.name;
    }
    return names;
}
}  // namespace

HardwareTester::~HardwareTester() { Close(); }

void HardwareTester::Close() {
    if (mRenderer) SDL_DestroyRenderer(mRenderer);
    if (mWindow) SDL_DestroyWindow(mWindow);
    if (mVideoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    mRenderer = nullptr;
    mWindow = nullptr;
    mVideoStarted = false;
}

HardwareIdentity HardwareTester::Identify() {
    Close();
    HardwareIdentity identity;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        identity.failReason = String::Format("No display: %s", SDL_GetError());
        return identity;
    }
    mVideoStarted = true;
    identity.renderDrivers = AcceleratedDrivers();
    mWindow = SDL_CreateWindow("Hardware test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kTargetWidth,
                               kTargetHeight, SDL_WINDOW_HIDDEN);
    if (!mWindow) {
        identity.failReason = String::Format("No test window: %s", SDL_GetError());
        return identity;
    }
    mRenderer = SDL_CreateRenderer(mWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!mRenderer) {
        identity.failReason = String::Format("No accelerated renderer: %s", SDL_GetError());
        return identity;
    }
    identity.accelerated = true;
    ReadDriverTexts(identity);
    return identity;
}

void HardwareTester::ReadDriverTexts(HardwareIdentity& identity) const {
    SDL_RendererInfo info{};
    String driver = SDL_GetRendererInfo(mRenderer, &info) == 0 && info.name ? info.name : "unknown";
    // The OpenGL render drivers leave their context current after creation;
    // other drivers have no texts to offer, and the card goes by the driver's name.
    using GetString = const GLubyte*(APIENTRY*)(GLenum);
    GetString getString =
        SDL_GL_GetCurrentContext() ? reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString")) : nullptr;
    auto text = [getString](GLenum name) {
        const GLubyte* found = getString ? getString(name) : nullptr;
        return found ? String(reinterpret_cast<const char*>(found)) : String();
    };
    String vendor = text(GL_VENDOR);
    String renderer = text(GL_RENDERER);
    String version = text(GL_VERSION);
    SDL_version linked{};
    SDL_GetVersion(&linked);
    String sdl = String::Format("SDL %d.%d.%d %s", linked.major, linked.minor, linked.patch, driver.c_str());
    identity.cardName = renderer.IsEmpty() ? driver : CardNameOf(renderer);
    identity.vendorAndRenderer = renderer.IsEmpty() ? driver : vendor + " " + renderer;
    identity.driverVersion = version.IsEmpty() ? sdl : version + "; " + sdl;
}

HardwareCheckResult HardwareTester::RunChecks() {
    HardwareCheckResult result;
    if (!mRenderer) {
        result.failReason = "No accelerated renderer";
        return result;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(mRenderer, &info);
    if ((info.max_texture_width > 0 && info.max_texture_width < kTextureSideNeeded) ||
        (info.max_texture_height > 0 && info.max_texture_height < kTextureSideNeeded)) {
        result.failReason = String::Format("Largest texture %d x %d, the game needs %d x %d", info.max_texture_width,
                                           info.max_texture_height, kTextureSideNeeded, kTextureSideNeeded);
        return result;
    }
    SDL_Texture* target =
        SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, kTargetWidth, kTargetHeight);
    SDL_Texture* white = MakeTexture(mRenderer, kOpaqueWhite);
    SDL_Texture* red = MakeTexture(mRenderer, kTranslucentRed);
    SDL_Texture* yellow = MakeTexture(mRenderer, kOpaqueYellow);
    std::vector<uint32_t> pixels(static_cast<size_t>(kTargetWidth) * kTargetHeight);
    result.renderTargets =
        target && white && red && yellow && SDL_SetRenderTarget(mRenderer, target) == 0 &&
        DrawPictures(mRenderer, white, red, yellow) &&
        SDL_RenderReadPixels(mRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), kTargetWidth * 4) == 0;
    if (result.renderTargets) {
        Compare(pixels, result);
    } else {
        result.failReason = String::Format("Drawing into a texture failed: %s", SDL_GetError());
    }
    SDL_SetRenderTarget(mRenderer, nullptr);
    for (SDL_Texture* texture : {target, white, red, yellow})
        if (texture) SDL_DestroyTexture(texture);
    return result;
}

String HardwareTester::CardNameOf(const String& renderer) {
    std::string_view text = renderer.view();
    size_t end = text.size();
    for (std::string_view detail : {" (", ";", "/"}) end = std::min(end, text.find(detail));
    String name = String(text.substr(0, end)).Trimmed();
    return name.IsEmpty() ? renderer.Trimmed() : name;
}
