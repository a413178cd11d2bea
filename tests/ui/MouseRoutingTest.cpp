#include <gtest/gtest.h>

#include "StandInHost.h"

TEST(MouseRouting, TheTopmostGadgetGetsTheClickUnlessItIsInputTransparent) {
    StandInHost host;
    Probe below(0, 0, 200, 200, "below"), above(50, 50, 100, 100, "above");
    host.mGadgets.Add(&below);
    host.mGadgets.Add(&above);
    host.Click(60, 70);
    EXPECT_TRUE(above.Saw("down 10,20"));
    EXPECT_TRUE(below.events.empty());

    above.mInputTransparent = true;
    host.Click(60, 70);
    EXPECT_TRUE(below.Saw("down 60,70"));
}

TEST(MouseRouting, OnePixelIsAClickAndThreePixelsStartADrag) {
    StandInHost host;
    Probe target(0, 0, 100, 100);
    host.mGadgets.Add(&target);

    host.Send(WindowMessage::LeftButtonDown, 10, 10);
    host.Send(WindowMessage::MouseMove, 11, 10);
    host.Send(WindowMessage::LeftButtonUp, 11, 10);
    EXPECT_FALSE(target.SawPrefix("dragstart"));
    EXPECT_TRUE(target.Saw("up 11,10"));

    target.events.clear();
    host.Send(WindowMessage::LeftButtonDown, 10, 10);
    host.Send(WindowMessage::MouseMove, 13, 10);
    EXPECT_TRUE(target.Saw("dragstart 13,10"));
    EXPECT_TRUE(target.Saw("drag 13,10"));
    host.Send(WindowMessage::MouseMove, 40, 40);
    EXPECT_TRUE(target.Saw("drag 40,40"));
    host.Send(WindowMessage::LeftButtonUp, 40, 40);
    EXPECT_TRUE(target.Saw("dragend 40,40"));
    EXPECT_FALSE(target.mDragging);
    EXPECT_EQ(host.mCaptureCount, 0);
    EXPECT_FALSE(host.windowCapture);
}

TEST(MouseRouting, MovingOntoAnotherGadgetDuringADragGoesToTheDragOwner) {
    StandInHost host;
    Probe owner(0, 0, 100, 100, "owner"), other(200, 0, 100, 100, "other");
    host.mGadgets.Add(&owner);
    host.mGadgets.Add(&other);
    host.Send(WindowMessage::LeftButtonDown, 10, 10);
    host.Send(WindowMessage::MouseMove, 250, 50);
    EXPECT_TRUE(owner.Saw("drag 250,50"));
    EXPECT_FALSE(other.SawPrefix("drag"));
    EXPECT_FALSE(other.SawPrefix("down"));
    host.Send(WindowMessage::LeftButtonUp, 250, 50);
    EXPECT_TRUE(owner.Saw("dragend 250,50"));
    EXPECT_FALSE(other.SawPrefix("up"));
}

TEST(MouseRouting, ARefusedDragReleasesThePressOffScreen) {
    StandInHost host;
    Probe target(0, 0, 100, 100);
    target.refuseDrag = true;
    host.mGadgets.Add(&target);
    host.Send(WindowMessage::LeftButtonDown, 10, 10);
    host.Send(WindowMessage::MouseMove, 30, 10);
    EXPECT_TRUE(target.Saw("up -9999,-9999"));
    EXPECT_FALSE(target.SawPrefix("drag "));
    EXPECT_EQ(host.mCaptureGadget, nullptr);
    EXPECT_FLOAT_EQ(host.mMouseX, 30);  // the pointer did not really leave
    host.Send(WindowMessage::LeftButtonUp, 30, 10);    // the real release finds no press left
    EXPECT_EQ(host.mCaptureCount, 0);
}

TEST(MouseRouting, AReleaseWithoutAPressOnlyResetsTheCount) {
    StandInHost host;
    Probe target(0, 0, 100, 100);
    host.mGadgets.Add(&target);
    host.windowCapture = true;
    host.Send(WindowMessage::LeftButtonUp, 10, 10);
    host.Send(WindowMessage::RightButtonUp, 10, 10);
    EXPECT_EQ(host.mCaptureCount, 0);
    EXPECT_FALSE(host.windowCapture);
    EXPECT_TRUE(target.events.empty());
    // The next ordinary click still works.
    host.Click(10, 10);
    EXPECT_TRUE(target.Saw("up 10,10"));
}

TEST(MouseRouting, HoverMovesBetweenNestedGadgets) {
    StandInHost host;
    Probe screen(0, 0, 400, 400, "screen"), left(10, 10, 50, 50, "left"), right(100, 10, 50, 50, "right");
    right.SetHandCursor();
    screen.AddChild(&left);
    screen.AddChild(&right);
    host.mGadgets.Add(&screen);

    host.Send(WindowMessage::MouseMove, 20, 20);
    EXPECT_TRUE(left.mHovered);
    EXPECT_FALSE(screen.mHovered);
    host.Send(WindowMessage::MouseMove, 25, 20);  // staying inside enters only once
    host.Send(WindowMessage::MouseMove, 110, 20);
    EXPECT_EQ(left.events, (std::vector<std::string>{"enter", "move 10,10", "move 15,10", "leave"}));
    EXPECT_TRUE(right.mHovered);
    EXPECT_EQ(host.cursor, CursorKind::Hand);
    host.Send(WindowMessage::MouseMove, 300, 300);
    EXPECT_FALSE(right.mHovered);
    EXPECT_TRUE(screen.mHovered);
    EXPECT_EQ(host.cursor, CursorKind::Arrow);
    host.Send(WindowMessage::MouseMove, 900, 900);
    EXPECT_EQ(host.mHoverGadget, nullptr);
    EXPECT_FALSE(screen.mHovered);
}

