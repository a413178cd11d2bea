// The hardware tester's answer from its child process, and the child itself.
#include <gtest/gtest.h>

#include "platform/HardwareTesterProcess.h"

namespace {
TEST(HardwareTesterProcess, AnswerSurvivesTheTripAndDamageGivesNothingFalse) {
    HardwareIdentity identity;
    identity.accelerated = true;
    identity.cardName = "llvmpipe";
    identity.vendorAndRenderer = "Mesa llvmpipe (LLVM 15.0.6, 256 bits)";
    identity.driverVersion = "4.5 Mesa\\22.3.6\nsecond line; SDL 2.26.5 opengl";
    identity.renderDrivers = "opengl,opengles2";
    HardwareCheckResult checks;
    checks.renderTargets = true;
    checks.failReason = "Alpha blending: expected 80, read 7f";
    checks.warnings = "a=b; c";
    HardwareIdentity readIdentity;
    HardwareCheckResult readChecks;
    ASSERT_TRUE(
        HardwareTesterProcess::Decode(HardwareTesterProcess::Encode(identity, checks), readIdentity, readChecks));
    EXPECT_TRUE(readIdentity.accelerated);
    EXPECT_EQ(readIdentity.cardName, identity.cardName);
    EXPECT_EQ(readIdentity.vendorAndRenderer, identity.vendorAndRenderer);
    EXPECT_EQ(readIdentity.driverVersion, identity.driverVersion);
    EXPECT_EQ(readIdentity.renderDrivers, identity.renderDrivers);
    EXPECT_TRUE(readChecks.renderTargets);
    EXPECT_FALSE(readChecks.drawsCorrectly);
    EXPECT_EQ(readChecks.failReason, checks.failReason);
    EXPECT_EQ(readChecks.warnings, checks.warnings);

    // Output that is not an answer (a crashed child, a driver's chatter) is refused.
    EXPECT_FALSE(HardwareTesterProcess::Decode("", readIdentity, readChecks));
    EXPECT_FALSE(HardwareTesterProcess::Decode("Segmentation fault\nno equals here\n", readIdentity, readChecks));
    EXPECT_FALSE(readIdentity.accelerated);
    // Unknown keys and a cut-off last line are harmless.
    ASSERT_TRUE(HardwareTesterProcess::Decode("future=1\ncardName=Radeon\\", readIdentity, readChecks));
    EXPECT_EQ(readIdentity.cardName, String("Radeon\\"));
}
}  // namespace
