// The saved journey of the game application (PlimbZappetsApp.h).
#include "core/IOBuffer.h"
#include "core/Log.h"
#include "game/PlimbZappetsApp.h"
#include "game/journey/PickDiff.h"

namespace {
constexpr const char* kJourneyFile = "Journey.SAV";
}

String PlimbZappetsApp::SavedJourneyVersion() {
    IOBuffer buffer;
    if (!buffer.LoadFile(profiles.ProfileFilePath(kJourneyFile))) return String();
    String version = buffer.ReadString();
    return buffer.HasError() ? String() : version;
}

bool PlimbZappetsApp::LoadJourney() {
    Log::Line("No saved journey to resume yet");
    return false;
}

void PlimbZappetsApp::SaveJourney() {}

void PlimbZappetsApp::ClearJourney() {}

void PlimbZappetsApp::OpenPlayStyleChoice(Gadget& menu) { menu.AddChild(new PickDiff(*this)); }

void PlimbZappetsApp::StartNewJourney() {
    if (IsTransitionRunning()) return;
    DiscardJourneyMap();
    score = 0;
    lives = kStartLives;
    worldReached = 0;
    StartTransition(TransitionKind::JourneyMap);
}
