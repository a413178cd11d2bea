#include "platform/MessageBox.h"

#include <SDL.h>

#include <atomic>

#include "core/Log.h"

namespace {
std::atomic<bool> gHeadless{false};
}

void SetHeadless(bool headless) { gHeadless = headless; }
bool IsHeadless() { return gHeadless; }

MessageBoxAnswer ShowMessageBox(const String& title, const String& text, MessageBoxKind kind) {
    Log::Line("Message box [%s]: %s", title.c_str(), text.c_str());
    MessageBoxAnswer fallback = kind == MessageBoxKind::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::No;
    if (gHeadless) return fallback;

    const SDL_MessageBoxButtonData okButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "OK"}};
    const SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 2, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"}};
    SDL_MessageBoxData data{};
    data.flags = SDL_MESSAGEBOX_INFORMATION;
    data.title = title.c_str();
    data.message = text.c_str();
    if (kind == MessageBoxKind::Ok) {
        data.numbuttons = 1;
        data.buttons = okButtons;
    } else {
        data.numbuttons = 2;
        data.buttons = yesNoButtons;
    }
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return fallback;
    if (kind == MessageBoxKind::Ok) return MessageBoxAnswer::Ok;
    return pressed == 1 ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}
