#include "app/InputScriptPlayer.h"

#include <algorithm>
#include <cmath>

#include "app/App.h"
#include "core/Log.h"
#include "media/Graphics.h"
#include "platform/KeyNames.h"
#include "ui/Gadget.h"

namespace {

constexpr uint32_t kDownMessages[] = {WindowMessage::LeftButtonDown, WindowMessage::RightButtonDown,
                                      WindowMessage::MiddleButtonDown};
constexpr uint32_t kUpMessages[] = {WindowMessage::LeftButtonUp, WindowMessage::RightButtonUp,
                                    WindowMessage::MiddleButtonUp};
constexpr uint32_t kButtonFlags[] = {MouseKeys::Left, MouseKeys::Right, MouseKeys::Middle};
constexpr uint32_t kKeyUpFlags = KeyFlags::RepeatOne | KeyFlags::WasDown | KeyFlags::Releasing;

// The character a tapped key types, 0 for none.
uint32_t CharacterOf(uint32_t key) {
    if (key >= VirtualKey::LetterA && key < VirtualKey::LetterA + 26) return key - VirtualKey::LetterA + 'a';
    if (key >= VirtualKey::Digit0 && key < VirtualKey::Digit0 + 10) return key;
    switch (key) {
        case VirtualKey::Return:
        case VirtualKey::Back:
        case VirtualKey::Tab:
        case VirtualKey::Escape:
        case VirtualKey::Space: return key;
        default: return 0;
    }
}

Gadget* FindIn(GadgetManager& manager, const std::string& name) {
    for (int32_t i = manager.Count() - 1; i >= 0; --i) {
        Gadget* gadget = manager.GadgetAtIndex(i);
        if (!gadget || gadget->mKilled || gadget->mHidden || gadget->mDisabled) continue;
        if (gadget->mChildren)
            if (Gadget* inside = FindIn(*gadget->mChildren, name)) return inside;
        if (gadget->mLabel == name.c_str()) return gadget;
    }
    return nullptr;
}

int32_t ButtonOf(uint32_t message) {
    for (int32_t i = 0; i < 3; ++i)
        if (message == kDownMessages[i] || message == kUpMessages[i]) return i;
    return -1;
}

}  // namespace

Gadget* FindLabelledGadget(App& app, const std::string& name) { return FindIn(app.mGadgets, name); }

// True when a click at the gadget's centre would reach the screen it is part
// of, not a transition or dialog lying over it.
bool IsOnTop(App& app, const Gadget& gadget) {
    ScreenPoint corner = gadget.ScreenPosition();
    const Gadget* screen = &gadget;
    while (screen->mParent) screen = screen->mParent;
    return app.mGadgets.GadgetAt(corner.x + gadget.mRect.width / 2, corner.y + gadget.mRect.height / 2) == screen;
}

InputScriptPlayer::InputScriptPlayer(App& owner, InputScript lines)
    : app(owner), script(std::move(lines)), lastPoint(Point(owner.mMouseX, owner.mMouseY)) {}

bool InputScriptPlayer::TakesScreenshots() const {
    return std::any_of(script.lines.begin(), script.lines.end(),
                       [](const ScriptLine& line) { return line.action == ScriptAction::Screenshot; });
}

uint32_t InputScriptPlayer::Point(float x, float y) const {
    // The first window pixel of the logical one: in a window at least the
    // logical size the game sees exactly the script's position.
    return PackPoint(static_cast<int32_t>(std::ceil(x * app.MouseScaleX())),
                     static_cast<int32_t>(std::ceil(y * app.MouseScaleY())));
}

void InputScriptPlayer::Send(uint32_t message, uint32_t wparam, uint32_t lparam) {
    // Presses land where the script last moved, even before the window has
    // seen that move.
    if (message == WindowMessage::MouseMove) lastPoint = lparam;
    app.WindowProcedure(WindowEvent{app.mWindow.Id(), message, wparam, lparam});
}

void InputScriptPlayer::Queue(int32_t tick, uint32_t message, uint32_t wparam, uint32_t lparam) {
    pending.push_back({tick, message, wparam, lparam});
}

void InputScriptPlayer::QueueClick(int32_t tick, int32_t button, float x, float y) {
    Queue(tick, WindowMessage::MouseMove, 0, Point(x, y));
    Queue(tick + 1, kDownMessages[button], kButtonFlags[button], Point(x, y));
    Queue(tick + 2, kUpMessages[button], 0, Point(x, y));
}

