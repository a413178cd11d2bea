#pragma once
// The drawing device: textured, tinted, clipped quads on SDL_Renderer.
// Every frame is drawn into a target of the logical screen size, so the last
// frame can be read back at any time (screenshots) and is scaled to the window
// when presented. Without a window the software renderer draws into a memory
// surface (headless runs and tests). Main thread only, except where a
// RenderTexture says otherwise.

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/RenderTexture.h"

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

// One corner of a drawn quad: screen position in logical pixels and the
// texture position in texels.
struct RenderVertex {
    float x = 0, y = 0;
    float u = 0, v = 0;
};

// 8-bit drawing colour.
struct RenderColour {
    uint8_t r = 255, g = 255, b = 255, a = 255;
};

class Renderer {
public:
    // Name of the first accelerated render driver ("opengl", ...), "" when none.
    static const char* AcceleratedDriverName();
    // Whether the first display offers a width x height mode (true when it
    // cannot be asked).
    static bool SupportsMode(int32_t width, int32_t height);

    // `window` may be null only for RendererKind::Offscreen. Answers false and
    // logs the reason when the device cannot be made.
    bool Open(Window* window, const RendererSettings& settings);
    void Close();
    bool IsOpen() const { return mRenderer != nullptr; }
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
    bool OpenOffscreen();
    bool OpenWindow(Window& window);
    void* DeviceTexture(RenderTexture& texture, int layer);
    void ReleaseDeviceTextures();
    void DestroyRetired();

    RendererSettings mSettings;
    void* mRenderer = nullptr;  // SDL_Renderer
    void* mSurface = nullptr;   // SDL_Surface of the offscreen target
    void* mTarget = nullptr;    // SDL_Texture holding the frame when drawing for a window
    void* mWindow = nullptr;    // SDL_Window
    uint32_t mGeneration = 1;   // device textures from another generation are stale
    int32_t mTextureSwaps = 0;
    const RenderTexture* mLastTexture = nullptr;

    std::mutex mTexturesLock;  // guards the two sets below; textures come and go on any thread
    std::unordered_set<RenderTexture*> mTextures;
    std::vector<void*> mRetired;  // device textures of destroyed RenderTextures
};

// The process-wide renderer.
Renderer& GetRenderer();
