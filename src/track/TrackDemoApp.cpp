#include "track/TrackDemoApp.h"

#include "track/TrackDemo.h"

void TrackDemoApp::OnLoadingComplete() { mGadgets.Add(new TrackDemo()); }