bool InputScriptPlayer::Play(const ScriptLine& line, int32_t tick) {
    float x = static_cast<float>(line.x), y = static_cast<float>(line.y);
    switch (line.action) {
        case ScriptAction::Move: Send(WindowMessage::MouseMove, 0, Point(x, y)); break;
        case ScriptAction::Down: Send(kDownMessages[line.button], kButtonFlags[line.button], lastPoint); break;
        case ScriptAction::Up: Send(kUpMessages[line.button], 0, lastPoint); break;
        case ScriptAction::Click: QueueClick(tick, line.button, x, y); break;
        case ScriptAction::Key:
            Send(WindowMessage::KeyDown, line.key, KeyFlags::RepeatOne);
            if (uint32_t c = CharacterOf(line.key)) Send(WindowMessage::Char, c, KeyFlags::RepeatOne);
            Queue(tick + 1, WindowMessage::KeyUp, line.key, kKeyUpFlags);
            break;
        case ScriptAction::KeyDown: Send(WindowMessage::KeyDown, line.key, KeyFlags::RepeatOne); break;
        case ScriptAction::KeyUp: Send(WindowMessage::KeyUp, line.key, kKeyUpFlags); break;
        case ScriptAction::Text:
            for (char c : line.text) Send(WindowMessage::Char, static_cast<uint8_t>(c), KeyFlags::RepeatOne);
            break;
        case ScriptAction::FocusLost: Send(WindowMessage::ActivateApp, 0, 0); break;
        case ScriptAction::FocusGained: Send(WindowMessage::ActivateApp, 1, 0); break;
        case ScriptAction::Screenshot:
            app.DrawPass();
            if (!GetGraphics().SaveScreenshot(String(line.text)))
                Log::Line("Could not write the screenshot \"%s\"", line.text.c_str());
            break;
        case ScriptAction::Close: Send(WindowMessage::Close, 0, 0); break;
        case ScriptAction::PadTap:
            Send(WindowMessage::PadButtonDown, line.key, 0);
            Queue(tick + 1, WindowMessage::PadButtonUp, line.key, 0);
            break;
        case ScriptAction::PadDown: Send(WindowMessage::PadButtonDown, line.key, 0); break;
        case ScriptAction::PadUp: Send(WindowMessage::PadButtonUp, line.key, 0); break;
        case ScriptAction::PadAxis: Send(WindowMessage::PadAxisMotion, line.key, PackAxisValue(line.x)); break;
        case ScriptAction::Press: {
            Gadget* gadget = FindLabelledGadget(app, line.text);
            if (gadget && !IsOnTop(app, *gadget)) gadget = nullptr;
            if (!gadget) {
                if (waitingSince < 0) waitingSince = tick;
                if (tick - waitingSince < kPressWaitTicks) return false;
                error = "input script " + std::to_string(line.line) + ": no gadget " + line.text + " on screen";
                return false;
            }
            waitingSince = -1;
            ScreenPoint corner = gadget->ScreenPosition();
            QueueClick(tick, 0, corner.x + gadget->mRect.width / 2, corner.y + gadget->mRect.height / 2);
            break;
        }
    }
    return true;
}

bool InputScriptPlayer::Feed(int32_t tick) {
    for (size_t i = 0; i < pending.size();) {
        if (pending[i].tick > tick) {
            ++i;
            continue;
        }
        Pending due = pending[i];
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
        Send(due.message, due.wparam, due.lparam);
    }
    while (next < script.lines.size()) {
        const ScriptLine& line = script.lines[next];
        if (line.tick + delay > tick) break;
        if (!Play(line, tick)) {
            if (!error.empty()) return false;
            ++delay;  // still waiting for a gadget: the rest of the script waits too
            break;
        }
        ++next;
    }
    return true;
}

bool InputRecorder::Open(const std::string& path, int32_t seed) {
    file.open(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << "seed " << seed << "\n";
    return static_cast<bool>(file);
}

void InputRecorder::Record(int32_t tick, const WindowEvent& event, float scaleX, float scaleY) {
    if (!file) return;
    ScriptLine line;
    line.tick = tick;
    // Where the game saw the pointer.
    auto logical = [&]() {
        line.x = static_cast<int32_t>(LogicalPixel(PointX(event.lparam), scaleX));
        line.y = static_cast<int32_t>(LogicalPixel(PointY(event.lparam), scaleY));
    };
    int32_t button = ButtonOf(event.message);
    switch (event.message) {
        case WindowMessage::MouseMove:
            line.action = ScriptAction::Move;
            logical();
            break;
        case WindowMessage::KeyDown:
        case WindowMessage::KeyUp:
            if (NameOfVirtualKey(event.wparam).empty()) return;
            line.action = event.message == WindowMessage::KeyDown ? ScriptAction::KeyDown : ScriptAction::KeyUp;
            line.key = event.wparam;
            break;
        case WindowMessage::Char:
            if (event.wparam < ' ' || event.wparam > '~') return;
            line.action = ScriptAction::Text;
            line.text = std::string(1, static_cast<char>(event.wparam));
            break;
        case WindowMessage::ActivateApp:
            line.action = event.wparam ? ScriptAction::FocusGained : ScriptAction::FocusLost;
            break;
        case WindowMessage::Close: line.action = ScriptAction::Close; break;
        case WindowMessage::PadButtonDown:
        case WindowMessage::PadButtonUp:
            if (event.wparam >= static_cast<uint32_t>(PadButton::Count)) return;
            line.action = event.message == WindowMessage::PadButtonDown ? ScriptAction::PadDown : ScriptAction::PadUp;
            line.key = event.wparam;
            break;
        case WindowMessage::PadAxisMotion:
            if (event.wparam >= static_cast<uint32_t>(PadAxis::Count)) return;
            line.action = ScriptAction::PadAxis;
            line.key = event.wparam;
            line.x = PadAxisValue(event.lparam);
            break;
        default:
            if (button < 0) return;
            line.button = button;
            line.action = ButtonOf(event.message) >= 0 && event.message == kDownMessages[button] ? ScriptAction::Down
                                                                                                 : ScriptAction::Up;
            if (event.message != kDownMessages[button] && event.message != kUpMessages[button]) return;
            break;
    }
    file << FormatScriptLine(line) << "\n";
    file.flush();
}
