#include "platform/SdlEventTranslation.h"

#include "platform/GameControllerEvents.h"

namespace {
constexpr uint32_t kControlLetterBase = 1;  // Ctrl+A is character 1, as on Windows

void Push(std::deque<WindowEvent>& out, uint32_t window, uint32_t message, uint32_t wparam, uint32_t lparam) {
    out.push_back(WindowEvent{window, message, wparam, lparam});
}

uint32_t MouseKeyFlags(uint32_t buttons) {
    uint32_t flags = 0;
    if (buttons & SDL_BUTTON_LMASK) flags |= MouseKeys::Left;
    if (buttons & SDL_BUTTON_RMASK) flags |= MouseKeys::Right;
    if (buttons & SDL_BUTTON_MMASK) flags |= MouseKeys::Middle;
    SDL_Keymod mods = SDL_GetModState();
    if (mods & KMOD_SHIFT) flags |= MouseKeys::Shift;
    if (mods & KMOD_CTRL) flags |= MouseKeys::Control;
    return flags;
}

// Keys whose press also produces a character message on Windows.
uint32_t CharacterOfKey(const SDL_KeyboardEvent& key, uint32_t virtualKey) {
    switch (virtualKey) {
    case VirtualKey::Back:
    case VirtualKey::Tab:
    case VirtualKey::Return:
    case VirtualKey::Escape:
        return virtualKey;
    default:
        break;
    }
    bool control = (key.keysym.mod & KMOD_CTRL) && !(key.keysym.mod & KMOD_ALT);
    if (control && virtualKey >= VirtualKey::LetterA && virtualKey <= VirtualKey::LetterA + 25)
        return virtualKey - VirtualKey::LetterA + kControlLetterBase;
    return 0;
}

void TranslateKey(const SDL_KeyboardEvent& key, uint32_t window, std::deque<WindowEvent>& out) {
    uint32_t virtualKey = VirtualKeyOf(key.keysym.sym);
    if (virtualKey == 0) return;
    bool alt = (key.keysym.mod & KMOD_ALT) || virtualKey == VirtualKey::Menu;
    bool down = key.type == SDL_KEYDOWN;
    uint32_t flags = KeyFlags::RepeatOne;
    if (!down) flags |= KeyFlags::WasDown | KeyFlags::Releasing;
    else if (key.repeat) flags |= KeyFlags::WasDown;
    uint32_t message = down ? (alt ? WindowMessage::SysKeyDown : WindowMessage::KeyDown)
                            : (alt ? WindowMessage::SysKeyUp : WindowMessage::KeyUp);
    Push(out, window, message, virtualKey, flags);
    if (down && !alt) {
        uint32_t character = CharacterOfKey(key, virtualKey);
        if (character != 0) Push(out, window, WindowMessage::Char, character, flags);
    }
}

// Text arrives as UTF-8; the game's text is single-byte, so each code point
// up to 255 becomes one character message and anything above is dropped.
void TranslateText(const char* text, uint32_t window, std::deque<WindowEvent>& out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; bytes[i] != 0;) {
        unsigned char lead = bytes[i];
        uint32_t codePoint = lead;
        size_t length = 1;
        if (lead >= 0xC0 && lead < 0xE0 && bytes[i + 1] != 0) {
            codePoint = ((lead & 0x1Fu) << 6) | (bytes[i + 1] & 0x3Fu);
            length = 2;
        } else if (lead >= 0xE0) {
            codePoint = 0x100;  // beyond what the game's text can hold
            length = lead >= 0xF0 ? 4 : 3;
        }
        if (codePoint >= 0x20 && codePoint <= 0xFF && codePoint != 0x7F)
            Push(out, window, WindowMessage::Char, codePoint, KeyFlags::RepeatOne);
        for (size_t step = 0; step < length && bytes[i] != 0; ++step) ++i;
    }
}

void TranslateButton(const SDL_MouseButtonEvent& button, uint32_t window, std::deque<WindowEvent>& out) {
    if (button.which == SDL_TOUCH_MOUSEID) return;
    uint32_t base;
    switch (button.button) {
    case SDL_BUTTON_LEFT: base = WindowMessage::LeftButtonDown; break;
    case SDL_BUTTON_RIGHT: base = WindowMessage::RightButtonDown; break;
    case SDL_BUTTON_MIDDLE: base = WindowMessage::MiddleButtonDown; break;
    default: return;
    }
    // Windows sends down, up, double click, up: every second press of a
    // quick series is the double click.
    uint32_t message = base;
    if (button.type == SDL_MOUSEBUTTONUP) message = base + 1;
    else if (button.clicks >= 2 && button.clicks % 2 == 0) message = base + 2;
    Push(out, window, message, MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)), PackPoint(button.x, button.y));
}

