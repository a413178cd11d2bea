#pragma once
// Stand-in for the application in gadget tests: records cursors and drawing,
// counts loop iterations, and feeds synthetic window events through the real
// dispatch (HandleEvent).

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WindowMessages.h"
#include "ui/GadgetHost.h"
#include "ui/Probe.h"

class StandInHost : public GadgetHost {
public:
    bool IsQuitting() const override { return quitting; }
    void RunLoopIteration() override {
        ++loopIterations;
        if (onLoop) onLoop();
    }
    void ShowCursorKind(CursorKind kind) override { cursor = kind; }
    float MouseScaleX() const override { return scale; }
    float MouseScaleY() const override { return scale; }
    void SetWindowMouseCapture(bool on) override { windowCapture = on; }
    bool IsPointerInWindow() const override { return pointerInWindow; }
    void Beep() override { ++beeps; }
    void BeginGadgetDraw(const Rect& clip, float x, float y) override { clips.push_back(clip); }

    void Send(uint32_t message, int32_t x = 0, int32_t y = 0, uint32_t wparam = 0) {
        HandleEvent(0, message, wparam, PackPoint(x, y));
    }
    void Click(int32_t x, int32_t y) {
        Send(WindowMessage::MouseMove, x, y);
        Send(WindowMessage::LeftButtonDown, x, y);
        Send(WindowMessage::LeftButtonUp, x, y);
    }

    bool quitting = false;
    int32_t loopIterations = 0;
    std::function<void()> onLoop;
    CursorKind cursor = CursorKind::Arrow;
    float scale = 1.0f;
    bool windowCapture = false;
    bool pointerInWindow = true;
    int32_t beeps = 0;
    std::vector<Rect> clips;
};
