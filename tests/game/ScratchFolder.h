#pragma once
// A game application whose per-user files (settings, profiles, journeys,
// statistics) live in a scratch folder instead of the player's own.

#include <string>

#include "game/PlimbZappetsApp.h"

inline void UseScratchFolder(PlimbZappetsApp& app, const std::string& folder) {
    app.mDataFolder = String(folder + "/");
    app.mConfigPath = String(folder + "/config.cfg");
    app.profiles.Initialize(app.GetConfigPath(), app.GetDataFolder());
}