void TranslateWindowEvent(const SDL_WindowEvent& event, uint32_t window, std::deque<WindowEvent>& out) {
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        Push(out, window, WindowMessage::Close, 0, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Push(out, window, WindowMessage::ActivateApp, 1, 0);
        Push(out, window, WindowMessage::Activate, ActivateActive, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        Push(out, window, WindowMessage::ActivateApp, 0, 0);
        Push(out, window, WindowMessage::Activate, ActivateInactive, 0);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        Push(out, window, WindowMessage::Size, SizeMinimized, 0);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
        Push(out, window, WindowMessage::SysCommand, SysCommand::Maximize, 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        Push(out, window, WindowMessage::Size, SizeRestored, 0);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        Push(out, window, WindowMessage::Paint, 0, 0);
        break;
    default:
        break;
    }
}

bool IsForOtherWindow(const SDL_Event& event, uint32_t windowId) {
    uint32_t target;
    switch (event.type) {
    case SDL_WINDOWEVENT: target = event.window.windowID; break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: target = event.key.windowID; break;
    case SDL_TEXTINPUT: target = event.text.windowID; break;
    case SDL_MOUSEMOTION: target = event.motion.windowID; break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: target = event.button.windowID; break;
    case SDL_MOUSEWHEEL: target = event.wheel.windowID; break;
    default: return false;
    }
    // Input with no window (focus elsewhere) still belongs to the program.
    return target != 0 && target != windowId;
}
}  // namespace

void TranslateSdlEvent(const SDL_Event& event, uint32_t windowId, std::deque<WindowEvent>& out) {
    if (IsForOtherWindow(event, windowId)) return;
    if (GameControllerEvents::Translate(event, windowId, out)) return;
    switch (event.type) {
    case SDL_QUIT:
        Push(out, windowId, WindowMessage::Close, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window, windowId, out);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key, windowId, out);
        break;
    case SDL_TEXTINPUT:
        if (!(SDL_GetModState() & (KMOD_CTRL | KMOD_ALT))) TranslateText(event.text.text, windowId, out);
        break;
    case SDL_MOUSEMOTION:
        if (event.motion.which == SDL_TOUCH_MOUSEID) break;
        Push(out, windowId, WindowMessage::MouseMove, MouseKeyFlags(event.motion.state),
             PackPoint(event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateButton(event.button, windowId, out);
        break;
    case SDL_MOUSEWHEEL: {
        if (event.wheel.which == SDL_TOUCH_MOUSEID || event.wheel.y == 0) break;
        int32_t notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        uint32_t wparam = (static_cast<uint32_t>(notches * WheelNotch) << 16) |
                          MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr));
        Push(out, windowId, WindowMessage::MouseWheel, wparam, PackPoint(event.wheel.mouseX, event.wheel.mouseY));
        break;
    }
    default:
        break;
    }
}

uint32_t VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return VirtualKey::LetterA + static_cast<uint32_t>(key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return VirtualKey::Digit0 + static_cast<uint32_t>(key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VirtualKey::F1 + static_cast<uint32_t>(key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VirtualKey::Numpad0 + 1 + static_cast<uint32_t>(key - SDLK_KP_1);
    switch (key) {
    case SDLK_BACKSPACE: return VirtualKey::Back;
    case SDLK_TAB: return VirtualKey::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VirtualKey::Return;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VirtualKey::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VirtualKey::Control;
    case SDLK_LALT:
    case SDLK_RALT: return VirtualKey::Menu;
    case SDLK_PAUSE: return VirtualKey::Pause;
    case SDLK_CAPSLOCK: return VirtualKey::Capital;
    case SDLK_ESCAPE: return VirtualKey::Escape;
    case SDLK_SPACE: return VirtualKey::Space;
    case SDLK_PAGEUP: return VirtualKey::Prior;
    case SDLK_PAGEDOWN: return VirtualKey::Next;
    case SDLK_END: return VirtualKey::End;
    case SDLK_HOME: return VirtualKey::Home;
    case SDLK_LEFT: return VirtualKey::Left;
    case SDLK_UP: return VirtualKey::Up;
    case SDLK_RIGHT: return VirtualKey::Right;
    case SDLK_DOWN: return VirtualKey::Down;
    case SDLK_PRINTSCREEN: return VirtualKey::Snapshot;
    case SDLK_INSERT: return VirtualKey::Insert;
    case SDLK_DELETE: return VirtualKey::Delete;
    case SDLK_LGUI: return VirtualKey::LeftWindows;
    case SDLK_RGUI: return VirtualKey::RightWindows;
    case SDLK_APPLICATION: return VirtualKey::Apps;
    case SDLK_KP_0: return VirtualKey::Numpad0;
    case SDLK_KP_MULTIPLY: return VirtualKey::Multiply;
    case SDLK_KP_PLUS: return VirtualKey::Add;
    case SDLK_KP_MINUS: return VirtualKey::Subtract;
    case SDLK_KP_PERIOD: return VirtualKey::Decimal;
    case SDLK_KP_DIVIDE: return VirtualKey::Divide;
    case SDLK_NUMLOCKCLEAR: return VirtualKey::NumLock;
    case SDLK_SCROLLLOCK: return VirtualKey::Scroll;
    case SDLK_SEMICOLON: return VirtualKey::Semicolon;
    case SDLK_EQUALS: return VirtualKey::Plus;
    case SDLK_COMMA: return VirtualKey::Comma;
    case SDLK_MINUS: return VirtualKey::Minus;
    case SDLK_PERIOD: return VirtualKey::Period;
    case SDLK_SLASH: return VirtualKey::Slash;
    case SDLK_BACKQUOTE: return VirtualKey::BackQuote;
    case SDLK_LEFTBRACKET: return VirtualKey::LeftBracket;
    case SDLK_BACKSLASH: return VirtualKey::Backslash;
    case SDLK_RIGHTBRACKET: return VirtualKey::RightBracket;
    case SDLK_QUOTE: return VirtualKey::Quote;
    default: return 0;
    }
}
