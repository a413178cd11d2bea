#pragma once
// Game data roots made on the fly: the folders the game looks for and its
// marker file, with nothing else in them.

#include <string>

#include "support/TempDir.h"

// The version this build's asset build writes into the marker, and the
// marker's file name.
std::string BuiltDataVersion();
std::string DataMarkerFile();

// Makes the folder `name` under `temp` a game data root whose marker names
// `version`; answers its path.
std::string WriteGameDataRoot(const TempDir& temp, const std::string& name,
                              const std::string& version = BuiltDataVersion());
