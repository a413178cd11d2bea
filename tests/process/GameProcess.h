#pragma once
// The built game run as its own process with a scratch folder as its
// working directory.

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

struct Outcome {
    bool exited = false;  // false: ended by a signal
    int code = -1;        // exit code, or the signal number
    std::string output;   // what it printed
    std::string errors;   // what it wrote to standard error
};

// Runs the game with `arguments`, its standard output and error kept in the
// outcome.
Outcome RunGame(const TempDir& folder, std::vector<std::string> arguments);
// The same with the game's executable at another path (a copy or a link).
Outcome RunProgram(const std::string& program, const TempDir& folder, std::vector<std::string> arguments);
// Starts the game without waiting for it; 0 when it cannot start.
pid_t SpawnGame(const TempDir& folder, std::vector<std::string> arguments);
pid_t SpawnProgram(const std::string& program, const TempDir& folder, std::vector<std::string> arguments);
// Waits for a started game to end.
Outcome WaitForGame(const TempDir& folder, pid_t child);
