#include "game/demo/UiDemoApp.h"

UiDemoApp::UiDemoApp() { SetName("Plimb Zappets"); }

// The screen leaves the tree before the framework takes it down.
UiDemoApp::~UiDemoApp() { mScreen.reset(); }

void UiDemoApp::OnLoadingComplete() {
    mScreen = std::make_unique<UiDemoScreen>();
    mGadgets.Add(mScreen.get());
}
