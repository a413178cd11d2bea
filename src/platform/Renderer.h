#pragma once
// The drawing device: textured, tinted, clipped quads in logical pixels.
// Hardware mode draws with SDL_Renderer's accelerated driver
// (SDL_RenderGeometry) into a target texture of the logical size, which is
// scaled into the window. Safe mode and the headless target draw with our own
// software rasterizer straight at the size the picture has on screen (the
// logical-to-device scale folded into every quad) and show it 1:1 through the
// window's surface, never loading OpenGL. Either way the picture keeps the
// logical aspect, centred with black bars (Letterbox), and the frame can be
// read back at the logical size at any time (screenshots). Main thread only,
// except where a RenderTexture says otherwise. Close it before the window goes.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/DrawList.h"
#include "platform/Letterbox.h"
#include "platform/RenderTexture.h"
#include "platform/RenderVertex.h"
#include "platform/SoftwareRasterizer.h"

class Window;

enum class RendererKind {
    Accelerated,  // hardware mode
    Software,     // safe mode: our rasterizer, shown through the window's surface
    Offscreen,    // no window: our rasterizer into memory at the device size
};

struct RendererSettings {
    static constexpr int32_t kCentred = INT32_MIN;  // window position: centred on the desktop

    RendererKind kind = RendererKind::Offscreen;
    int32_t logicalWidth = 800;
    int32_t logicalHeight = 600;
    int32_t deviceWidth = 800;  // window size in windowed mode; the frame size offscreen
    int32_t deviceHeight = 600;
    int32_t windowX = kCentred;  // where the window's client area starts on the desktop
    int32_t windowY = kCentred;
    bool fullscreen = false;  // the window covers the desktop at its resolution, no mode switch
    bool vsync = false;
};

class Renderer {
public:
    // Whether the first display offers a width x height mode (true when it
    // cannot be asked).
    static bool SupportsMode(int32_t width, int32_t height);

    // `window` may be null only for RendererKind::Offscreen. Answers false and
    // logs the reason when the device cannot be made.
    bool Open(Window* window, const RendererSettings& settings);
    void Close();
    bool IsOpen() const { return mOpen; }
    // Switches the window between full screen and its windowed size.
    void SetFullscreen(bool on);
    // Whether the window covers the desktop now (the desktop may have changed it).
    bool IsFullscreen() const;
    // The window's client area on the desktop while windowed, in points;
    // false without a window.
    bool WindowPlacement(int32_t& x, int32_t& y, int32_t& width, int32_t& height) const;
    // The display's refresh rate in Hz, 60 when unknown.
    int32_t RefreshRate() const;
    // Where the picture sits in the window's pixels (the whole frame offscreen).
    const Letterbox& Placement() const { return mLetterbox; }
    RendererKind Kind() const { return mSettings.kind; }
    // Text naming the device, e.g. "opengl" or "software".
    std::string DeviceDescription() const;

    // Clears the screen to black and starts counting texture swaps.
    void BeginFrame();
    // Shows the frame in the window. Safe mode shows at most one frame per
    // display refresh and skips frames equal to the one shown; offscreen the
    // frame is only drawn.
    void Present();
    int32_t TextureSwaps() const { return mTextureSwaps; }
    // Frames safe mode actually drew and showed since the device opened.
    int64_t FramesShown() const { return mFramesShown; }

    enum class TextureFailure { None, OutOfMemory, Device };
    // The worst texture creation failure since the last call, then None.
    TextureFailure TakeTextureFailure();

    // Logical rectangle outside which nothing is drawn; width <= 0 hides everything.
    void SetClip(int32_t x, int32_t y, int32_t width, int32_t height);
    void ClearClip();

    // Corners in order top-left, top-right, bottom-right, bottom-left.
    // `silhouette` draws the texture's alpha in `colour` alone; otherwise the
    // texels are multiplied by `colour`.
    void DrawQuad(RenderTexture& texture, const RenderVertex corners[4], RenderColour colour, bool silhouette,
                  bool linear);
    // An untextured quad (corners as above, u and v unused).
    void FillQuad(const RenderVertex corners[4], RenderColour colour);

