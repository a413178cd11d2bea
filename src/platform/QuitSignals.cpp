#include "platform/QuitSignals.h"

#include <SDL.h>

#include <csignal>
#include <initializer_list>

namespace {
volatile std::sig_atomic_t gQuitRequested = 0;

void OnQuitSignal(int) { gQuitRequested = 1; }
}  // namespace

void InstallQuitSignals() {
    // SDL would otherwise install its own handlers when video starts.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool TakeQuitSignal() {
    if (!gQuitRequested) return false;
    gQuitRequested = 0;
    return true;
}
