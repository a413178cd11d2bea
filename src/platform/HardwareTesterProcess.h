#pragma once
// The hardware tester run in a short-lived child process (this program
// started again with kChildSwitch), so that the OpenGL driver it loads (with
// llvmpipe, tens of MiB) goes with the child and a safe-mode session never
// carries it. The child answers on its standard output.

#include <string>

#include "platform/HardwareProbe.h"

class HardwareTesterProcess : public HardwareProbe {
public:
    static constexpr const char* kChildSwitch = "--hardware-test-child";

    // Runs the child: identifies the card and, with an accelerated renderer,
    // draws the test pictures too, so RunChecks needs no second child.
    HardwareIdentity Identify() override;
    HardwareCheckResult RunChecks() override { return mChecks; }

    // The child's side: tests and writes the answer to standard output. The
    // process's exit code.
    static int RunChild();

    // The answer as text and back; exposed for tests.
    static std::string Encode(const HardwareIdentity& identity, const HardwareCheckResult& checks);
    static bool Decode(const std::string& text, HardwareIdentity& identity, HardwareCheckResult& checks);

private:
    HardwareCheckResult mChecks;
};
