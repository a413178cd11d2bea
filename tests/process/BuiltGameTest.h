#pragma once
// Runs of the game over the built data root ($PZ_TEST_DATA; the tests skip
// without one), headless and on the virtual clock, each with a per-user
// folder of its own inside `user` and `scratch` as the working folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process/GameProcess.h"
#include "support/TempDir.h"

class BuiltGameTest : public ::testing::Test {
protected:
    void SetUp() override;
    // `text` in the scratch file `name`; answers its path.
    std::string Script(const std::string& name, const std::string& text) const;
    // A --headless --fast run for the per-user folder `userName`.
    Outcome Run(const std::string& userName, std::vector<std::string> arguments) const;
    // The switches that start such a run, for a caller that spawns it itself.
    std::vector<std::string> RunSwitches(const std::string& userName) const;
    std::string Log(const std::string& userName) const { return user.Read(userName + "/DEBUG.TXT"); }

    std::string dataRoot;
    TempDir user;
    TempDir scratch;
};

bool Has(const std::string& text, const std::string& part);
// The "Screen: <class>" lines of a DEBUG.TXT, in order.
std::vector<std::string> ScreenLines(const std::string& log);
