#pragma once
// The graphics service: owns the display device, the frame cycle and the
// drawing state (colour, origin offset, clip rectangle, filtering, blend mode)
// that every draw uses. All coordinates are logical pixels of the logical
// screen (800 x 600 in this game), whatever the window size. One per process:
// GetGraphics(). Main thread only, except Atlas()/SetAtlas(), which the loader
// uses while it makes sprites.

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/Colour.h"
#include "core/Rect.h"
#include "core/String.h"
#include "data/DisplaySettings.h"

class RenderTexture;
class TextureAtlas;
class Window;

enum class CursorKind : int32_t { Arrow = 0, Wait = 1, Hand = 2, Text = 3, Custom = 4 };

class Graphics {
public:
    // The device size whenever safe mode is on, in pixels.
    static constexpr int32_t kSafeModeWidth = 640;
    static constexpr int32_t kSafeModeHeight = 480;

    Graphics() = default;
    virtual ~Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // --- display --------------------------------------------------------
    // The logical screen; call before Initialize.
    void SetResolution(int32_t width, int32_t height);
    int32_t Width() const { return mLogicalWidth; }
    int32_t Height() const { return mLogicalHeight; }
    // Reads the display settings of "config.cfg" for the next Initialize;
    // Shutdown stores them back there.
    void LoadSettings(const DisplaySettings::Environment& environment);
    // The settings the next Initialize uses (tests and tools set them directly).
    DisplaySettings& Settings() { return mSettings; }
    const DisplaySettings& Settings() const { return mSettings; }
    // Creates the device for the settings: accelerated, or the software
    // renderer in safe mode, in a window of 640 x 480 unless the last session
    // left it another size; with no window (headless) the software renderer
    // draws into an offscreen target of the logical size. The window can be
    // resized at will: the logical screen is fitted into it with black bars,
    // and mouse messages arrive in logical pixels.
    // False: the program ends (the reason is logged).
    bool Initialize(Window* window);
    // Stores the display settings when they were loaded (asking once whether
    // to keep hardware acceleration) and releases the device.
    void Shutdown();
    bool IsReady() const { return mReady; }

    // Switches between full screen (the desktop's resolution, the picture
    // fitted into it) and windowed at run time.
    bool SetFullscreen(bool on);
    bool IsFullscreen() const { return mSettings.fullscreen; }
    // Records safe mode and display size for the next start of the application.
    void RequestDisplayChange(bool safeMode, int32_t width, int32_t height);
    bool IsSafeMode() const { return mSettings.safeMode; }
    // Drawing with our own rasterizer (safe mode, headless): the pictures'
    // pixels in memory are their only copy.
    bool DrawsInSoftware() const;
    bool IsSafeModeRequired() const { return mSettings.safeModeRequired; }
    // Of the display, in Hz (60 when unknown).
    int32_t RefreshRate() const { return mRefreshRate; }
    void SetVSync(bool on) { mSettings.vsync = on; }

    void SetActive(bool active) { mActive = active; }
    bool IsActive() const { return mActive; }
    void SetMinimised(bool minimised) { mMinimised = minimised; }
    bool IsMinimised() const { return mMinimised; }
    bool IsDeviceLost() const { return false; }  // SDL keeps our textures across focus changes

    // --- frame cycle ----------------------------------------------------
    // Clears the screen, resets the offset and the clip to the whole screen.
    void BeginFrame();
    // Draws the service's own cursor when it is on.
    void EndFrame();
    void Present();
    // Texture changes in the current frame (the debug "SWAPS" line).
    int32_t TextureSwaps() const;

    // --- drawing state --------------------------------------------------
    void SetColour(float r, float g, float b, float a = 1.0f) { mColour = Colour{r, g, b, a}; }
    void SetColour(const Colour& colour) { mColour = colour; }
    const Colour& GetColour() const { return mColour; }
    // Saves the colour; the second form then sets `colour`.
    void PushColour() { mColours.push_back(mColour); }
    void PushColour(const Colour& colour);
    void PopColour();

