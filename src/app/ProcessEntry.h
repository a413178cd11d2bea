#pragma once
// The process entry loop: build the application, initialise it, run it,
// quit it, destroy it, and do it all again while it asked for a restart.

#include <functional>
#include <memory>

#include "app/App.h"

struct EntryResult {
    int32_t updates = 0;  // update steps of the last application
    int32_t draws = 0;    // draw passes of the last application
    int32_t exitCode = 0; // what the process should end with
};

using AppFactory = std::function<std::unique_ptr<App>()>;

EntryResult RunApplications(const AppFactory& create, const LaunchOptions& launch);