TEST(MouseRouting, DisabledGadgetsIgnoreInputAndEndTheHover) {
    StandInHost host;
    Probe screen(0, 0, 400, 400, "screen"), button(10, 10, 50, 50, "button"), other(100, 10, 50, 50, "other");
    screen.AddChild(&button);
    screen.AddChild(&other);
    host.mGadgets.Add(&screen);
    host.Send(WindowMessage::MouseMove, 110, 20);
    button.mDisabled = true;
    host.Send(WindowMessage::MouseMove, 20, 20);
    host.Click(20, 20);
    EXPECT_FALSE(other.mHovered);
    EXPECT_TRUE(button.events.empty());
    EXPECT_TRUE(screen.events.empty());
}

TEST(MouseRouting, WindowCoordinatesAreScaledToTheLogicalScreen) {
    StandInHost host;
    host.scale = 2.0f;
    Probe target(100, 100, 50, 50);
    host.mGadgets.Add(&target);
    host.Click(220, 240);
    EXPECT_TRUE(target.Saw("down 10,20"));
}

TEST(MouseRouting, TheLogicalPointerIsAWholePixelInAScaledWindowToo) {
    // A recording keeps whole pixels: that must be all the game saw.
    EXPECT_EQ(LogicalPixel(321, 0.8f), 401.0f);
    EXPECT_EQ(LogicalPixel(-1, 0.8f), -2.0f) << "down, also left of the window";
    EXPECT_EQ(LogicalPixel(7, 0.0f), 7.0f) << "no scale yet";
    StandInHost host;
    host.scale = 0.8f;
    host.MouseMove(321, 100);
    EXPECT_EQ(host.mMouseX, 401.0f);
}

TEST(MouseRouting, RemovingOrCoveringThePressedGadgetCancelsThePress) {
    StandInHost host;
    Probe screen(0, 0, 400, 400, "screen");
    Probe listener(0, 0, 1, 1, "listener");
    struct Firing : Probe {
        using Probe::Probe;
        void OnMouseUp(float x, float y, int32_t button) override {
            Probe::OnMouseUp(x, y, button);
            if (mListener) mListener->PostNotify(this);
        }
    } button(10, 10, 50, 50, "button");
    button.SetListener(&listener, false);
    host.mGadgets.Add(&screen);
    screen.AddChild(&button);

    host.Send(WindowMessage::LeftButtonDown, 20, 20);
    Probe cover(0, 0, 400, 400, "cover");
    host.mGadgets.Add(&cover);  // a new screen now lies under the held button
    EXPECT_TRUE(button.Saw("up -10009,-10009"));
    EXPECT_TRUE(button.mMouseCancelled);
    EXPECT_EQ(listener.notifications, 0);
    EXPECT_EQ(host.mCaptureCount, 0);
    host.Send(WindowMessage::LeftButtonUp, 20, 20);
    EXPECT_EQ(listener.notifications, 0);
    EXPECT_FALSE(cover.SawPrefix("up"));
}

TEST(MouseRouting, KeysGoToTheFocusAndTheWheelToItsOwner) {
    StandInHost host;
    Probe field(0, 0, 10, 10, "field");
    struct Wheel : Probe {
        using Probe::Probe;
        void OnMouseWheel(int32_t delta) override { total += delta; }
        int32_t total = 0;
    } list(20, 0, 10, 10, "list");
    host.mGadgets.Add(&field);
    host.mGadgets.Add(&list);
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Left);  // nobody has the focus yet
    field.TakeFocus();
    list.TakeWheel();
    host.Send(WindowMessage::KeyDown, 0, 0, VirtualKey::Left);
    host.Send(WindowMessage::Char, 0, 0, 'a');
    host.HandleEvent(0, WindowMessage::MouseWheel, static_cast<uint32_t>(-120) << 16, 0);
    EXPECT_EQ(field.events, (std::vector<std::string>{"key 37", "char 97"}));
    EXPECT_EQ(list.total, -120);
    field.mDisabled = true;
    host.Send(WindowMessage::Char, 0, 0, 'b');
    EXPECT_EQ(field.events.size(), 2u);
}

TEST(MouseRouting, HoverEndsWhenThePointerLeavesTheWindow) {
    StandInHost host;
    Probe target(0, 0, 100, 100);
    host.mGadgets.Add(&target);
    host.Send(WindowMessage::MouseMove, 10, 10);
    host.CheckMouseOutside();
    EXPECT_TRUE(target.mHovered);
    host.pointerInWindow = false;
    host.CheckMouseOutside();
    EXPECT_FALSE(target.mHovered);
}
