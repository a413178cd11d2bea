#pragma once
// The application for --track-demo: the plain framework with the chain demo
// scene as its only screen.

#include "app/App.h"

class TrackDemoApp : public App {
public:
    void OnLoadingComplete() override;
};
