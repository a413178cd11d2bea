#pragma once
// The drawing device: textured, tinted, clipped quads. Hardware mode draws
// with SDL_Renderer's accelerated driver (SDL_RenderGeometry) into a target
// texture; safe mode and the headless target draw with our own software
// rasterizer into a frame in memory, which SDL's software renderer shows in
// the window. Either way the frame has the logical size, can be read back at
// any time (screenshots) and is scaled to the window when presented.
// Main thread only, except where a RenderTexture says otherwise. Close it
// before the window goes.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/RenderTexture.h"
#include "platform/RenderVertex.h"
#include "platform/SoftwareRasterizer.h"

class Window;

enum class RendererKind {
    Accelerated,  // hardware mode
    Software,     // safe mode: SDL's software renderer
    Offscreen,    // no window: the software renderer into memory
};

struct RendererSettings {
    RendererKind kind = RendererKind::Offscreen;
    int32_t logicalWidth = 800;
    int32_t logicalHeight = 600;
    int32_t deviceWidth = 800;  // window size in windowed mode
    int32_t deviceHeight = 600;
    bool fullscreen = false;  // the window covers the desktop; the frame is stretched to it
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
    // The display's refresh rate in Hz, 60 when unknown.
    int32_t RefreshRate() const;
    // Size of the picture on screen in pixels (the logical size offscreen).
    void OutputSize(int32_t& width, int32_t& height) const;
    RendererKind Kind() const { return mSettings.kind; }
    // Text naming the device, e.g. "opengl" or "software".
    std::string DeviceDescription() const;

    // Clears the screen to black and starts counting texture swaps.
    void BeginFrame();
    // Shows the frame in the window (nothing for the offscreen target).
    void Present();
    int32_t TextureSwaps() const { return mTextureSwaps; }

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

    // Called by RenderTexture only.
    void Register(RenderTexture* texture);
    void Unregister(RenderTexture* texture);

private:
    bool OpenWindow(Window& window);
    void* DeviceTexture(RenderTexture& texture, int layer);
    void ReleaseDeviceTextures();
    void DestroyRetired();

    RendererSettings mSettings;
    bool mOpen = false;
    bool mSoftware = false;  // drawing with mRasterizer
    SoftwareRasterizer mRasterizer;
    void* mRenderer = nullptr;  // SDL_Renderer of the window
    void* mTarget = nullptr;    // SDL_Texture holding the frame for the window
    void* mWindow = nullptr;    // SDL_Window
    uint32_t mGeneration = 1;   // device textures from another generation are stale
    int32_t mTextureSwaps = 0;
    std::atomic<TextureFailure> mTextureFailure{TextureFailure::None};
    const RenderTexture* mLastTexture = nullptr;  // compared only, never followed

    std::mutex mTexturesLock;  // guards the two sets below; textures come and go on any thread
    std::unordered_set<RenderTexture*> mTextures;
    std::vector<void*> mRetired;  // device textures of destroyed RenderTextures
};

// The process-wide renderer.
Renderer& GetRenderer();
