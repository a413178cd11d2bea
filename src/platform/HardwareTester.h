#pragma once
// The hardware tester's device work: an accelerated SDL renderer on a hidden
// window of its own, the card's name from the OpenGL driver, and test
// pictures (alpha-blended, additive, clipped, switching textures) drawn into a
// render target and read back. Main thread only; everything it made goes
// with it, before the game makes its own renderer.

#include "platform/HardwareProbe.h"

struct SDL_Renderer;
struct SDL_Window;

class HardwareTester : public HardwareProbe {
public:
    HardwareTester() = default;
    ~HardwareTester() override;
    HardwareTester(const HardwareTester&) = delete;
    HardwareTester& operator=(const HardwareTester&) = delete;

    HardwareIdentity Identify() override;
    HardwareCheckResult RunChecks() override;

    // The card's name in an OpenGL renderer text, without the details drivers
    // append: "llvmpipe (LLVM 15.0.6, 256 bits)" -> "llvmpipe",
    // "NVIDIA GeForce GTX 1080/PCIe/SSE2" -> "NVIDIA GeForce GTX 1080".
    static String CardNameOf(const String& renderer);

private:
    void Close();
    void ReadDriverTexts(HardwareIdentity& identity) const;

    bool mVideoStarted = false;
    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
};
