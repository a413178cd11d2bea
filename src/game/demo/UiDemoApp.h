#pragma once
// The application of "--ui-demo": the plain framework showing UiDemoScreen.

#include <memory>

#include "app/App.h"
#include "game/demo/UiDemoScreen.h"

class UiDemoApp : public App {
public:
    UiDemoApp();
    ~UiDemoApp() override;
    void OnLoadingComplete() override;

private:
    std::unique_ptr<UiDemoScreen> mScreen;
};
