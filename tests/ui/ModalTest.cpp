#include <gtest/gtest.h>

#include "StandInHost.h"

namespace {
// Reports to its listener when released, like a button.
struct Firing : Probe {
    using Probe::Probe;
    void OnMouseUp(float x, float y, int32_t button) override {
        Probe::OnMouseUp(x, y, button);
        if (mListener) mListener->PostNotify(this);
    }
};
}  // namespace

TEST(Modal, RunsTheLoopUntilEndModalAndAnswersTheResult) {
    StandInHost host;
    Probe dialog(100, 100, 200, 100, "dialog");
    host.onLoop = [&] {
        if (host.loopIterations == 3) dialog.EndModal(7);
    };
    EXPECT_EQ(dialog.RunModal(), 7);
    EXPECT_EQ(host.loopIterations, 3);
    EXPECT_EQ(host.mGadgets.GadgetAtIndex(host.mGadgets.Count() - 1), &dialog);
}

TEST(Modal, EndsWhenKilledOrWhenTheApplicationQuits) {
    StandInHost host;
    auto* dialog = new Probe(0, 0, 10, 10, "dialog");
    host.onLoop = [&] {
        if (host.loopIterations == 2) dialog->Kill();
    };
    EXPECT_EQ(dialog->RunModal(), 0);
    host.mGadgets.Update();
    host.mGadgets.Update();

    Probe other(0, 0, 10, 10, "other");
    host.onLoop = [&] { host.quitting = true; };
    other.RunModal();
    EXPECT_EQ(host.loopIterations, 3);
}

TEST(Modal, ADialogOpenedWithTheLeftButtonHeldReleasesThePressFirst) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen");
    Firing button(10, 10, 50, 50, "button");
    button.SetListener(&screen, true);
    host.mGadgets.Add(&screen);

    host.Send(WindowMessage::MouseMove, 20, 20);
    host.Send(WindowMessage::LeftButtonDown, 20, 20);
    // The dialog does not cover the pointer, so adding it alone cancels nothing.
    Probe dialog(400, 400, 100, 100, "dialog");
    host.onLoop = [&] {
        host.Send(WindowMessage::LeftButtonUp, 20, 20);
        dialog.EndModal(1);
    };
    dialog.RunModal();
    EXPECT_TRUE(button.Saw("up -10009,-10009"));
    EXPECT_EQ(screen.notifications, 0);
    EXPECT_EQ(host.mPressCount, 0);
    EXPECT_EQ(host.mCaptureCount, 0);

    // Afterwards an ordinary click fires as usual.
    host.Click(20, 20);
    EXPECT_EQ(screen.notifications, 1);
}

TEST(Modal, RunUntilDrawnEndsAfterTheNextDraw) {
    StandInHost host;
    Probe screen(0, 0, 800, 600, "screen");
    host.onLoop = [&] { host.mGadgets.Draw(); };
    screen.RunUntilDrawn();
    EXPECT_EQ(host.loopIterations, 1);
    EXPECT_EQ(screen.draws, 1);
    EXPECT_FALSE(screen.mDrawOnce);
}