    // The last drawn frame at the logical size, rows top to bottom, 0xAARRGGBB.
    bool ReadPixels(std::vector<uint32_t>& pixels, int32_t& width, int32_t& height);
    // The software frame as drawn at the device size (the logical size in hardware mode).
    bool ReadDevicePixels(std::vector<uint32_t>& pixels, int32_t& width, int32_t& height);

    // Called by RenderTexture only; Retire with the texture's lock held.
    void Register(RenderTexture* texture);
    void Unregister(RenderTexture* texture);
    void Retire(RenderTexture& texture);

private:
    bool OpenWindow(Window& window);
    bool OpenAccelerated();
    // Fits the picture to the window as it is now; safe mode's frame follows.
    void UpdateLayout();
    void* DeviceTexture(RenderTexture& texture, int layer);
    void ReleaseDeviceTextures();
    void DestroyRetired();
    // Draws the frame's list into `target` at `scaleX` x `scaleY` device
    // pixels per logical pixel; `keepPrefix`: from and into mPrefix.
    void Replay(SoftwareRasterizer& target, float scaleX, float scaleY, bool keepPrefix);
    void Run(SoftwareRasterizer& target, const DrawList::Command& command, float scaleX, float scaleY);
    // The device frame up to date with the list.
    void DrawSoftwareFrame();
    bool PresentIsDue();
    void ShowOnSurface();
    static int WatchWindowEvents(void* renderer, union SDL_Event* event);

    RendererSettings mSettings;
    bool mOpen = false;
    bool mSoftware = false;  // drawing with mRasterizer
    SoftwareRasterizer mRasterizer;
    DrawList mDrawList;
    DrawList mLastList;  // the frame before, to see what stays the same
    // The device frame after the first `length` commands of a list whose
    // prefix hash was `hash`: where the next frame with that prefix starts.
    struct PrefixPicture {
        size_t length = 0;
        uint64_t hash = 0;
        std::vector<uint32_t> pixels;
    };
    PrefixPicture mPrefix;
    std::atomic<uint64_t> mFrameNumber{1};  // counts software frames
    struct KeptTexture {
        std::vector<uint32_t> pixels;
        int32_t width = 0, height = 0;
    };
    // By serial: textures destroyed while the frame still lists them (mTexturesLock).
    std::unordered_map<uint64_t, KeptTexture> mKeptTextures;
    uint64_t mDrawnHash = 0;    // the list mRasterizer holds, or 0
    uint64_t mShownHash = 0;    // the list last shown in the window, or 0
    uint32_t mPaceOrigin = 0;   // clock time the pacing counts from
    double mNextPresentMs = 0;  // after mPaceOrigin
    int64_t mFramesShown = 0;
    std::atomic<bool> mExposed{false};  // the desktop wants the window's picture again
    bool mSurfaceFailed = false;        // logged once, not on every frame
    Letterbox mLetterbox;
    Window* mWindowObject = nullptr;
    void* mRenderer = nullptr;  // SDL_Renderer of the window (hardware mode)
    void* mTarget = nullptr;    // SDL_Texture holding the frame for the window (hardware mode)
    void* mWindow = nullptr;    // SDL_Window
    int32_t mRefreshRate = 60;
    uint32_t mGeneration = 1;  // device textures from another generation are stale
    int32_t mTextureSwaps = 0;
    std::atomic<TextureFailure> mTextureFailure{TextureFailure::None};
    const RenderTexture* mLastTexture = nullptr;  // compared only, never followed

    // Textures come and go on any thread. Taken before a texture's own lock, never after.
    std::mutex mTexturesLock;
    std::unordered_set<RenderTexture*> mTextures;
    std::mutex mRetiredLock;      // may be taken with a texture's lock held
    std::vector<void*> mRetired;  // device textures of destroyed or trimmed RenderTextures
};

// The process-wide renderer.
Renderer& GetRenderer();
