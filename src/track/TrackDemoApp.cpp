#include "track/TrackDemoApp.h"

#include "track/EffectsDemo.h"
#include "track/TrackDemo.h"

void TrackDemoApp::OnLoadingComplete() {
    auto* scene = new TrackDemo();
    mGadgets.Add(scene);
    mGadgets.Add(new EffectsDemo(*scene));  // effect keys over the chains
}