    // The origin offset added to every drawing position.
    void SetOffset(float x, float y);
    float OffsetX() const { return mOffsetX; }
    float OffsetY() const { return mOffsetY; }
    // Saves the offset; the second form then moves the origin by (dx, dy).
    void PushOffset();
    void PushOffset(float dx, float dy);
    void PopOffset();

    // Clip rectangles are in logical screen coordinates (the offset does not move them).
    void SetClip(const Rect& clip);
    const Rect& GetClip() const { return mClip; }
    // Saves the clip; the second form then narrows it to its overlap with `clip`.
    void PushClip();
    void PushClip(const Rect& clip);
    void PopClip();

    // Linear (smooth) or point (nearest texel) sampling.
    void SetFiltering(bool linear) { mLinear = linear; }
    bool IsFiltering() const { return mLinear; }
    virtual void PushFiltering() { mFilterings.push_back(mLinear); }
    virtual void PopFiltering();

    // 0: texels times the colour; 1: a silhouette, the colour alone with the
    // texels' alpha (shadows, flashes). Callers set 0 again afterwards.
    void SetBlendMode(int32_t mode) { mBlendMode = mode; }
    int32_t BlendMode() const { return mBlendMode; }

    // --- drawing --------------------------------------------------------
    // A rectangle filled with the current colour.
    void FillRect(float x, float y, float width, float height);
    // The part `source` (texels) of `texture` onto the quad `corners`
    // (x, y of top-left, top-right, bottom-right, bottom-left, before the offset).
    void DrawTexture(RenderTexture& texture, const float corners[8], const Rect& source);
    // Plain text in the built-in debug font, top-left at (x, y), in the current colour.
    void DrawDebugText(const String& text, float x, float y);

    // Writes the last drawn frame as an uncompressed 24-bit BMP file. (There
    // is no picture clipboard here: the print-screen key saves one too.)
    bool SaveScreenshot(const String& path);

    // --- cursor ---------------------------------------------------------
    void SetCursorKind(CursorKind kind) { mCursorKind = kind; }
    CursorKind GetCursorKind() const { return mCursorKind; }
    // While on, the service draws the cursor itself at the mouse position
    // (logical pixels) at the end of each frame.
    void SetDrawCursor(bool on) { mDrawCursor = on; }
    bool IsDrawingCursor() const { return mDrawCursor; }
    void SetCursorPosition(float x, float y);

    // --- texture atlases ------------------------------------------------
    // The packing target for sprites made from now on (null: none). Not owned.
    void SetAtlas(TextureAtlas* atlas) { mAtlas = atlas; }
    TextureAtlas* Atlas() const { return mAtlas; }

private:
    void ApplyClip();
    // Keeps the window's place and size, and whether the desktop made it full screen.
    void ReadWindowState();
    // Marks this card as needing safe mode in the hardware test results.
    void RecordSafeModeRequired();

    int32_t mLogicalWidth = 800;
    int32_t mLogicalHeight = 600;
    DisplaySettings mSettings;
    String mConfigPath;           // where LoadSettings read them; empty: never stored
    String mHardwareResultsPath;  // empty: device failures are not recorded
    bool mSafeModeRecorded = false;
    bool mDisplayChangeRequested = false;  // the window's size is the next renderer's own
    int32_t mRefreshRate = 60;
    Window* mWindow = nullptr;
    bool mReady = false;
    bool mActive = true;
    bool mMinimised = false;

    Colour mColour;
    float mOffsetX = 0;
    float mOffsetY = 0;
    Rect mClip{0, 0, 800, 600};
    bool mLinear = true;
    int32_t mBlendMode = 0;
    std::vector<Colour> mColours;
    std::vector<float> mOffsets;  // x, y pairs
    std::vector<Rect> mClips;
    std::vector<bool> mFilterings;

    CursorKind mCursorKind = CursorKind::Arrow;
    bool mDrawCursor = false;
    float mCursorX = 0;
    float mCursorY = 0;
    std::atomic<TextureAtlas*> mAtlas{nullptr};
};

// The process-wide graphics service.
Graphics& GetGraphics();
