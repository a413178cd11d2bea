// Sliding the launcher by keys and stick: slow for a tap, quick when held,
// and a stick at rest is still.
#include <gtest/gtest.h>

#include "board/SlideControl.h"
#include "platform/WindowMessages.h"

TEST(SlideControlTest, AHeldKeySpeedsUpAndANewPressStartsSlowAgain) {
    SlideControl slide;
    EXPECT_FLOAT_EQ(slide.Step(), 0);
    slide.Hold(1, SlideControl::ArrowKey, true);
    EXPECT_FLOAT_EQ(slide.Step(), SlideControl::kStartSpeed);
    float last = 0;
    for (int32_t i = 0; i < SlideControl::kRampSteps + 5; ++i) last = slide.Step();
    EXPECT_FLOAT_EQ(last, SlideControl::kTopSpeed);
    // A second source held with the first keeps the speed; both must go.
    slide.Hold(1, SlideControl::DPad, true);
    slide.Hold(1, SlideControl::ArrowKey, false);
    EXPECT_FLOAT_EQ(slide.Step(), SlideControl::kTopSpeed);
    slide.Hold(1, SlideControl::DPad, false);
    EXPECT_FLOAT_EQ(slide.Step(), 0);
    slide.Hold(-1, SlideControl::LetterKey, true);
    EXPECT_FLOAT_EQ(slide.Step(), -SlideControl::kStartSpeed);
    // Both sides held stand still.
    slide.Hold(1, SlideControl::ArrowKey, true);
    EXPECT_FLOAT_EQ(slide.Step(), 0);
    slide.ReleaseAll();
    EXPECT_FALSE(slide.IsSliding());
}

TEST(SlideControlTest, TheStickSlidesWithItsLeanAndRestsInItsDeadZone) {
    SlideControl slide;
    slide.SetStick(SlideControl::kStickDeadZone - 1);
    EXPECT_FLOAT_EQ(slide.Step(), 0);
    slide.SetStick(-kPadAxisMost);
    EXPECT_FLOAT_EQ(slide.Step(), -SlideControl::kTopSpeed);
    slide.SetStick(-kPadAxisMost - 1);  // the far end of a signed axis
    EXPECT_FLOAT_EQ(slide.Step(), -SlideControl::kTopSpeed);
    slide.SetStick((kPadAxisMost + SlideControl::kStickDeadZone) / 2);
    float half = slide.Step();
    EXPECT_GT(half, 0);
    EXPECT_LT(half, SlideControl::kTopSpeed / 2);  // a light lean aims finely
    // Keys win over the stick while held.
    slide.Hold(-1, SlideControl::ArrowKey, true);
    EXPECT_LT(slide.Step(), 0);
}
